#pragma once

#include "dates/jours.h"
#include "dates/paques.h"

#include <QtGlobal>
#include <optional>

// Date calculations in the program's calendar, Julian up to 4 October 1582
// and Gregorian from 15 October 1582: a date plus a period, the time between
// two dates, and the French working days.
namespace Dates {

inline constexpr int CalculAnneeMin = -1900;
inline constexpr int CalculAnneeMax = 9999;

// A day of the program's calendar in the years CalculAnneeMin to
// CalculAnneeMax (astronomical: year 0 is 1 BC). 5 to 14 October 1582 never were.
bool existe(const JourMoisAn &date);
int longueurMoisCalcul(int mois, int annee);

// Julian Day Number of a day of the program's calendar; nullopt when the day
// does not exist.
std::optional<qint64> numeroJour(const JourMoisAn &date);
// The day of a Julian Day Number; nullopt outside the years offered.
std::optional<JourMoisAn> dateDuNumero(qint64 numero);

enum class Unite { Jours, Semaines, Mois, Annees };

struct Ajout
{
    JourMoisAn date;
    bool raccourci = false; // the target month had no such day: its last day
    bool reforme = false;   // the day fell in 5 to 14 October 1582: the 15th
};
// depart plus nombre units (minus when negative). Months and years keep the
// day of the month, or the month's last day when it is shorter. nullopt when
// depart does not exist or the result leaves the years offered.
std::optional<Ajout> ajoute(const JourMoisAn &depart, qint64 nombre, Unite unite);

// The time from debut to fin, signed (negative when fin is the earlier).
struct Ecart
{
    qint64 jours = 0;
    // Of the absolute gap: whole weeks and days; whole months and days, the
    // months counted from the earlier date as ajoute counts them.
    qint64 semaines = 0;
    int joursApresSemaines = 0;
    qint64 mois = 0;
    int joursApresMois = 0;
};
std::optional<Ecart> ecart(const JourMoisAn &debut, const JourMoisAn &fin);

// Jours ouvrés: Monday to Friday; jours ouvrables: Monday to Saturday; both
// without the public holidays of the region.
enum class Regle { Ouvres, Ouvrables };

// The working days from debut to fin, both counted, in either order.
std::optional<qint64> joursOuvres(const JourMoisAn &debut, const JourMoisAn &fin, Regle regle, Region region);
// The same between two Julian Day Numbers of the years offered.
qint64 joursOuvresEntre(qint64 debut, qint64 fin, Regle regle, Region region);

// The rang-th working day after depart (before it when rang is negative);
// nullopt when rang is 0, depart does not exist or the day leaves the years offered.
std::optional<JourMoisAn> jourOuvre(const JourMoisAn &depart, qint64 rang, Regle regle, Region region);

} // namespace Dates
