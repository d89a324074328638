#pragma once

#include "dates/paques.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

// The public holidays, the Moon's principal phases and the equinoxes and
// solstices of a range of years as an iCalendar file (RFC 5545), for any
// calendar program to import.
namespace Dates {

// A principal phase of the Moon as the export writes it.
struct PhaseIcs
{
    qint64 numero = 0; // quarter-lunations since the new moon of 6 January 2000
    QString nom;       // "Pleine lune"
    QDateTime utc;
};

// Where the export finds the Moon: its principal phases from debut
// (included) to fin (excluded), and the years it gives them for, which are
// the years of the whole export.
struct PhasesIcs
{
    std::function<std::vector<PhaseIcs>(const QDateTime &debut, const QDateTime &fin)> entre;
    int anneeMin = 0;
    int anneeMax = -1;
};

struct EvenementIcs
{
    QString uid;    // the same for the same event from one export to the next
    QString resume; // "Fête nationale", "Pleine lune", "Solstice de juin"
    QString categorie;
    QDate jour;        // a whole day (the holidays)
    QDateTime instant; // otherwise an instant, UTC, to the minute
};

// The French message refusing a range of years; nullopt when it is exported.
std::optional<QString> refusAnneesIcs(int debut, int fin, const PhasesIcs &lune);

// The events of the years debut to fin (both exported), in order of time.
std::vector<EvenementIcs> evenementsIcs(int debut, int fin, Region region, const PhasesIcs &lune);

// The whole file: CRLF line ends, lines folded at 75 octets. horodatage is
// the DTSTAMP of every event (the time of the export).
QByteArray calendrierIcs(int debut, int fin, Region region, const QDateTime &horodatage, const PhasesIcs &lune);

// A content line as written: folded at 75 octets between UTF-8 sequences,
// each piece ended by CRLF.
QByteArray ligneIcs(const QByteArray &ligne);
// A TEXT value: backslash, semicolon, comma and line feed escaped.
QString echappeIcs(const QString &texte);

} // namespace Dates
