#include "dates/soleil.h"

#include <array>
#include <cmath>

namespace Dates {

namespace {

// The Earth's heliocentric longitude, latitude and radius vector: the
// periodic terms of VSOP87 truncated as in Meeus, Astronomical Algorithms,
// chapter 32 and appendix III. Each term is A cos(B + C τ), τ in Julian
// millennia, A in 1e-8 radian or astronomical unit.
struct Terme
{
    double a, b, c;
};

constexpr std::array<Terme, 64> L0{{
    {175347046.0, 0, 0},
    {3341656.0, 4.6692568, 6283.0758500},
    {34894.0, 4.62610, 12566.15170},
    {3497.0, 2.7441, 5753.3849},
    {3418.0, 2.8289, 3.5231},
    {3136.0, 3.6277, 77713.7715},
    {2676.0, 4.4181, 7860.4194},
    {2343.0, 6.1352, 3930.2097},
    {1324.0, 0.7425, 11506.7698},
    {1273.0, 2.0371, 529.6910},
    {1199.0, 1.1096, 1577.3435},
    {990.0, 5.233, 5884.927},
    {902.0, 2.045, 26.298},
    {857.0, 3.508, 398.149},
    {780.0, 1.179, 5223.694},
    {753.0, 2.533, 5507.553},
    {505.0, 4.583, 18849.228},
    {492.0, 4.205, 775.523},
    {357.0, 2.920, 0.067},
    {317.0, 5.849, 11790.629},
    {284.0, 1.899, 796.298},
    {271.0, 0.315, 10977.079},
    {243.0, 0.345, 5486.778},
    {206.0, 4.806, 2544.314},
    {205.0, 1.869, 5573.143},
    {202.0, 2.458, 6069.777},
    {156.0, 0.833, 213.299},
    {132.0, 3.411, 2942.463},
    {126.0, 1.083, 20.775},
    {115.0, 0.645, 0.980},
    {103.0, 0.636, 4694.003},
    {102.0, 0.976, 15720.839},
    {102.0, 4.267, 7.114},
    {99.0, 6.21, 2146.17},
    {98.0, 0.68, 155.42},
    {86.0, 5.98, 161000.69},
    {85.0, 1.30, 6275.96},
    {85.0, 3.67, 71430.70},
    {80.0, 1.81, 17260.15},
    {79.0, 3.04, 12036.46},
    {75.0, 1.76, 5088.63},
    {74.0, 3.50, 3154.69},
    {74.0, 4.68, 801.82},
    {70.0, 0.83, 9437.76},
    {62.0, 3.98, 8827.39},
    {61.0, 1.82, 7084.90},
    {57.0, 2.78, 6286.60},
    {56.0, 4.39, 14143.50},
    {56.0, 3.47, 6279.55},
    {52.0, 0.19, 12139.55},
    {52.0, 1.33, 1748.02},
    {51.0, 0.28, 5856.48},
    {49.0, 0.49, 1194.45},
    {41.0, 5.37, 8429.24},
    {41.0, 2.40, 19651.05},
    {39.0, 6.17, 10447.39},
    {37.0, 6.04, 10213.29},
    {37.0, 2.57, 1059.38},
    {36.0, 1.71, 2352.87},
    {36.0, 1.78, 6812.77},
    {33.0, 0.59, 17789.85},
    {30.0, 0.44, 83996.85},
    {30.0, 2.74, 1349.87},
    {25.0, 3.16, 4690.48},
}};
constexpr std::array<Terme, 34> L1{{
    {628331966747.0, 0, 0},       {206059.0, 2.678235, 6283.075850},
    {4303.0, 2.6351, 12566.1517}, {425.0, 1.590, 3.523},
    {119.0, 5.796, 26.298},       {109.0, 2.966, 1577.344},
    {93.0, 2.59, 18849.23},       {72.0, 1.14, 529.69},
    {68.0, 1.87, 398.15},         {67.0, 4.41, 5507.55},
    {59.0, 2.89, 5223.69},        {56.0, 2.17, 155.42},
    {45.0, 0.40, 796.30},         {36.0, 0.47, 775.52},
    {29.0, 2.65, 7.11},           {21.0, 5.34, 0.98},
    {19.0, 1.85, 5486.78},        {19.0, 4.97, 213.30},
    {17.0, 2.99, 6275.96},        {16.0, 0.03, 2544.31},
    {16.0, 1.43, 2146.17},        {15.0, 1.21, 10977.08},
    {12.0, 2.83, 1748.02},        {12.0, 3.26, 5088.63},
    {12.0, 5.27, 1194.45},        {12.0, 2.08, 4694.00},
    {11.0, 0.77, 553.57},         {10.0, 1.30, 6286.60},
    {10.0, 4.24, 1349.87},        {9.0, 2.70, 242.73},
    {9.0, 5.64, 951.72},          {8.0, 5.30, 2352.87},
    {6.0, 2.65, 9437.76},         {6.0, 4.67, 4690.48},
}};
constexpr std::array<Terme, 20> L2{{
    {52919.0, 0, 0},     {8720.0, 1.0721, 6283.0758}, {309.0, 0.867, 12566.152}, {27.0, 0.05, 3.52},
    {16.0, 5.19, 26.30}, {16.0, 3.68, 155.42},        {10.0, 0.76, 18849.23},    {9.0, 2.06, 77713.77},
    {7.0, 0.83, 775.52}, {5.0, 4.66, 1577.34},        {4.0, 1.03, 7.11},         {4.0, 3.44, 5573.14},
    {3.0, 5.14, 796.30}, {3.0, 6.05, 5507.55},        {3.0, 1.19, 242.73},       {3.0, 6.12, 529.69},
    {3.0, 0.31, 398.15}, {3.0, 2.28, 553.57},         {2.0, 4.38, 5223.69},      {2.0, 3.75, 0.98},
}};
constexpr std::array<Terme, 7> L3{{
    {289.0, 5.844, 6283.076},
    {35.0, 0, 0},
    {17.0, 5.49, 12566.15},
    {3.0, 5.20, 155.42},
    {1.0, 4.72, 3.52},
    {1.0, 5.30, 18849.23},
    {1.0, 5.97, 242.73},
}};
constexpr std::array<Terme, 3> L4{{
    {114.0, 3.142, 0},
    {8.0, 4.13, 6283.08},
    {1.0, 3.84, 12566.15},
}};
constexpr std::array<Terme, 1> L5{{
    {1.0, 3.14, 0},
}};
constexpr std::array<Terme, 5> B0{{
    {280.0, 3.199, 84334.662},
    {102.0, 5.422, 5507.553},
    {80.0, 3.88, 5223.69},
    {44.0, 3.70, 2352.87},
    {32.0, 4.00, 1577.34},
}};
constexpr std::array<Terme, 2> B1{{
    {9.0, 3.90, 5507.55},
    {6.0, 1.73, 5223.69},
}};
constexpr std::array<Terme, 40> R0{{
    {100013989.0, 0, 0},
    {1670700.0, 3.0984635, 6283.0758500},
    {13956.0, 3.05525, 12566.15170},
    {3084.0, 5.1985, 77713.7715},
    {1628.0, 1.1739, 5753.3849},
    {1576.0, 2.8469, 7860.4194},
    {925.0, 5.453, 11506.770},
    {542.0, 4.564, 3930.210},
    {472.0, 3.661, 5884.927},
    {346.0, 0.964, 5507.553},
    {329.0, 5.900, 5223.694},
    {307.0, 0.299, 5573.143},
    {243.0, 4.273, 11790.629},
    {212.0, 5.847, 1577.344},
    {186.0, 5.022, 10977.079},
    {175.0, 3.012, 18849.228},
    {110.0, 5.055, 5486.778},
    {98.0, 0.89, 6069.78},
    {86.0, 5.69, 15720.84},
    {86.0, 1.27, 161000.69},
    {65.0, 0.27, 17260.15},
    {63.0, 0.92, 529.69},
    {57.0, 2.01, 83996.85},
    {56.0, 5.24, 71430.70},
    {49.0, 3.25, 2544.31},
    {47.0, 2.58, 775.52},
    {45.0, 5.54, 9437.76},
    {43.0, 6.01, 6275.96},
    {39.0, 5.36, 4694.00},
    {38.0, 2.39, 8827.39},
    {37.0, 0.83, 19651.05},
    {37.0, 4.90, 12139.55},
    {36.0, 1.67, 12036.46},
    {35.0, 1.84, 2942.46},
    {33.0, 0.24, 7084.90},
    {32.0, 0.18, 5088.63},
    {32.0, 1.78, 398.15},
    {28.0, 1.21, 6286.60},
    {28.0, 1.90, 6279.55},
    {26.0, 4.59, 10447.39},
}};
constexpr std::array<Terme, 10> R1{{
    {103019.0, 1.107490, 6283.075850},
    {1721.0, 1.0644, 12566.1517},
    {702.0, 3.142, 0},
    {32.0, 1.02, 18849.23},
    {31.0, 2.84, 5507.55},
    {25.0, 1.32, 5223.69},
    {18.0, 1.42, 1577.34},
    {10.0, 5.91, 10977.08},
    {9.0, 1.42, 6275.96},
    {9.0, 0.27, 5486.78},
}};
constexpr std::array<Terme, 6> R2{{
    {4359.0, 5.7846, 6283.0758},
    {124.0, 5.579, 12566.152},
    {12.0, 3.14, 0},
    {9.0, 3.63, 77713.77},
    {6.0, 1.87, 5573.14},
    {3.0, 5.47, 18849.23},
}};
constexpr std::array<Terme, 2> R3{{
    {145.0, 4.273, 6283.076},
    {7.0, 3.92, 12566.15},
}};
constexpr std::array<Terme, 1> R4{{
    {4.0, 2.56, 6283.08},
}};

template<std::size_t N>
double somme(const std::array<Terme, N> &termes, double tau)
{
    double s = 0;
    for (const Terme &x : termes)
        s += x.a * std::cos(x.b + x.c * tau);
    return s;
}

// The Sun's apparent right ascension and declination over two days, from
// its positions at three instants a day apart, interpolated: the error of
// the parabola is below 0.1″.
class CourseSoleil
{
public:
    CourseSoleil(const std::array<double, 3> &noeuds, const Observateur &o)
        : m_jj(noeuds),
          m_o(o),
          m_sinPhi(std::sin(rad(o.latitude))),
          m_cosPhi(std::cos(rad(o.latitude)))
    {
        const double dt = jourJulienTT(m_jj[1]) - m_jj[1];
        const Nutation n = nutation(siecles(m_jj[1] + dt));
        for (std::size_t k = 0; k < 3; ++k) {
            const Equatoriales e = versEquatoriales(soleilApparent(siecles(m_jj[k] + dt), n), n.obliquiteVraie);
            m_alpha[k] = e.ascensionDroite;
            m_delta[k] = e.declinaison;
        }
        // Unwrapped across 0 h.
        for (std::size_t k = 1; k < 3; ++k)
            m_alpha[k] += 360.0 * std::round((m_alpha[k - 1] - m_alpha[k]) / 360.0);
        // Sidereal time runs evenly over two days.
        m_theta = tempsSideral(m_jj[1], n);
    }

    // Hour angle and declination, degrees.
    std::pair<double, double> position(double jj) const
    {
        const double a = jj - m_jj[0], b = jj - m_jj[1], c = jj - m_jj[2];
        const double u0 = b * c / ((m_jj[0] - m_jj[1]) * (m_jj[0] - m_jj[2]));
        const double u1 = a * c / ((m_jj[1] - m_jj[0]) * (m_jj[1] - m_jj[2]));
        const double u2 = a * b / ((m_jj[2] - m_jj[0]) * (m_jj[2] - m_jj[1]));
        const double alpha = u0 * m_alpha[0] + u1 * m_alpha[1] + u2 * m_alpha[2];
        const double delta = u0 * m_delta[0] + u1 * m_delta[1] + u2 * m_delta[2];
        return {m_theta + RotationSiderale * b + m_o.longitude - alpha, delta};
    }

    // Sine of the altitude minus that of the threshold: positive above it.
    double audessus(double jj, double sinSeuil) const
    {
        const auto [h, d] = position(jj);
        return m_sinPhi * std::sin(rad(d)) + m_cosPhi * std::cos(rad(d)) * std::cos(rad(h)) - sinSeuil;
    }

private:
    static constexpr double RotationSiderale = 360.98564736629; // degrees a day
    std::array<double, 3> m_jj;
    Observateur m_o;
    double m_sinPhi, m_cosPhi;
    std::array<double, 3> m_alpha{}, m_delta{};
    double m_theta = 0;
};

constexpr double PasRecherche = 1.0 / 24;

struct Traversees
{
    std::optional<double> montee, descente;
    Ciel ciel = Ciel::Alternance;
    double duree = 0; // days above
};

// The upper and lower transits of the day: the hour angle's sine turns from
// negative to positive at the one, back at the other.
std::vector<Passage> culminations(const CourseSoleil &c, const BornesJour &b)
{
    const auto sinH = [&c](double jj) { return std::sin(rad(c.position(jj).first)); };
    return passages(sinH, grille(b.debut, b.fin, PasRecherche));
}

// The crossings of an altitude during the day. The Sun's altitude is
// highest and lowest at the transits: with them among the samples, a Sun
// grazing the threshold near the polar circles is not missed.
Traversees traversees(const CourseSoleil &c, const BornesJour &b, const std::vector<Passage> &culmine, double seuil)
{
    const double sinSeuil = std::sin(rad(seuil));
    const auto f = [&c, sinSeuil](double jj) { return c.audessus(jj, sinSeuil); };
    std::vector<double> extremes;
    for (const Passage &x : culmine)
        extremes.push_back(x.jour);
    const std::vector<Passage> p = passages(f, grille(b.debut, b.fin, PasRecherche, extremes));
    Traversees t;
    bool dessus = f(b.debut) >= 0;
    if (p.empty())
        t.ciel = dessus ? Ciel::ToujoursAuDessus : Ciel::ToujoursAuDessous;
    double depuis = b.debut;
    for (const Passage &x : p) {
        if (x.montant && !t.montee)
            t.montee = x.jour;
        if (!x.montant && !t.descente)
            t.descente = x.jour;
        if (dessus)
            t.duree += x.jour - depuis;
        depuis = x.jour;
        dessus = x.montant;
    }
    if (dessus)
        t.duree += b.fin - depuis;
    return t;
}

std::optional<QDateTime> instant(const std::optional<double> &jj)
{
    return jj ? std::optional<QDateTime>(instantJulien(*jj)) : std::nullopt;
}

} // namespace

Ecliptiques soleilGeometrique(double t)
{
    const double tau = t / 10;
    const double l =
        horner(tau, {somme(L0, tau), somme(L1, tau), somme(L2, tau), somme(L3, tau), somme(L4, tau), somme(L5, tau)})
        / 1e8;
    const double b = horner(tau, {somme(B0, tau), somme(B1, tau)}) / 1e8;
    const double r =
        horner(tau, {somme(R0, tau), somme(R1, tau), somme(R2, tau), somme(R3, tau), somme(R4, tau)}) / 1e8;
    // Geocentric, then from the dynamical ecliptic to the FK5 system.
    const double theta = normaliseDegres(deg(l) + 180.0);
    const double beta = -deg(b);
    const double lp = rad(theta - 1.397 * t - 0.00031 * t * t);
    return {theta - 0.09033 / 3600, beta + 0.03916 / 3600 * (std::cos(lp) - std::sin(lp)), r};
}

Ecliptiques soleilApparent(double t, const Nutation &n)
{
    Ecliptiques e = soleilGeometrique(t);
    // Nutation, then the annual aberration (chapter 25).
    e.longitude = normaliseDegres(e.longitude + n.longitude - 20.4898 / 3600 / e.distance);
    return e;
}

double longitudeApparenteSoleil(double jde)
{
    const double t = siecles(jde);
    return soleilApparent(t, nutation(t)).longitude;
}

BornesJour bornesJour(const QDate &jour, const QTimeZone &fuseau)
{
    return {jourJulien(jour.startOfDay(fuseau)), jourJulien(jour.addDays(1).startOfDay(fuseau))};
}

JourneeSoleil journeeSoleil(const QDate &jour, const Observateur &o, const QTimeZone &fuseau)
{
    const BornesJour b = bornesJour(jour, fuseau);
    const BornesJour v = bornesJour(jour.addDays(-1), fuseau);
    const CourseSoleil c({v.debut, b.debut, b.fin}, o);
    JourneeSoleil j;
    const std::vector<Passage> culmine = culminations(c, b);
    const Traversees horizon = traversees(c, b, culmine, HauteurLeverSoleil);
    const Traversees civil = traversees(c, b, culmine, HauteurCrepusculeCivil);
    j.lever = instant(horizon.montee);
    j.coucher = instant(horizon.descente);
    j.jour = horizon.ciel;
    j.aube = instant(civil.montee);
    j.crepuscule = instant(civil.descente);
    j.penombre = civil.ciel;
    j.duree = std::llround(horizon.duree * SecondesParJour);

    for (const Passage &p : culmine) {
        if (!p.montant)
            continue;
        j.midi = instantJulien(p.jour);
        const auto [h, d] = c.position(p.jour);
        j.hauteurMidi = hauteur(h, d, o.latitude);
        break;
    }

    const double veille = traversees(c, v, culminations(c, v), HauteurLeverSoleil).duree;
    j.variation = j.duree - std::llround(veille * SecondesParJour);
    return j;
}

} // namespace Dates
