#include "calendar/imagepremierplan.h"

#include "base/partage.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

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

void ImagePremierPlan::setInfoBullePoint(std::function<QString(QPoint)> texte)
{
    m_infoBullePoint = std::move(texte);
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
    QString texte;
    if (partage().infoBullesActives) {
        texte = QStringLiteral("Cliquer pour conserver le calendrier au premier plan");
        const QString point = m_infoBullePoint
                                  ? m_infoBullePoint(event->position().toPoint() - contentsRect().topLeft())
                                  : QString();
        if (!point.isEmpty())
            texte = point + QLatin1Char('\n') + texte;
    }
    if (texte != toolTip()) {
        setToolTip(texte);
        // A tip already shown follows the pointer from one day to the next.
        if (QToolTip::isVisible())
            QToolTip::showText(event->globalPosition().toPoint(), texte, this);
    }
    QFrame::mouseMoveEvent(event);
}
