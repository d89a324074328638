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
