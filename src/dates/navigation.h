#pragma once

#include "dates/texte.h"

#include <optional>

namespace Dates {

// Moving the main window's selection from the keyboard, over the days its
// grid offers (5 to 14 October 1582 never existed), within a range of years.
// Nothing when the move would leave the range.

// pas days later (earlier when negative), one offered day at a time.
std::optional<JourMoisAn> jourVoisin(const JourMoisAn &depart, int pas, int anneeMin, int anneeMax);

// The same day nbMois months later (earlier when negative); a day the month
// lacks becomes the last offered day before it.
std::optional<JourMoisAn> moisVoisin(const JourMoisAn &depart, int nbMois, int anneeMin, int anneeMax);

} // namespace Dates
