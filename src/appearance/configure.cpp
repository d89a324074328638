#include "appearance/configure.h"

Configure::Configure(QWidget *parent)
    : FenetreZelund(parent)
{
    setObjectName(QStringLiteral("Configure"));
}
