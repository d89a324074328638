#include "pastimes/cadranhorloge.h"

#include "base/parametres.h"
#include "base/twips.h"
#include "ui/accessible.h"
#include "ui/vantelbttn.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
QPointF enPixels(const QPointF &twips)
{
    return twips / Base::TwipsParPixel;
}
} // namespace

CadranHorloge::CadranHorloge(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FondHorloge"));
    setMouseTracking(true);
    // Tab reaches it (Space keeps the clock on top); a click leaves the focus alone.
    setFocusPolicy(Qt::TabFocus);
    // Read as the time it shows (its name, set at each tick).
    Ui::exposeAccessible("CadranHorloge", QAccessible::StaticText);
    setAccessibleDescription(QStringLiteral("Horloge analogique"));
    QFont police(QStringLiteral("Comic Sans MS"));
    police.setPointSizeF(8.25);
    police.setBold(true);
    setFont(police);
    placeChiffres();
}

void CadranHorloge::placeChiffres()
{
    const QFontMetrics mesure(font());
    for (int i = 1; i <= 12; ++i) {
        const QString texte = Horloge::texteChiffre(i);
        m_coins[i] =
            Horloge::coinChiffre(i, Base::twips(mesure.horizontalAdvance(texte)), Base::twips(mesure.height()));
    }
}

void CadranHorloge::setAiguilles(const Horloge::Aiguilles &aiguilles)
{
    m_aiguilles = aiguilles;
    update();
}

void CadranHorloge::setCouleurAiguilles(const QColor &couleur)
{
    m_couleurAiguilles = couleur;
    update();
}

void CadranHorloge::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        p.setPen(QPen(palette().color(QPalette::WindowText), 2, Qt::DotLine));
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
    p.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics mesure(font());
    for (int i = 1; i <= 12; ++i) {
        const QString texte = Horloge::texteChiffre(i);
        const QRectF zone(enPixels(m_coins[i]), QSizeF(mesure.horizontalAdvance(texte), mesure.height()));
        p.drawText(zone, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, texte);
    }
    for (const Horloge::Aiguille *a : {&m_aiguilles.seconde, &m_aiguilles.minute, &m_aiguilles.heure}) {
        p.setPen(QPen(m_couleurAiguilles, a->epaisseur, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(enPixels(a->debut), enPixels(a->fin));
    }
}

void CadranHorloge::mousePressEvent(QMouseEvent *event)
{
    emit appuye(event->button());
}

void CadranHorloge::keyPressEvent(QKeyEvent *event)
{
    if (!Ui::appuiDuClavier(event, [this](Qt::MouseButton bouton) { emit appuye(bouton); }))
        QWidget::keyPressEvent(event);
}

void CadranHorloge::mouseMoveEvent(QMouseEvent *event)
{
    setToolTip(Parametres::courant().infoBulles()
                   ? QStringLiteral("Cliquer pour conserver le calendrier au premier plan")
                   : QString());
    QWidget::mouseMoveEvent(event);
}
