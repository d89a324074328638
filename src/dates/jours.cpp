#include "dates/jours.h"

#include "dates/calendrier.h"
#include "dates/comput.h"

namespace Dates {

namespace {

using Comput::joursCivils;
constexpr qint64 jourZero = joursCivils(30, 12, 1899);
static_assert(jourZero + Comput::JourJulienDuZero == JourJulienDuJourZero);

} // namespace

qint64 jourJulien(int jour, int mois, int annee)
{
    return Comput::jourJulien(jour, mois, annee);
}

qint64 jourJulienDuCalendrierJulien(int jour, int mois, int annee)
{
    // Four-year cycles, counted from 1 March of year 0, floored for negative years.
    const qint64 a = static_cast<qint64>(annee) - (mois <= 2 ? 1 : 0);
    const qint64 cycle = (a >= 0 ? a : a - 3) / 4;
    const qint64 jourDansAn = (153 * (mois > 2 ? mois - 3 : mois + 9) + 2) / 5 + jour - 1;
    return a * 365 + cycle + jourDansAn + 1721118;
}

int valeurDate(int jour, int mois, int annee)
{
    return static_cast<int>(joursCivils(jour, mois, annee) - jourZero);
}

JourMoisAn dateDeValeur(int valeur)
{
    const int z = valeur + static_cast<int>(jourZero);
    const int ere = (z >= 0 ? z : z - 146096) / 146097;
    const int jourDeLEre = z - ere * 146097;
    const int anDeLEre = (jourDeLEre - jourDeLEre / 1460 + jourDeLEre / 36524 - jourDeLEre / 146096) / 365;
    const int jourDeLAn = jourDeLEre - (365 * anDeLEre + anDeLEre / 4 - anDeLEre / 100);
    const int m = (5 * jourDeLAn + 2) / 153;
    const int jour = jourDeLAn - (153 * m + 2) / 5 + 1;
    const int mois = m < 10 ? m + 3 : m - 9;
    const int annee = anDeLEre + ere * 400 + (mois <= 2 ? 1 : 0);
    return {jour, mois, annee};
}

JourMoisAn dateGregorienne(qint64 jourJulien)
{
    return dateDeValeur(static_cast<int>(jourJulien - JourJulienDuJourZero));
}

JourMoisAn dateJulienne(qint64 jourJulien)
{
    // Four-year cycles of 1461 days from 1 March of year 0, leap day last.
    const qint64 z = jourJulien - 1721118;
    const qint64 cycle = (z >= 0 ? z : z - 1460) / 1461;
    const qint64 jourDuCycle = z - cycle * 1461;
    const qint64 anDuCycle = (jourDuCycle - jourDuCycle / 1460) / 365;
    const int jourDeLAn = static_cast<int>(jourDuCycle - anDuCycle * 365);
    const int m = (5 * jourDeLAn + 2) / 153;
    const int mois = m < 10 ? m + 3 : m - 9;
    return {jourDeLAn - (153 * m + 2) / 5 + 1, mois, static_cast<int>(cycle * 4 + anDuCycle) + (mois <= 2 ? 1 : 0)};
}

int valeurSelection(int jour, int mois, int annee)
{
    if (avantLaReforme(jour, mois, annee))
        jour += DecalageJulien;
    return valeurDate(jour, mois, annee);
}

JourMoisAn dateSelectionDeValeur(int valeur)
{
    static const int reforme = valeurDate(PremierJourGregorien, MoisReforme, AnneeReforme);
    return dateDeValeur(valeur < reforme ? valeur - DecalageJulien : valeur);
}

} // namespace Dates
