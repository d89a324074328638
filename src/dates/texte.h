#pragma once

#include "dates/calendrier.h"
#include "dates/jours.h"

#include <QDate>
#include <QString>
#include <optional>

// Date texts and their reading.
namespace Dates {

// A real day of the proleptic Gregorian calendar, years 100 to 9999.
bool estDateValide(int jour, int mois, int annee);

// Caption of a clicked day: capitalised weekday, taken from the Julian
// calendar before 15 October 1582 (jourSemaineDecale), then day, month and year.
std::optional<QString> legendeJour(int jour, int mois, int annee, Periode periode);
// A day of the proleptic Gregorian calendar, any astronomical year up to
// 9999 ("Samedi 1 janvier 0"), as the calendars write it.
std::optional<QString> legendeGregorienne(int jour, int mois, int annee);
// Today's caption always uses the Gregorian weekday.
std::optional<QString> legendeAujourdhui(const QDate &aujourdhui);
// "lundi 4 octobre 1582": proleptic Gregorian weekday, as a screen reader names a day.
std::optional<QString> dateLongue(int jour, int mois, int annee);

// What a screen reader reads of a day the reform skipped:
// "5 octobre 1582, jour qui n'a jamais existé".
QString nomJourSaute(int jour, int mois, int annee);

// "05/03/2002", two-digit day and month.
std::optional<QString> texteSelection(int jour, int mois, int annee);
// "5/3/2002": day, month and year without leading zeros.
QString texteCourt(const JourMoisAn &date);

// A date as the holiday list writes it: "dimanche 31 mars " (weekday, day
// without leading zero, month, and the blank that stood before the year).
QString AffJour(const QDate &jour);

} // namespace Dates
