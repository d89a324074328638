#include "dates/astronomie.h"

#include <array>
#include <cmath>

namespace Dates {

namespace {
constexpr double JourJulienEpoqueUnix = 2440587.5;
} // namespace

double jourJulien(const QDateTime &instant)
{
    return JourJulienEpoqueUnix + double(instant.toMSecsSinceEpoch()) / (SecondesParJour * 1000.0);
}

QDateTime instantJulien(double jj)
{
    const auto ms = qint64(std::llround((jj - JourJulienEpoqueUnix) * SecondesParJour * 1000.0));
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
}

double deltaT(double y)
{
    // The piecewise polynomials of the NASA eclipse canon (Espenak and Meeus).
    if (y < -500) {
        const double u = (y - 1820) / 100;
        return -20 + 32 * u * u;
    }
    if (y < 500)
        return horner(y / 100, {10583.6, -1014.41, 33.78311, -5.952053, -0.1798452, 0.022174192, 0.0090316521});
    if (y < 1600)
        return horner((y - 1000) / 100, {1574.2, -556.01, 71.23472, 0.319781, -0.8503463, -0.005050998, 0.0083572073});
    if (y < 1700)
        return horner(y - 1600, {120, -0.9808, -0.01532, 1.0 / 7129});
    if (y < 1800)
        return horner(y - 1700, {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000});
    if (y < 1860)
        return horner(y - 1800, {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272, -0.0000001699,
                                 0.000000000875});
    if (y < 1900)
        return horner(y - 1860, {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174});
    if (y < 1920)
        return horner(y - 1900, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197});
    if (y < 1941)
        return horner(y - 1920, {21.20, 0.84493, -0.076100, 0.0020936});
    if (y < 1961)
        return horner(y - 1950, {29.07, 0.407, -1.0 / 233, 1.0 / 2547});
    if (y < 1986)
        return horner(y - 1975, {45.45, 1.067, -1.0 / 260, -1.0 / 718});
    if (y < 2005)
        return horner(y - 2000, {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599});
    if (y < 2050)
        return horner(y - 2000, {62.92, 0.32217, 0.005589});
    const double u = (y - 1820) / 100;
    if (y < 2150)
        return -20 + 32 * u * u - 0.5628 * (2150 - y);
    return -20 + 32 * u * u;
}

double normaliseDegres(double degres)
{
    const double r = std::fmod(degres, 360.0);
    return r < 0 ? r + 360.0 : r;
}

double jourJulienTT(double jj)
{
    return jj + deltaT(2000.0 + (jj - JourJulienJ2000) / 365.25) / SecondesParJour;
}

double jourJulienUT(double jde)
{
    return jde - deltaT(2000.0 + (jde - JourJulienJ2000) / 365.25) / SecondesParJour;
}

std::vector<double> grille(double debut, double fin, double pas, const std::vector<double> &ajouts)
{
    const int n = std::max(1, int(std::ceil((fin - debut) / pas - 1e-9)));
    std::vector<double> g;
    g.reserve(std::size_t(n) + 1 + ajouts.size());
    for (int i = 0; i <= n; ++i)
        g.push_back(debut + (fin - debut) * i / n);
    for (double x : ajouts)
        if (x > debut && x < fin)
            g.push_back(x);
    std::sort(g.begin(), g.end());
    return g;
}

Nutation nutation(double t)
{
    const double omega = rad(horner(t, {125.04452, -1934.136261, 0.0020708, 1.0 / 450000}));
    const double l = rad(280.4665 + 36000.7698 * t);
    const double lp = rad(218.3165 + 481267.8813 * t);
    using std::cos;
    using std::sin;
    const double dpsi = -17.20 * sin(omega) - 1.32 * sin(2 * l) - 0.23 * sin(2 * lp) + 0.21 * sin(2 * omega);
    const double deps = 9.20 * cos(omega) + 0.57 * cos(2 * l) + 0.10 * cos(2 * lp) - 0.09 * cos(2 * omega);
    const double eps0 = 23.0 + 26.0 / 60 + horner(t, {21.448, -46.8150, -0.00059, 0.001813}) / 3600.0;
    return {dpsi / 3600.0, deps / 3600.0, eps0 + deps / 3600.0};
}

double tempsSideral(double jj, const Nutation &n)
{
    const double t = (jj - JourJulienJ2000) / 36525.0;
    const double moyen =
        280.46061837 + 360.98564736629 * (jj - JourJulienJ2000) + 0.000387933 * t * t - t * t * t / 38710000.0;
    return normaliseDegres(moyen + n.longitude * std::cos(rad(n.obliquiteVraie)));
}

Equatoriales versEquatoriales(const Ecliptiques &e, double obliquite)
{
    const double l = rad(e.longitude), b = rad(e.latitude), eps = rad(obliquite);
    const double alpha = std::atan2(std::sin(l) * std::cos(eps) - std::tan(b) * std::sin(eps), std::cos(l));
    const double delta = std::asin(std::sin(b) * std::cos(eps) + std::cos(b) * std::sin(eps) * std::sin(l));
    return {normaliseDegres(deg(alpha)), deg(delta), e.distance};
}

double hauteur(double angleHoraire, double declinaison, double latitude)
{
    const double phi = rad(latitude), d = rad(declinaison);
    return deg(std::asin(std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(rad(angleHoraire))));
}

Topocentriques versTopocentriques(const Equatoriales &geo, double angleHoraire, const Observateur &o)
{
    // Geocentric latitude and radius of a sea-level observer on the reference ellipsoid (chapter 11).
    constexpr double Aplatissement = 0.99664719;
    constexpr double RayonEquatorialKm = 6378.14;
    const double u = std::atan(Aplatissement * std::tan(rad(o.latitude)));
    const double rhoSin = Aplatissement * std::sin(u);
    const double rhoCos = std::cos(u);
    const double sinPi = RayonEquatorialKm / geo.distance;
    const double h = rad(angleHoraire), d = rad(geo.declinaison);
    const double den = std::cos(d) - rhoCos * sinPi * std::cos(h);
    const double dAlpha = std::atan2(-rhoCos * sinPi * std::sin(h), den);
    const double dTopo = std::atan2((std::sin(d) - rhoSin * sinPi) * std::cos(dAlpha), den);
    return {angleHoraire - deg(dAlpha), deg(dTopo)};
}

namespace {

// Main terms of the Moon's longitude and distance (units of 1e-6 degree and
// of metres) and of its latitude, by multiples of D, M, M', F.
struct TermeLR
{
    int d, m, mp, f;
    double l, r;
};
constexpr std::array<TermeLR, 31> TermesLR{{
    {0, 0, 1, 0, 6288774, -20905355}, {2, 0, -1, 0, 1274027, -3699111}, {2, 0, 0, 0, 658314, -2955968},
    {0, 0, 2, 0, 213618, -569925},    {0, 1, 0, 0, -185116, 48888},     {0, 0, 0, 2, -114332, -3149},
    {2, 0, -2, 0, 58793, 246158},     {2, -1, -1, 0, 57066, -152138},   {2, 0, 1, 0, 53322, -170733},
    {2, -1, 0, 0, 45758, -204586},    {0, 1, -1, 0, -40923, -129620},   {1, 0, 0, 0, -34720, 108743},
    {0, 1, 1, 0, -30383, 104755},     {2, 0, 0, -2, 15327, 10321},      {0, 0, 1, 2, -12528, 0},
    {0, 0, 1, -2, 10980, 79661},      {4, 0, -1, 0, 10675, -34782},     {0, 0, 3, 0, 10034, -23210},
    {4, 0, -2, 0, 8548, -21636},      {2, 1, -1, 0, -7888, 24208},      {2, 1, 0, 0, -6766, 30824},
    {1, 0, -1, 0, -5163, -8379},      {1, 1, 0, 0, 4987, -16675},       {2, -1, 1, 0, 4036, -12831},
    {2, 0, 2, 0, 3994, -10445},       {4, 0, 0, 0, 3861, -11650},       {2, 0, -3, 0, 3665, 14403},
    {0, 1, -2, 0, -2689, -7003},      {2, 0, -1, 2, -2602, 0},          {2, -1, -2, 0, 2390, 10056},
    {1, 0, 1, 0, -2348, 6322},
}};
struct TermeB
{
    int d, m, mp, f;
    double b;
};
constexpr std::array<TermeB, 14> TermesB{{
    {0, 0, 0, 1, 5128122},
    {0, 0, 1, 1, 280602},
    {0, 0, 1, -1, 277693},
    {2, 0, 0, -1, 173237},
    {2, 0, -1, 1, 55413},
    {2, 0, -1, -1, 46271},
    {2, 0, 0, 1, 32573},
    {0, 0, 2, 1, 17198},
    {2, 0, 1, -1, 9266},
    {0, 0, 2, -1, 8822},
    {2, -1, 0, -1, 8216},
    {2, 0, -2, -1, 4324},
    {2, 0, 1, 1, 4200},
    {2, 1, 0, -1, -3359},
}};

} // namespace

Ecliptiques positionLune(double t)
{
    const double lp = horner(t, {218.3164477, 481267.88123421, -0.0015786, 1.0 / 538841, -1.0 / 65194000});
    const double d = horner(t, {297.8501921, 445267.1114034, -0.0018819, 1.0 / 545868, -1.0 / 113065000});
    const double m = horner(t, {357.5291092, 35999.0502909, -0.0001536, 1.0 / 24490000});
    const double mp = horner(t, {134.9633964, 477198.8675055, 0.0087414, 1.0 / 69699, -1.0 / 14712000});
    const double f = horner(t, {93.2720950, 483202.0175233, -0.0036539, -1.0 / 3526000, 1.0 / 863310000});
    const double a1 = 119.75 + 131.849 * t;
    const double a2 = 53.09 + 479264.290 * t;
    const double a3 = 313.45 + 481266.484 * t;
    const double e = 1.0 - 0.002516 * t - 0.0000074 * t * t;
    const auto excentricite = [e](int multipleM) {
        return multipleM == 0 ? 1.0 : (std::abs(multipleM) == 1 ? e : e * e);
    };

    double sl = 0, sr = 0, sb = 0;
    for (const TermeLR &x : TermesLR) {
        const double arg = rad(x.d * d + x.m * m + x.mp * mp + x.f * f);
        sl += x.l * excentricite(x.m) * std::sin(arg);
        sr += x.r * excentricite(x.m) * std::cos(arg);
    }
    for (const TermeB &x : TermesB)
        sb += x.b * excentricite(x.m) * std::sin(rad(x.d * d + x.m * m + x.mp * mp + x.f * f));
    sl += 3958 * std::sin(rad(a1)) + 1962 * std::sin(rad(lp - f)) + 318 * std::sin(rad(a2));
    sb += -2235 * std::sin(rad(lp)) + 382 * std::sin(rad(a3)) + 175 * std::sin(rad(a1 - f))
          + 175 * std::sin(rad(a1 + f)) + 127 * std::sin(rad(lp - mp)) - 115 * std::sin(rad(lp + mp));
    return {lp + sl / 1e6, sb / 1e6, 385000.56 + sr / 1000.0};
}

Equatoriales luneApparente(double t, const Nutation &n)
{
    Ecliptiques e = positionLune(t);
    e.longitude += n.longitude;
    return versEquatoriales(e, n.obliquiteVraie);
}

} // namespace Dates
