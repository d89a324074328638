#include "calendar/textecalculs.h"

#include "dates/noms.h"

#include <QRegularExpression>

namespace Calendrier {

namespace {

const QString HorsPlage =
    QStringLiteral("Le résultat sort des années %1 à %2.").arg(Dates::CalculAnneeMin).arg(Dates::CalculAnneeMax);

QString pluriel(qint64 n, const QString &mot)
{
    return QStringLiteral("%1 %2%3").arg(n).arg(mot, n > 1 || n < -1 ? QStringLiteral("s") : QString());
}

struct NombreLu
{
    std::optional<qint64> nombre;
    QString erreur;
};

NombreLu lisNombre(const QString &texte)
{
    const QString t = texte.trimmed();
    if (t.isEmpty())
        return {std::nullopt, QStringLiteral("Entrez un nombre.")};
    static const QRegularExpression forme(QStringLiteral("^[+-]?\\d+$"));
    if (!forme.match(t).hasMatch())
        return {std::nullopt, QStringLiteral("«\u00a0%1\u00a0» n'est pas un nombre entier.").arg(t)};
    bool ok = false;
    const qint64 n = t.toLongLong(&ok);
    if (!ok || n > 10'000'000 || n < -10'000'000)
        return {std::nullopt, QStringLiteral("Nombre trop grand\u00a0: le résultat sortirait des années offertes.")};
    return {n, {}};
}

Resultat erreur(const QString &texte)
{
    return {texte, false};
}

} // namespace

// The messages put no-break spaces before the colon and inside the quotes, as French writes them.
QString texteDateCalcul(const Dates::JourMoisAn &d)
{
    const qint64 numero = Dates::numeroJour(d).value_or(0);
    return QStringLiteral("%1 %2 %3 %4")
        .arg(Dates::nomJour(int(numero % 7) + 1))
        .arg(d.jour)
        .arg(Dates::nomMois(d.mois))
        .arg(d.annee);
}

DateLue lisDateCalcul(const QString &texte)
{
    const QString t = texte.trimmed();
    if (t.isEmpty())
        return {std::nullopt, QStringLiteral("Entrez une date (JJ/MM/AAAA).")};
    static const QRegularExpression forme(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(-?\\d{1,4})$"));
    const QRegularExpressionMatch m = forme.match(t);
    if (!m.hasMatch())
        return {std::nullopt,
                QStringLiteral("«\u00a0%1\u00a0» n'est pas une date\u00a0: écrivez-la JJ/MM/AAAA.").arg(t)};
    const Dates::JourMoisAn d{m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()};
    if (d.annee < Dates::CalculAnneeMin || d.annee > Dates::CalculAnneeMax)
        return {std::nullopt,
                QStringLiteral("Les années vont de %1 à %2.").arg(Dates::CalculAnneeMin).arg(Dates::CalculAnneeMax)};
    if (!Dates::existe(d))
        return {std::nullopt, QStringLiteral("Le %1 n'existe pas.").arg(t)};
    return {d, {}};
}

Resultat texteAjout(const QString &date, const QString &nombre, Dates::Unite unite)
{
    const DateLue d = lisDateCalcul(date);
    if (!d.date)
        return erreur(d.erreur);
    const NombreLu n = lisNombre(nombre);
    if (!n.nombre)
        return erreur(n.erreur);
    const auto a = Dates::ajoute(*d.date, *n.nombre, unite);
    if (!a)
        return erreur(HorsPlage);
    QString texte = texteDateCalcul(a->date);
    if (a->reforme)
        texte += QStringLiteral(" (le %1 octobre 1582 n'a pas existé)").arg(d.date->jour);
    else if (a->raccourci)
        texte += QStringLiteral(" (dernier jour du mois)");
    return {texte, true};
}

namespace {

// The two ends of a span, or the message of the first that cannot be read.
struct DeuxDates
{
    std::optional<std::pair<Dates::JourMoisAn, Dates::JourMoisAn>> dates;
    QString erreur;
};

DeuxDates lisDeuxDates(const QString &debut, const QString &fin)
{
    const DateLue d1 = lisDateCalcul(debut);
    if (!d1.date)
        return {std::nullopt, d1.erreur};
    const DateLue d2 = lisDateCalcul(fin);
    if (!d2.date)
        return {std::nullopt, d2.erreur};
    return {std::pair{*d1.date, *d2.date}, {}};
}

} // namespace

Resultat texteEcart(const QString &debut, const QString &fin, Dates::Region region)
{
    const DeuxDates d = lisDeuxDates(debut, fin);
    if (!d.dates)
        return erreur(d.erreur);
    const auto &[premiere, seconde] = *d.dates;
    const Dates::Ecart e = *Dates::ecart(premiere, seconde);
    const QString sens = e.jours < 0 ? QStringLiteral(" en arrière") : QString();
    const QStringList lignes{
        pluriel(e.jours, QStringLiteral("jour")),
        QStringLiteral("soit %1 et %2%3")
            .arg(pluriel(e.semaines, QStringLiteral("semaine")), pluriel(e.joursApresSemaines, QStringLiteral("jour")),
                 sens),
        QStringLiteral("soit %1 mois et %2%3").arg(e.mois).arg(pluriel(e.joursApresMois, QStringLiteral("jour")), sens),
        QStringLiteral("Jours ouvrés\u00a0: %1\u00a0; jours ouvrables\u00a0: %2")
            .arg(*Dates::joursOuvres(premiere, seconde, Dates::Regle::Ouvres, region))
            .arg(*Dates::joursOuvres(premiere, seconde, Dates::Regle::Ouvrables, region)),
    };
    return {lignes.join(QChar(10)), true};
}

Resultat texteJoursOuvres(const QString &debut, const QString &fin, Dates::Regle regle, Dates::Region region)
{
    const DeuxDates d = lisDeuxDates(debut, fin);
    if (!d.dates)
        return erreur(d.erreur);
    const qint64 n = *Dates::joursOuvres(d.dates->first, d.dates->second, regle, region);
    const QString s = n > 1 ? QStringLiteral("s") : QString();
    const QString mot = regle == Dates::Regle::Ouvres ? QStringLiteral("ouvré") : QStringLiteral("ouvrable");
    return {QStringLiteral("%1 jour%2 %3%2").arg(n).arg(s, mot), true};
}

Resultat texteJourOuvre(const QString &date, const QString &rang, Dates::Regle regle, Dates::Region region)
{
    const DateLue d = lisDateCalcul(date);
    if (!d.date)
        return erreur(d.erreur);
    const NombreLu n = lisNombre(rang);
    if (!n.nombre)
        return erreur(n.erreur);
    if (*n.nombre == 0)
        return erreur(QStringLiteral("Le rang est compté à partir de 1 (ou de -1 pour remonter)."));
    const auto j = Dates::jourOuvre(*d.date, *n.nombre, regle, region);
    if (!j)
        return erreur(HorsPlage);
    return {texteDateCalcul(*j), true};
}

} // namespace Calendrier
