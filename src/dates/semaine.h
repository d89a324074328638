#pragma once

#include <QtGlobal>

namespace Dates {

// The weekday of a Julian Day Number: 1 = Monday … 7 = Sunday.
int jourSemaine(qint64 jourJulien);

// ISO 8601 week (1 to 53) and the year that week belongs to, in the proleptic
// Gregorian calendar; 29 December 2008 is in week 1 of 2009.
struct SemaineIso
{
    int semaine = 0;
    int annee = 0;
    bool operator==(const SemaineIso &) const = default;
};
SemaineIso semaineIso(qint64 jourJulien);

// The weekday rules the windows use. They differ on purpose, before the reform:

// The proleptic Gregorian calendar at every date, year 0 included:
// 1 = Monday … 7 = Sunday. The perpetual and small calendars, today's caption
// and the holiday list.
int colonneLundi(int jour, int mois, int annee);

// The main window's caption of a Julian date (one before the reform): the
// Julian calendar taken as running DecalageJulien days behind the Gregorian
// one at every era, the same gap as the Moon's. 1 = Monday … 7 = Sunday.
int jourSemaineDecale(int jour, int mois, int annee);

// The weekday calculator: the true Julian calendar up to 14 October 1582 and
// the Gregorian one from 15 October 1582. 0 = Sunday … 6 = Saturday.
int CalculeJour(int jour, int mois, int annee);

} // namespace Dates
