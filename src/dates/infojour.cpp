#include "dates/infojour.h"

#include "calendar/paques.h"
#include "main/textedate.h"

#include <QStringList>

namespace Dates {

QDate premierJourGregorien()
{
    return QDate(1582, 10, 15);
}

SemaineIso semaineIso(const QDate &jour)
{
    SemaineIso s;
    s.semaine = jour.weekNumber(&s.annee);
    return s;
}

int jourDeLAnnee(const QDate &jour)
{
    return jour.dayOfYear();
}

std::optional<QString> jourFerie(const QDate &jour)
{
    if (!jour.isValid() || jour < premierJourGregorien())
        return std::nullopt;
    struct Fixe
    {
        int mois, jour;
        const char16_t *nom;
    };
    // The dates of the Easter window's reminder list.
    static constexpr Fixe fixes[] = {{1, 1, u"Jour de l'an"},     {5, 1, u"Fête du Travail"},
                                     {5, 8, u"Victoire 1945"},    {7, 14, u"Fête nationale"},
                                     {8, 15, u"Assomption"},      {11, 1, u"Toussaint"},
                                     {11, 11, u"Armistice 1918"}, {12, 25, u"Noël"}};
    QStringList noms;
    for (const Fixe &f : fixes)
        if (jour.month() == f.mois && jour.day() == f.jour)
            noms << QString::fromUtf16(f.nom);
    if (const auto mobiles = joursFeriesMobiles(qint16(jour.year())))
        for (const JourFerie &m : *mobiles)
            if (m.date == jour)
                noms << m.libelle.chopped(3); // "Pâques : " without its " : "
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
    if (jour < premierJourGregorien())
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
    if (d.isValid() && d >= premierJourGregorien())
        return infoJour(d);
    auto texte = legendeJour(jour, mois, annee, periode);
    if (texte)
        *texte += QStringLiteral("\nCalendrier julien");
    return texte;
}

} // namespace Dates
