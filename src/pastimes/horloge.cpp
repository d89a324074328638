#include "pastimes/horloge.h"

#include <cmath>

namespace Horloge {

namespace {

constexpr int LongueurSeconde = 850;
constexpr int LongueurMinute = 700;
constexpr int LongueurHeure = 500;

Aiguille aiguille(int longueur, int epaisseur, double angle)
{
    return {QPointF(CentreX, CentreY), finAiguille(longueur, angle), longueur, epaisseur, angle};
}

// Rounded to the nearest whole twip, then halved with truncation.
int demi(double mesure)
{
    return static_cast<int>(std::lround(mesure)) / 2;
}

} // namespace

QPointF finAiguille(int longueur, double angle)
{
    return {CentreX + longueur * std::sin(angle), CentreY - longueur * std::cos(angle)};
}

Aiguilles aiguilles(const QTime &heure)
{
    const int h = heure.hour() % 12;
    const int m = heure.minute();
    const int s = heure.second();
    return {
        aiguille(LongueurSeconde, 1, s * 6 * DegreEnRadian),
        aiguille(LongueurMinute, 2, (m + s / 60.0) * 6 * DegreEnRadian),
        aiguille(LongueurHeure, 3, (h + m / 60.0) * 30 * DegreEnRadian),
    };
}

QString texteChiffre(int chiffre)
{
    return QString::number(chiffre);
}

QPointF coinChiffre(int chiffre, double largeur, double hauteur)
{
    const double a = chiffre * 30 * DegreEnRadian;
    return {CentreX + RayonChiffres * std::sin(a) - demi(largeur),
            CentreY - RayonChiffres * std::cos(a) - demi(hauteur)};
}

int msAvantSecondeSuivante(const QTime &t)
{
    return 1000 - t.msec();
}

} // namespace Horloge
