#include "main/textedate.h"

#include <array>

namespace {

const std::array<QString, 7> &jours()
{
    static const std::array<QString, 7> noms = {
        QStringLiteral("lundi"),    QStringLiteral("mardi"),  QStringLiteral("mercredi"),
        QStringLiteral("jeudi"),    QStringLiteral("vendredi"), QStringLiteral("samedi"),
        QStringLiteral("dimanche")};
    return noms;
}

const std::array<QString, 12> &moisDeLAnnee()
{
    static const std::array<QString, 12> noms = {
        QStringLiteral("janvier"), QStringLiteral("février"),  QStringLiteral("mars"),
        QStringLiteral("avril"),   QStringLiteral("mai"),      QStringLiteral("juin"),
        QStringLiteral("juillet"), QStringLiteral("août"),     QStringLiteral("septembre"),
        QStringLiteral("octobre"), QStringLiteral("novembre"), QStringLiteral("décembre")};
    return noms;
}

QString majuscule(QString mot)
{
    if (!mot.isEmpty())
        mot[0] = mot[0].toUpper();
    return mot;
}

bool colonneJulienne(int jour, Periode periode)
{
    switch (periode) {
    case Periode::Octobre1582:
        return jour < 15;
    case Periode::Avant1582:
    case Periode::AvantOctobre1582:
        return true;
    case Periode::Apres1582:
        break;
    }
    return false;
}

std::optional<QString> legende(int jour, int mois, int annee, bool julienne)
{
    if (!estDateValide(jour, mois, annee))
        return std::nullopt;
    int semaine = QDate(annee, mois, jour).dayOfWeek();
    // Until the reform the Julian calendar ran ten days behind, which puts its
    // weekday three days after the Gregorian one.
    if (julienne)
        semaine = (semaine + 2) % 7 + 1;
    return QStringLiteral("%1 %2 %3 %4")
        .arg(majuscule(nomJour(semaine)))
        .arg(jour)
        .arg(nomMois(mois))
        .arg(annee, 4, 10, QLatin1Char('0'));
}

// The selection is fixed-width: two digits, "/", two digits, "/", four digits.
std::optional<int> chiffres(const QString &texte, qsizetype debut, qsizetype longueur)
{
    int n = 0;
    for (qsizetype i = debut; i < debut + longueur; ++i) {
        const QChar c = texte.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        n = n * 10 + (c.unicode() - '0');
    }
    return n;
}

} // namespace

QString nomJour(int jourSemaine)
{
    if (jourSemaine < 1 || jourSemaine > 7)
        return {};
    return jours()[jourSemaine - 1];
}

QString nomMois(int mois)
{
    if (mois < 1 || mois > 12)
        return {};
    return moisDeLAnnee()[mois - 1];
}

bool estDateValide(int jour, int mois, int annee)
{
    return annee >= 100 && annee <= 9999 && mois >= 1 && mois <= 12 && jour >= 1
           && jour <= longueurMois(mois, annee);
}

std::optional<QString> legendeJour(int jour, int mois, int annee, Periode periode)
{
    return legende(jour, mois, annee, colonneJulienne(jour, periode));
}

std::optional<QString> legendeAujourdhui(const QDate &aujourdhui)
{
    if (!aujourdhui.isValid())
        return std::nullopt;
    return legende(aujourdhui.day(), aujourdhui.month(), aujourdhui.year(), false);
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

std::optional<JourMoisAn> lisSelection(const QString &selection)
{
    if (selection.size() != 10 || selection.at(2) != QLatin1Char('/')
        || selection.at(5) != QLatin1Char('/'))
        return std::nullopt;
    const auto jour = chiffres(selection, 0, 2);
    const auto mois = chiffres(selection, 3, 2);
    const auto annee = chiffres(selection, 6, 4);
    if (!jour || !mois || !annee || !estDateValide(*jour, *mois, *annee))
        return std::nullopt;
    return JourMoisAn{*jour, *mois, *annee};
}

std::optional<QString> texteCourt(const QString &selection)
{
    const auto date = lisSelection(selection);
    if (!date)
        return std::nullopt;
    return QStringLiteral("%1/%2/%3").arg(date->jour).arg(date->mois).arg(date->annee);
}
