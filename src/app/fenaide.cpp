#include "app/fenaide.h"

FenAide::FenAide(QWidget *parent)
    : FenetreZelund(parent)
{
    setObjectName(QStringLiteral("FenAide"));
}
