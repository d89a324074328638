#include "calendar/grillecalendrier.h"

#include "dates/calendrier.h"
#include "dates/semaine.h"

namespace Calendrier {

std::optional<Saisie::Bornee> borneAnneeCalendrier(const QString &texte)
{
    return Saisie::borne(texte, CalendrierAnneeMin, CalendrierAnneeMax);
}

MoisCalendrier grilleMois(int mois, int annee, int jourAujourdhui)
{
    MoisCalendrier m;
    m.longueur = Dates::longueurMois(mois, annee);
    m.colonnePremier = Dates::colonneLundi(1, mois, annee);
    m.jours.reserve(static_cast<std::size_t>(m.longueur));
    for (int j = 1; j <= m.longueur; ++j) {
        const int rang = m.colonnePremier + j - 2;
        m.jours.push_back({j, rang % 7 + 1, rang / 7 + 1, j == jourAujourdhui});
    }
    return m;
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

} // namespace Calendrier
