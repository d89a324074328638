#pragma once

#include "dates/astronomie.h"

#include <QDate>
#include <QDateTime>
#include <QTimeZone>
#include <optional>

// The Sun: its apparent position from the Earth's heliocentric series
// (VSOP87 truncated as the textbooks give it), and its day over a place:
// dawn, rise, noon, set, dusk and the day's length.
namespace Dates {

// Geocentric geometric position referred to the mean equinox of date (FK5),
// in degrees and astronomical units, and the apparent one (nutation and
// aberration), for Julian centuries of terrestrial time.
Ecliptiques soleilGeometrique(double t);
Ecliptiques soleilApparent(double t, const Nutation &n);
// The Sun's apparent longitude in degrees at a Julian ephemeris day.
double longitudeApparenteSoleil(double jde);

// Whether the Sun crosses an altitude during a day, or stays above or below it.
enum class Ciel { Alternance, ToujoursAuDessus, ToujoursAuDessous };

// Altitudes of the Sun's centre: rise and set (50′ below the horizon:
// refraction and semi-diameter), and civil twilight.
inline constexpr double HauteurLeverSoleil = -50.0 / 60.0;
inline constexpr double HauteurCrepusculeCivil = -6.0;

// The Sun's day over a place, for the civil day in a time zone. Instants are
// UTC; an event that does not happen that day is empty.
struct JourneeSoleil
{
    std::optional<QDateTime> aube, lever, midi, coucher, crepuscule;
    Ciel jour = Ciel::Alternance;     // about the horizon
    Ciel penombre = Ciel::Alternance; // about civil twilight
    double hauteurMidi = 0;           // degrees, at the upper transit
    qint64 duree = 0;                 // seconds the Sun is up during the day
    qint64 variation = 0;             // duree minus the day before's
};

JourneeSoleil journeeSoleil(const QDate &jour, const Observateur &o, const QTimeZone &fuseau);

// The UTC bounds of a civil day in a time zone, as Julian days.
struct BornesJour
{
    double debut = 0;
    double fin = 0;
};
BornesJour bornesJour(const QDate &jour, const QTimeZone &fuseau);

} // namespace Dates
