#include "dates/semaine.h"

#include "dates/calendrier.h"
#include "dates/jours.h"

namespace Dates {

namespace {

// Julian Day 0 was a Monday.
int lundiZero(qint64 jourJulien)
{
    const qint64 j = jourJulien % 7;
    return static_cast<int>(j < 0 ? j + 7 : j);
}

} // namespace

int jourSemaine(qint64 jourJulien)
{
    return lundiZero(jourJulien) + 1;
}

SemaineIso semaineIso(qint64 jj)
{
    // A week belongs to the year of its Thursday.
    const qint64 jeudi = jj - jourSemaine(jj) + 4;
    const int annee = dateGregorienne(jeudi).annee;
    return {static_cast<int>((jeudi - jourJulien(1, 1, annee)) / 7) + 1, annee};
}

int colonneLundi(int jour, int mois, int annee)
{
    return lundiZero(jourJulien(jour, mois, annee)) + 1;
}

int jourSemaineDecale(int jour, int mois, int annee)
{
    return colonneLundi(jour + DecalageJulien, mois, annee);
}

int CalculeJour(int jour, int mois, int annee)
{
    const qint64 j = avantLaReforme(jour, mois, annee) ? jourJulienDuCalendrierJulien(jour, mois, annee)
                                                       : jourJulien(jour, mois, annee);
    return (lundiZero(j) + 1) % 7;
}

} // namespace Dates
