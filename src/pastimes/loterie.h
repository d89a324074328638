#pragma once

#include <QDateTime>
#include <QRect>
#include <QString>
#include <QTime>
#include <array>
#include <span>

class Ramdom;

// The lottery's computations: the seed, the numbers of the spinning balls,
// the draw button, the balls' places and colours.
namespace Loterie {

constexpr int MaxBoules = 7;
constexpr int BoulesDefaut = 7;
constexpr int PartantsDefaut = 49;

using Numeros = std::array<int, MaxBoules>;   // number shown on each ball
using Arretees = std::array<bool, MaxBoules>; // true: the ball is stopped

// Seconds since midnight as the single-precision clock value, fraction included.
float secondesDepuisMinuit(const QTime &heure);
// The seconds as written in the seed: up to 7 significant digits, a point,
// no trailing zeros, no exponent.
QString texteSecondes(float secondes);
// Month-day-year, then hours:minutes:seconds, then a space and the seconds
// since midnight: "12-04-200121:05:07 75907.53".
QString texteGraine(const QDateTime &maintenant, float secondes);
QString texteGraine(const QDateTime &maintenant);

// A number from 1 to nbPartants that none of the lower balls shows.
int tireNumero(Ramdom &generateur, int nbPartants, std::span<const int> inferieurs);

// One timer tick: every ball 1 to nbBoules that is not stopped takes a new
// number, in increasing order.
void tourne(Ramdom &generateur, Numeros &numeros, const Arretees &arretees, int nbBoules, int nbPartants);

enum class Legende { PremiereBoule, BouleSuivante, Recommencer };
QString texteLegende(Legende legende);

// A press of the draw button: stops the first spinning ball, or sets all
// balls spinning again when every one is stopped. Returns the new caption.
Legende lanceBoule(Arretees &arretees, int nbBoules);

// What the lottery keeps from one opening of its window to the next: which
// balls are stopped, and the numbers they stopped on, so that a reopened
// window shows the draw it was closed on rather than seven equal balls.
struct Tirage
{
    Numeros numeros{1, 1, 1, 1, 1, 1, 1};
    Arretees arretees{};
};
Tirage &tirage();

// Places inside the panel, in twips, for ball k from 1 to 7.
QRect placeBoule(int k);
QRect placeEtiquette(int k);
// Fill colour of ball k, as &HBBGGRR (red in the low byte).
quint32 couleurBoule(int k);

} // namespace Loterie
