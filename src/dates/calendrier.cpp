#include "dates/calendrier.h"

Periode periodeDuMois(int mois, int annee)
{
    if (annee < 1582)
        return Periode::Avant1582;
    if (annee == 1582 && mois == 10)
        return Periode::Octobre1582;
    if (annee == 1582 && mois < 10)
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
    if (periodeDuMois(mois, annee) == Periode::Octobre1582)
        for (int j = 5; j <= 14; ++j)
            actifs[j - 1] = false;
    return actifs;
}

QStringList textesListeMois()
{
    return {QStringLiteral(" Janvier"), QStringLiteral(" Février"), QStringLiteral(" Mars"),
            QStringLiteral(" Avril"),   QStringLiteral(" Mai"),     QStringLiteral(" Juin"),
            QStringLiteral(" Juillet"), QStringLiteral(" Août"),    QStringLiteral(" Septembre"),
            QStringLiteral(" Octobre"), QStringLiteral(" Novembre"), QStringLiteral(" Décembre")};
}
