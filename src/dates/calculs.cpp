#include "dates/calculs.h"

#include "dates/calendrier.h"

#include <algorithm>
#include <array>
#include <vector>

namespace Dates {

namespace {

constexpr qint64 NombreMax = 100'000'000; // far past any span of the years offered

qint64 premierNumero()
{
    return jourJulienDuCalendrierJulien(1, 1, CalculAnneeMin);
}

qint64 dernierNumero()
{
    return jourJulien(31, 12, CalculAnneeMax);
}

qint64 numeroReforme()
{
    return jourJulien(PremierJourGregorien, MoisReforme, AnneeReforme);
}

bool dansLeTrou(const JourMoisAn &d)
{
    return d.annee == AnneeReforme && d.mois == MoisReforme && d.jour > DernierJourJulien
           && d.jour < PremierJourGregorien;
}

// Monday is 0: Julian Day 0 was a Monday.
int jourSemaine(qint64 numero)
{
    return int(numero % 7);
}

int joursComptes(Regle regle)
{
    return regle == Regle::Ouvres ? 5 : 6;
}

// Counted days of the week among the Julian Day Numbers 0 to x - 1.
qint64 joursSemaineAvant(qint64 x, int comptes)
{
    return x / 7 * comptes + std::min<qint64>(x % 7, comptes);
}

// The holidays of a Gregorian year, each day once (Ascension may fall on 1 or 8 May).
struct FeriesAnnee
{
    std::array<qint64, std::size(Feries)> jours{};
    std::size_t nombre = 0;
};

FeriesAnnee feriesDe(int annee, Region region)
{
    FeriesAnnee f;
    if (annee < 1 || annee > CalculAnneeMax)
        return f;
    // Days of the year counted from 1 January: one day count per year, not per holiday.
    static constexpr int avantMois[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const qint64 janvier = jourJulien(1, 1, annee);
    const int bissextile = estBissextileGregorien(annee) ? 1 : 0;
    const auto jourDeLAn = [&](int jour, int mois) {
        return janvier + avantMois[mois - 1] + (mois > 2 ? bissextile : 0) + jour - 1;
    };
    const JourMoisAn p = *jourPaques(qint16(annee));
    const qint64 paques = jourDeLAn(p.jour, p.mois);
    for (const Ferie &h : Feries) {
        if (!ferieEn(h, annee, region))
            continue;
        const qint64 j = h.mois == 0 ? paques + h.jour : jourDeLAn(h.jour, h.mois);
        if (std::find(f.jours.begin(), f.jours.begin() + f.nombre, j) == f.jours.begin() + f.nombre)
            f.jours[f.nombre++] = j;
    }
    return f;
}

qint64 feriesComptes(const FeriesAnnee &f, qint64 debut, qint64 fin, int comptes)
{
    qint64 n = 0;
    for (std::size_t i = 0; i < f.nombre; ++i)
        if (f.jours[i] >= debut && f.jours[i] <= fin && jourSemaine(f.jours[i]) < comptes)
            ++n;
    return n;
}

// For each rule, the counted holidays of a region in the years before each
// year: a span of whole years costs one subtraction. Built at the region's
// first count, from the first year any holiday was kept.
struct Cumuls
{
    static constexpr int Debut = 1802;
    std::array<std::vector<qint64>, 2> avant; // ouvrés, ouvrables
    explicit Cumuls(Region region)
    {
        for (auto &v : avant)
            v.assign(CalculAnneeMax + 2, 0);
        for (int a = Debut; a <= CalculAnneeMax; ++a) {
            const FeriesAnnee f = feriesDe(a, region);
            qint64 ouvres = 0;
            qint64 ouvrables = 0;
            for (std::size_t i = 0; i < f.nombre; ++i) {
                const int jour = jourSemaine(f.jours[i]);
                ouvres += jour < 5 ? 1 : 0;
                ouvrables += jour < 6 ? 1 : 0;
            }
            avant[0][std::size_t(a + 1)] = avant[0][std::size_t(a)] + ouvres;
            avant[1][std::size_t(a + 1)] = avant[1][std::size_t(a)] + ouvrables;
        }
    }
    qint64 entre(int premiere, int derniere, Regle regle) const
    {
        const auto &v = avant[regle == Regle::Ouvres ? 0 : 1];
        premiere = std::max(premiere, Debut);
        derniere = std::min(derniere, CalculAnneeMax);
        return premiere > derniere ? 0 : v[std::size_t(derniere + 1)] - v[std::size_t(premiere)];
    }
};

const Cumuls &cumuls(Region region)
{
    static const Cumuls france(Region::France);
    if (region == Region::France)
        return france;
    static const Cumuls alsaceMoselle(Region::AlsaceMoselle);
    return alsaceMoselle;
}

qint64 feriesEntre(qint64 debut, qint64 fin, Regle regle, Region region)
{
    const int comptes = joursComptes(regle);
    const int premiere = dateDuNumero(debut)->annee;
    const int derniere = dateDuNumero(fin)->annee;
    qint64 n = feriesComptes(feriesDe(premiere, region), debut, fin, comptes);
    if (derniere != premiere)
        n += feriesComptes(feriesDe(derniere, region), debut, fin, comptes)
             + cumuls(region).entre(premiere + 1, derniere - 1, regle);
    return n;
}

} // namespace

int longueurMoisCalcul(int mois, int annee)
{
    if (mois == 2 && avantLaReforme(1, mois, annee))
        return (annee % 4 == 0) ? 29 : 28; // the Julian rule, year 0 and before included
    return longueurMois(mois, annee);
}

bool existe(const JourMoisAn &d)
{
    return d.annee >= CalculAnneeMin && d.annee <= CalculAnneeMax && d.mois >= 1 && d.mois <= 12 && d.jour >= 1
           && d.jour <= longueurMoisCalcul(d.mois, d.annee) && !dansLeTrou(d);
}

std::optional<qint64> numeroJour(const JourMoisAn &d)
{
    if (!existe(d))
        return std::nullopt;
    return avantLaReforme(d.jour, d.mois, d.annee) ? jourJulienDuCalendrierJulien(d.jour, d.mois, d.annee)
                                                   : jourJulien(d.jour, d.mois, d.annee);
}

std::optional<JourMoisAn> dateDuNumero(qint64 numero)
{
    if (numero < premierNumero() || numero > dernierNumero())
        return std::nullopt;
    if (numero < numeroReforme())
        return dateJulienne(numero);
    return dateDeValeur(int(numero - jourJulien(30, 12, 1899)));
}

std::optional<Ajout> ajoute(const JourMoisAn &depart, qint64 nombre, Unite unite)
{
    const auto numero = numeroJour(depart);
    if (!numero || nombre > NombreMax || nombre < -NombreMax)
        return std::nullopt;
    if (unite == Unite::Jours || unite == Unite::Semaines) {
        const auto d = dateDuNumero(*numero + nombre * (unite == Unite::Semaines ? 7 : 1));
        if (!d)
            return std::nullopt;
        return Ajout{*d};
    }
    const qint64 rang = qint64(depart.annee) * 12 + depart.mois - 1 + nombre * (unite == Unite::Annees ? 12 : 1);
    const qint64 annee = rang >= 0 ? rang / 12 : -((-rang + 11) / 12);
    if (annee < CalculAnneeMin || annee > CalculAnneeMax)
        return std::nullopt;
    Ajout a;
    a.date.annee = int(annee);
    a.date.mois = int(rang - annee * 12 + 1);
    a.date.jour = std::min(depart.jour, longueurMoisCalcul(a.date.mois, a.date.annee));
    a.raccourci = a.date.jour < depart.jour;
    if (dansLeTrou(a.date)) {
        a.date.jour = PremierJourGregorien;
        a.reforme = true;
    }
    return a;
}

std::optional<Ecart> ecart(const JourMoisAn &debut, const JourMoisAn &fin)
{
    const auto n1 = numeroJour(debut);
    const auto n2 = numeroJour(fin);
    if (!n1 || !n2)
        return std::nullopt;
    Ecart e;
    e.jours = *n2 - *n1;
    const qint64 absolu = e.jours < 0 ? -e.jours : e.jours;
    e.semaines = absolu / 7;
    e.joursApresSemaines = int(absolu % 7);
    const JourMoisAn &tot = e.jours < 0 ? fin : debut;
    const JourMoisAn &tard = e.jours < 0 ? debut : fin;
    const qint64 nTard = std::max(*n1, *n2);
    e.mois = (qint64(tard.annee) * 12 + tard.mois) - (qint64(tot.annee) * 12 + tot.mois);
    qint64 nMois = *numeroJour(ajoute(tot, e.mois, Unite::Mois)->date);
    if (nMois > nTard)
        nMois = *numeroJour(ajoute(tot, --e.mois, Unite::Mois)->date);
    e.joursApresMois = int(nTard - nMois);
    return e;
}

qint64 joursOuvresEntre(qint64 debut, qint64 fin, Regle regle, Region region)
{
    if (debut > fin)
        std::swap(debut, fin);
    const int comptes = joursComptes(regle);
    return joursSemaineAvant(fin + 1, comptes) - joursSemaineAvant(debut, comptes)
           - feriesEntre(debut, fin, regle, region);
}

std::optional<qint64> joursOuvres(const JourMoisAn &debut, const JourMoisAn &fin, Regle regle, Region region)
{
    const auto n1 = numeroJour(debut);
    const auto n2 = numeroJour(fin);
    if (!n1 || !n2)
        return std::nullopt;
    return joursOuvresEntre(*n1, *n2, regle, region);
}

std::optional<JourMoisAn> jourOuvre(const JourMoisAn &depart, qint64 rang, Regle regle, Region region)
{
    const auto n = numeroJour(depart);
    if (!n || rang == 0)
        return std::nullopt;
    // The count from the day next to depart grows by one at each working day:
    // the day sought is the nearest one where it reaches the rank.
    const bool apres = rang > 0;
    const qint64 voulu = apres ? rang : -rang;
    const qint64 voisin = apres ? *n + 1 : *n - 1;
    qint64 bas = apres ? voisin : premierNumero();
    qint64 haut = apres ? dernierNumero() : voisin;
    if ((apres ? voisin > haut : voisin < bas) || joursOuvresEntre(voisin, apres ? haut : bas, regle, region) < voulu)
        return std::nullopt;
    while (bas < haut) {
        const qint64 milieu = bas + (haut - bas + (apres ? 0 : 1)) / 2;
        const bool atteint = joursOuvresEntre(voisin, milieu, regle, region) >= voulu;
        if (apres && atteint)
            haut = milieu;
        else if (apres)
            bas = milieu + 1;
        else if (atteint)
            bas = milieu;
        else
            haut = milieu - 1;
    }
    return dateDuNumero(bas);
}

} // namespace Dates
