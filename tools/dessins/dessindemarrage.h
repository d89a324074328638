#pragma once

#include <QImage>

namespace Dessins {

// The splash as designed: black to blue, its three texts, the line and the
// frame, in light grey. Its look never depends on the user's colours, so the
// build draws it once (at 1x and 2x) and the program shows the picture: no
// font is loaded before the main window.
QImage dessineDemarrage(qreal echelle);

} // namespace Dessins
