#include "dates/infojour.h"

#include "dates/paques.h"
#include "dates/texte.h"

#include <QStringList>

namespace Dates {

QDate debutGregorien()
{
    return QDate(AnneeReforme, MoisReforme, PremierJourGregorien);
}

SemaineIso semaineIso(const QDate &jour)
{
    return semaineIso(jour.toJulianDay());
}

int jourDeLAnnee(int jour, int mois, int annee)
{
    return valeurDate(jour, mois, annee) - valeurDate(1, 1, annee) + 1;
}

int jourDeLAnneeSelection(int jour, int mois, int annee)
{
    return valeurSelection(jour, mois, annee) - valeurSelection(1, 1, annee) + 1;
}

namespace {

// What follows the date: the ISO week (a Gregorian count, so not before the
// reform), the day of the year, the holiday.
QString suiteInfoJour(int jour, int mois, int annee, int rang)
{
    if (avantLaReforme(jour, mois, annee))
        return QStringLiteral("\nJour %1 de l'année").arg(rang);
    const QDate d(annee, mois, jour);
    const SemaineIso s = semaineIso(d);
    QString texte = QStringLiteral("\nSemaine %1%2, jour %3 de l'année")
                        .arg(s.semaine)
                        .arg(s.annee != annee ? QStringLiteral(" de %1").arg(s.annee) : QString())
                        .arg(rang);
    if (const auto ferie = jourFerie(d))
        texte += QStringLiteral("\nJour férié : ") + *ferie;
    return texte;
}

} // namespace

std::optional<QString> jourFerie(const QDate &jour)
{
    if (!jour.isValid())
        return std::nullopt;
    QStringList noms;
    for (const Ferie &f : Feries)
        if (ferieEn(f, jour.year(), Region::France) && dateFerie(f, jour.year()) == jour)
            noms << QString::fromUtf16(f.nom);
    if (noms.isEmpty())
        return std::nullopt;
    return noms.join(QStringLiteral(", "));
}

std::optional<QString> infoJour(int jour, int mois, int annee)
{
    auto texte = legendeGregorienne(jour, mois, annee);
    if (texte)
        *texte += suiteInfoJour(jour, mois, annee, jourDeLAnnee(jour, mois, annee));
    return texte;
}

std::optional<QString> infoJourGrille(int jour, int mois, int annee, Periode periode)
{
    auto texte = legendeJour(jour, mois, annee, periode);
    if (!texte)
        return texte;
    *texte += suiteInfoJour(jour, mois, annee, jourDeLAnneeSelection(jour, mois, annee));
    if (avantLaReforme(jour, mois, annee))
        *texte += QStringLiteral("\nCalendrier julien");
    return texte;
}

} // namespace Dates
