#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

namespace Ui {

// The ground of the custom button and panel: a gradient from debut to fin,
// down the rectangle (sens 0) or across it (sens 1), or the flat colour fond.
struct Fond
{
    bool degrade = true;
    QColor debut;
    QColor fin;
    int sens = 0;
    QColor fond;
};

void peintFond(QPainter &p, const QRectF &r, const Fond &f);

} // namespace Ui
