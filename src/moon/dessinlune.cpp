#include "moon/dessinlune.h"

#include <cmath>

namespace Lune {

QPointF Repere::versPixels(const QPointF &point) const
{
    return {(point.x() - logique.left()) * pixels.width() / logique.width(),
            (point.y() - logique.top()) * pixels.height() / logique.height()};
}

QLineF Repere::versPixels(const QLineF &ligne) const
{
    return {versPixels(ligne.p1()), versPixels(ligne.p2())};
}

Repere repereCiel(const QSize &pixels)
{
    return {QRectF(QPointF(0.0, 0.0), QPointF(1.0, 1.0)), pixels};
}

Repere repereLune(const QSize &pixels)
{
    return {QRectF(QPointF(-1.5, -1.5), QPointF(1.5, 1.5)), pixels};
}

std::vector<QPointF> etoiles(const std::function<double()> &alea, const QSize &pixels)
{
    const Repere ciel = repereCiel(pixels);
    std::vector<QPointF> points;
    points.reserve(NombreEtoiles);
    for (int i = 0; i < NombreEtoiles; ++i) {
        const double x = alea();
        const double y = alea();
        points.push_back(ciel.versPixels({x, y}));
    }
    return points;
}

std::vector<RangLune> rangsLune(double p, int hauteurPixels)
{
    std::vector<RangLune> rangs;
    // A picture with no height has nothing to show, and a step of 3 / 0 or a
    // negative one would never reach the edge of the disc.
    if (hauteurPixels < 1)
        return rangs;
    const double pas = 3.0 / (hauteurPixels + 1);
    for (double y = 0.0; y <= 1.0; y += pas) {
        const double x = std::sqrt(1.0 - y * y);
        const double w = 2.0 * x;
        RangLune rang{y, x, 0.0, 0.0};
        // The terminator is the half-ellipse x(1 - 4p) while waning, x(3 - 4p)
        // while waxing.
        if (p < 0.5) {
            rang.debutLumiere = -x;
            rang.finLumiere = (w - 2.0 * p * w) - x;
        } else {
            rang.debutLumiere = x;
            rang.finLumiere = (x - 2.0 * p * w) + w;
        }
        rangs.push_back(rang);
    }
    return rangs;
}

std::vector<Trait> traitsLune(double p, const QSize &pixels)
{
    const Repere lune = repereLune(pixels);
    std::vector<Trait> traits;
    for (const RangLune &r : rangsLune(p, pixels.height())) {
        const double x = r.demiLargeur;
        traits.push_back({lune.versPixels(QLineF(-x, r.y, x, r.y)), false});
        traits.push_back({lune.versPixels(QLineF(-x, -r.y, x, -r.y)), false});
        traits.push_back({lune.versPixels(QLineF(r.debutLumiere, r.y, r.finLumiere, r.y)), true});
        traits.push_back({lune.versPixels(QLineF(r.debutLumiere, -r.y, r.finLumiere, -r.y)), true});
    }
    return traits;
}

} // namespace Lune
