#include "ui/texteaccessible.h"

namespace Ui {

TexteAccessible::TexteAccessible(QWidget *w, QAccessible::Role role, std::function<QString()> texte)
    : QAccessibleWidget(w, role),
      m_texte(std::move(texte))
{
}

void *TexteAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

QString TexteAccessible::text(int debut, int fin) const
{
    const QString tout = m_texte();
    if (fin < 0 || fin > tout.size())
        fin = int(tout.size());
    debut = std::clamp(debut, 0, fin);
    return tout.mid(debut, fin - debut);
}

QString TexteAccessible::attributes(int position, int *debut, int *fin) const
{
    *debut = *fin = position;
    return {};
}

} // namespace Ui
