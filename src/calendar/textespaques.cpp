#include "calendar/textespaques.h"

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
