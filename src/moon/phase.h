#pragma once

#include <QString>
#include <optional>

namespace Lune {

// The phase of a date value (Dates::valeurDate), days from 30 December 1899.

// Fraction of the synodic month since full moon, 0 <= fraction < 1:
// 0 full moon, 0.25 last quarter, 0.5 new moon, 0.75 first quarter.
double fractionPhase(int valeur);
// "Lune croissante" from new moon (0.5 included) to full moon.
QString legendePhase(double fraction);

struct Phase
{
    int valeur = 0;
    double fraction = 0.0;
    QString legende;
};
std::optional<Phase> calculePhase(const QString &selection);

} // namespace Lune
