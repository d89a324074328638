#include "pastimes/feuilleapropos.h"

#include "ui/texteaccessible.h"

#include <QIcon>
#include <QMouseEvent>
#include <QPainter>

namespace {
QAccessibleInterface *fabriqueFeuille(const QString &classe, QObject *objet)
{
    if (classe != QLatin1String("FeuilleApropos") || !objet || !objet->isWidgetType())
        return nullptr;
    auto *feuille = static_cast<FeuilleApropos *>(objet);
    return new Ui::TexteAccessible(feuille, QAccessible::StaticText, [feuille] { return feuille->texte(); });
}

void installeFabriqueFeuille()
{
    QAccessible::installFactory(fabriqueFeuille);
}
Q_CONSTRUCTOR_FUNCTION(installeFabriqueFeuille)
} // namespace

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
    QStringList textes;
    for (const Ligne &l : lignes) {
        if (!l.texte.trimmed().isEmpty())
            textes << l.texte.trimmed();
        const QFont f = police(l.points);
        const QFontMetrics fm(f, this);
        p.setFont(f);
        p.drawText(0, haut + fm.ascent(), l.texte);
        haut += fm.height();
    }
    m_texte = textes.join(QLatin1Char('\n'));
    setAccessibleName(m_texte);
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
