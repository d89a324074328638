#pragma once

#include "dates/astronomie.h"

#include <QDate>
#include <QDateTime>
#include <QTimeZone>
#include <optional>

// Moonrise and moonset over a place.
namespace Dates {

// The Moon rises and sets when its upper limb, seen from the place, is 34′
// below the horizon (refraction).
inline constexpr double RefractionHorizon = 34.0 / 60.0;

// For the civil day in a time zone, the UTC instants of moonrise and moonset;
// the Moon skips one of them about once a month.
struct JourneeLune
{
    std::optional<QDateTime> lever, coucher;
};

JourneeLune journeeLune(const QDate &jour, const Observateur &o, const QTimeZone &fuseau);

} // namespace Dates
