#include "ui/vantelpanel.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

VantelPanel::VantelPanel(QWidget *parent)
    : QWidget(parent)
{
}

void VantelPanel::setGradientBackColor(bool degrade)
{
    m_degrade = degrade;
    update();
}

void VantelPanel::setGradientColorStart(const QColor &c)
{
    m_debut = c;
    update();
}

void VantelPanel::setGradientColorEnd(const QColor &c)
{
    m_fin = c;
    update();
}

void VantelPanel::setGradientSens(int sens)
{
    m_sens = sens;
    update();
}

void VantelPanel::setForecolor(const QColor &c)
{
    m_texte = c;
    update();
}

void VantelPanel::setBackcolor(const QColor &c)
{
    m_fond = c;
    update();
}

void VantelPanel::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void VantelPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRectF r = rect();
    if (m_degrade) {
        QLinearGradient g = m_sens == 1 ? QLinearGradient(r.topLeft(), r.topRight())
                                        : QLinearGradient(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, m_debut);
        g.setColorAt(1, m_fin);
        p.fillRect(r, g);
    } else {
        p.fillRect(r, m_fond);
    }
    if (!m_caption.isEmpty()) {
        p.setPen(m_texte);
        p.drawText(r.adjusted(4, 2, -4, -2), Qt::AlignHCenter | Qt::AlignTop, m_caption);
    }
}

void VantelPanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clique();
    QWidget::mouseReleaseEvent(event);
}
