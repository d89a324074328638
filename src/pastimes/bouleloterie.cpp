#include "pastimes/bouleloterie.h"

#include "ui/accessible.h"

#include <QPainter>

BouleLoterie::BouleLoterie(const QColor &couleur, QWidget *parent)
    : QWidget(parent),
      m_couleur(couleur)
{
    // A click on a ball is a click on the panel.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Read once, by its name, with the number written on it.
    Ui::exposeAccessible("BouleLoterie", QAccessible::StaticText);
}

void BouleLoterie::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(m_couleur);
    p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}
