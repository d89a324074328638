#include "ui/accessible.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QLabel>
#include <QWidget>

namespace {
class ObjetAccessible : public QAccessibleWidget
{
public:
    ObjetAccessible(QWidget *w, QAccessible::Role role)
        : QAccessibleWidget(w, role)
    {
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
};

QHash<QString, QAccessible::Role> &roles()
{
    static QHash<QString, QAccessible::Role> r;
    return r;
}

QAccessibleInterface *fabrique(const QString &classe, QObject *objet)
{
    const auto role = roles().constFind(classe);
    if (role == roles().cend() || !objet || !objet->isWidgetType())
        return nullptr;
    return new ObjetAccessible(static_cast<QWidget *>(objet), *role);
}
} // namespace

namespace Ui {

void exposeAccessible(const char *classe, QAccessible::Role role)
{
    if (roles().isEmpty())
        QAccessible::installFactory(fabrique);
    roles().insert(QString::fromLatin1(classe), role);
}

void resultatLisible(QLabel *resultat)
{
    resultat->setFocusPolicy(Qt::TabFocus);
    resultat->setStyleSheet(QStringLiteral("QLabel:focus { border: 2px dotted palette(window-text); }"));
}

} // namespace Ui
