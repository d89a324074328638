#pragma once

namespace Dates {

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
