#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

// The French Republican calendar: twelve months of three décades of ten days,
// then five complementary days, six in a sextile year. Each year begins on
// the day, reckoned in Paris local mean time, on which the true autumnal
// equinox falls.
namespace Dates {

// The Julian Day Number of the day, in Paris local mean time, that holds the
// autumnal equinox of a Gregorian year.
using JourEquinoxe = std::function<qint64(int annee)>;

// The first Gregorian year of the calendar: 1 vendémiaire an I was
// 22 September 1792.
inline constexpr int AnneeEquinoxeAnI = 1792;

struct DateRepublicaine
{
    int jour = 0;  // 1 to 30, 1 to 6 in the complementary days
    int mois = 0;  // 1 = vendémiaire … 12 = fructidor, 13 = the complementary days
    int annee = 0; // an I from 22 September 1792
    bool operator==(const DateRepublicaine &) const = default;
};

// nullopt before 1 vendémiaire an I, or where the equinox days given would
// put the day past the 366th of its year.
std::optional<DateRepublicaine> dateRepublicaine(qint64 jourJulien, const JourEquinoxe &equinoxe);
qint64 jourJulien(const DateRepublicaine &date, const JourEquinoxe &equinoxe);

// "vendémiaire" … "fructidor"; empty for 13.
QString nomMoisRepublicain(int mois);
// "primidi" … "décadi" for a day of a month.
QString nomJourDecade(int jour);
// The day's name from the calendar of 1793: "Raisin" for 1 vendémiaire,
// "Jour de la Vertu" … "Jour de la Révolution" for the complementary days.
QString nomDuJour(int mois, int jour);
// "I", "XIV", "MMCCXXXIV"; thousands written as repeated M.
QString chiffresRomains(int n);

} // namespace Dates
