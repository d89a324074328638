#pragma once

#include "dates/jours.h"

#include <QtGlobal>
#include <optional>
#include <vector>

// The calendar as it was lived: Julian up to Thursday 4 October 1582,
// Gregorian from Friday 15 October 1582. A printed calendar follows it, so
// that a year of 1400 has the weekdays and the 29 February its people had.
namespace Dates {

struct JourVecu
{
    int jour = 0;
    qint64 jourJulien = 0;
    bool julien = false;
};

// The days of a month in that calendar, first to last: October 1582 goes
// from the 4th to the 15th. Astronomical years (year 0 is 1 BC).
std::vector<JourVecu> joursDuMoisVecu(int mois, int annee);

// The date a Julian Day Number was written in that calendar.
JourMoisAn dateVecue(qint64 jourJulien);
bool jourJulienAvantReforme(qint64 jourJulien);

// Easter Sunday as it was kept: the Julian computus up to 1582, the
// Gregorian one from 1583; nullopt outside the years 1 to 9999.
std::optional<qint64> paquesVecu(int annee);

} // namespace Dates
