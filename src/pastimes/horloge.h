#pragma once

#include <QPointF>
#include <QString>
#include <QTime>

// Geometry of the analog clock's dial, in twips inside the dial: centre
// (1000, 1000), x to the right, y downwards.
namespace Horloge {

constexpr double Pi = 3.14159265358979;
constexpr double DegreEnRadian = Pi / 180;
constexpr int CentreX = 1000;
constexpr int CentreY = 1000;
constexpr int RayonChiffres = 860;

struct Aiguille
{
    QPointF debut;
    QPointF fin;
    int longueur = 0;  // twips
    int epaisseur = 0; // line width in pixels
    double angle = 0;  // radians, clockwise from twelve o'clock
};

struct Aiguilles
{
    Aiguille seconde;
    Aiguille minute;
    Aiguille heure;
};

// End of a hand of the given length at the given angle.
QPointF finAiguille(int longueur, double angle);

// The three hands for a time of day; minute and hour hands move smoothly.
Aiguilles aiguilles(const QTime &heure);

// "1" … "12".
QString texteChiffre(int chiffre);

// Top-left corner at which numeral chiffre is written so that it is centred
// on the radius-860 circle; largeur and hauteur are the text's measured
// size in twips, rounded and halved as whole numbers.
QPointF coinChiffre(int chiffre, double largeur, double hauteur);

// Milliseconds from t to the next wall-clock second (1 to 1000), so that
// the ticks can fall on the second.
int msAvantSecondeSuivante(const QTime &t);

} // namespace Horloge
