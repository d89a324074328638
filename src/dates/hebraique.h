#pragma once

#include <QString>
#include <QtGlobal>

// The Hebrew calendar as it is reckoned, not observed: the molad of Tichri,
// the four postponements and the 19-year cycle of leap years.
namespace Dates {

// Months as the calendar numbers them, from Nissan: 1 Nissan … 6 Eloul,
// 7 Tichri … 12 Adar (Adar I in a leap year), 13 Adar II. The year begins on
// 1 Tichri.
struct DateHebraique
{
    int jour = 0;
    int mois = 0;
    int annee = 0;
    bool operator==(const DateHebraique &) const = default;
};

// Years 7, 10 and 13 … 19 of each cycle have thirteen months.
bool estEmbolismique(int annee);
// 353 to 355 days, or 383 to 385 in a leap year.
int longueurAnneeHebraique(int annee);
int longueurMoisHebraique(int mois, int annee);

// 1 Tichri of the year as a Julian Day Number; year 1 began on Monday
// 7 October 3761 BC of the Julian calendar.
qint64 nouvelAnHebraique(int annee);
qint64 jourJulien(const DateHebraique &date);
DateHebraique dateHebraique(qint64 jourJulien);

// "Tichri" … "Eloul", "Adar I" and "Adar II" in a leap year.
QString nomMoisHebraique(int mois, int annee);

} // namespace Dates
