#include "dates/calendriervecu.h"

#include "dates/calendrier.h"
#include "dates/paques.h"

namespace Dates {

namespace {

qint64 premierGregorien()
{
    return jourJulien(PremierJourGregorien, MoisReforme, AnneeReforme);
}

// The first day of a month, Julian or Gregorian as the day was lived.
qint64 debutDuMois(int mois, int annee)
{
    const qint64 julien = jourJulienDuCalendrierJulien(1, mois, annee);
    return julien < premierGregorien() ? julien : jourJulien(1, mois, annee);
}

} // namespace

bool jourJulienAvantReforme(qint64 jourJulien)
{
    return jourJulien < premierGregorien();
}

JourMoisAn dateVecue(qint64 jourJulien)
{
    return jourJulienAvantReforme(jourJulien) ? dateJulienne(jourJulien) : dateGregorienne(jourJulien);
}

std::vector<JourVecu> joursDuMoisVecu(int mois, int annee)
{
    const qint64 debut = debutDuMois(mois, annee);
    const qint64 fin = mois == 12 ? debutDuMois(1, annee + 1) : debutDuMois(mois + 1, annee);
    std::vector<JourVecu> jours;
    jours.reserve(31);
    for (qint64 j = debut; j < fin; ++j)
        jours.push_back({dateVecue(j).jour, j, jourJulienAvantReforme(j)});
    return jours;
}

std::optional<qint64> paquesVecu(int annee)
{
    if (annee <= AnneeReforme)
        return paquesOrthodoxe(annee);
    const auto p = jourPaques(qint16(annee));
    if (!p)
        return std::nullopt;
    return jourJulien(p->jour, p->mois, p->annee);
}

} // namespace Dates
