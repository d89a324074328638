#include "moon/imagelune.h"

#include "base/parametres.h"
#include "moon/dessinlune.h"
#include "ui/accessible.h"

#include <QPainter>

ImageLune::ImageLune(QWidget *parent)
    : ImageCiel(parent)
{
    setMouseTracking(true);
    // A picture named by the phase's caption, described by its tooltip.
    Ui::exposeAccessible("ImageLune", QAccessible::Graphic);
    setAccessibleName(QStringLiteral("Lune"));
}

void ImageLune::setInfoBulle(const QString &texte)
{
    m_infoBulle = texte;
    setAccessibleDescription(texte);
    if (underMouse())
        rafraichitInfoBulle();
}

void ImageLune::rafraichitInfoBulle()
{
    // Read at every movement, like the buttons' tooltips.
    setToolTip(Parametres::courant().infoBulles() ? m_infoBulle : QString());
}

void ImageLune::enterEvent(QEnterEvent *event)
{
    rafraichitInfoBulle();
    ImageCiel::enterEvent(event);
}

void ImageLune::mouseMoveEvent(QMouseEvent *event)
{
    rafraichitInfoBulle();
    ImageCiel::mouseMoveEvent(event);
}

void ImageLune::setFraction(double fraction)
{
    m_fraction = fraction;
    update();
}

void ImageLune::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    peintCiel(p);
    const QPen ciel(m_ciel, 1);
    const QPen lumiere(m_etoiles, 1);
    for (const Lune::Trait &t : Lune::traitsLune(m_fraction, size())) {
        p.setPen(t.eclaire ? lumiere : ciel);
        p.drawLine(t.ligne);
    }
}
