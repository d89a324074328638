#include "pastimes/fen2010.h"

#include "base/plateforme.h"
#include "pastimes/comptes.h"

namespace {
QFont police2010()
{
    QFont police(QStringLiteral("Comic Sans MS"));
    police.setPointSizeF(12);
    return police;
}
} // namespace

Fen2010::Fen2010(QWidget *parent)
    : FenCompte(Comptes::titre2010(), police2010(), parent)
{
    setObjectName(QStringLiteral("Fen2010"));
}

void Fen2010::tic()
{
    const Comptes::Texte2010 t = Comptes::texte2010(Plateforme::courante().maintenant());
    // Heard at most once a minute while it has the focus, not every second.
    affiche(t.texte, t.sansSecondes);
    if (t.termine)
        termine();
}
