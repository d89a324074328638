#include "ui/degrade.h"

#include <QLinearGradient>
#include <QPainter>

namespace Ui {

void peintFond(QPainter &p, const QRectF &r, const Fond &f)
{
    if (!f.degrade) {
        p.fillRect(r, f.fond);
        return;
    }
    QLinearGradient g =
        f.sens == 1 ? QLinearGradient(r.topLeft(), r.topRight()) : QLinearGradient(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, f.debut);
    g.setColorAt(1, f.fin);
    p.fillRect(r, g);
}

} // namespace Ui
