#include "base/plateforme.h"

#include <QtGlobal>

namespace {
Plateforme *installee = nullptr;
}

Plateforme &Plateforme::courante()
{
    Q_ASSERT_X(installee, "Plateforme::courante", "no platform installed");
    return *installee;
}

void Plateforme::installe(Plateforme *plateforme)
{
    installee = plateforme;
}
