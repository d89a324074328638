#include "pastimes/feuilleapropos.h"

#include <QIcon>
#include <QMouseEvent>
#include <QPainter>

FeuilleApropos::FeuilleApropos(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Image2"));
    setCursor(Qt::PointingHandCursor);
}

QFont FeuilleApropos::police(int points)
{
    QFont f(QStringLiteral("Verdana"));
    f.setBold(true);
    f.setPointSize(points);
    return f;
}

void FeuilleApropos::imprime(const QList<Ligne> &lignes, int haut)
{
    const qreal ratio = devicePixelRatioF();
    m_dessin = QPixmap(size() * ratio);
    m_dessin.setDevicePixelRatio(ratio);
    m_dessin.fill(palette().color(QPalette::Window));
    QPainter p(&m_dessin);
    QIcon(QStringLiteral(":/icons/zelund.svg")).paint(&p, QRect(0, 0, 32, 32));
    p.setPen(palette().color(QPalette::WindowText));
    for (const Ligne &l : lignes) {
        const QFont f = police(l.points);
        const QFontMetrics fm(f, this);
        p.setFont(f);
        p.drawText(0, haut + fm.ascent(), l.texte);
        haut += fm.height();
    }
    update();
}

void FeuilleApropos::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_dessin);
}

void FeuilleApropos::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit clique();
    QWidget::mousePressEvent(event);
}
