#include "pastimes/apropos.h"

Apropos::Apropos(QWidget *parent)
    : FenetreZelund(parent)
{
    setObjectName(QStringLiteral("Apropos"));
}
