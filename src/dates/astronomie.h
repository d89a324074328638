#pragma once

#include <QDateTime>
#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <numbers>
#include <vector>

// What the Sun's and the Moon's computations share: time scales, nutation,
// sidereal time, the change from ecliptic to equatorial coordinates, the
// Moon's position and the search for the instants a body crosses an altitude.
namespace Dates {

inline constexpr double JourJulienJ2000 = 2451545.0;
inline constexpr double SecondesParJour = 86400.0;

inline double rad(double degres)
{
    return degres * std::numbers::pi / 180.0;
}

inline double deg(double radians)
{
    return radians * 180.0 / std::numbers::pi;
}

// An angle brought into [0, 360).
double normaliseDegres(double degres);

inline double horner(double x, std::initializer_list<double> c)
{
    double s = 0.0;
    for (auto it = std::rbegin(c); it != std::rend(c); ++it)
        s = s * x + *it;
    return s;
}

// Julian day of a universal-time instant, and back (UTC, to the millisecond).
double jourJulien(const QDateTime &instant);
QDateTime instantJulien(double jourJulien);

// ΔT = TT − UT in seconds, for a year with its fraction (2000.5 is mid-2000),
// from the published polynomial expressions.
double deltaT(double annee);

// Julian ephemeris day (terrestrial time) of a universal-time Julian day,
// and back, through ΔT.
double jourJulienTT(double jourJulienUT);
double jourJulienUT(double jourJulienTT);

// Julian centuries of terrestrial time since J2000.0.
inline double siecles(double jde)
{
    return (jde - JourJulienJ2000) / 36525.0;
}

// Nutation in longitude and in obliquity and the true obliquity of the
// ecliptic, in degrees, from the short series of the textbooks (within
// 0.5″ and 0.1″; Meeus, Astronomical Algorithms, chapter 22).
struct Nutation
{
    double longitude = 0;
    double obliquite = 0;
    double obliquiteVraie = 0;
};
Nutation nutation(double t);

// Apparent Greenwich sidereal time, in degrees, of a universal-time Julian
// day (chapter 12).
double tempsSideral(double jourJulienUT, const Nutation &n);

struct Ecliptiques
{
    double longitude = 0; // degrees
    double latitude = 0;  // degrees
    double distance = 0;  // km for the Moon, astronomical units for the Sun
};

struct Equatoriales
{
    double ascensionDroite = 0; // degrees
    double declinaison = 0;     // degrees
    double distance = 0;
};

// Chapter 13, with the obliquity in degrees.
Equatoriales versEquatoriales(const Ecliptiques &e, double obliquite);

// The Moon's geometric position referred to the mean equinox of date, from
// the main periodic terms of the lunar theory (chapter 47), and its apparent
// equatorial position (nutation added).
Ecliptiques positionLune(double t);
Equatoriales luneApparente(double t, const Nutation &n);

// A place on the Earth's surface at sea level: latitude and east longitude in
// degrees.
struct Observateur
{
    double latitude = 0;
    double longitude = 0;
};

// The topocentric position of a body at a geocentric distance in km, given
// its local hour angle in degrees (chapter 40); the hour angle returned is
// the topocentric one.
struct Topocentriques
{
    double angleHoraire = 0;
    double declinaison = 0;
};
Topocentriques versTopocentriques(const Equatoriales &geo, double angleHoraire, const Observateur &o);

// Altitude in degrees of a body at a local hour angle and declination.
double hauteur(double angleHoraire, double declinaison, double latitude);

// The instants where a smooth function of time crosses zero, found between
// consecutive sample instants (sorted Julian days) then refined to about a
// second. A crossing pair between two samples goes unseen: the samples must
// include the function's extremes.
struct Passage
{
    double jour = 0;
    bool montant = false;
};

template<typename F>
std::vector<Passage> passages(F &&f, const std::vector<double> &instants)
{
    std::vector<Passage> trouves;
    if (instants.empty())
        return trouves;
    double a = instants.front();
    double fa = f(a);
    for (std::size_t i = 1; i < instants.size(); ++i) {
        const double b = instants[i];
        const double fb = f(b);
        if ((fa < 0) != (fb < 0)) {
            // Regula falsi with the Illinois step: a few evaluations per crossing.
            double x0 = a, x1 = b, f0 = fa, f1 = fb;
            for (int k = 0; k < 30 && x1 - x0 > 1e-6; ++k) {
                const double x = x1 - f1 * (x1 - x0) / (f1 - f0);
                const double fx = f(x);
                if ((fx < 0) == (f0 < 0)) {
                    x0 = x;
                    f0 = fx;
                    f1 /= 2;
                } else {
                    x1 = x;
                    f1 = fx;
                    f0 /= 2;
                }
            }
            trouves.push_back({(x0 + x1) / 2, fa < 0});
        }
        a = b;
        fa = fb;
    }
    return trouves;
}

// Instants every pas days or a little less from debut to fin, both included,
// with the extra instants (within the span) put in order.
std::vector<double> grille(double debut, double fin, double pas, const std::vector<double> &ajouts = {});

} // namespace Dates
