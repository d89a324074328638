#pragma once

#include "base/saisie.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace Calendrier {

// The French month and weekday names are in dates/noms.h.

inline constexpr int CalendrierAnneeMin = -1900;
inline constexpr int CalendrierAnneeMax = 9999;

std::optional<Saisie::Bornee> borneAnneeCalendrier(const QString &texte);

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

// The grid is drawn on a 7 × 7 user scale: column c spans c − 1 to c, row r
// spans r to r + 1, row 0 holding the weekday names.
inline constexpr double EchelleGrille = 7.0;
QRectF caseGrille(int colonne, int ligne);
// Where to draw a weekday name or a day number of the given size in grid units.
QPointF positionNomColonne(int colonne, QSizeF texte);
QPointF positionNumero(int colonne, int ligne, QSizeF texte);

} // namespace Calendrier
