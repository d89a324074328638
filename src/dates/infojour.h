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
int jourDeLAnnee(const QDate &jour);

// The French public holiday falling on a Gregorian day ("Fête nationale",
// "Lundi de Pâques", "Fête du Travail, Ascension" when two meet), in the years
// the law made it one; nullopt on other days.
std::optional<QString> jourFerie(const QDate &jour);

// The tooltip of a day of the Gregorian calendar, applied to every year:
// "Mardi 14 juillet 2026", then from 15 October 1582 the week and day of the
// year, then the holiday. nullopt for a date outside the years 100 to 9999.
std::optional<QString> infoJour(const QDate &jour);

// The same for a day of the main window's grid, whose dates are Julian
// before the reform: those only get their Julian caption.
std::optional<QString> infoJourGrille(int jour, int mois, int annee, Periode periode);

} // namespace Dates
