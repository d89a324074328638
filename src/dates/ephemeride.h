#pragma once

#include "dates/lieux.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <functional>
#include <optional>

// The almanac of a day at a place, as text.
namespace Dates {

// Days the almanac covers: the Gregorian calendar, up to the last year whose
// Moon phases are known.
bool ephemerideDisponible(const QDate &jour, int derniereAnnee);

// What is told of the Moon's phases at an instant, in a time zone, line by
// line; nullopt when nothing is. The true Moon lives above the date core,
// which is handed it.
using PhasesLune = std::function<std::optional<QString>(const QDateTime &instant, const QTimeZone &fuseau)>;

// The Sun, the Moon and the seasons of the day, times in the place's time
// zone with its summer time that day, the zone named; the Moon's phases when
// given.
QString texteEphemeride(const QDate &jour, const Lieu &lieu, const PhasesLune &phases = {});

} // namespace Dates
