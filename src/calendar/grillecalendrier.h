#pragma once

#include "dates/calendrier.h"
#include "dates/texte.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// Day and year boxes of the calendar tools: what a typed text means, and the
// clamping of each box to its range.
namespace Saisie {

// The text read as a number: blanks around, an optional sign, digits with an
// optional ',' or '.' decimal part. nullopt for an empty text, letters or a
// lone sign.
std::optional<double> lisNombre(const QString &texte);

// Nearest whole number, a half going to the even neighbour (2.5 -> 2).
int arrondiPair(double x);

struct Bornee
{
    // Text to put back in the box when the number lay outside its range.
    std::optional<QString> remplacement;
    // The number as the spin control takes it, inside the range.
    int valeur = 0;
};
std::optional<Bornee> borne(const QString &texte, int min, int max);

// What a spin control writes back into its box: a blank, then the digits.
QString texteCompteur(int valeur);

} // namespace Saisie

// The French month and weekday names (textesListeMois, nomMois, nomJour)
// come from dates/calendrier.h and dates/texte.h.

inline constexpr int CalendrierAnneeMin = -1900;
inline constexpr int CalendrierAnneeMax = 9999;

std::optional<Saisie::Bornee> borneAnneeCalendrier(const QString &texte);

// Astronomical years (year 0 is 1 BC) in the proleptic Gregorian calendar.
// Julian Day Number of a date at noon.
qint64 jourJulien(int jour, int mois, int annee);
// Column of a date in a Monday-first week: 1 = Monday … 7 = Sunday.
int colonneLundi(int jour, int mois, int annee);

struct CaseCalendrier
{
    int jour = 0;
    int colonne = 0; // 1 = Monday … 7 = Sunday
    int ligne = 0;   // week row, 1 to 6 (row 0 holds the weekday names)
    bool rouge = false;
};

struct MoisCalendrier
{
    int longueur = 0;
    int colonnePremier = 0;
    std::vector<CaseCalendrier> jours;
};

// One month of the perpetual calendar; the day whose number equals today's
// day of the month is red, whatever the month shown.
MoisCalendrier grilleMois(int mois, int annee, int jourAujourdhui);

// "LUN." … "DIM.", column 1 to 7.
QString nomColonne(int colonne);

// The grid is drawn on a 7 × 7 user scale: column c spans c − 1 to c, row r
// spans r to r + 1, row 0 holding the weekday names.
inline constexpr double EchelleGrille = 7.0;
QRectF caseGrille(int colonne, int ligne);
// Where to draw a weekday name or a day number of the given size in grid units.
QPointF positionNomColonne(int colonne, QSizeF texte);
QPointF positionNumero(int colonne, int ligne, QSizeF texte);
