#pragma once

#include "dates/calculs.h"

#include <QString>
#include <optional>

// What the date calculations window and the command line write: each result
// as one text, or the French message saying what is wrong with the input.
namespace Calendrier {

struct Resultat
{
    QString texte;
    bool ok = false;
};

// "jeudi 15 octobre 1582", in the program's calendar.
QString texteDateCalcul(const Dates::JourMoisAn &date);

// A date typed JJ/MM/AAAA (the year may be negative); the error says why not.
struct DateLue
{
    std::optional<Dates::JourMoisAn> date;
    QString erreur;
};
DateLue lisDateCalcul(const QString &texte);

// The date plus nombre (a whole number, negative to go back) units.
Resultat texteAjout(const QString &date, const QString &nombre, Dates::Unite unite);
// Days, weeks and days, months and days, and both working-day counts.
Resultat texteEcart(const QString &debut, const QString &fin, Dates::Region region);
// "12 jours ouvrés", both ends counted.
Resultat texteJoursOuvres(const QString &debut, const QString &fin, Dates::Regle regle, Dates::Region region);
// The rang-th working day after the date (before it when negative).
Resultat texteJourOuvre(const QString &date, const QString &rang, Dates::Regle regle, Dates::Region region);

} // namespace Calendrier
