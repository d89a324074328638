#include "calendar/grillecalendrier.h"

#include <QRegularExpression>
#include <array>
#include <cmath>
#include <limits>

namespace Saisie {

std::optional<double> lisNombre(const QString &texte)
{
    static const QRegularExpression forme(
        QStringLiteral("^\\s*([+-]?)(\\d*)(?:[.,](\\d*))?\\s*$"));
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

std::optional<Saisie::Bornee> borneAnneeCalendrier(const QString &texte)
{
    return Saisie::borne(texte, CalendrierAnneeMin, CalendrierAnneeMax);
}

qint64 jourJulien(int jour, int mois, int annee)
{
    // Counted from 1 March of year 0 in 400-year eras, so that the leap day
    // ends each counted year; the era is floored for negative years.
    const qint64 a = static_cast<qint64>(annee) - (mois <= 2 ? 1 : 0);
    const qint64 ere = (a >= 0 ? a : a - 399) / 400;
    const qint64 anDansEre = a - ere * 400;
    const qint64 jourDansAn = (153 * (mois > 2 ? mois - 3 : mois + 9) + 2) / 5 + jour - 1;
    const qint64 jourDansEre = anDansEre * 365 + anDansEre / 4 - anDansEre / 100 + jourDansAn;
    return ere * 146097 + jourDansEre + 1721120;
}

int colonneLundi(int jour, int mois, int annee)
{
    // Julian Day 0 was a Monday.
    const qint64 j = jourJulien(jour, mois, annee) % 7;
    return static_cast<int>(j < 0 ? j + 7 : j) + 1;
}

MoisCalendrier grilleMois(int mois, int annee, int jourAujourdhui)
{
    MoisCalendrier m;
    m.longueur = longueurMois(mois, annee);
    m.colonnePremier = colonneLundi(1, mois, annee);
    m.jours.reserve(static_cast<std::size_t>(m.longueur));
    for (int j = 1; j <= m.longueur; ++j) {
        const int rang = m.colonnePremier + j - 2;
        m.jours.push_back({j, rang % 7 + 1, rang / 7 + 1, j == jourAujourdhui});
    }
    return m;
}

QString nomColonne(int colonne)
{
    static const std::array<QString, 7> noms = {
        QStringLiteral("LUN."), QStringLiteral("MAR."), QStringLiteral("MER."),
        QStringLiteral("JEU."), QStringLiteral("VEN."), QStringLiteral("SAM."),
        QStringLiteral("DIM.")};
    return noms.at(static_cast<std::size_t>(colonne - 1));
}

QRectF caseGrille(int colonne, int ligne)
{
    // A 0.05 margin inside each cell leaves the grid lines visible.
    return QRectF(QPointF(colonne - 0.95, ligne + 0.05), QPointF(colonne - 0.05, ligne + 0.95));
}

QPointF positionNomColonne(int colonne, QSizeF texte)
{
    return QPointF((colonne - 1) + texte.width() / 2 - 0.1, texte.height() / 2 - 0.3);
}

QPointF positionNumero(int colonne, int ligne, QSizeF texte)
{
    return QPointF(colonne - 0.5 - texte.width() / 2, ligne + 0.5 - texte.height() / 2);
}
