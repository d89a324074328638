#pragma once

#include <QIcon>
#include <QImage>

namespace Ui {

// Pictures drawn at build time (see construction/dessins.cpp).

// resources/icons/<nom>.svg at each size the windows show it (1x and 2x):
// showing it loads no SVG engine.
QIcon iconeDessinee(const QString &nom);
// The pictures of one file of the build, smallest first: their pixels as they
// lie in the program, with no decoder and no image plugin. Empty if the file
// is missing or damaged.
QList<QImage> imagesDessinees(const QString &fichier);
// The one picture of a file of the build (the splash), or a null image.
QImage imageDessinee(const QString &fichier);

} // namespace Ui
