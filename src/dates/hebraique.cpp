#include "dates/hebraique.h"

namespace Dates {

namespace {

constexpr qint64 Epoque = 347998;        // 1 Tichri of year 1, a Monday
constexpr qint64 PartiesParJour = 25920; // 24 hours of 1080 parts

qint64 plancher(qint64 a, qint64 b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

qint64 modulo(qint64 a, qint64 b)
{
    return a - plancher(a, b) * b;
}

// Days from the epoch to the day of the molad of Tichri (a lunation being
// 29 days 13753 parts, the first molad BeHaRaD; the count runs six hours late
// so that a molad from noon on falls on the next day), moved on a day when it
// would put Yom Kippour on a Friday or Sunday or Hochaana Rabba on a Saturday.
qint64 joursEcoules(int annee)
{
    const qint64 mois = plancher(235 * qint64(annee) - 234, 19);
    const qint64 parties = 12084 + 13753 * mois;
    const qint64 jours = 29 * mois + plancher(parties, PartiesParJour);
    return (3 * (jours + 1)) % 7 < 3 ? jours + 1 : jours;
}

// The two postponements that keep the year's length within its bounds: a
// year of 356 days is avoided by moving the next new year, one of 382 days by
// moving this one.
int correction(int annee)
{
    const qint64 precedent = joursEcoules(annee - 1);
    const qint64 present = joursEcoules(annee);
    const qint64 suivant = joursEcoules(annee + 1);
    if (suivant - present == 356)
        return 2;
    if (present - precedent == 382)
        return 1;
    return 0;
}

constexpr int Tichri = 7;
constexpr int Hechvan = 8;
constexpr int Kislev = 9;
constexpr int Adar = 12;

} // namespace

bool estEmbolismique(int annee)
{
    return modulo(7 * qint64(annee) + 1, 19) < 7;
}

qint64 nouvelAnHebraique(int annee)
{
    return Epoque + joursEcoules(annee) + correction(annee);
}

int longueurAnneeHebraique(int annee)
{
    return static_cast<int>(nouvelAnHebraique(annee + 1) - nouvelAnHebraique(annee));
}

int longueurMoisHebraique(int mois, int annee)
{
    switch (mois) {
    case 2:
    case 4:
    case 6:
    case 10:
    case 13: return 29;
    case Adar: return estEmbolismique(annee) ? 30 : 29;
    case Hechvan: return longueurAnneeHebraique(annee) % 10 == 5 ? 30 : 29;
    case Kislev: return longueurAnneeHebraique(annee) % 10 == 3 ? 29 : 30;
    default: return 30;
    }
}

qint64 jourJulien(const DateHebraique &date)
{
    // Months are counted from Tichri, Nissan coming after Adar.
    const int dernier = estEmbolismique(date.annee) ? 13 : 12;
    qint64 jj = nouvelAnHebraique(date.annee) + date.jour - 1;
    for (int m = Tichri, n = 0; m != date.mois && n < dernier; m = m == dernier ? 1 : m + 1, ++n)
        jj += longueurMoisHebraique(m, date.annee);
    return jj;
}

DateHebraique dateHebraique(qint64 jj)
{
    // The mean year is 35975351 / 98496 days; the estimate is a year out at most.
    int annee = static_cast<int>(plancher((jj - Epoque) * 98496, 35975351)) + 1;
    while (nouvelAnHebraique(annee + 1) <= jj)
        ++annee;
    while (nouvelAnHebraique(annee) > jj)
        --annee;
    const int dernier = estEmbolismique(annee) ? 13 : 12;
    int reste = static_cast<int>(jj - nouvelAnHebraique(annee));
    int mois = Tichri;
    for (int longueur = longueurMoisHebraique(mois, annee); reste >= longueur;
         longueur = longueurMoisHebraique(mois, annee)) {
        reste -= longueur;
        mois = mois == dernier ? 1 : mois + 1;
    }
    return {reste + 1, mois, annee};
}

QString nomMoisHebraique(int mois, int annee)
{
    static const QString noms[] = {QStringLiteral("Nissan"), QStringLiteral("Iyar"),    QStringLiteral("Sivan"),
                                   QStringLiteral("Tamouz"), QStringLiteral("Av"),      QStringLiteral("Eloul"),
                                   QStringLiteral("Tichri"), QStringLiteral("Hechvan"), QStringLiteral("Kislev"),
                                   QStringLiteral("Tevet"),  QStringLiteral("Chevat"),  QStringLiteral("Adar"),
                                   QStringLiteral("Adar II")};
    if (mois < 1 || mois > 13)
        return {};
    if (mois == Adar && estEmbolismique(annee))
        return QStringLiteral("Adar I");
    return noms[mois - 1];
}

} // namespace Dates
