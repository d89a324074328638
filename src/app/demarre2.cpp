#include "app/demarre2.h"

#include "base/twips.h"
#include "ui/icones.h"

#include <QPainter>
#include <QTimer>

Demarre2::Demarre2(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("Demarre2"));
    setWindowTitle(QStringLiteral("Démarrage"));
    setFixedSize(Base::px(7065), Base::px(1965));
    // Drawn at build time (dessindemarrage.cpp): the texts need no font here.
    m_timer1->setInterval(1);
    m_timer1->setSingleShot(true);
    connect(m_timer1, &QTimer::timeout, this, &Demarre2::chargeFenPrin);
}

void Demarre2::lanceMinuterie()
{
    m_timer1->start();
}

void Demarre2::paintEvent(QPaintEvent *)
{
    const qreal echelle = devicePixelRatioF();
    const bool double_ = echelle > 1;
    if (m_image.isNull() || (m_image.devicePixelRatio() > 1) != double_) {
        m_image = QPixmap::fromImage(
            Ui::imageDessinee(double_ ? QStringLiteral("demarrage@2x.argb") : QStringLiteral("demarrage.argb")));
        m_image.setDevicePixelRatio(double_ ? 2 : 1);
    }
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), m_image);
}
