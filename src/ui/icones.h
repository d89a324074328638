#pragma once

#include <QIcon>
#include <QImage>

namespace Ui {

// Pictures drawn at build time (see construction/dessins.cpp).

// resources/icons/<nom>.svg at each size the windows show it (1x and 2x):
// showing it loads no SVG engine.
QIcon iconeDessinee(const QString &nom);
// One picture of the build, by file name: its pixels as they lie in the
// program, with no decoder and no image plugin.
QImage imageDessinee(const QString &fichier);

} // namespace Ui
