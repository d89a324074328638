#include "ui/barrereglable.h"

#include <QKeyEvent>
#include <QScrollBar>

BarreReglable::BarreReglable(QScrollBar *barre)
    : QObject(barre)
{
    barre->setFocusPolicy(Qt::StrongFocus);
    barre->installEventFilter(this);
}

void BarreReglable::installe(QScrollBar *barre)
{
    new BarreReglable(barre);
}

bool BarreReglable::eventFilter(QObject *objet, QEvent *event)
{
    auto *barre = qobject_cast<QScrollBar *>(objet);
    if (!barre || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(objet, event);
    const auto *touche = static_cast<QKeyEvent *>(event);
    if ((touche->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return QObject::eventFilter(objet, event);
    QAbstractSlider::SliderAction action = QAbstractSlider::SliderNoAction;
    switch (touche->key()) {
    case Qt::Key_Right:
    case Qt::Key_Up: action = QAbstractSlider::SliderSingleStepAdd; break;
    case Qt::Key_Left:
    case Qt::Key_Down: action = QAbstractSlider::SliderSingleStepSub; break;
    case Qt::Key_PageUp: action = QAbstractSlider::SliderPageStepAdd; break;
    case Qt::Key_PageDown: action = QAbstractSlider::SliderPageStepSub; break;
    case Qt::Key_Home: action = QAbstractSlider::SliderToMinimum; break;
    case Qt::Key_End: action = QAbstractSlider::SliderToMaximum; break;
    default: return QObject::eventFilter(objet, event);
    }
    barre->triggerAction(action);
    return true;
}
