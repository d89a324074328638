#include "app/demarre2.h"

#include "base/twips.h"
#include "ui/icones.h"
#include "ui/premierepeinture.h"

#include <QPainter>
#include <QTimer>

Demarre2::Demarre2(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("Demarre2"));
    setWindowTitle(QStringLiteral("Démarrage"));
    setFixedSize(Base::px(7065), Base::px(1965));
    // Drawn at build time (tools/dessins): the texts need no font here.
    m_timer1->setInterval(1);
    m_timer1->setSingleShot(true);
    connect(m_timer1, &QTimer::timeout, this, [this] {
        m_echue = true;
        prete();
    });
}

void Demarre2::lanceMinuterie()
{
    m_timer1->start();
    // The window system may take longer than the timer to show the splash:
    // the load waits for its first picture rather than hide it unpainted.
    Ui::apresPremierePeinture(this, [this] {
        m_peinte = true;
        prete();
    });
}

void Demarre2::prete()
{
    if (m_echue && m_peinte && !m_chargee) {
        m_chargee = true;
        emit chargeFenPrin();
    }
}

void Demarre2::paintEvent(QPaintEvent *)
{
    const bool double_ = devicePixelRatioF() > 1;
    if (m_image.isNull() || (m_image.devicePixelRatio() > 1) != double_) {
        m_image = Ui::imageDessinee(double_ ? QStringLiteral("demarrage@2x.argb") : QStringLiteral("demarrage.argb"));
        // Opaque throughout, so the same bytes are a plain RGB picture: copied
        // to the window as they are, with no blending.
        m_image.reinterpretAsFormat(QImage::Format_RGB32);
        m_image.setDevicePixelRatio(double_ ? 2 : 1);
    }
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), m_image);
}
