#include "ui/etiquettepressable.h"

#include <QAccessibleWidget>
#include <QPointer>

namespace {
class EtiquetteAccessible : public QAccessibleWidget
{
public:
    explicit EtiquetteAccessible(EtiquettePressable *e)
        : QAccessibleWidget(e, QAccessible::Button)
    {
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &nom) override
    {
        if (nom != pressAction())
            return;
        // The caller gets its answer before the action runs.
        QPointer<EtiquettePressable> e = static_cast<EtiquettePressable *>(widget());
        QMetaObject::invokeMethod(
            e, [e] { e->appuie(); }, Qt::QueuedConnection);
    }
};

QAccessibleInterface *fabrique(const QString &classe, QObject *objet)
{
    if (classe == QLatin1String("EtiquettePressable") && objet && objet->isWidgetType())
        return new EtiquetteAccessible(static_cast<EtiquettePressable *>(objet));
    return nullptr;
}

void installeFabrique()
{
    QAccessible::installFactory(fabrique);
}
Q_CONSTRUCTOR_FUNCTION(installeFabrique)
} // namespace

EtiquettePressable::EtiquettePressable(const QString &texte, QWidget *parent, std::function<void()> appui)
    : QLabel(texte, parent),
      m_appui(std::move(appui))
{
}
