#pragma once

#include "dates/calendrier.h"
#include "dates/semaine.h"

#include <QDate>
#include <QString>
#include <optional>

// What a day's tooltip says in the calendars: the full date, its ISO 8601
// week and day of the year, and the French public holiday it is.
namespace Dates {

// 15 October 1582, the first day of the Gregorian calendar.
QDate debutGregorien();

SemaineIso semaineIso(const QDate &jour);
// Rank of a day in its year, 1 on 1 January: in the proleptic Gregorian
// calendar (astronomical years), and in the main window's, whose 1582 lacks
// the ten days of the reform.
int jourDeLAnnee(int jour, int mois, int annee);
int jourDeLAnneeSelection(int jour, int mois, int annee);

// The French public holiday falling on a Gregorian day ("Fête nationale",
// "Lundi de Pâques", "Fête du Travail, Ascension" when two meet), in the years
// the law made it one; nullopt on other days.
std::optional<QString> jourFerie(const QDate &jour);

// The tooltip of a day of the Gregorian calendar, applied to every year
// (astronomical years, year 0 and below included): "Mardi 14 juillet 2026",
// the ISO week from 15 October 1582, the day of the year, then the holiday.
// nullopt for a day its month lacks or a year past 9999.
std::optional<QString> infoJour(int jour, int mois, int annee);

// The same for a day of the main window's grid, whose dates are Julian
// before the reform: those get their Julian caption and their day of the
// Julian year, without an ISO week.
std::optional<QString> infoJourGrille(int jour, int mois, int annee, Periode periode);

} // namespace Dates
