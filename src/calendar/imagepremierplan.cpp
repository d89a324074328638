#include "calendar/imagepremierplan.h"

#include "base/parametres.h"
#include "ui/tableaccessible.h"
#include "ui/vantelbttn.h"
#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QToolTip>

namespace {
// One day of the grid, as a screen reader reads it: a cell of the table.
class CaseAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    CaseAccessible(ImagePremierPlan *image, int indice)
        : m_image(image),
          m_indice(indice)
    {
    }
    bool isValid() const override { return m_image && m_indice < int(m_image->cases().size()); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_image ? m_image->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_image); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        const auto &c = laCase();
        return t == QAccessible::Name ? c.nom : t == QAccessible::Description ? c.description : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect zone = laCase().zone;
        return QRect(m_image->mapToGlobal(zone.topLeft()), zone.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !isValid() || !m_image->isVisible();
        s.readOnly = true;
        return s;
    }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface *>(this) : nullptr;
    }
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return isValid() ? laCase().colonne : -1; }
    int rowIndex() const override { return isValid() ? laCase().ligne : -1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

private:
    ImagePremierPlan::CaseNommee laCase() const { return m_image->cases()[std::size_t(m_indice)]; }

    QPointer<ImagePremierPlan> m_image;
    int m_indice;
};

// The surface: a picture, or a table of named days when it shows a month.
class ImageAccessible : public Ui::TableAccessible
{
public:
    explicit ImageAccessible(ImagePremierPlan *image)
        : TableAccessible(image)
    {
    }
    ~ImageAccessible() override
    {
        for (QAccessible::Id id : m_cases)
            QAccessible::deleteAccessibleInterface(id);
    }
    ImagePremierPlan *image() const { return static_cast<ImagePremierPlan *>(widget()); }
    QAccessible::Role role() const override
    {
        return image()->cases().empty() ? QAccessible::Graphic : QAccessible::Table;
    }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface && image()->cases().empty())
            return nullptr;
        return TableAccessible::interface_cast(t);
    }
    int nbColonnes() const override { return image()->cases().empty() ? 0 : 7; }
    int nbLignes() const override
    {
        int lignes = 0;
        for (const auto &c : image()->cases())
            lignes = std::max(lignes, c.ligne + 1);
        return lignes;
    }
    QAccessibleInterface *cellule(int ligne, int colonne) const override
    {
        const auto cases = image()->cases();
        for (std::size_t i = 0; i < cases.size(); ++i)
            if (cases[i].ligne == ligne && cases[i].colonne == colonne)
                return child(int(i));
        return nullptr;
    }
    QString entete(int colonne) const override { return image()->entetes().value(colonne); }
    int childCount() const override { return int(image()->cases().size()); }
    QAccessibleInterface *child(int indice) const override
    {
        if (indice < 0 || indice >= childCount())
            return nullptr;
        while (int(m_cases.size()) <= indice)
            m_cases.push_back(
                QAccessible::registerAccessibleInterface(new CaseAccessible(image(), int(m_cases.size()))));
        return QAccessible::accessibleInterface(m_cases[std::size_t(indice)]);
    }
    int indexOfChild(const QAccessibleInterface *enfant) const override
    {
        for (std::size_t i = 0; i < m_cases.size(); ++i)
            if (QAccessible::accessibleInterface(m_cases[i]) == enfant)
                return int(i);
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint point = image()->mapFromGlobal(QPoint(x, y));
        const auto cases = image()->cases();
        for (std::size_t i = 0; i < cases.size(); ++i)
            if (cases[i].zone.contains(point))
                return child(int(i));
        return nullptr;
    }
    QStringList actionNames() const override
    {
        return QStringList{pressAction(), showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override
    {
        // The same as the mouse: on top, or released; queued, so that the
        // screen reader gets its answer at once.
        const Qt::MouseButton bouton = action == pressAction()      ? Qt::LeftButton
                                       : action == showMenuAction() ? Qt::RightButton
                                                                    : Qt::NoButton;
        if (bouton == Qt::NoButton) {
            QAccessibleWidget::doAction(action);
            return;
        }
        ImagePremierPlan *cible = image();
        QMetaObject::invokeMethod(
            cible, [cible, bouton] { emit cible->appuye(bouton); }, Qt::QueuedConnection);
    }

private:
    mutable std::vector<QAccessible::Id> m_cases;
};

QAccessibleInterface *fabriqueImage(const QString &classe, QObject *objet)
{
    if (classe == QLatin1String("ImagePremierPlan") && objet && objet->isWidgetType())
        return new ImageAccessible(static_cast<ImagePremierPlan *>(objet));
    return nullptr;
}

void installeFabriqueImage()
{
    QAccessible::installFactory(fabriqueImage);
}
Q_CONSTRUCTOR_FUNCTION(installeFabriqueImage)
} // namespace

ImagePremierPlan::ImagePremierPlan(QWidget *parent)
    : QFrame(parent)
{
    setMouseTracking(true);
    setAutoFillBackground(true);
    // Tab reaches it; a click still leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
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
    p.resetTransform();
    p.setClipping(false);
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        p.setPen(QPen(palette().color(QPalette::WindowText), 2, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void ImagePremierPlan::mousePressEvent(QMouseEvent *event)
{
    emit appuye(event->button());
}

void ImagePremierPlan::mouseMoveEvent(QMouseEvent *event)
{
    // Read at every movement, like the buttons' tooltips.
    QString texte;
    if (Parametres::courant().infoBulles()) {
        texte = QStringLiteral("Cliquer pour conserver le calendrier au premier plan");
        const QString point =
            m_infoBullePoint ? m_infoBullePoint(event->position().toPoint() - contentsRect().topLeft()) : QString();
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

void ImagePremierPlan::keyPressEvent(QKeyEvent *event)
{
    if (!Ui::appuiDuClavier(event, [this](Qt::MouseButton bouton) { emit appuye(bouton); }))
        QFrame::keyPressEvent(event);
}
