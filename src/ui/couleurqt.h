#pragma once

#include "base/chargement.h"

#include <QColor>

namespace Ui {

// Colour numbers are &HBBGGRR: red in the low byte.
inline QColor couleurVb(quint32 c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

inline quint32 nombreVb(const QColor &c)
{
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

inline QColor couleurRgb(const Base::Rgb &c)
{
    return QColor(c.r, c.g, c.b);
}

} // namespace Ui
