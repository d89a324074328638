#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

// Where Tab goes in the main window: round the menu panel's entries while it
// is open, never to a control the toolbox hides; and, when the menu closes
// with the keyboard in it, back to the button that opens it.
class ParcoursTab : public QObject
{
    Q_OBJECT
public:
    ParcoursTab(QWidget *fenetre, QWidget *menu, QWidget *boutonMenu, std::function<QWidget *()> boiteOutils);

    // Moves the focus to the next (or previous) control Tab may reach; false
    // when there is none.
    bool avance(bool suivant);
    // Whether Tab may stop on w now.
    bool atteignable(const QWidget *w) const;

protected:
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    QWidget *m_fenetre;
    QWidget *m_menu;
    QWidget *m_boutonMenu;
    std::function<QWidget *()> m_boiteOutils;
};
