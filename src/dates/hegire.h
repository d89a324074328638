#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The civil tabular Islamic calendar: months of 30 and 29 days in turn, the
// last one given a 30th day in 11 years of each 30-year cycle. The months as
// observed from the crescent may begin a day or two apart from it.
namespace Dates {

struct DateHegire
{
    int jour = 0;
    int mois = 0; // 1 = Mouharram … 12 = Dhou al-hijja
    int annee = 0;
    bool operator==(const DateHegire &) const = default;
};

// 1 Mouharram of year 1, Friday 16 July 622 of the Julian calendar.
inline constexpr qint64 EpoqueHegire = 1948440;

qint64 jourJulien(const DateHegire &date);
// nullopt before the epoch.
std::optional<DateHegire> dateHegire(qint64 jourJulien);
// "Mouharram" … "Dhou al-hijja".
QString nomMoisHegire(int mois);

} // namespace Dates
