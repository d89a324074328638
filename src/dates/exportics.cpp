#include "dates/exportics.h"

#include "dates/saisons.h"

#include <algorithm>

namespace Dates {

namespace {

// "Lundi de Pâques" → "lundi-de-paques": the ASCII part of a UID.
QString identifiant(const QString &nom)
{
    QString s;
    for (const QChar c : nom.normalized(QString::NormalizationForm_D).toLower()) {
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))
            s += c;
        else if (c.category() != QChar::Mark_NonSpacing && !s.endsWith(u'-'))
            s += u'-';
    }
    return s;
}

QString domaine()
{
    return QStringLiteral("@zelund");
}

void ajouteFeries(int annee, Region region, std::vector<EvenementIcs> &evenements)
{
    for (const Ferie &f : Feries) {
        if (!ferieEn(f, annee, region))
            continue;
        const QString nom = QString::fromUtf16(f.nom);
        evenements.push_back({QString::number(annee) + u'-' + identifiant(nom) + domaine(),
                              nom,
                              QStringLiteral("Jour férié"),
                              dateFerie(f, annee),
                              {}});
    }
}

// To the nearest minute, as the Moon's tooltip gives it.
QDateTime alaMinute(const QDateTime &utc)
{
    const qint64 ms = utc.toMSecsSinceEpoch() + 30000;
    return QDateTime::fromMSecsSinceEpoch(ms - ((ms % 60000) + 60000) % 60000, QTimeZone::utc());
}

void ajoutePhases(int annee, const PhasesIcs &lune, std::vector<EvenementIcs> &evenements)
{
    const QDateTime debut(QDate(annee, 1, 1), QTime(0, 0), QTimeZone::utc());
    const QDateTime fin(QDate(annee + 1, 1, 1), QTime(0, 0), QTimeZone::utc());
    for (const PhaseIcs &p : lune.entre(debut, fin)) {
        const QString numero =
            (p.numero < 0 ? QStringLiteral("lune") : QStringLiteral("lune+")) + QString::number(p.numero);
        evenements.push_back({numero + domaine(), p.nom, QStringLiteral("Lune"), {}, alaMinute(p.utc)});
    }
}

void ajouteSaisons(int annee, std::vector<EvenementIcs> &evenements)
{
    for (int p = 0; p < 4; ++p) {
        const QString nom = nomPointSaison(PointSaison(p));
        evenements.push_back({QString::number(annee) + u'-' + identifiant(nom) + domaine(),
                              nom,
                              QStringLiteral("Saison"),
                              {},
                              alaMinute(instantSaison(annee, PointSaison(p)))});
    }
}

qint64 debutEvenement(const EvenementIcs &e)
{
    // Midnight UTC of the day, without the time zone machinery: the sort asks often.
    constexpr qint64 JourUnix = 2440588; // Julian Day Number of 1 January 1970
    return e.jour.isValid() ? (e.jour.toJulianDay() - JourUnix) * 86400000 : e.instant.toMSecsSinceEpoch();
}

QByteArray date(const QDate &d)
{
    return d.toString(u"yyyyMMdd").toLatin1();
}

QByteArray instant(const QDateTime &utc)
{
    return utc.toUTC().toString(u"yyyyMMdd'T'HHmmss'Z'").toLatin1();
}

QByteArray texte(const char *propriete, const QString &valeur)
{
    return ligneIcs(propriete + (u':' + echappeIcs(valeur)).toUtf8());
}

void ecrisEvenement(const EvenementIcs &e, const QByteArray &horodatage, QByteArray &sortie)
{
    sortie += ligneIcs("BEGIN:VEVENT");
    sortie += texte("UID", e.uid);
    sortie += ligneIcs("DTSTAMP:" + horodatage);
    if (e.jour.isValid()) {
        sortie += ligneIcs("DTSTART;VALUE=DATE:" + date(e.jour));
        sortie += ligneIcs("DTEND;VALUE=DATE:" + date(e.jour.addDays(1)));
    } else {
        sortie += ligneIcs("DTSTART:" + instant(e.instant));
    }
    sortie += texte("SUMMARY", e.resume);
    sortie += texte("CATEGORIES", e.categorie);
    // Marks on the calendar, not appointments: they leave the time free.
    sortie += ligneIcs("TRANSP:TRANSPARENT");
    sortie += ligneIcs("END:VEVENT");
}

} // namespace

std::optional<QString> refusAnneesIcs(int debut, int fin, const PhasesIcs &lune)
{
    if (debut > fin)
        return QStringLiteral("la première année (%1) vient après la dernière (%2).").arg(debut).arg(fin);
    if (debut < lune.anneeMin || fin > lune.anneeMax)
        return QStringLiteral("les années %1 à %2 ne sont pas toutes offertes : l'export va de %3 à %4.")
            .arg(debut)
            .arg(fin)
            .arg(lune.anneeMin)
            .arg(lune.anneeMax);
    return std::nullopt;
}

std::vector<EvenementIcs> evenementsIcs(int debut, int fin, Region region, const PhasesIcs &lune)
{
    std::vector<EvenementIcs> evenements;
    if (refusAnneesIcs(debut, fin, lune) || !lune.entre)
        return evenements;
    evenements.reserve(std::size_t(fin - debut + 1) * 70);
    for (int annee = debut; annee <= fin; ++annee) {
        const auto premier = evenements.size();
        ajouteFeries(annee, region, evenements);
        ajoutePhases(annee, lune, evenements);
        ajouteSaisons(annee, evenements);
        std::stable_sort(
            evenements.begin() + qsizetype(premier), evenements.end(),
            [](const EvenementIcs &a, const EvenementIcs &b) { return debutEvenement(a) < debutEvenement(b); });
    }
    return evenements;
}

QByteArray calendrierIcs(int debut, int fin, Region region, const QDateTime &horodatage, const PhasesIcs &lune)
{
    const std::vector<EvenementIcs> evenements = evenementsIcs(debut, fin, region, lune);
    QByteArray sortie;
    sortie.reserve(qsizetype(evenements.size()) * 220 + 400);
    sortie += ligneIcs("BEGIN:VCALENDAR");
    sortie += ligneIcs("VERSION:2.0");
    sortie += ligneIcs("PRODID:-//Zelund//Zelund + 4.11//FR");
    sortie += ligneIcs("CALSCALE:GREGORIAN");
    const QString annees = debut == fin ? QString::number(debut) : QStringLiteral("%1 à %2").arg(debut).arg(fin);
    sortie +=
        texte("X-WR-CALNAME",
              QStringLiteral("Zelund + : jours fériés%1, phases de la Lune, équinoxes et solstices, %2")
                  .arg(region == Region::AlsaceMoselle ? QStringLiteral(" d'Alsace-Moselle") : QString(), annees));
    const QByteArray stamp = instant(horodatage);
    for (const EvenementIcs &e : evenements)
        ecrisEvenement(e, stamp, sortie);
    sortie += ligneIcs("END:VCALENDAR");
    return sortie;
}

QByteArray ligneIcs(const QByteArray &ligne)
{
    QByteArray sortie;
    qsizetype debut = 0;
    // The first piece holds 75 octets; the next ones a space and 74.
    qsizetype place = 75;
    while (ligne.size() - debut > place) {
        qsizetype coupe = debut + place;
        while ((quint8(ligne[coupe]) & 0xC0) == 0x80) // never inside a UTF-8 sequence
            --coupe;
        sortie += ligne.mid(debut, coupe - debut);
        sortie += "\r\n ";
        debut = coupe;
        place = 74;
    }
    sortie += ligne.mid(debut);
    sortie += "\r\n";
    return sortie;
}

QString echappeIcs(const QString &texte)
{
    QString s;
    s.reserve(texte.size());
    for (const QChar c : texte) {
        if (c == u'\\' || c == u';' || c == u',')
            s += u'\\';
        if (c == u'\n')
            s += QStringLiteral("\\n");
        else
            s += c;
    }
    return s;
}

} // namespace Dates
