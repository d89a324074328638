#pragma once

#include "calendar/grillecalendrier.h"

#include <QString>
#include <optional>

namespace Calendrier {

inline constexpr int JourPlusJourMin = 1;
inline constexpr int JourPlusJourMax = 31;
inline constexpr int JourPlusAnneeMin = -1900;
inline constexpr int JourPlusAnneeMax = 9999;

// The weekday name for the three inputs as the window holds them: the day and
// year texts and the month list's index (0 to 11). nullopt when a text is not
// a number or no month is selected: the shown name is then left as it is.
std::optional<QString> texteJourSemaine(const QString &texteJour, int indexMois, const QString &texteAnnee);

std::optional<Saisie::Bornee> borneJour(const QString &texte);
std::optional<Saisie::Bornee> borneAnneeJourPlus(const QString &texte);

} // namespace Calendrier
