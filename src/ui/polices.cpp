#include "ui/polices.h"

#include <QFont>

namespace Ui {

void installePolices()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    // Without this, "Impact" falls on a symbol font.
    QFont::insertSubstitution(QStringLiteral("Impact"), QStringLiteral("Liberation Sans Narrow"));
}

} // namespace Ui
