#include "pastimes/fenboutils.h"

FenBOutils::FenBOutils(QWidget *parent)
    : FenetreZelund(parent)
{
    setObjectName(QStringLiteral("FenBOutils"));
}
