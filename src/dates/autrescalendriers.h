#pragma once

#include "dates/republicain.h"

#include <QString>
#include <optional>

namespace Dates {

// The first and last years the other calendars are given for.
inline constexpr int AutresCalendriersAnneeMin = -1900;
inline constexpr int AutresCalendriersAnneeMax = 9999;

// The day of a date value in the other calendars, a line each: Gregorian and
// Julian, ISO week date, Julian Day Number, Hebrew, tabular Islamic from its
// epoch and Republican from an I on. nullopt outside the years -1900 to 9999.
std::optional<QString> texteAutresCalendriers(int valeur, const JourEquinoxe &equinoxe);

} // namespace Dates
