#pragma once

#include "dates/jours.h"

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
// The same as a day and month, in whole numbers only (fast enough to run
// over every year); nullopt outside 1 to 9999.
std::optional<JourMoisAn> jourPaques(qint16 an);

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

// The French public holidays, each from the first year the law made it one.
// Days counted from Easter have mois 0 and jour the days after Easter Sunday.
enum class Region { France, AlsaceMoselle };
struct Ferie
{
    int mois;
    int jour;
    const char16_t *nom; // as a day's tooltip names it: "Jour de l'an"
    int premiereAnnee;   // the first year it was a holiday
    int suspenduDe = 0;  // years it was not: suspenduDe to suspenduA
    int suspenduA = -1;
    Region region = Region::France;   // AlsaceMoselle: kept there only
    const char16_t *rappel = nullptr; // its line in the Easter window's reminder: "1er Janvier"
};
inline constexpr Ferie Feries[] = {
    // Avis du Conseil d'État of March 1810: the first New Year's Day after it.
    {1, 1, u"Jour de l'an", 1811, 0, -1, Region::France, u"1er Janvier"},
    // Loi du 30 avril 1947.
    {5, 1, u"Fête du Travail", 1947, 0, -1, Region::France, u"1er Mai"},
    // Loi du 20 mars 1953; the décret du 11 avril 1959 took it away, the loi
    // du 2 octobre 1981 gave it back from 1982.
    {5, 8, u"Victoire 1945", 1953, 1959, 1981, Region::France, u"8 Mai"},
    // Loi du 6 juillet 1880.
    {7, 14, u"Fête nationale", 1880, 0, -1, Region::France, u"14 Juillet"},
    // The Concordat's arrêté du 29 germinal an X (April 1802) kept four feasts:
    // the Assumption, All Saints, Christmas and the Ascension, beside Sundays.
    {8, 15, u"Assomption", 1802, 0, -1, Region::France, u"15 Août"},
    {11, 1, u"Toussaint", 1802, 0, -1, Region::France, u"1er Novembre"},
    // Loi du 24 octobre 1922.
    {11, 11, u"Armistice 1918", 1922, 0, -1, Region::France, u"11 Novembre"},
    {12, 25, u"Noël", 1802, 0, -1, Region::France, u"25 Décembre"},
    // Alsace and Moselle: the local law (ordonnance du 16 août 1892, kept by
    // the loi du 1er juin 1924).
    {12, 26, u"Saint-Étienne", 1892, 0, -1, Region::AlsaceMoselle},
    {0, -2, u"Vendredi saint", 1892, 0, -1, Region::AlsaceMoselle},
    // Easter and Whit Sundays, Sundays under the Concordat of 1802 (proclaimed
    // on Easter Sunday 1802).
    {0, 0, u"Pâques", 1802},
    // Loi du 8 mars 1886 for both Mondays.
    {0, 1, u"Lundi de Pâques", 1886},
    {0, 39, u"Ascension", 1802},
    {0, 49, u"Pentecôte", 1802},
    {0, 50, u"Lundi de Pentecôte", 1886},
};

// True when f is a holiday of region in some year (a national one in both).
constexpr bool ferieDe(const Ferie &f, Region region)
{
    return f.region != Region::AlsaceMoselle || region == Region::AlsaceMoselle;
}

// True when f was a holiday of region in that year.
constexpr bool ferieEn(const Ferie &f, int annee, Region region)
{
    return ferieDe(f, region) && annee >= f.premiereAnnee && (annee < f.suspenduDe || annee > f.suspenduA);
}

// The day of f in a year of the Gregorian calendar (1 to 9999).
QDate dateFerie(const Ferie &f, int annee);

} // namespace Dates
