#pragma once

#include "calendar/grillecalendrier.h"

#include <QString>
#include <optional>

inline constexpr int JourPlusJourMin = 1;
inline constexpr int JourPlusJourMax = 31;
inline constexpr int JourPlusAnneeMin = -1900;
inline constexpr int JourPlusAnneeMax = 9999;

// Weekday of a date, 0 = Sunday … 6 = Saturday, Julian calendar up to
// 14 October 1582 and Gregorian from 15 October 1582, astronomical years.
// A day past the end of its month counts on into the next month
// (31 February 2001 is 3 March 2001). mois is 1 to 12.
int CalculeJour(int jour, int mois, int annee);

// " Dimanche " … " Samedi ", with a blank on each side.
QString nomJourSemaine(int w);

// The weekday name for the three inputs as the window holds them: the day and
// year texts and the month list's index (0 to 11). nullopt when a text is not
// a number or no month is selected: the shown name is then left as it is.
std::optional<QString> texteJourSemaine(const QString &texteJour, int indexMois,
                                        const QString &texteAnnee);

std::optional<Saisie::Bornee> borneJour(const QString &texte);
std::optional<Saisie::Bornee> borneAnneeJourPlus(const QString &texte);
