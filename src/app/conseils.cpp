#include "app/conseils.h"

Conseils::Conseils(QWidget *parent)
    : FenetreZelund(parent)
{
    setObjectName(QStringLiteral("Conseils"));
}
