#include "dates/texte.h"

#include "dates/noms.h"
#include "dates/semaine.h"

namespace Dates {

namespace {

QString majuscule(QString mot)
{
    if (!mot.isEmpty())
        mot[0] = mot[0].toUpper();
    return mot;
}

bool colonneJulienne(int jour, Periode periode)
{
    switch (periode) {
    case Periode::Octobre1582: return jour < PremierJourGregorien;
    case Periode::Avant1582:
    case Periode::AvantOctobre1582: return true;
    case Periode::Apres1582: break;
    }
    return false;
}

// Years are written as numbers, without leading zeros.
QString legende(int jour, int mois, int annee, bool julienne)
{
    const int semaine = julienne ? jourSemaineDecale(jour, mois, annee) : colonneLundi(jour, mois, annee);
    return QStringLiteral("%1 %2 %3 %4").arg(majuscule(nomJour(semaine))).arg(jour).arg(nomMois(mois)).arg(annee);
}

} // namespace

bool estDateValide(int jour, int mois, int annee)
{
    return annee >= 100 && annee <= 9999 && mois >= 1 && mois <= 12 && jour >= 1 && jour <= longueurMois(mois, annee);
}

std::optional<QString> legendeJour(int jour, int mois, int annee, Periode periode)
{
    if (!estDateValide(jour, mois, annee))
        return std::nullopt;
    return legende(jour, mois, annee, colonneJulienne(jour, periode));
}

std::optional<QString> legendeGregorienne(int jour, int mois, int annee)
{
    if (annee > 9999 || mois < 1 || mois > 12 || jour < 1 || jour > longueurMois(mois, annee))
        return std::nullopt;
    return legende(jour, mois, annee, false);
}

std::optional<QString> legendeAujourdhui(const QDate &aujourdhui)
{
    if (!aujourdhui.isValid() || !estDateValide(aujourdhui.day(), aujourdhui.month(), aujourdhui.year()))
        return std::nullopt;
    return legende(aujourdhui.day(), aujourdhui.month(), aujourdhui.year(), false);
}

std::optional<QString> dateLongue(int jour, int mois, int annee)
{
    auto texte = legendeGregorienne(jour, mois, annee);
    if (texte)
        texte->front() = texte->front().toLower();
    return texte;
}

QString nomJourSaute(int jour, int mois, int annee)
{
    return QStringLiteral("%1 %2 %3, jour qui n'a jamais existé").arg(jour).arg(nomMois(mois)).arg(annee);
}

std::optional<QString> texteSelection(int jour, int mois, int annee)
{
    if (!estDateValide(jour, mois, annee))
        return std::nullopt;
    return QStringLiteral("%1/%2/%3")
        .arg(jour, 2, 10, QLatin1Char('0'))
        .arg(mois, 2, 10, QLatin1Char('0'))
        .arg(annee, 4, 10, QLatin1Char('0'));
}

QString texteCourt(const JourMoisAn &date)
{
    return QStringLiteral("%1/%2/%3").arg(date.jour).arg(date.mois).arg(date.annee);
}

QString AffJour(const QDate &jour)
{
    // Built from the French names rather than the locale's long date, so a
    // year below 1000 cannot leave digits behind or clip the month name.
    return nomJour(colonneLundi(jour.day(), jour.month(), jour.year())) + QLatin1Char(' ') + QString::number(jour.day())
           + QLatin1Char(' ') + nomMois(jour.month()) + QLatin1Char(' ');
}

} // namespace Dates
