#include "dates/calendrier.h"

namespace Dates {

bool avantLaReforme(int jour, int mois, int annee)
{
    if (annee != AnneeReforme)
        return annee < AnneeReforme;
    return mois < MoisReforme || (mois == MoisReforme && jour < PremierJourGregorien);
}

Periode periodeDuMois(int mois, int annee)
{
    if (annee < AnneeReforme)
        return Periode::Avant1582;
    if (annee == AnneeReforme && mois == MoisReforme)
        return Periode::Octobre1582;
    if (annee == AnneeReforme && mois < MoisReforme)
        return Periode::AvantOctobre1582;
    return Periode::Apres1582;
}

bool estBissextileGregorien(int annee)
{
    return (annee % 4 == 0 && annee % 100 != 0) || annee % 400 == 0;
}

int longueurMois(int mois, int annee)
{
    static constexpr int jours[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (mois == 2 && estBissextileGregorien(annee))
        return 29;
    return jours[mois - 1];
}

std::array<bool, 31> joursActifs(int mois, int annee)
{
    std::array<bool, 31> actifs{};
    const int longueur = longueurMois(mois, annee);
    for (int j = 1; j <= 31; ++j)
        actifs[j - 1] = j <= longueur;
    for (int j = DernierJourJulien + 1; j < PremierJourGregorien; ++j)
        if (jourSaute(j, mois, annee))
            actifs[j - 1] = false;
    return actifs;
}

bool jourSaute(int jour, int mois, int annee)
{
    return annee == AnneeReforme && mois == MoisReforme && jour > DernierJourJulien && jour < PremierJourGregorien;
}

} // namespace Dates
