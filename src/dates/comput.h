#pragma once

#include "dates/jours.h"

// The day count and Easter's computus as compile-time functions, for the
// date core's own sources (jours.cpp, paques.cpp, calculs.cpp): in a header
// every layer reads, each change to them would rebuild the whole program.
namespace Dates::Comput {

// Days from 1 March of year 0, in 400-year eras, so that the leap day ends
// each counted year; the era is floored for negative years. Gregorian.
constexpr qint64 joursCivils(int jour, int mois, int annee)
{
    const qint64 a = static_cast<qint64>(annee) - (mois <= 2 ? 1 : 0);
    const qint64 ere = (a >= 0 ? a : a - 399) / 400;
    const qint64 anDansEre = a - ere * 400;
    const qint64 jourDansAn = (153 * (mois > 2 ? mois - 3 : mois + 9) + 2) / 5 + jour - 1;
    const qint64 jourDansEre = anDansEre * 365 + anDansEre / 4 - anDansEre / 100 + jourDansAn;
    return ere * 146097 + jourDansEre;
}

inline constexpr qint64 JourJulienDuZero = 1721120; // 1 March of year 0

constexpr qint64 jourJulien(int jour, int mois, int annee)
{
    return joursCivils(jour, mois, annee) + JourJulienDuZero;
}

// Easter Sunday by the Gregorian rule, for the years 1 to 9999.
constexpr JourMoisAn paques(qint16 an)
{
    // Every term stays between 0 and 500 for these years, so 16 bits suffice
    // and truncating division equals floor division.
    const qint16 a = an % 19;
    const qint16 b = an / 100;
    const qint16 c = an % 100;
    const qint16 d = b / 4;
    const qint16 e = b % 4;
    const qint16 f = (b + 8) / 25;
    const qint16 g = (b - f + 1) / 3;
    const qint16 h = (19 * a + b - d - g + 15) % 30;
    const qint16 i = c / 4;
    const qint16 k = c % 4;
    const qint16 l = (32 + 2 * e + 2 * i - h - k) % 7;
    const qint16 m = (a + 11 * h + 22 * l) / 451;
    const qint16 n = h + l - 7 * m + 114;
    return JourMoisAn{n % 31 + 1, n / 31, an};
}

} // namespace Dates::Comput
