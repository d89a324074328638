#pragma once

#include <QAccessible>

class QLabel;

namespace Ui {

// Widgets of the class named classe are read on the accessibility bus with
// role, by the name and description set on them, as one object: the widgets
// drawn inside them (a ball's number) are not read a second time.
void exposeAccessible(const char *classe, QAccessible::Role role);

// A text the program writes as a result (a count, dates, a tip): a Tab stop,
// so that a screen reader reaches it and hears it change while there (a
// label tells each new text as a name change), framed while it has the focus.
void resultatLisible(QLabel *resultat);

} // namespace Ui
