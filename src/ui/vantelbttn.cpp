#include "ui/vantelbttn.h"

#include "base/partage.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>

namespace {
QColor melange(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(float(a.redF() * (1 - t) + b.redF() * t),
                            float(a.greenF() * (1 - t) + b.greenF() * t),
                            float(a.blueF() * (1 - t) + b.blueF() * t));
}
} // namespace

VantelBttn::VantelBttn(const QString &caption, QWidget *parent)
    : QAbstractButton(parent)
{
    setText(caption);
    setAccessibleName(caption);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void VantelBttn::setCaption(const QString &caption)
{
    if (caption == text())
        return;
    setText(caption);
    if (!caption.isEmpty() || m_infoBulle.isEmpty())
        setAccessibleName(caption);
    update();
}

void VantelBttn::setGradientBackColor(bool degrade)
{
    m_degrade = degrade;
    update();
}

void VantelBttn::setGradientColorStart(const QColor &c)
{
    m_debut = c;
    update();
}

void VantelBttn::setGradientColorEnd(const QColor &c)
{
    m_fin = c;
    update();
}

void VantelBttn::setGradientSens(int sens)
{
    m_sens = sens;
    update();
}

void VantelBttn::setForecolor(const QColor &c)
{
    m_texte = c;
    update();
}

void VantelBttn::setHighlightColor(const QColor &c)
{
    m_lumiere = c;
    update();
}

void VantelBttn::setBackcolor(const QColor &c)
{
    m_fond = c;
    update();
}

void VantelBttn::setBackcolorOver(const QColor &c)
{
    m_fondSurvol = c;
    update();
}

void VantelBttn::setPicture(const QIcon &icone)
{
    m_image = icone;
    update();
}

void VantelBttn::setCaptionAGauche(bool gauche)
{
    m_aGauche = gauche;
    update();
}

void VantelBttn::setInfoBulle(const QString &texte)
{
    m_infoBulle = texte;
    if (text().isEmpty())
        setAccessibleName(texte);
    setAccessibleDescription(texte);
}

QSize VantelBttn::sizeHint() const
{
    return QSize(fontMetrics().horizontalAdvance(text()) + 12, fontMetrics().height() + 8);
}

void VantelBttn::rafraichitInfoBulle()
{
    // Read at every movement, so a change of the switch shows at the next one.
    setToolTip(partage().infoBullesActives ? m_infoBulle : QString());
}

void VantelBttn::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRectF r = rect();
    const bool actif = isEnabled();
    const bool enfonce = isDown();
    const bool survol = m_survol && actif;

    if (m_degrade) {
        QLinearGradient g = m_sens == Horizontal ? QLinearGradient(r.topLeft(), r.topRight())
                                                 : QLinearGradient(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, enfonce ? m_fin : m_debut);
        g.setColorAt(1, enfonce ? m_debut : m_fin);
        p.fillRect(r, g);
    } else {
        p.fillRect(r, survol ? m_fondSurvol : m_fond);
    }

    // A thin bevel: light above and at the left, shade below and at the right.
    const QColor clair(255, 255, 255, enfonce ? 40 : 110);
    const QColor ombre(0, 0, 0, enfonce ? 110 : 60);
    p.setPen(enfonce ? ombre : clair);
    p.drawLine(QPointF(0.5, 0.5), QPointF(r.width() - 0.5, 0.5));
    p.drawLine(QPointF(0.5, 0.5), QPointF(0.5, r.height() - 0.5));
    p.setPen(enfonce ? clair : ombre);
    p.drawLine(QPointF(0.5, r.height() - 0.5), QPointF(r.width() - 0.5, r.height() - 0.5));
    p.drawLine(QPointF(r.width() - 0.5, 0.5), QPointF(r.width() - 0.5, r.height() - 0.5));
    if (survol) {
        p.setPen(QPen(m_lumiere, 1));
        p.drawRect(r.adjusted(1.5, 1.5, -1.5, -1.5));
    }
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        QPen pointille(m_lumiere, 1, Qt::DotLine);
        p.setPen(pointille);
        p.drawRect(r.adjusted(2.5, 2.5, -2.5, -2.5));
    }

    const QPointF decalage = enfonce ? QPointF(1, 1) : QPointF(0, 0);
    if (!m_image.isNull()) {
        const int cote = int(qMin(r.width(), r.height()) - 8);
        QRect zone(0, 0, cote, cote);
        zone.moveCenter(rect().center() + decalage.toPoint());
        m_image.paint(&p, zone, Qt::AlignCenter, actif ? QIcon::Normal : QIcon::Disabled);
    }
    if (!text().isEmpty()) {
        QColor couleur = survol ? m_lumiere : m_texte;
        if (!actif) {
            // Dimmed towards the background, yet still readable.
            const QColor fond = m_degrade ? melange(m_debut, m_fin, 0.5) : m_fond;
            couleur = melange(m_texte, fond, 0.55);
        }
        p.setPen(couleur);
        p.setFont(font());
        const int marge = m_aGauche ? 6 : 2;
        p.drawText(r.adjusted(marge, 0, -2, 0).translated(decalage),
                   (m_aGauche ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter | Qt::TextSingleLine,
                   text());
    }
}

void VantelBttn::mousePressEvent(QMouseEvent *event)
{
    emit appuye(event->button());
    QAbstractButton::mousePressEvent(event);
}

void VantelBttn::mouseMoveEvent(QMouseEvent *event)
{
    rafraichitInfoBulle();
    QAbstractButton::mouseMoveEvent(event);
}

void VantelBttn::enterEvent(QEnterEvent *event)
{
    m_survol = true;
    rafraichitInfoBulle();
    update();
    QAbstractButton::enterEvent(event);
}

void VantelBttn::leaveEvent(QEvent *event)
{
    m_survol = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void VantelBttn::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
