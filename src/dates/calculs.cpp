#include "dates/calculs.h"

#include "dates/calendrier.h"
#include "dates/comput.h"

#include <algorithm>
#include <array>

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
constexpr int jourSemaine(qint64 numero)
{
    return int(numero % 7);
}

constexpr int joursComptes(Regle regle)
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

// The holidays on counted days over whole years, counted without walking the
// years: a day counted from Easter keeps its weekday; a fixed day's weekday
// repeats every 400 Gregorian years (146097 days, whole weeks); and a day
// counted from Easter meets a fixed one only in the years Easter falls on one
// given date, few enough to be counted once, here, at compile time.
constexpr int Cycle = 400;

// For each fixed holiday and each rule, the years of the 400-year cycle before
// each one where it falls on a counted day (Monday to Friday, to Saturday).
struct CycleFixe
{
    std::array<std::array<quint16, Cycle + 1>, 2> avant{};
};

constexpr auto CyclesFixes = [] {
    std::array<CycleFixe, std::size(Feries)> c{};
    for (std::size_t i = 0; i < std::size(Feries); ++i) {
        if (Feries[i].mois == 0)
            continue;
        for (int a = 0; a < Cycle; ++a) {
            const int jour = jourSemaine(Comput::jourJulien(Feries[i].jour, Feries[i].mois, Cycle + a));
            c[i].avant[0][a + 1] = quint16(c[i].avant[0][a] + (jour < 5 ? 1 : 0));
            c[i].avant[1][a + 1] = quint16(c[i].avant[1][a] + (jour < 6 ? 1 : 0));
        }
    }
    return c;
}();

constexpr std::size_t indiceRegle(Regle regle)
{
    return regle == Regle::Ouvres ? 0 : 1;
}

// Days from 22 March, the earliest Easter, to a day of the same year.
constexpr int depuis22Mars(int jour, int mois)
{
    return (153 * (mois > 2 ? mois - 3 : mois + 9) + 2) / 5 + jour - 22;
}

constexpr int jourSemaineMobile(const Ferie &f)
{
    return ((6 + f.jour) % 7 + 7) % 7; // Easter is a Sunday
}

// A holiday counted from Easter that can fall on a fixed one, and before
// each year, the years it did.
struct Rencontre
{
    std::size_t mobile = 0;
    std::size_t fixe = 0;
    std::array<quint16, CalculAnneeMax + 2> avant{};
};

constexpr int paquesPour(const Ferie &mobile, const Ferie &fixe)
{
    return mobile.mois == 0 && fixe.mois != 0 ? depuis22Mars(fixe.jour, fixe.mois) - mobile.jour : -1;
}

constexpr bool peuventSeRencontrer(const Ferie &mobile, const Ferie &fixe)
{
    const int p = paquesPour(mobile, fixe);
    return p >= 0 && p <= depuis22Mars(25, 4); // Easter falls from 22 March to 25 April
}

constexpr std::size_t NombreRencontres = [] {
    std::size_t n = 0;
    for (const Ferie &m : Feries)
        for (const Ferie &f : Feries)
            n += peuventSeRencontrer(m, f) ? 1 : 0;
    return n;
}();

constexpr auto Rencontres = [] {
    std::array<Rencontre, NombreRencontres> r{};
    std::size_t n = 0;
    for (std::size_t m = 0; m < std::size(Feries); ++m)
        for (std::size_t f = 0; f < std::size(Feries); ++f) {
            if (!peuventSeRencontrer(Feries[m], Feries[f]))
                continue;
            r[n].mobile = m;
            r[n].fixe = f;
            const int voulu = paquesPour(Feries[m], Feries[f]);
            for (int a = PaquesAnneeMin; a <= CalculAnneeMax; ++a) {
                const JourMoisAn p = Comput::paques(qint16(a));
                r[n].avant[std::size_t(a + 1)] =
                    quint16(r[n].avant[std::size_t(a)] + (depuis22Mars(p.jour, p.mois) == voulu ? 1 : 0));
            }
            ++n;
        }
    return r;
}();

// Years, both counted; none when debut > fin.
struct Annees
{
    int debut;
    int fin;
};

constexpr Annees inter(Annees a, Annees b)
{
    return {std::max(a.debut, b.debut), std::min(a.fin, b.fin)};
}

// The years a holiday was one: from its first year, but for its suspension.
constexpr std::array<Annees, 2> anneesDe(const Ferie &f)
{
    return {{{f.premiereAnnee, f.suspenduDe - 1}, {std::max(f.premiereAnnee, f.suspenduA + 1), CalculAnneeMax}}};
}

// Years of [1, x) where fixed holiday i falls on a counted day.
qint64 fixesAvant(std::size_t i, int x, Regle regle)
{
    const auto &avant = CyclesFixes[i].avant[indiceRegle(regle)];
    return qint64(x / Cycle) * avant[Cycle] + avant[std::size_t(x % Cycle)];
}

// The counted holidays of a region in the years premiere to derniere.
qint64 feriesAnnees(int premiere, int derniere, Regle regle, Region region)
{
    const int comptes = joursComptes(regle);
    const Annees voulues{std::max(premiere, PaquesAnneeMin), derniere};
    qint64 n = 0;
    for (std::size_t i = 0; i < std::size(Feries); ++i) {
        const Ferie &h = Feries[i];
        if (!ferieDe(h, region) || (h.mois == 0 && jourSemaineMobile(h) >= comptes))
            continue;
        for (const Annees &p : anneesDe(h)) {
            const Annees a = inter(p, voulues);
            if (a.debut <= a.fin)
                n +=
                    h.mois == 0 ? a.fin - a.debut + 1 : fixesAvant(i, a.fin + 1, regle) - fixesAvant(i, a.debut, regle);
        }
    }
    // A day that is two holidays counts once.
    for (const Rencontre &r : Rencontres) {
        const Ferie &m = Feries[r.mobile];
        const Ferie &f = Feries[r.fixe];
        if (!ferieDe(m, region) || !ferieDe(f, region) || jourSemaineMobile(m) >= comptes)
            continue;
        for (const Annees &pm : anneesDe(m))
            for (const Annees &pf : anneesDe(f)) {
                const Annees a = inter(inter(pm, pf), voulues);
                if (a.debut <= a.fin)
                    n -= r.avant[std::size_t(a.fin + 1)] - r.avant[std::size_t(a.debut)];
            }
    }
    return n;
}

qint64 feriesEntre(qint64 debut, qint64 fin, Regle regle, Region region)
{
    const int comptes = joursComptes(regle);
    const int premiere = dateDuNumero(debut)->annee;
    const int derniere = dateDuNumero(fin)->annee;
    qint64 n = feriesComptes(feriesDe(premiere, region), debut, fin, comptes);
    if (derniere != premiere)
        n += feriesComptes(feriesDe(derniere, region), debut, fin, comptes)
             + feriesAnnees(premiere + 1, derniere - 1, regle, region);
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
