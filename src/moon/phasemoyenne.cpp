#include "moon/phasemoyenne.h"

#include <cmath>

namespace Lune {

namespace {

constexpr double jourJulienZero = 2415019.0;
constexpr double jourEnPlus = 1.0;
constexpr double calageEpoque = 4.867;
constexpr double moisSynodique = 29.53059;

} // namespace

double fractionPhase(int valeur)
{
    const double t = (valeur + jourJulienZero + jourEnPlus + calageEpoque) / moisSynodique;
    return t - std::floor(t);
}

QString legendePhase(double fraction)
{
    return fraction < 0.5 ? QStringLiteral("Lune décroissante") : QStringLiteral("Lune croissante");
}

} // namespace Lune
