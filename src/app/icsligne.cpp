#include "app/icsligne.h"

#include "dates/exportics.h"
#include "moon/phasesics.h"
#include "moon/phasesvraies.h"

#include <QRegularExpression>

namespace App {

namespace {

const QString Ics = QStringLiteral("--ics");
const QString AlsaceMoselle = QStringLiteral("--alsace-moselle");

LigneCommande refus(const QString &texte)
{
    LigneCommande l;
    l.codeSortie = CodeLigneRefusee;
    l.erreur = QStringLiteral("zelund : ") + texte + QLatin1Char('\n');
    return l;
}

} // namespace

std::optional<LigneCommande> lisIcs(const QStringList &arguments, const QDateTime &maintenant)
{
    QStringList reste;
    for (const QString &a : arguments) // --ics=2002 as --ics 2002
        reste << (a.startsWith(Ics + u'=') ? QStringList{Ics, a.mid(Ics.size() + 1)} : QStringList{a});
    if (!reste.contains(Ics))
        return std::nullopt;
    const bool alsace = reste.removeAll(AlsaceMoselle) > 0;
    if (reste.size() != 2 || reste[0] != Ics)
        return refus(QStringLiteral("--ics attend ses années, AAAA ou AAAA-AAAA, et rien d'autre que "
                                    "--alsace-moselle : voyez zelund --help."));
    static const QRegularExpression forme(QStringLiteral("^(\\d{1,4})(?:-(\\d{1,4}))?$"));
    const QRegularExpressionMatch m = forme.match(reste[1].trimmed());
    if (!m.hasMatch())
        return refus(QStringLiteral("années « %1 » illisibles : écrivez AAAA ou AAAA-AAAA, par exemple 2002-2010.")
                         .arg(reste[1]));
    const int debut = m.captured(1).toInt();
    const int fin = m.hasCaptured(2) ? m.captured(2).toInt() : debut;
    const Dates::PhasesIcs lune = Lune::phasesIcs();
    if (const auto r = Dates::refusAnneesIcs(debut, fin, lune))
        return refus(*r);
    LigneCommande l;
    l.codeSortie = 0;
    l.sortie = QString::fromUtf8(Dates::calendrierIcs(
        debut, fin, alsace ? Dates::Region::AlsaceMoselle : Dates::Region::France, maintenant, lune));
    return l;
}

QString texteAideIcs()
{
    return QStringLiteral("\n"
                          "Export iCalendar (sans fenêtre) :\n"
                          "  --ics AAAA[-AAAA] [--alsace-moselle]\n"
                          "                      Écrit au format iCalendar (.ics) les jours fériés, les\n"
                          "                      phases principales de la Lune et les équinoxes et\n"
                          "                      solstices de ces années (%1 à %2), par exemple :\n"
                          "                      zelund --ics 2002-2010 > fetes.ics\n")
        .arg(Lune::PhasesAnneeMin)
        .arg(Lune::PhasesAnneeMax);
}

} // namespace App
