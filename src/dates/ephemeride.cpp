#include "dates/ephemeride.h"

#include "dates/autrescalendriers.h"
#include "dates/calendrier.h"
#include "dates/courselune.h"
#include "dates/jours.h"
#include "dates/saisons.h"
#include "dates/soleil.h"
#include "dates/texte.h"

#include <QStringList>
#include <QTimeZone>
#include <cmath>

namespace Dates {

namespace {

// "7 h 05", rounded to the minute, in the zone.
QString heure(const QDateTime &instant, const QTimeZone &fuseau)
{
    const QTime t = instant.addSecs(30).toTimeZone(fuseau).time();
    return QStringLiteral("%1 h %2").arg(t.hour()).arg(t.minute(), 2, 10, QLatin1Char('0'));
}

QString dateLongue(const QDate &d)
{
    return Dates::dateLongue(d.day(), d.month(), d.year()).value_or(QString());
}

QString moment(const QDateTime &instant, const QTimeZone &fuseau)
{
    return dateLongue(instant.addSecs(30).toTimeZone(fuseau).date()) + QStringLiteral(" à ") + heure(instant, fuseau);
}

QString evenement(const QString &nom, const std::optional<QDateTime> &instant, const QTimeZone &fuseau)
{
    return QStringLiteral("  %1 : %2").arg(nom, instant ? heure(*instant, fuseau) : QStringLiteral("pas ce jour-là"));
}

// "48° 51′ N", to the minute of arc.
QString degresMinutes(double valeur, QChar positif, QChar negatif)
{
    const auto minutes = qint64(std::llround(std::abs(valeur) * 60));
    return QStringLiteral("%1° %2′ %3")
        .arg(minutes / 60)
        .arg(minutes % 60, 2, 10, QLatin1Char('0'))
        .arg(valeur < 0 ? negatif : positif);
}

QString decalage(int secondes)
{
    const int m = std::abs(secondes) / 60;
    return QStringLiteral("UTC%1%2:%3")
        .arg(secondes < 0 ? QChar(0x2212) : QLatin1Char('+'))
        .arg(m / 60, 2, 10, QLatin1Char('0'))
        .arg(m % 60, 2, 10, QLatin1Char('0'));
}

QString ligneFuseau(const QDate &jour, const QTimeZone &fuseau)
{
    const QDateTime midi(jour, QTime(12, 0), fuseau);
    const QString id = QString::fromUtf8(fuseau.id());
    // A zone made from the longitude alone is only an offset.
    if (id.startsWith(QLatin1String("UTC")))
        return QStringLiteral("Heures en %1").arg(decalage(fuseau.offsetFromUtc(midi)));
    // Summer or winter time, said only in a year the zone had both.
    const auto ete = [&fuseau, &jour](int mois) {
        return fuseau.isDaylightTime(QDateTime(QDate(jour.year(), mois, 1), QTime(12, 0), fuseau));
    };
    QString saison;
    if (ete(1) != ete(7))
        saison = fuseau.isDaylightTime(midi) ? QStringLiteral(", heure d'été") : QStringLiteral(", heure d'hiver");
    return QStringLiteral("Heures de %1 (%2%3)").arg(id, decalage(fuseau.offsetFromUtc(midi)), saison);
}

QString duree(qint64 secondes)
{
    const qint64 minutes = (secondes + 30) / 60;
    return QStringLiteral("%1 h %2 min").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString variation(qint64 secondes)
{
    if (secondes == 0)
        return QStringLiteral("autant que la veille");
    const qint64 a = std::abs(secondes);
    const QString texte =
        a >= 60 ? QStringLiteral("%1 min %2 s").arg(a / 60).arg(a % 60) : QStringLiteral("%1 s").arg(a);
    return texte
           + (secondes > 0 ? QStringLiteral(" de plus que la veille") : QStringLiteral(" de moins que la veille"));
}

QStringList lignesSoleil(const QDate &jour, const Lieu &lieu, const QTimeZone &fuseau)
{
    const JourneeSoleil s = journeeSoleil(jour, {lieu.latitude, lieu.longitude}, fuseau);
    QStringList l{QStringLiteral("Soleil")};
    switch (s.penombre) {
    case Ciel::ToujoursAuDessus:
        l << QStringLiteral("  Aube et crépuscule : aucun, le Soleil ne descend pas à 6° sous l'horizon");
        break;
    case Ciel::ToujoursAuDessous:
        l << QStringLiteral("  Aube et crépuscule : aucun, le Soleil reste à plus de 6° sous l'horizon");
        break;
    case Ciel::Alternance: l << evenement(QStringLiteral("Aube"), s.aube, fuseau);
    }
    switch (s.jour) {
    case Ciel::ToujoursAuDessus: l << QStringLiteral("  Jour polaire : le Soleil ne se couche pas"); break;
    case Ciel::ToujoursAuDessous: l << QStringLiteral("  Nuit polaire : le Soleil ne se lève pas"); break;
    case Ciel::Alternance: l << evenement(QStringLiteral("Lever"), s.lever, fuseau);
    }
    if (s.midi)
        l << QStringLiteral("  Midi solaire : %1, hauteur %2°")
                 .arg(heure(*s.midi, fuseau))
                 .arg(QString::number(s.hauteurMidi, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(',')));
    if (s.jour == Ciel::Alternance)
        l << evenement(QStringLiteral("Coucher"), s.coucher, fuseau);
    if (s.penombre == Ciel::Alternance)
        l << evenement(QStringLiteral("Crépuscule"), s.crepuscule, fuseau);
    l << QStringLiteral("  Durée du jour : %1 (%2)").arg(duree(s.duree), variation(s.variation));
    return l;
}

QStringList lignesLune(const QDate &jour, const Lieu &lieu, const QTimeZone &fuseau, const PhasesLune &phases)
{
    const JourneeLune j = journeeLune(jour, {lieu.latitude, lieu.longitude}, fuseau);
    QStringList l{QStringLiteral("Lune"), evenement(QStringLiteral("Lever"), j.lever, fuseau),
                  evenement(QStringLiteral("Coucher"), j.coucher, fuseau)};
    // The Moon tooltip's lines: the day's phase, the lit part, then the
    // next phases, indented under their title.
    if (const auto texte = phases ? phases(QDateTime(jour, QTime(12, 0), fuseau), fuseau) : std::nullopt) {
        const QStringList lignes = texte->split(QLatin1Char('\n'));
        for (int i = 0; i < lignes.size(); ++i)
            l << QString(i < 3 ? 2 : 4, QLatin1Char(' ')) + lignes[i];
    }
    return l;
}

QStringList lignesSaisons(const QDate &jour, const Lieu &lieu, const QTimeZone &fuseau)
{
    const SaisonDuJour s = saisonDuJour(jour, fuseau, lieu.latitude < 0);
    QString nom = nomSaison(s.saison);
    nom[0] = nom[0].toUpper();
    QStringList l{QStringLiteral("Saisons"),
                  QStringLiteral("  %1 depuis le %2").arg(nom, moment(s.instant, fuseau).section(QLatin1Char(' '), 1))};
    for (int p = 0; p < 4; ++p)
        l << QStringLiteral("  %1 : %2")
                 .arg(nomPointSaison(PointSaison(p)), moment(instantSaison(jour.year(), PointSaison(p)), fuseau));
    return l;
}

} // namespace

bool ephemerideDisponible(const QDate &jour, int derniereAnnee)
{
    return jour >= QDate(AnneeReforme, MoisReforme, PremierJourGregorien) && jour.year() <= derniereAnnee;
}

QString texteEphemeride(const QDate &jour, const Lieu &lieu, const PhasesLune &phases)
{
    const QTimeZone fuseau(lieu.fuseau);
    const QString coordonnees = degresMinutes(lieu.latitude, QLatin1Char('N'), QLatin1Char('S')) + QStringLiteral(", ")
                                + degresMinutes(lieu.longitude, QLatin1Char('E'), QLatin1Char('O'));
    const QString nom = lieu.libelle();
    QStringList l{QStringLiteral("Éphéméride du %1").arg(dateLongue(jour)),
                  QStringLiteral("Lieu : ") + (nom.isEmpty() ? coordonnees : nom + QStringLiteral(", ") + coordonnees),
                  ligneFuseau(jour, fuseau), QString()};
    l << lignesSoleil(jour, lieu, fuseau) << QString() << lignesLune(jour, lieu, fuseau, phases) << QString()
      << lignesSaisons(jour, lieu, fuseau);
    // The Republican year starts on the day of the true autumnal equinox, in Paris mean time.
    if (const auto autres =
            texteAutresCalendriers(int(jour.toJulianDay() - JourJulienDuJourZero), jourEquinoxeAutomneParis))
        l << QString() << autres->trimmed();
    return l.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace Dates
