#include "calendar/paques.h"

#include "dates/texte.h"

std::optional<std::array<JourFerie, 5>> joursFeriesMobiles(qint16 an)
{
    const QDate p = Dates::fPaques(an);
    if (!p.isValid())
        return std::nullopt;
    const auto ferie = [](const QString &libelle, const QDate &date) {
        return JourFerie{libelle, date, libelle + Dates::AffJour(date)};
    };
    return std::array<JourFerie, 5>{
        ferie(QStringLiteral("Pâques : "), p),
        ferie(QStringLiteral("Lundi de Pâques : "), p.addDays(1)),
        ferie(QStringLiteral("Ascension : "), p.addDays(39)),
        ferie(QStringLiteral("Pentecôte : "), p.addDays(49)),
        ferie(QStringLiteral("Lundi de Pentecôte : "), p.addDays(50)),
    };
}

QString texteJoursFeries(qint16 an)
{
    const auto feries = joursFeriesMobiles(an);
    if (!feries)
        return {};
    QStringList lignes;
    for (const auto &f : *feries)
        lignes << f.texte;
    return lignes.join(QChar(10));
}

QString texteRappel()
{
    return QStringList{QStringLiteral("Et pour mémoire : "), QStringLiteral("1er Janvier"),
                       QStringLiteral("1er Mai"),            QStringLiteral("8 Mai"),
                       QStringLiteral("14 Juillet"),         QStringLiteral("15 Août"),
                       QStringLiteral("1er Novembre"),       QStringLiteral("11 Novembre"),
                       QStringLiteral("25 Décembre")}
        .join(QChar(10));
}

std::optional<Saisie::Bornee> borneAnneePaques(const QString &texte)
{
    return Saisie::borne(texte, Dates::PaquesAnneeMin, Dates::PaquesAnneeMax);
}
