#include "dates/saisons.h"

#include "dates/astronomie.h"
#include "dates/soleil.h"

#include <array>
#include <cmath>

namespace Dates {

namespace {

double calculeSaison(int annee, PointSaison point)
{
    // Meeus, Astronomical Algorithms, chapter 27: the mean instant (table
    // 27.B), then corrected from the apparent longitude until it is reached
    // (the Sun covers a radian of longitude in about 58 days).
    static constexpr std::array<std::array<double, 5>, 4> Moyens{{
        {2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057},
        {2451716.56767, 365241.62603, 0.00325, 0.00888, -0.00030},
        {2451810.21715, 365242.01767, -0.11575, 0.00337, 0.00078},
        {2451900.05952, 365242.74049, -0.06223, -0.00823, 0.00032},
    }};
    const auto &c = Moyens[std::size_t(point)];
    const double y = (annee - 2000) / 1000.0;
    double jde = horner(y, {c[0], c[1], c[2], c[3], c[4]});
    const double cible = 90.0 * int(point);
    for (int i = 0; i < 20; ++i) {
        const double correction = 58.0 * std::sin(rad(cible - longitudeApparenteSoleil(jde)));
        jde += correction;
        if (std::abs(correction) < 1e-7)
            break;
    }
    return jde;
}

} // namespace

double jourJulienSaison(int annee, PointSaison point)
{
    // A day's almanac asks for the same few years again and again.
    struct Annee
    {
        int annee = 0;
        std::array<double, 4> jde{};
        bool pret = false;
    };
    thread_local std::array<Annee, 4> memoire;
    Annee &a = memoire[std::size_t(((annee % 4) + 4) % 4)];
    if (!a.pret || a.annee != annee) {
        a.annee = annee;
        for (std::size_t p = 0; p < 4; ++p)
            a.jde[p] = calculeSaison(annee, PointSaison(p));
        a.pret = true;
    }
    return a.jde[std::size_t(point)];
}

QDateTime instantSaison(int annee, PointSaison point)
{
    return instantJulien(jourJulienUT(jourJulienSaison(annee, point)));
}

SaisonDuJour saisonDuJour(const QDate &jour, const QTimeZone &fuseau, bool hemisphereSud)
{
    const QDateTime fin = jour.addDays(1).startOfDay(fuseau);
    SaisonDuJour s{Saison::Hiver, PointSaison::SolsticeDecembre,
                   instantSaison(jour.year() - 1, PointSaison::SolsticeDecembre)};
    for (int p = 0; p < 4; ++p) {
        const QDateTime debut = instantSaison(jour.year(), PointSaison(p));
        if (debut >= fin)
            break;
        s.debut = PointSaison(p);
        s.instant = debut;
    }
    static constexpr std::array<Saison, 4> Nord{Saison::Printemps, Saison::Ete, Saison::Automne, Saison::Hiver};
    static constexpr std::array<Saison, 4> Sud{Saison::Automne, Saison::Hiver, Saison::Printemps, Saison::Ete};
    s.saison = (hemisphereSud ? Sud : Nord)[std::size_t(s.debut)];
    return s;
}

QString nomSaison(Saison saison)
{
    switch (saison) {
    case Saison::Printemps: return QStringLiteral("printemps");
    case Saison::Ete: return QStringLiteral("été");
    case Saison::Automne: return QStringLiteral("automne");
    case Saison::Hiver: return QStringLiteral("hiver");
    }
    return {};
}

QString nomPointSaison(PointSaison point)
{
    switch (point) {
    case PointSaison::EquinoxeMars: return QStringLiteral("Équinoxe de mars");
    case PointSaison::SolsticeJuin: return QStringLiteral("Solstice de juin");
    case PointSaison::EquinoxeSeptembre: return QStringLiteral("Équinoxe de septembre");
    case PointSaison::SolsticeDecembre: return QStringLiteral("Solstice de décembre");
    }
    return {};
}

qint64 jourEquinoxeAutomneParis(int annee)
{
    const double ut = jourJulienUT(jourJulienSaison(annee, PointSaison::EquinoxeSeptembre));
    return qint64(std::floor(ut + DecalageParisSecondes / SecondesParJour + 0.5));
}

} // namespace Dates
