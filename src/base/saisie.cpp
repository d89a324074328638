#include "base/saisie.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace Saisie {

std::optional<double> lisNombre(const QString &texte)
{
    static const QRegularExpression forme(QStringLiteral("^\\s*([+-]?)(\\d*)(?:[.,](\\d*))?\\s*$"));
    const auto m = forme.match(texte);
    if (!m.hasMatch() || (m.capturedLength(2) == 0 && m.capturedLength(3) == 0))
        return std::nullopt;
    const QString nombre = m.captured(1) + (m.capturedLength(2) ? m.captured(2) : QStringLiteral("0"))
                           + QLatin1Char('.') + m.captured(3) + QLatin1Char('0');
    bool ok = false;
    const double n = nombre.toDouble(&ok);
    if (!ok || !std::isfinite(n))
        return std::nullopt;
    return n;
}

int arrondiPair(double x)
{
    if (!(x > std::numeric_limits<int>::min() && x < std::numeric_limits<int>::max()))
        return x > 0 ? std::numeric_limits<int>::max() : std::numeric_limits<int>::min();
    const double bas = std::floor(x);
    const double reste = x - bas;
    if (reste > 0.5 || (reste == 0.5 && std::fmod(bas, 2.0) != 0))
        return static_cast<int>(bas) + 1;
    return static_cast<int>(bas);
}

std::optional<Bornee> borne(const QString &texte, int min, int max)
{
    const auto n = lisNombre(texte);
    if (!n)
        return std::nullopt;
    if (*n < min)
        return Bornee{QString::number(min), min};
    if (*n > max)
        return Bornee{QString::number(max), max};
    return Bornee{std::nullopt, arrondiPair(*n)};
}

QString texteCompteur(int valeur)
{
    return QLatin1Char(' ') + QString::number(valeur);
}

} // namespace Saisie
