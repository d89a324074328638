#pragma once

#include <QAccessible>

namespace Ui {

// Widgets of the class named classe are read on the accessibility bus with
// role, by the name and description set on them, as one object: the widgets
// drawn inside them (a ball's number) are not read a second time.
void exposeAccessible(const char *classe, QAccessible::Role role);

} // namespace Ui
