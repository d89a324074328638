#pragma once

#include <QtGlobal>

namespace Dates {

struct JourMoisAn
{
    int jour = 0;
    int mois = 0;
    int annee = 0;
    bool operator==(const JourMoisAn &) const = default;
};

// The one day count. Astronomical years (year 0 is 1 BC); a day past the end
// of its month counts on into the next month.
// Julian Day Number of a date of the proleptic Gregorian calendar, at noon.
qint64 jourJulien(int jour, int mois, int annee);
// The same for a date of the Julian calendar.
qint64 jourJulienDuCalendrierJulien(int jour, int mois, int annee);

// Date value: days since 30 December 1899 (day 0), Gregorian.
int valeurDate(int jour, int mois, int annee);
JourMoisAn dateDeValeur(int valeur);

// Julian Day Number of day 0 of the date values.
inline constexpr qint64 JourJulienDuJourZero = 2415019;
// The date a Julian Day Number falls on, in either calendar.
JourMoisAn dateGregorienne(qint64 jourJulien);
JourMoisAn dateJulienne(qint64 jourJulien);
// The value of a date as the main window selects it: ten days on before the
// reform.
int valeurSelection(int jour, int mois, int annee);
// The other way: the date the main window writes for a date value, Julian
// (ten days back) before 15 October 1582.
JourMoisAn dateSelectionDeValeur(int valeur);

} // namespace Dates
