#pragma once

#include <QAccessibleWidget>
#include <functional>

namespace Ui {

// A widget whose text a screen reader reads whole, line by line or word by
// word, though the widget only paints it (the about box's sheet) or holds it
// in a form Qt reads badly (a help page's tables). Read only.
class TexteAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    TexteAccessible(QWidget *w, QAccessible::Role role, std::function<QString()> texte);

    void *interface_cast(QAccessible::InterfaceType t) override;

    void selection(int, int *debut, int *fin) const override { *debut = *fin = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    using QAccessibleWidget::text;
    QString text(int debut, int fin) const override;
    int characterCount() const override { return int(m_texte().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int position, int *debut, int *fin) const override;

private:
    std::function<QString()> m_texte;
};

} // namespace Ui
