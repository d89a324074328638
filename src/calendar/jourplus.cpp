#include "calendar/jourplus.h"

#include <array>
#include <cmath>

namespace {

// Between 14 October 1582 (1582.1014) and 15 October 1582 (1582.1015).
constexpr double Reforme = 1582.10145;

} // namespace

int CalculeJour(int jour, int mois, int annee)
{
    const double d = jour;
    const double m = mois;
    const double y = annee;
    // January and February count as months 13 and 14 of the year before.
    const double yp = mois < 3 ? y - 1 : y;
    const double mp = mois < 3 ? m + 12 : m;
    double jd = std::floor(365.25 * yp) + std::floor(30.6001 * (mp + 1)) + d + 1720994.5;
    if ((y + m / 100) + d / 10000 > Reforme) {
        const double a = std::floor(yp / 100);
        jd += 2 - a + std::floor(a / 4);
    }
    const double w = (jd + 1.5) - 7 * std::floor((jd + 1.5) / 7);
    return static_cast<int>(w);
}

QString nomJourSemaine(int w)
{
    static const std::array<QString, 7> noms = {
        QStringLiteral(" Dimanche "), QStringLiteral(" Lundi "),    QStringLiteral(" Mardi "),
        QStringLiteral(" Mercredi "), QStringLiteral(" Jeudi "),    QStringLiteral(" Vendredi "),
        QStringLiteral(" Samedi ")};
    return noms.at(static_cast<std::size_t>(w));
}

std::optional<QString> texteJourSemaine(const QString &texteJour, int indexMois,
                                        const QString &texteAnnee)
{
    // The boxes are read as their spin controls read them: clamped and rounded
    // to whole numbers, so a typed "2,5" cannot give a fractional weekday.
    const auto jour = borneJour(texteJour);
    const auto annee = borneAnneeJourPlus(texteAnnee);
    if (!jour || !annee || indexMois < 0 || indexMois > 11)
        return std::nullopt;
    return nomJourSemaine(CalculeJour(jour->valeur, indexMois + 1, annee->valeur));
}

std::optional<Saisie::Bornee> borneJour(const QString &texte)
{
    return Saisie::borne(texte, JourPlusJourMin, JourPlusJourMax);
}

std::optional<Saisie::Bornee> borneAnneeJourPlus(const QString &texte)
{
    return Saisie::borne(texte, JourPlusAnneeMin, JourPlusAnneeMax);
}
