#include "calendar/minicalend.h"

#include "base/saisie.h"
#include "dates/calendrier.h"
#include "dates/noms.h"
#include "dates/semaine.h"

namespace Calendrier {

TaillesCase taillesCase(QSizeF interieur, QSizeF pixel)
{
    return {Saisie::arrondiPair(interieur.width() - pixel.width()) / 7,
            Saisie::arrondiPair(interieur.height() - pixel.height()) / 6};
}

std::vector<CaseMini> casesMiniCalend(const QDate &courante, const QDate &aujourdhui, TaillesCase tailles)
{
    std::vector<CaseMini> cases;
    if (!courante.isValid())
        return cases;
    const QDate premier(courante.year(), courante.month(), 1);
    const bool marque = memeMois(courante, aujourdhui);
    // Monday = 1 … Sunday = 7; the grid starts on Sunday.
    const int decalage = Dates::colonneLundi(1, premier.month(), premier.year()) % 7 - 1;
    for (int d = 1; d <= Dates::longueurMois(premier.month(), premier.year()); ++d) {
        const int rang = decalage + d;
        const int colonne = rang % 7;
        const int ligne = rang / 7;
        cases.push_back({d, colonne, ligne, QPoint(colonne * tailles.largeur, ligne * tailles.hauteur),
                         marque && d == aujourdhui.day()});
    }
    return cases;
}

double centreColonneMini(int colonne, TaillesCase tailles)
{
    return colonne * tailles.largeur + tailles.largeur / 2.0;
}

QPointF positionNumeroMini(const CaseMini &c, TaillesCase tailles, QSizeF texte)
{
    return QPointF(c.coin.x() + (tailles.largeur - texte.width()) / 2,
                   c.coin.y() + (tailles.hauteur - texte.height()) / 2);
}

QString titreMiniCalend(const QDate &courante)
{
    return Dates::nomMois(courante.month()) + QLatin1Char(' ') + QString::number(courante.year());
}

bool memeMois(const QDate &a, const QDate &b)
{
    return a.isValid() && b.isValid() && a.year() == b.year() && a.month() == b.month();
}

std::optional<QDate> pageMois(const QDate &courante, int sens)
{
    if (!courante.isValid())
        return std::nullopt;
    const QDate nouvelle = courante.addMonths(sens < 0 ? -1 : sens > 0 ? 1 : 0);
    if (nouvelle.year() < MiniCalendAnneeMin || nouvelle.year() > MiniCalendAnneeMax)
        return std::nullopt;
    return nouvelle;
}

} // namespace Calendrier
