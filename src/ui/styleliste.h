#pragma once

namespace Ui {

// Makes the program's style the platform's, except that a closed list is
// painted flat in its own background colour, and that the keyboard focus of a
// list or a scroll bar is a frame that shows on any colour. Call once, before any window:
// styling each list afterwards would build its drop-down view at start.
void installeStyleListe();

} // namespace Ui
