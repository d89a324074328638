#include "moon/phase.h"

#include <cmath>

namespace {

// Days from 1 March of year 0, years beginning in March so that the leap day
// ends the year.
constexpr int joursCivils(int jour, int mois, int annee)
{
    const int a = mois <= 2 ? annee - 1 : annee;
    const int ere = (a >= 0 ? a : a - 399) / 400;
    const int anDeLEre = a - ere * 400;
    const int m = mois > 2 ? mois - 3 : mois + 9;
    const int jourDeLAn = (153 * m + 2) / 5 + jour - 1;
    const int jourDeLEre = anDeLEre * 365 + anDeLEre / 4 - anDeLEre / 100 + jourDeLAn;
    return ere * 146097 + jourDeLEre;
}

constexpr int jourZero = joursCivils(30, 12, 1899);

constexpr int decalageJulien = 10;
constexpr double jourJulienZero = 2415019.0;
constexpr double jourEnPlus = 1.0;
constexpr double calageEpoque = 4.867;
constexpr double moisSynodique = 29.53059;

bool avantLaReforme(int jour, int mois, int annee)
{
    return (annee == 1582 && mois == 10 && jour < 15) || (annee == 1582 && mois < 10)
           || annee < 1582;
}

} // namespace

int valeurDate(int jour, int mois, int annee)
{
    // Counting from the first of the month lets the day run past its end.
    return joursCivils(1, mois, annee) + (jour - 1) - jourZero;
}

int valeurSelection(int jour, int mois, int annee)
{
    if (avantLaReforme(jour, mois, annee))
        jour += decalageJulien;
    return valeurDate(jour, mois, annee);
}

std::optional<int> valeurSelection(const QString &selection)
{
    const auto date = lisSelection(selection);
    if (!date)
        return std::nullopt;
    return valeurSelection(date->jour, date->mois, date->annee);
}

double fractionPhase(int valeur)
{
    const double t = (valeur + jourJulienZero + jourEnPlus + calageEpoque) / moisSynodique;
    return t - std::floor(t);
}

QString legendePhase(double fraction)
{
    return fraction < 0.5 ? QStringLiteral("Lune décroissante") : QStringLiteral("Lune croissante");
}

std::optional<Phase> calculePhase(const QString &selection)
{
    const auto valeur = valeurSelection(selection);
    if (!valeur)
        return std::nullopt;
    const double fraction = fractionPhase(*valeur);
    return Phase{*valeur, fraction, legendePhase(fraction)};
}
