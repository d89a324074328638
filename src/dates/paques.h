#pragma once

#include <QDate>

namespace Dates {

inline constexpr int PaquesAnneeMin = 1;
inline constexpr int PaquesAnneeMax = 9999;

// Easter Sunday by the Gregorian rule, applied to every year 1 to 9999, those
// before 1583 included. An invalid date for any other year.
QDate fPaques(qint16 an);

} // namespace Dates
