#include "pastimes/fen2001.h"

#include "base/plateforme.h"
#include "pastimes/comptes.h"

namespace {
QFont police2001()
{
    QFont police(QStringLiteral("Verdana"));
    police.setPointSizeF(14.25);
    police.setBold(true);
    police.setItalic(true);
    return police;
}
} // namespace

Fen2001::Fen2001(QWidget *parent)
    : FenCompte(Comptes::titre2001(), police2001(), parent)
{
    setObjectName(QStringLiteral("Fen2001"));
}

void Fen2001::tic()
{
    affiche(Comptes::texte2001(Plateforme::courante().aujourdhui()));
}
