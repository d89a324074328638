#include "dates/autrescalendriers.h"

#include "dates/calendrier.h"
#include "dates/hebraique.h"
#include "dates/hegire.h"
#include "dates/jours.h"
#include "dates/noms.h"
#include "dates/semaine.h"

#include <QStringList>

namespace Dates {

namespace {

QString quantieme(int jour)
{
    return jour == 1 ? QStringLiteral("1er") : QString::number(jour);
}

QString dateCivile(qint64 jj, const JourMoisAn &d)
{
    return QStringLiteral("%1 %2 %3 %4").arg(nomJour(jourSemaine(jj)), quantieme(d.jour), nomMois(d.mois)).arg(d.annee);
}

// ISO 8601 writes a year in four digits at least, signed before year 0.
QString anIso(int annee)
{
    return (annee < 0 ? QStringLiteral("-") : QString())
           + QStringLiteral("%1").arg(qAbs(annee), 4, 10, QLatin1Char('0'));
}

// "1er jour", "1re décade", "2e" …
QString rang(int n, bool feminin)
{
    if (n == 1)
        return feminin ? QStringLiteral("1re") : QStringLiteral("1er");
    return QStringLiteral("%1e").arg(n);
}

QString ligneRepublicaine(const DateRepublicaine &r)
{
    const QString an = QStringLiteral("an ") + chiffresRomains(r.annee);
    if (r.mois == 13)
        return QStringLiteral("%1 jour complémentaire %2, %3").arg(rang(r.jour, false), an, nomDuJour(r.mois, r.jour));
    return QStringLiteral("%1 %2 %3 %4 (%5 décade), %6")
        .arg(nomJourDecade(r.jour), quantieme(r.jour), nomMoisRepublicain(r.mois), an,
             rang((r.jour - 1) / 10 + 1, true), nomDuJour(r.mois, r.jour));
}

} // namespace

std::optional<QString> texteAutresCalendriers(int valeur, const JourEquinoxe &equinoxe)
{
    const qint64 jj = valeur + JourJulienDuJourZero;
    const JourMoisAn gregorien = dateGregorienne(jj);
    if (gregorien.annee < AutresCalendriersAnneeMin || gregorien.annee > AutresCalendriersAnneeMax)
        return std::nullopt;
    const bool proleptique = jj < jourJulien(PremierJourGregorien, MoisReforme, AnneeReforme);
    const SemaineIso semaine = semaineIso(jj);
    const DateHebraique hebreu = dateHebraique(jj);
    QStringList lignes{
        QStringLiteral("Calendrier grégorien%1 : ").arg(proleptique ? QStringLiteral(" (proleptique)") : QString())
            + dateCivile(jj, gregorien),
        QStringLiteral("Calendrier julien : ") + dateCivile(jj, dateJulienne(jj)),
        QStringLiteral("Semaine ISO : %1-W%2-%3")
            .arg(anIso(semaine.annee))
            .arg(semaine.semaine, 2, 10, QLatin1Char('0'))
            .arg(jourSemaine(jj)),
        QStringLiteral("Jour julien : %1").arg(jj),
        QStringLiteral("Calendrier hébraïque : %1 %2 %3")
            .arg(quantieme(hebreu.jour), nomMoisHebraique(hebreu.mois, hebreu.annee))
            .arg(hebreu.annee)};
    if (const auto hegire = dateHegire(jj))
        lignes << QStringLiteral("Calendrier musulman (tabulaire) : %1 %2 %3 de l'Hégire")
                      .arg(quantieme(hegire->jour), nomMoisHegire(hegire->mois))
                      .arg(hegire->annee);
    if (const auto republicain = dateRepublicaine(jj, equinoxe))
        lignes << QStringLiteral("Calendrier républicain : ") + ligneRepublicaine(*republicain);
    return lignes.join(QChar(10));
}

} // namespace Dates
