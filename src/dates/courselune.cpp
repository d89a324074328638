#include "dates/courselune.h"

#include "dates/soleil.h"

#include <array>
#include <cmath>

namespace Dates {

namespace {

// The Moon's geocentric right ascension, declination and distance over a
// day, interpolated between five positions six hours apart: the series is
// costly and the Moon's motion smooth at that scale (error below 0.1″).
class CourseLune
{
public:
    static constexpr std::size_t N = 5;

    CourseLune(const BornesJour &b, const Observateur &o)
        : m_o(o)
    {
        const double milieu = (b.debut + b.fin) / 2;
        const double dt = jourJulienTT(milieu) - milieu;
        // Nutation changes too slowly to matter within a day.
        const Nutation n = nutation(siecles(milieu + dt));
        for (std::size_t k = 0; k < N; ++k) {
            m_jj[k] = b.debut + double(k) * (b.fin - b.debut) / (N - 1);
            const Equatoriales e = luneApparente(siecles(m_jj[k] + dt), n);
            m_valeurs[0][k] = e.ascensionDroite;
            m_valeurs[1][k] = e.declinaison;
            m_valeurs[2][k] = e.distance;
            if (k > 0)
                m_valeurs[0][k] += 360.0 * std::round((m_valeurs[0][k - 1] - m_valeurs[0][k]) / 360.0);
        }
        m_theta = tempsSideral(m_jj[0], n);
    }

    // Topocentric altitude of the upper limb above −34′ (chapter 15, with the
    // parallax of chapter 40 applied rather than averaged).
    double audessus(double jj) const
    {
        constexpr double RayonLuneKm = 1737.4;
        constexpr double RotationSiderale = 360.98564736629;
        std::array<double, N> poids;
        for (std::size_t i = 0; i < N; ++i) {
            poids[i] = 1;
            for (std::size_t k = 0; k < N; ++k)
                if (k != i)
                    poids[i] *= (jj - m_jj[k]) / (m_jj[i] - m_jj[k]);
        }
        Equatoriales geo;
        for (std::size_t i = 0; i < N; ++i) {
            geo.ascensionDroite += poids[i] * m_valeurs[0][i];
            geo.declinaison += poids[i] * m_valeurs[1][i];
            geo.distance += poids[i] * m_valeurs[2][i];
        }
        const double h = m_theta + RotationSiderale * (jj - m_jj[0]) + m_o.longitude - geo.ascensionDroite;
        const Topocentriques topo = versTopocentriques(geo, h, m_o);
        const double demiDiametre = deg(std::asin(RayonLuneKm / geo.distance));
        return hauteur(topo.angleHoraire, topo.declinaison, m_o.latitude) + demiDiametre + RefractionHorizon;
    }

private:
    Observateur m_o;
    std::array<double, N> m_jj{};
    std::array<std::array<double, N>, 3> m_valeurs{};
    double m_theta = 0;
};

} // namespace

JourneeLune journeeLune(const QDate &jour, const Observateur &o, const QTimeZone &fuseau)
{
    const BornesJour b = bornesJour(jour, fuseau);
    const CourseLune c(b, o);
    JourneeLune j;
    for (const Passage &p : passages([&c](double jj) { return c.audessus(jj); }, grille(b.debut, b.fin, 1.0 / 24))) {
        std::optional<QDateTime> &e = p.montant ? j.lever : j.coucher;
        if (!e)
            e = instantJulien(p.jour);
    }
    return j;
}

} // namespace Dates
