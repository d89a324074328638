#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTimeZone>

// The equinoxes and solstices: the instants the Sun's apparent longitude is
// 0°, 90°, 180° and 270°, and the season of a day.
namespace Dates {

enum class PointSaison { EquinoxeMars = 0, SolsticeJuin = 1, EquinoxeSeptembre = 2, SolsticeDecembre = 3 };
enum class Saison { Printemps, Ete, Automne, Hiver };

// The instant of a year's equinox or solstice, in terrestrial time (Julian
// ephemeris day) and as a UTC instant.
double jourJulienSaison(int annee, PointSaison point);
QDateTime instantSaison(int annee, PointSaison point);

// The season a day is in, and the instant it began. The day of an equinox or
// a solstice is the first day of the season it opens. South of the equator
// the seasons are the other way round.
struct SaisonDuJour
{
    Saison saison = Saison::Printemps;
    PointSaison debut = PointSaison::EquinoxeMars;
    QDateTime instant;
};
SaisonDuJour saisonDuJour(const QDate &jour, const QTimeZone &fuseau, bool hemisphereSud);

// "printemps", "été", "automne", "hiver".
QString nomSaison(Saison saison);
// "Équinoxe de mars", "Solstice de juin", "Équinoxe de septembre", "Solstice de décembre".
QString nomPointSaison(PointSaison point);

// Paris local mean time is UTC + 9 min 21 s.
inline constexpr int DecalageParisSecondes = 9 * 60 + 21;

// The Julian Day Number (as QDate::toJulianDay) of the day, reckoned in
// Paris local mean time, on which the true autumnal equinox of a Gregorian
// year falls: the first day of the Republican year.
qint64 jourEquinoxeAutomneParis(int annee);

} // namespace Dates
