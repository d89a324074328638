#pragma once

#include <QString>

// The Moon's mean phase: a fixed synodic month counted from a full moon,
// for the picture and the caption of the selected day.
namespace Lune {

// Fraction of the synodic month since full moon of a date value
// (Dates::valeurDate, days from 30 December 1899), 0 <= fraction < 1:
// 0 full moon, 0.25 last quarter, 0.5 new moon, 0.75 first quarter.
double fractionPhase(int valeur);
// "Lune croissante" from new moon (0.5 included) to full moon.
QString legendePhase(double fraction);

} // namespace Lune
