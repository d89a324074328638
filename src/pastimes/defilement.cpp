#include "pastimes/defilement.h"

namespace Defilement {

namespace {

// The cycle ends when p < -(258 / 500) × height; kept in whole numbers so
// the boundary is exact.
bool finDeCycle(qint64 p, int hauteur)
{
    return -500 * p > 258 * qint64(hauteur);
}

} // namespace

const std::array<Ligne, NombreLignes> &lignes()
{
    static const std::array<Ligne, NombreLignes> l = [] {
        std::array<Ligne, NombreLignes> t;
        t[0] = {QStringLiteral("          Zelund +"), 18};
        t[2].texte = QStringLiteral("     Affichage du jour de la semaine");
        t[3].texte = QStringLiteral("  d'une date donnée, calcul du temps");
        t[4].texte = QStringLiteral("            écoulé entre deux dates,");
        t[5].texte = QStringLiteral("                 phases de la lune.");
        t[7].texte = QStringLiteral("     Version 4.11 - Novembre 2001");
        for (int n = 2; n <= NombreLignes; ++n)
            t[n - 1].points = n >= 17 ? 18 : 10;
        return t;
    }();
    return l;
}

int hauteurFeuille(int hauteurHuit, int hauteurViewport)
{
    return 42 * hauteurHuit + 2 * hauteurViewport;
}

int positionSuivante(int p, int hauteur)
{
    const int suivante = p - 1;
    return finDeCycle(suivante, hauteur) ? 0 : suivante;
}

} // namespace Defilement
