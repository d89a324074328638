#include "main/parcourstab.h"

#include <QEvent>
#include <QWidget>

ParcoursTab::ParcoursTab(QWidget *fenetre, QWidget *menu, QWidget *boutonMenu, std::function<QWidget *()> boiteOutils)
    : QObject(fenetre),
      m_fenetre(fenetre),
      m_menu(menu),
      m_boutonMenu(boutonMenu),
      m_boiteOutils(std::move(boiteOutils))
{
    menu->installEventFilter(this);
}

bool ParcoursTab::atteignable(const QWidget *w) const
{
    if (!w || w->window() != m_fenetre || !(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || !w->isVisible()
        || w->focusProxy())
        return false;
    if (m_menu->isVisible())
        return m_menu->isAncestorOf(w);
    // The toolbox lies over the main window: what it covers whole is out of sight.
    const QWidget *boite = m_boiteOutils ? m_boiteOutils() : nullptr;
    if (boite && boite->isVisible() && !boite->isMinimized())
        return !boite->frameGeometry().contains(QRect(w->mapToGlobal(QPoint(0, 0)), w->size()));
    return true;
}

bool ParcoursTab::avance(bool suivant)
{
    QWidget *depart = m_fenetre->focusWidget() ? m_fenetre->focusWidget() : m_fenetre;
    QWidget *w = depart;
    do {
        w = suivant ? w->nextInFocusChain() : w->previousInFocusChain();
        if (atteignable(w)) {
            w->setFocus(suivant ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    } while (w && w != depart);
    return false;
}

bool ParcoursTab::eventFilter(QObject *objet, QEvent *event)
{
    // Sent before the focus leaves the closing menu: it goes to the menu
    // button, not to the control that follows the menu in the Tab order.
    if (event->type() == QEvent::Hide && objet == m_menu && m_menu->isAncestorOf(m_fenetre->focusWidget()))
        m_boutonMenu->setFocus(Qt::OtherFocusReason);
    return QObject::eventFilter(objet, event);
}
