#include "ui/vantelbttn.h"

#include "base/parametres.h"
#include "ui/degrade.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QPainter>
#include <QPointer>

namespace {
// What a screen reader is told of a button: its name, what it does, and the
// same two presses as the mouse's left and right buttons; in a grid, its cell.
class BoutonAccessible : public QAccessibleWidget, public QAccessibleTableCellInterface
{
public:
    explicit BoutonAccessible(VantelBttn *b)
        : QAccessibleWidget(b, QAccessible::Button)
    {
    }

    VantelBttn *bouton() const { return static_cast<VantelBttn *>(widget()); }

    QAccessible::Role role() const override
    {
        switch (bouton()->nature()) {
        case VantelBttn::Nature::Decor: return QAccessible::Separator;
        case VantelBttn::Nature::Texte: return QAccessible::StaticText;
        case VantelBttn::Nature::Bouton: break;
        }
        return bouton()->cellule() ? QAccessible::Cell : QAccessible::Button;
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableCellInterface && bouton()->cellule())
            return static_cast<QAccessibleTableCellInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    bool isSelected() const override
    {
        const auto &c = bouton()->cellule();
        return c && c->choisie && c->choisie();
    }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return bouton()->cellule() ? bouton()->cellule()->colonne : -1; }
    int rowIndex() const override { return bouton()->cellule() ? bouton()->cellule()->ligne : -1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

    QString text(QAccessible::Text t) const override
    {
        if (bouton()->nature() == VantelBttn::Nature::Decor)
            return QString();
        if (t == QAccessible::Name)
            return bouton()->nomAccessible();
        if (t == QAccessible::Description) {
            if (!bouton()->accessibleDescription().isEmpty())
                return bouton()->accessibleDescription();
            return bouton()->infoBulle() == bouton()->nomAccessible() ? QString() : bouton()->infoBulle();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = bouton()->isDown();
        if (const auto coche = bouton()->coche()) {
            s.checkable = true;
            s.checked = *coche;
        }
        if (bouton()->cellule()) {
            s.selectable = true;
            s.selected = isSelected();
        }
        return s;
    }

    QStringList actionNames() const override
    {
        if (bouton()->nature() != VantelBttn::Nature::Bouton || !bouton()->isEnabled())
            return QAccessibleWidget::actionNames();
        QStringList noms{pressAction()};
        if (bouton()->aActionDroite())
            noms << showMenuAction();
        return noms + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (!bouton()->isEnabled() || bouton()->nature() != VantelBttn::Nature::Bouton)
            return;
        Qt::MouseButton b = Qt::NoButton;
        if (action == pressAction())
            b = Qt::LeftButton;
        else if (action == showMenuAction() && bouton()->aActionDroite())
            b = Qt::RightButton;
        if (b == Qt::NoButton) {
            QAccessibleWidget::doAction(action);
            return;
        }
        // Queued, as Qt's own buttons do: a press that opens a modal box
        // would otherwise hold the screen reader until the box closes.
        VantelBttn *cible = bouton();
        QMetaObject::invokeMethod(
            cible, [cible, b] { cible->actionne(b); }, Qt::QueuedConnection);
    }

    QStringList keyBindingsForAction(const QString &action) const override
    {
        if (action == pressAction())
            return {QStringLiteral("Space"), QStringLiteral("Return")};
        if (action == showMenuAction())
            return {QStringLiteral("Menu"), QStringLiteral("Shift+F10")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }
};

QAccessibleInterface *fabriqueAccessible(const QString &classe, QObject *objet)
{
    if (classe == QLatin1String("VantelBttn") && objet && objet->isWidgetType())
        return new BoutonAccessible(static_cast<VantelBttn *>(objet));
    return nullptr;
}

void installeFabrique()
{
    QAccessible::installFactory(fabriqueAccessible);
}
Q_CONSTRUCTOR_FUNCTION(installeFabrique)

QColor melange(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(float(a.redF() * (1 - t) + b.redF() * t), float(a.greenF() * (1 - t) + b.greenF() * t),
                            float(a.blueF() * (1 - t) + b.blueF() * t));
}
} // namespace

VantelBttn::VantelBttn(const QString &caption, QWidget *parent)
    : QAbstractButton(parent)
{
    setText(caption);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void VantelBttn::setCaption(const QString &caption)
{
    if (caption == text())
        return;
    setText(caption);
    annonceNom();
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
    // A button without caption is named by its tooltip; one with a caption
    // has its tooltip read as the description (the day's week, the true Moon).
    setAccessibleDescription(text().isEmpty() ? QString() : texte);
}

QString VantelBttn::nomAccessible() const
{
    if (m_nomCalcule)
        return m_nomCalcule();
    if (!accessibleName().isEmpty())
        return accessibleName();
    if (!text().isEmpty())
        return text();
    return m_infoBulle.isEmpty() ? m_nomParDefaut : m_infoBulle;
}

void VantelBttn::annonceNom()
{
    if (QAccessible::isActive()) {
        QAccessibleEvent e(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&e);
    }
}

std::optional<bool> VantelBttn::coche() const
{
    return m_coche ? std::optional<bool>(m_coche()) : std::nullopt;
}

void VantelBttn::annonceCoche()
{
    if (!QAccessible::isActive())
        return;
    QAccessible::State change;
    change.checked = true;
    QAccessibleStateChangeEvent e(this, change);
    QAccessible::updateAccessibility(&e);
}

void VantelBttn::annonceChoix()
{
    if (!QAccessible::isActive())
        return;
    QAccessible::State change;
    change.selected = true;
    QAccessibleStateChangeEvent e(this, change);
    QAccessible::updateAccessibility(&e);
}

void VantelBttn::actionne(Qt::MouseButton bouton)
{
    QPointer<VantelBttn> garde(this);
    emit appuye(bouton);
    if (garde && bouton == Qt::LeftButton && isEnabled())
        click();
}

bool VantelBttn::aActionDroite() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&VantelBttn::appuye));
}

QSize VantelBttn::sizeHint() const
{
    return QSize(fontMetrics().horizontalAdvance(text()) + 12, fontMetrics().height() + 8);
}

void VantelBttn::rafraichitInfoBulle()
{
    // Read at every movement, so a change of the switch shows at the next one.
    setToolTip(Parametres::courant().infoBulles() ? m_infoBulle : QString());
}

void VantelBttn::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRectF r = rect();
    const bool actif = isEnabled();
    const bool enfonce = isDown();
    const bool survol = m_survol && actif;

    // Pressed, the gradient turns round.
    Ui::peintFond(
        p, r,
        {m_degrade, enfonce ? m_fin : m_debut, enfonce ? m_debut : m_fin, m_sens, survol ? m_fondSurvol : m_fond});

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
        // The highlight colour as a frame, lined with the caption's colour,
        // which every scheme keeps readable on the button.
        p.setPen(QPen(m_lumiere, 2));
        p.drawRect(r.adjusted(2, 2, -2, -2));
        p.setPen(QPen(m_texte, 1, Qt::DotLine));
        p.drawRect(r.adjusted(3.5, 3.5, -3.5, -3.5));
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
                   (m_aGauche ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter | Qt::TextSingleLine, text());
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

namespace Ui {

std::optional<Qt::MouseButton> boutonDuClavier(const QKeyEvent *touche)
{
    const int k = touche->key();
    const auto modificateurs = touche->modifiers() & ~Qt::KeypadModifier;
    if ((k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter) && modificateurs == Qt::NoModifier)
        return Qt::LeftButton;
    if ((k == Qt::Key_Menu && modificateurs == Qt::NoModifier)
        || (k == Qt::Key_F10 && modificateurs == Qt::ShiftModifier))
        return Qt::RightButton;
    return std::nullopt;
}

bool appuiDuClavier(QKeyEvent *touche, const std::function<void(Qt::MouseButton)> &appuie)
{
    const auto bouton = boutonDuClavier(touche);
    if (!bouton)
        return false;
    if (!touche->isAutoRepeat())
        appuie(*bouton);
    touche->accept();
    return true;
}

} // namespace Ui

bool VantelBttn::event(QEvent *event)
{
    // Return and Space press the focused button, before any shortcut of the
    // window (a dialog's Return for OK) takes them.
    if (event->type() == QEvent::ShortcutOverride && m_nature == Nature::Bouton
        && Ui::boutonDuClavier(static_cast<QKeyEvent *>(event)) == Qt::LeftButton) {
        event->accept();
        return true;
    }
    return QAbstractButton::event(event);
}

void VantelBttn::keyPressEvent(QKeyEvent *event)
{
    const auto bouton = Ui::boutonDuClavier(event);
    if (!bouton || (*bouton == Qt::RightButton && !aActionDroite())) {
        QAbstractButton::keyPressEvent(event);
        return;
    }
    // What that button's press does (and the left one's click). The user is
    // on the keyboard: the focus frame shows here and in what the press opens.
    window()->setAttribute(Qt::WA_KeyboardFocusChange);
    if (!event->isAutoRepeat())
        actionne(*bouton);
    event->accept();
}

void VantelBttn::keyReleaseEvent(QKeyEvent *event)
{
    // The press already acted: Space's release must not click again.
    if (event->key() == Qt::Key_Space) {
        event->accept();
        return;
    }
    QAbstractButton::keyReleaseEvent(event);
}
