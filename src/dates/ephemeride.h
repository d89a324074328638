#pragma once

#include "dates/lieux.h"

#include <QDate>
#include <QString>

// The almanac of a day at a place, as text.
namespace Dates {

// Days the almanac covers: the Gregorian calendar, up to the Moon's last year.
bool ephemerideDisponible(const QDate &jour);

// The Sun, the Moon and the seasons of the day, times in the place's time
// zone with its summer time that day, the zone named.
QString texteEphemeride(const QDate &jour, const Lieu &lieu);

} // namespace Dates
