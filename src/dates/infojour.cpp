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

int jourDeLAnnee(const QDate &jour)
{
    return jour.dayOfYear();
}

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

std::optional<QString> infoJour(const QDate &jour)
{
    if (!jour.isValid())
        return std::nullopt;
    auto texte = legendeAujourdhui(jour);
    if (!texte)
        return std::nullopt;
    if (jour < debutGregorien())
        return texte;
    const SemaineIso s = semaineIso(jour);
    *texte += QStringLiteral("\nSemaine %1%2, jour %3 de l'année")
                  .arg(s.semaine)
                  .arg(s.annee != jour.year() ? QStringLiteral(" de %1").arg(s.annee) : QString())
                  .arg(jourDeLAnnee(jour));
    if (const auto ferie = jourFerie(jour))
        *texte += QStringLiteral("\nJour férié : ") + *ferie;
    return texte;
}

std::optional<QString> infoJourGrille(int jour, int mois, int annee, Periode periode)
{
    const QDate d(annee, mois, jour);
    if (d.isValid() && d >= debutGregorien())
        return infoJour(d);
    auto texte = legendeJour(jour, mois, annee, periode);
    if (texte)
        *texte += QStringLiteral("\nCalendrier julien");
    return texte;
}

} // namespace Dates
