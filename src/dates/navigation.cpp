#include "dates/navigation.h"

#include "dates/calendrier.h"

namespace Dates {

namespace {
std::optional<JourMoisAn> unJour(JourMoisAn d, int sens)
{
    const int annee = d.annee;
    const int mois = d.mois;
    const auto actifs = joursActifs(mois, annee);
    for (int j = d.jour + sens; j >= 1 && j <= 31; j += sens)
        if (actifs[j - 1])
            return JourMoisAn{j, mois, annee};
    // Over the month's edge: the first or last offered day of the next one.
    d.mois += sens;
    if (d.mois < 1 || d.mois > 12) {
        d.annee += sens;
        d.mois = sens > 0 ? 1 : 12;
    }
    d.jour = sens > 0 ? 0 : 32;
    return unJour(d, sens);
}
} // namespace

std::optional<JourMoisAn> jourVoisin(const JourMoisAn &depart, int pas, int anneeMin, int anneeMax)
{
    const int sens = pas < 0 ? -1 : 1;
    JourMoisAn d = depart;
    for (int i = 0; i < pas * sens; ++i) {
        const auto suivant = unJour(d, sens);
        if (!suivant || suivant->annee < anneeMin || suivant->annee > anneeMax)
            return std::nullopt;
        d = *suivant;
    }
    return d;
}

std::optional<JourMoisAn> moisVoisin(const JourMoisAn &depart, int nbMois, int anneeMin, int anneeMax)
{
    const int rang = depart.annee * 12 + depart.mois - 1 + nbMois;
    // Floor division: years before 0 stay in order.
    const int annee = rang >= 0 ? rang / 12 : -((-rang + 11) / 12);
    const int mois = rang - annee * 12 + 1;
    if (annee < anneeMin || annee > anneeMax)
        return std::nullopt;
    const auto actifs = joursActifs(mois, annee);
    for (int j = qBound(1, depart.jour, 31); j >= 1; --j)
        if (actifs[j - 1])
            return JourMoisAn{j, mois, annee};
    return std::nullopt;
}

} // namespace Dates
