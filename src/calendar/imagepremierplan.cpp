#include "calendar/imagepremierplan.h"

#include "base/partage.h"

#include <QMouseEvent>
#include <QPainter>

ImagePremierPlan::ImagePremierPlan(QWidget *parent)
    : QFrame(parent)
{
    setMouseTracking(true);
    setAutoFillBackground(true);
}

void ImagePremierPlan::setDessin(std::function<void(QPainter &)> dessin)
{
    m_dessin = std::move(dessin);
    update();
}

void ImagePremierPlan::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (!m_dessin)
        return;
    QPainter p(this);
    p.setClipRect(contentsRect());
    p.translate(contentsRect().topLeft());
    m_dessin(p);
}

void ImagePremierPlan::mousePressEvent(QMouseEvent *event)
{
    emit appuye(event->button());
}

void ImagePremierPlan::mouseMoveEvent(QMouseEvent *event)
{
    // Read at every movement, like the buttons' tooltips.
    setToolTip(partage().infoBullesActives
                   ? QStringLiteral("Cliquer pour conserver le calendrier au premier plan")
                   : QString());
    QFrame::mouseMoveEvent(event);
}
