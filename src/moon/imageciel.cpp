#include "moon/imageciel.h"

#include "base/alea.h"
#include "base/parametres.h"
#include "moon/dessinlune.h"
#include "ui/couleurqt.h"

#include <QPainter>

ImageCiel::ImageCiel(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The configuration dialog's colours show at once.
    connect(&Parametres::courant(), &Parametres::changee, this, [this](Parametres::Cle cle) {
        const Parametres &p = Parametres::courant();
        if (cle == Parametres::Cle::Ciel || cle == Parametres::Cle::Etoiles)
            setCouleurs(Ui::couleurRgb(p.ciel()), Ui::couleurRgb(p.etoiles()));
    });
}

void ImageCiel::setCouleurs(const QColor &ciel, const QColor &etoiles)
{
    m_ciel = ciel;
    m_etoiles = etoiles;
    update();
}

void ImageCiel::peintCiel(QPainter &p)
{
    p.fillRect(rect(), m_ciel);
    p.setPen(m_etoiles);
    for (const QPointF &e : Lune::etoiles(&Alea::suivant, size()))
        p.drawPoint(int(e.x()), int(e.y())); // floor: a star never falls outside
}

void ImageCiel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    peintCiel(p);
}
