#include "ui/vantelpanel.h"

#include "ui/degrade.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace {
// A panel with a caption reads as that text (a group's title when it holds
// controls); an empty one is a plain pane.
class PanneauAccessible : public QAccessibleWidget
{
public:
    explicit PanneauAccessible(VantelPanel *p)
        : QAccessibleWidget(p, QAccessible::Pane)
    {
    }
    VantelPanel *panneau() const { return static_cast<VantelPanel *>(widget()); }
    QAccessible::Role role() const override
    {
        if (panneau()->caption().isEmpty())
            return QAccessible::Pane;
        return childCount() > 0 ? QAccessible::Grouping : QAccessible::StaticText;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && panneau()->accessibleName().isEmpty())
            return panneau()->caption();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *fabriquePanneau(const QString &classe, QObject *objet)
{
    if (classe == QLatin1String("VantelPanel") && objet && objet->isWidgetType())
        return new PanneauAccessible(static_cast<VantelPanel *>(objet));
    return nullptr;
}

void installeFabriquePanneau()
{
    QAccessible::installFactory(fabriquePanneau);
}
Q_CONSTRUCTOR_FUNCTION(installeFabriquePanneau)
} // namespace

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
    if (QAccessible::isActive()) {
        QAccessibleEvent e(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&e);
    }
    update();
}

void VantelPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRectF r = rect();
    Ui::peintFond(p, r, {m_degrade, m_debut, m_fin, m_sens, m_fond});
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
