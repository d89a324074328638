#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <functional>
#include <vector>

namespace Lune {

// A picture's logical window stretched over its pixels: the window's
// top-left corner is pixel (0, 0), its bottom-right corner pixel (w, h).
struct Repere
{
    QRectF logique;
    QSize pixels;

    QPointF versPixels(const QPointF &point) const;
    QLineF versPixels(const QLineF &ligne) const;
};

// The sky, and the stars of both pictures: (0, 0)-(1, 1).
Repere repereCiel(const QSize &pixels);
// The Moon picture: (-1.5, -1.5)-(1.5, 1.5), the Moon being the unit circle.
Repere repereLune(const QSize &pixels);

constexpr int NombreEtoiles = 50;

// Star positions in pixels, x drawn before y from alea, which returns
// numbers in [0, 1). New places at every painting.
std::vector<QPointF> etoiles(const std::function<double()> &alea, const QSize &pixels);

// One row of the Moon disc, in the Moon's logical coordinates; the row is
// drawn at height y and again at -y.
struct RangLune
{
    double y = 0.0;
    double demiLargeur = 0.0;  // the disc runs from -demiLargeur to demiLargeur
    double debutLumiere = 0.0; // the lit part runs from debut to fin, possibly
    double finLumiere = 0.0;   // right to left
};

// Rows from the centre (y = 0) outwards, one pixel row apart, for the phase
// fraction p of a picture hauteurPixels high. Empty for an empty picture.
std::vector<RangLune> rangsLune(double p, int hauteurPixels);

struct Trait
{
    QLineF ligne;         // in pixels
    bool eclaire = false; // star colour when lit, sky colour otherwise
};

// Every line of the Moon in pixels, in drawing order: for each row the disc
// in the sky colour (hiding the stars behind it), then the lit part.
std::vector<Trait> traitsLune(double p, const QSize &pixels);

} // namespace Lune
