#include "calendar/compteurvertical.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

namespace {
constexpr int DelaiRepetition = 400; // ms before a held arrow repeats
constexpr int PasRepetition = 60;
// The arrows keep the look of plain system buttons, whatever the scheme
// gives the window around them.
const QColor Face(224, 224, 224);
const QColor Clair(255, 255, 255);
const QColor Ombre(128, 128, 128);
const QColor CouleurFleche(0, 0, 0);
const QColor FlecheInactive(160, 160, 160);
} // namespace

CompteurVertical::CompteurVertical(int minimum, int maximum, QWidget *parent)
    : QAbstractSlider(parent)
{
    setOrientation(Qt::Vertical);
    setRange(minimum, maximum);
    setSingleStep(1);
    setPageStep(1);
    setFocusPolicy(Qt::StrongFocus);
}

void CompteurVertical::relieBoite(QWidget *boite)
{
    boite->installEventFilter(this);
}

bool CompteurVertical::eventFilter(QObject *objet, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && isEnabled()) {
        const int touche = static_cast<QKeyEvent *>(event)->key();
        if (touche == Qt::Key_Up || touche == Qt::Key_Down) {
            triggerAction(touche == Qt::Key_Up ? SliderSingleStepAdd : SliderSingleStepSub);
            return true;
        }
    }
    return QAbstractSlider::eventFilter(objet, event);
}

QSize CompteurVertical::sizeHint() const
{
    return QSize(13, 25);
}

void CompteurVertical::dessineFleche(QPainter &p, const QRect &zone, bool haut) const
{
    const bool enfoncee = m_enfoncee == (haut ? Fleche::Haut : Fleche::Bas);
    const QRectF r = QRectF(zone).adjusted(0.5, 0.5, -0.5, -0.5);
    p.fillRect(zone, Face);
    p.setPen(enfoncee ? Ombre : Clair);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(enfoncee ? Clair : Ombre);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());

    // A small solid triangle, a pixel lower and righter while pressed.
    const QPointF c = QRectF(zone).center() + (enfoncee ? QPointF(0.5, 0.5) : QPointF(0, 0));
    const double l = qMin(zone.width(), zone.height()) / 3.5;
    const double s = haut ? -1 : 1;
    const QPolygonF triangle{QPointF(c.x() - l, c.y() - s * l / 2), QPointF(c.x() + l, c.y() - s * l / 2),
                             QPointF(c.x(), c.y() + s * l / 2)};
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(isEnabled() ? CouleurFleche : FlecheInactive);
    p.drawPolygon(triangle);
    p.setRenderHint(QPainter::Antialiasing, false);
}

void CompteurVertical::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int milieu = height() / 2;
    dessineFleche(p, QRect(0, 0, width(), milieu), true);
    dessineFleche(p, QRect(0, milieu, width(), height() - milieu), false);
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        // Round both arrows, in the arrows' own colour on their fixed face.
        p.setPen(QPen(CouleurFleche, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void CompteurVertical::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const bool haut = event->position().y() < height() / 2;
    m_enfoncee = haut ? Fleche::Haut : Fleche::Bas;
    const SliderAction action = haut ? SliderSingleStepAdd : SliderSingleStepSub;
    setRepeatAction(action, DelaiRepetition, PasRepetition);
    triggerAction(action);
    update();
}

void CompteurVertical::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    setRepeatAction(SliderNoAction);
    m_enfoncee = Fleche::Aucune;
    update();
}
