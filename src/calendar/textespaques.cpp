#include "calendar/textespaques.h"

#include "dates/jours.h"
#include "dates/noms.h"
#include "dates/texte.h"

namespace Calendrier {

QString texteJoursFeries(qint16 an)
{
    const auto feries = Dates::joursFeriesMobiles(an);
    if (!feries)
        return {};
    QStringList lignes;
    for (const auto &f : *feries)
        lignes << f.texte;
    return lignes.join(QChar(10));
}

QString texteOrthodoxe(qint16 an)
{
    const auto paques = Dates::paquesOrthodoxe(an);
    if (!paques)
        return {};
    // Always a Sunday: the day and month alone fit the window's width.
    const bool julien = an <= Dates::AnneeReforme;
    const Dates::JourMoisAn d = julien ? Dates::dateJulienne(*paques) : Dates::dateGregorienne(*paques);
    return QStringLiteral("Pâques orthodoxe : %1 %2%3")
        .arg(d.jour)
        .arg(Dates::nomMois(d.mois), julien ? QStringLiteral(" julien") : QString());
}

QString texteRappel()
{
    QStringList lignes{QStringLiteral("Et pour mémoire : ")};
    for (const Dates::Ferie &f : Dates::Feries)
        if (f.rappel)
            lignes << QString::fromUtf16(f.rappel);
    return lignes.join(QChar(10));
}

std::optional<Saisie::Bornee> borneAnneePaques(const QString &texte)
{
    return Saisie::borne(texte, Dates::PaquesAnneeMin, Dates::PaquesAnneeMax);
}

} // namespace Calendrier
