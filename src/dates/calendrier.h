#pragma once

#include <array>

namespace Dates {

// The Gregorian reform: Thursday 4 October 1582 (Julian) was followed by
// Friday 15 October 1582 (Gregorian). Every rule that tells the two calendars
// apart starts from these.
inline constexpr int AnneeReforme = 1582;
inline constexpr int MoisReforme = 10;
inline constexpr int DernierJourJulien = 4;
inline constexpr int PremierJourGregorien = 15;
// Days the Julian calendar ran behind at the reform; the main window and the
// Moon take it as the gap at every earlier date.
inline constexpr int DecalageJulien = PremierJourGregorien - DernierJourJulien - 1;

// True for a date written before 15 October 1582: a Julian date where the
// program honours the reform. A day past the end of its month counts as
// written (31 September 1582 is before the reform).
bool avantLaReforme(int jour, int mois, int annee);

enum class Periode { Avant1582, AvantOctobre1582, Octobre1582, Apres1582 };
Periode periodeDuMois(int mois, int annee);

// Leap years and month lengths follow the Gregorian rule in every year.
bool estBissextileGregorien(int annee);
int longueurMois(int mois, int annee);

// 5 to 14 October 1582: the ten days the reform skipped.
bool jourSaute(int jour, int mois, int annee);

// The main window's day buttons: the days of the month, without the ten days
// the reform removed.
std::array<bool, 31> joursActifs(int mois, int annee);

} // namespace Dates
