#include "app/calculsligne.h"

#include "calendar/textecalculs.h"

#include <QRegularExpression>

namespace App {

namespace {

const QString Ajoute = QStringLiteral("--ajoute");
const QString JoursOuvres = QStringLiteral("--jours-ouvres");
const QString JourOuvre = QStringLiteral("--jour-ouvre");
const QString Ouvrables = QStringLiteral("--ouvrables");
const QString AlsaceMoselle = QStringLiteral("--alsace-moselle");

LigneCommande fin(const Calendrier::Resultat &r)
{
    LigneCommande l;
    l.codeSortie = r.ok ? 0 : CodeLigneRefusee;
    if (r.ok)
        l.sortie = r.texte + QLatin1Char('\n');
    else
        l.erreur = QStringLiteral("zelund : ") + r.texte + QLatin1Char('\n');
    return l;
}

Calendrier::Resultat refus(const QString &texte)
{
    return {texte, false};
}

Calendrier::Resultat ajoute(const QStringList &a)
{
    static const QRegularExpression forme(QStringLiteral("^([+-]?\\d+)([jsma])$"));
    const QRegularExpressionMatch m = forme.match(a.value(2).trimmed());
    if (!m.hasMatch())
        return refus(QStringLiteral("la période « %1 » est illisible : écrivez par exemple +90j, -6m, 2s ou 1a "
                                    "(jours, semaines, mois, années).")
                         .arg(a.value(2)));
    static const QString unites = QStringLiteral("jsma");
    return Calendrier::texteAjout(a.value(1), m.captured(1),
                                  static_cast<Dates::Unite>(unites.indexOf(m.captured(2).at(0))));
}

} // namespace

std::optional<LigneCommande> lisCalculsDates(const QStringList &arguments)
{
    QStringList reste = arguments;
    const bool ouvrables = reste.removeAll(Ouvrables) > 0;
    const bool alsace = reste.removeAll(AlsaceMoselle) > 0;
    const QString option = reste.value(0);
    if (option != Ajoute && option != JoursOuvres && option != JourOuvre) {
        if (reste.contains(Ajoute) || reste.contains(JoursOuvres) || reste.contains(JourOuvre))
            return fin(refus(QStringLiteral("un calcul de dates se demande seul : voyez zelund --help.")));
        return std::nullopt;
    }
    const auto regle = ouvrables ? Dates::Regle::Ouvrables : Dates::Regle::Ouvres;
    const auto region = alsace ? Dates::Region::AlsaceMoselle : Dates::Region::France;
    if (reste.size() != 3)
        return fin(refus(QStringLiteral("%1 attend deux valeurs : voyez zelund --help.").arg(option)));
    if (option == Ajoute) {
        if (ouvrables || alsace)
            return fin(refus(QStringLiteral("--ajoute compte des jours du calendrier, pas des jours ouvrés.")));
        return fin(ajoute(reste));
    }
    if (option == JoursOuvres)
        return fin(Calendrier::texteJoursOuvres(reste[1], reste[2], regle, region));
    return fin(Calendrier::texteJourOuvre(reste[1], reste[2], regle, region));
}

QString texteAideCalculs()
{
    return QStringLiteral("\n"
                          "Calculs de dates (sans fenêtre, une ligne de réponse) :\n"
                          "  --ajoute JJ/MM/AAAA ±N{j,s,m,a}\n"
                          "                      La date plus (ou moins) N jours, semaines, mois ou années.\n"
                          "  --jours-ouvres JJ/MM/AAAA JJ/MM/AAAA [--ouvrables] [--alsace-moselle]\n"
                          "                      Les jours ouvrés (ou ouvrables) entre deux dates, les deux\n"
                          "                      comprises, sans les jours fériés.\n"
                          "  --jour-ouvre JJ/MM/AAAA ±N [--ouvrables] [--alsace-moselle]\n"
                          "                      Le N-ième jour ouvré (ou ouvrable) après la date, avant si N\n"
                          "                      est négatif.\n");
}

} // namespace App
