#include "dates/paques.h"

#include "dates/comput.h"
#include "dates/jours.h"
#include "dates/texte.h"

namespace Dates {

std::optional<JourMoisAn> jourPaques(qint16 an)
{
    if (an < PaquesAnneeMin || an > PaquesAnneeMax)
        return std::nullopt;
    return Comput::paques(an);
}

QDate fPaques(qint16 an)
{
    const auto p = jourPaques(an);
    return p ? QDate(p->annee, p->mois, p->jour) : QDate();
}

std::optional<qint64> paquesOrthodoxe(int an)
{
    if (an < PaquesAnneeMin || an > PaquesAnneeMax)
        return std::nullopt;
    // The Paschal full moon of the 19-year cycle, then the next Sunday, in the
    // Julian calendar.
    const int lune = (19 * (an % 19) + 15) % 30;
    const int dimanche = (2 * (an % 4) + 4 * (an % 7) - lune + 34) % 7;
    const int n = lune + dimanche + 114;
    return jourJulienDuCalendrierJulien(n % 31 + 1, n / 31, an);
}

std::optional<std::array<JourFerie, 5>> joursFeriesMobiles(qint16 an)
{
    const QDate p = fPaques(an);
    if (!p.isValid())
        return std::nullopt;
    const auto ferie = [](const QString &libelle, const QDate &date) {
        return JourFerie{libelle, date, libelle + AffJour(date)};
    };
    return std::array<JourFerie, 5>{
        ferie(QStringLiteral("Pâques : "), p),
        ferie(QStringLiteral("Lundi de Pâques : "), p.addDays(1)),
        ferie(QStringLiteral("Ascension : "), p.addDays(39)),
        ferie(QStringLiteral("Pentecôte : "), p.addDays(49)),
        ferie(QStringLiteral("Lundi de Pentecôte : "), p.addDays(50)),
    };
}

QDate dateFerie(const Ferie &f, int annee)
{
    if (f.mois != 0)
        return QDate(annee, f.mois, f.jour);
    return fPaques(qint16(annee)).addDays(f.jour);
}

} // namespace Dates
