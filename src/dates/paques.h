#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <optional>

namespace Dates {

inline constexpr int PaquesAnneeMin = 1;
inline constexpr int PaquesAnneeMax = 9999;

// Easter Sunday by the Gregorian rule, applied to every year 1 to 9999, those
// before 1583 included. An invalid date for any other year.
QDate fPaques(qint16 an);

// Orthodox Easter Sunday: the Julian computus, as a Julian Day Number, for
// every year 1 to 9999; nullopt for any other year.
std::optional<qint64> paquesOrthodoxe(int an);

struct JourFerie
{
    QString libelle; // "Pâques : ", "Ascension : " …
    QDate date;
    QString texte; // libelle followed by AffJour(date)
};

// Easter, Easter Monday, Ascension, Whit Sunday and Whit Monday, in that order.
// Empty for a year outside 1 to 9999.
std::optional<std::array<JourFerie, 5>> joursFeriesMobiles(qint16 an);

// The French public holidays that fall on the same day every year.
struct FerieFixe
{
    int mois;
    int jour;
    const char16_t *rappel; // as the Easter window's reminder writes it: "1er Janvier"
    const char16_t *nom;    // as a day's tooltip names it: "Jour de l'an"
};
inline constexpr FerieFixe FeriesFixes[] = {
    {1, 1, u"1er Janvier", u"Jour de l'an"},     {5, 1, u"1er Mai", u"Fête du Travail"},
    {5, 8, u"8 Mai", u"Victoire 1945"},          {7, 14, u"14 Juillet", u"Fête nationale"},
    {8, 15, u"15 Août", u"Assomption"},          {11, 1, u"1er Novembre", u"Toussaint"},
    {11, 11, u"11 Novembre", u"Armistice 1918"}, {12, 25, u"25 Décembre", u"Noël"},
};

} // namespace Dates
