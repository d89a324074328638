#pragma once

#include <QDate>
#include <QPoint>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <optional>
#include <vector>

namespace Calendrier {

inline constexpr int MiniCalendAnneeMin = 100;
inline constexpr int MiniCalendAnneeMax = 9999;

struct TaillesCase
{
    int largeur = 0; // twips
    int hauteur = 0;
};

// Cells of the day grid from the picture's inner size and one screen pixel,
// all in twips: 7 columns and 6 rows, leaving one pixel for the border.
TaillesCase taillesCase(QSizeF interieur, QSizeF pixel);

struct CaseMini
{
    int jour = 0;
    int colonne = 0; // 0 = Sunday … 6 = Saturday
    int ligne = 0;   // 0 to 5
    QPoint coin;     // top-left corner of the cell, twips
    bool rouge = false;
};

// The days of the month of courante, Sunday first. Today's number is red only
// while its own month of its own year is shown.
std::vector<CaseMini> casesMiniCalend(const QDate &courante, const QDate &aujourdhui, TaillesCase tailles);

// The middle of a column (0 = Sunday), in twips from the grid's left edge.
double centreColonneMini(int colonne, TaillesCase tailles);

// Where to draw a number of the given size so that it is centred in its cell.
QPointF positionNumeroMini(const CaseMini &c, TaillesCase tailles, QSizeF texte);

// "janvier 2026": the month and year shown above the grid.
QString titreMiniCalend(const QDate &courante);

bool memeMois(const QDate &a, const QDate &b);

// One calendar month back (sens < 0) or forward (sens > 0), the day cut back
// to the end of a shorter month. nullopt past January 100 or December 9999.
std::optional<QDate> pageMois(const QDate &courante, int sens);

} // namespace Calendrier
