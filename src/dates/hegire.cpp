#include "dates/hegire.h"

namespace Dates {

namespace {

// Days from the epoch to 1 Mouharram of the year: 354 a year, and one more
// for each abundant year before it (years 2, 5, 7, 10, 13, 16, 18, 21, 24, 26
// and 29 of each cycle of 30, whose last month has 30 days).
qint64 joursAvant(int annee)
{
    const qint64 a = annee;
    return (a - 1) * 354 + (3 + 11 * a) / 30;
}

// Days in the year before the month begins: 30 and 29 in turn.
int joursAvantMois(int mois)
{
    return 29 * (mois - 1) + mois / 2;
}

} // namespace

qint64 jourJulien(const DateHegire &date)
{
    return EpoqueHegire + joursAvant(date.annee) + joursAvantMois(date.mois) + date.jour - 1;
}

std::optional<DateHegire> dateHegire(qint64 jj)
{
    if (jj < EpoqueHegire)
        return std::nullopt;
    const qint64 jours = jj - EpoqueHegire;
    const int annee = static_cast<int>((30 * jours + 10646) / 10631);
    const int jourDeLAn = static_cast<int>(jours - joursAvant(annee));
    const int mois = (11 * jourDeLAn + 330) / 325;
    return DateHegire{jourDeLAn - joursAvantMois(mois) + 1, mois, annee};
}

QString nomMoisHegire(int mois)
{
    static const QString noms[] = {
        QStringLiteral("Mouharram"),       QStringLiteral("Safar"),           QStringLiteral("Rabia al-awal"),
        QStringLiteral("Rabia ath-thani"), QStringLiteral("Joumada al-oula"), QStringLiteral("Joumada ath-thania"),
        QStringLiteral("Rajab"),           QStringLiteral("Chaabane"),        QStringLiteral("Ramadan"),
        QStringLiteral("Chawwal"),         QStringLiteral("Dhou al-qi'da"),   QStringLiteral("Dhou al-hijja")};
    if (mois < 1 || mois > 12)
        return {};
    return noms[mois - 1];
}

} // namespace Dates
