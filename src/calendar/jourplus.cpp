#include "calendar/jourplus.h"

#include "dates/noms.h"
#include "dates/semaine.h"

namespace Calendrier {

std::optional<QString> texteJourSemaine(const QString &texteJour, int indexMois, const QString &texteAnnee)
{
    // The boxes are read as their spin controls read them: clamped and rounded
    // to whole numbers, so a typed "2,5" cannot give a fractional weekday.
    const auto jour = borneJour(texteJour);
    const auto annee = borneAnneeJourPlus(texteAnnee);
    if (!jour || !annee || indexMois < 0 || indexMois > 11)
        return std::nullopt;
    return Dates::nomJourSemaine(Dates::CalculeJour(jour->valeur, indexMois + 1, annee->valeur));
}

std::optional<Saisie::Bornee> borneJour(const QString &texte)
{
    return Saisie::borne(texte, JourPlusJourMin, JourPlusJourMax);
}

std::optional<Saisie::Bornee> borneAnneeJourPlus(const QString &texte)
{
    return Saisie::borne(texte, JourPlusAnneeMin, JourPlusAnneeMax);
}

} // namespace Calendrier
