#pragma once

#include <QString>
#include <optional>

// Day and year boxes of the calendar tools: what a typed text means, and the
// clamping of each box to its range.
namespace Saisie {

// The text read as a number: blanks around, an optional sign, digits with an
// optional ',' or '.' decimal part. nullopt for an empty text, letters or a
// lone sign.
std::optional<double> lisNombre(const QString &texte);

// Nearest whole number, a half going to the even neighbour (2.5 -> 2).
int arrondiPair(double x);

struct Bornee
{
    // Text to put back in the box when the number lay outside its range.
    std::optional<QString> remplacement;
    // The number as the spin control takes it, inside the range.
    int valeur = 0;
};
std::optional<Bornee> borne(const QString &texte, int min, int max);

// What a spin control writes back into its box: a blank, then the digits.
QString texteCompteur(int valeur);

} // namespace Saisie
