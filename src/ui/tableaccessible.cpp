#include "ui/tableaccessible.h"

namespace Ui {

TableAccessible::TableAccessible(QWidget *w)
    : QAccessibleWidget(w, QAccessible::Table)
{
}

QString TableAccessible::entete(int) const
{
    return {};
}

void *TableAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

QAccessibleInterface *TableAccessible::cellAt(int ligne, int colonne) const
{
    if (ligne < 0 || colonne < 0 || ligne >= nbLignes() || colonne >= nbColonnes())
        return nullptr;
    return cellule(ligne, colonne);
}

QList<QAccessibleInterface *> TableAccessible::selectedCells() const
{
    QList<QAccessibleInterface *> choisies;
    for (int l = 0; l < nbLignes(); ++l)
        for (int c = 0; c < nbColonnes(); ++c)
            if (QAccessibleInterface *i = cellule(l, c); i && i->state().selected)
                choisies << i;
    return choisies;
}

} // namespace Ui
