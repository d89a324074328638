#pragma once

#include <QObject>

class QScrollBar;

// A horizontal scroll bar that sets a value, from the keyboard as a slider
// is set: a Tab stop where Right and Up add one, Left and Down take one away,
// Page Up and Page Down a large step, Home and End go to its ends. (A bare
// scroll bar turns Left and Right the other way round, as if it scrolled a page.)
class BarreReglable : public QObject
{
    Q_OBJECT
public:
    static void installe(QScrollBar *barre);

protected:
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    explicit BarreReglable(QScrollBar *barre);
};
