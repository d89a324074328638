#pragma once

#include <QString>
#include <array>

// The about box's scrolling sheet: its height, its text lines and where it
// stands after each 50 ms tick.
namespace Defilement {

constexpr int IntervalleMs = 50;
constexpr int NombreLignes = 19;

struct Ligne
{
    QString texte;  // empty for lines 11 to 19: the credits, filled by the window
    int points = 0; // size of the bold "Verdana" font
};

// The 19 lines of the presentation, line 1 first.
const std::array<Ligne, NombreLignes> &lignes();

// Sheet height in pixels: 42 text heights of "8" and two viewports.
int hauteurFeuille(int hauteurHuit, int hauteurViewport);

// A tick places the sheet's top at p and returns the next p: one pixel
// higher, or back to 0 once a little more than half the sheet has passed.
int positionSuivante(int p, int hauteur);

} // namespace Defilement
