#include "app/lignecommande.h"

#include "app/calculsligne.h"
#include "app/ephemeridecommande.h"
#include "base/chargement.h"
#include "base/parametres.h"
#include "base/reglages.h"
#include "dates/calendrier.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <cstdio>
#include <functional>
#include <vector>

namespace App {

namespace {

QString erreur(const QString &texte)
{
    return QStringLiteral("zelund : ") + texte + QLatin1Char('\n');
}

LigneCommande arret(int code, const QString &sortie, const QString &erreurTexte = {})
{
    LigneCommande l;
    l.codeSortie = code;
    l.sortie = sortie;
    l.erreur = erreurTexte;
    return l;
}

} // namespace

QString texteAideLigneCommande()
{
    return QStringLiteral("Utilisation : zelund [options]\n"
                          "\n"
                          "Zelund + : le jour de la semaine de toute date, les phases de la Lune,\n"
                          "le temps écoulé entre deux dates, Pâques et les jours fériés.\n"
                          "\n"
                          "Options :\n"
                          "  -h, --help          Affiche cette aide et s'arrête.\n"
                          "  -v, --version       Affiche la version et s'arrête.\n"
                          "  --date JJ/MM/AAAA   Démarre sur cette date, comme si vous l'aviez choisie\n"
                          "                      (calendrier julien avant le 15/10/1582). L'année doit\n"
                          "                      être dans la liste des années de la configuration.\n"
                          "  --ephemeride [JJ/MM/AAAA] [--lieu NOM | --lieu LAT,LON]\n"
                          "                      Affiche l'éphéméride du jour (Soleil, Lune, saisons) à\n"
                          "                      Paris ou au lieu donné, sans ouvrir de fenêtre.\n"
                          "\n"
                          "Une option inconnue, un argument de trop, une date illisible ou qui n'existe\n"
                          "pas sont signalés et le programme s'arrête avec le code 2, sans ouvrir de\n"
                          "fenêtre.\n")
           + texteAideCalculs();
}

namespace {

// Qt's own options, with one dash or two, are the toolkit's: those that take
// the next argument as their value, and the others.
const QStringList OptionsQtAvecValeur = {QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
                                         QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
                                         QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
                                         QStringLiteral("qwindowtitle"),    QStringLiteral("display"),
                                         QStringLiteral("style"),           QStringLiteral("stylesheet"),
                                         QStringLiteral("session"),         QStringLiteral("geometry"),
                                         QStringLiteral("title"),           QStringLiteral("name")};
const QStringList OptionsQtSeules = {QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
                                     QStringLiteral("dograb"), QStringLiteral("sync")};

QStringList sansOptionsQt(const QStringList &arguments)
{
    QStringList reste;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a == QLatin1String("--")) { // the rest are not options, nor Qt's
            reste += arguments.mid(i);
            break;
        }
        const QString nom = a.mid(a.startsWith(QLatin1String("--")) ? 2 : 1).section(QLatin1Char('='), 0, 0);
        if (!a.startsWith(QLatin1Char('-')) || !(OptionsQtSeules.contains(nom) || OptionsQtAvecValeur.contains(nom)))
            reste << a;
        else if (OptionsQtAvecValeur.contains(nom) && !a.contains(QLatin1Char('=')))
            ++i;
    }
    return reste;
}

// An option that prints its answer and stops, without a window: its names,
// the name of its value (none for a switch) and the answer to its value.
struct OptionImprimee
{
    QStringList noms;
    QString valeur;
    std::function<LigneCommande(const QString &valeur)> reponse;
};

const std::vector<OptionImprimee> &optionsImprimees()
{
    static const std::vector<OptionImprimee> options = {
        {{QStringLiteral("h"), QStringLiteral("help")},
         {},
         [](const QString &) { return arret(0, texteAideLigneCommande()); }},
        {{QStringLiteral("v"), QStringLiteral("version")},
         {},
         [](const QString &) { return arret(0, QStringLiteral("Zelund + 4.11\n")); }},
    };
    return options;
}

QString refusAnalyse(const QCommandLineParser &analyse)
{
    if (!analyse.unknownOptionNames().isEmpty()) {
        const QString nom = analyse.unknownOptionNames().constFirst();
        return QStringLiteral("option inconnue « %1%2 ». Voyez zelund --help.")
            .arg(nom.size() > 1 ? QStringLiteral("--") : QStringLiteral("-"), nom);
    }
    // Qt names the option between quotes in its own (English) message.
    static const QRegularExpression citee(QStringLiteral("'([^']*)'"));
    const QString option = citee.match(analyse.errorText()).captured(1);
    if (analyse.errorText().startsWith(QLatin1String("Missing value")))
        return QStringLiteral("il manque la valeur après « %1 ». Voyez zelund --help.").arg(option);
    return QStringLiteral("« %1 » ne prend pas de valeur. Voyez zelund --help.").arg(option);
}

LigneCommande lisDate(const QString &texte)
{
    static const QRegularExpression forme(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    const QRegularExpressionMatch m = forme.match(texte);
    if (!m.hasMatch())
        return arret(
            CodeLigneRefusee, {},
            erreur(
                QStringLiteral("date « %1 » illisible : écrivez-la JJ/MM/AAAA, par exemple 24/06/2002.").arg(texte)));
    const Dates::JourMoisAn j{m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()};
    // The days the main window's grid offers: none of 5 to 14 October 1582.
    if (!Dates::estDateValide(j.jour, j.mois, j.annee) || !Dates::joursActifs(j.mois, j.annee)[std::size_t(j.jour - 1)])
        return arret(CodeLigneRefusee, {},
                     erreur(QStringLiteral("le %1 n'existe pas dans le calendrier de Zelund +.").arg(texte)));
    LigneCommande l;
    l.date = j;
    return l;
}

} // namespace

LigneCommande lisLigneCommande(const QStringList &arguments)
{
    // The date calculations read their own values, which are not options.
    if (auto calcul = lisCalculsDates(arguments))
        return *calcul;
    QCommandLineParser analyse;
    analyse.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    std::vector<QCommandLineOption> imprimees;
    for (const OptionImprimee &o : optionsImprimees())
        imprimees.emplace_back(o.noms, QString(), o.valeur);
    const QCommandLineOption date(QStringLiteral("date"), QString(), QStringLiteral("JJ/MM/AAAA"));
    for (const QCommandLineOption &o : imprimees)
        analyse.addOption(o);
    analyse.addOption(date);
    const QCommandLineOption ephemeride(QStringLiteral("ephemeride"), QString());
    const QCommandLineOption lieu(QStringLiteral("lieu"), QString(), QStringLiteral("NOM"));
    analyse.addOption(ephemeride);
    analyse.addOption(lieu);

    if (!analyse.parse(QStringList{QStringLiteral("zelund")} + sansOptionsQt(arguments)))
        return arret(CodeLigneRefusee, {}, erreur(refusAnalyse(analyse)));
    // The almanac takes its day as the one value that is not an option.
    if (analyse.isSet(ephemeride)) {
        const auto e = ephemerideLigneCommande(analyse.positionalArguments(),
                                               analyse.isSet(lieu) ? std::optional(analyse.value(lieu)) : std::nullopt);
        return arret(e.code, e.sortie, e.erreur);
    }
    if (analyse.isSet(lieu))
        return arret(CodeLigneRefusee, {}, erreur(QStringLiteral("--lieu ne va qu'avec --ephemeride.")));
    if (!analyse.positionalArguments().isEmpty())
        return arret(CodeLigneRefusee, {},
                     erreur(QStringLiteral("argument inattendu « %1 ». Voyez zelund --help.")
                                .arg(analyse.positionalArguments().constFirst())));
    for (std::size_t i = 0; i < imprimees.size(); ++i)
        if (analyse.isSet(imprimees[i]))
            return optionsImprimees()[i].reponse(analyse.value(imprimees[i]));
    if (!analyse.isSet(date))
        return {};
    return lisDate(analyse.value(date).trimmed());
}

LigneCommande verifieLigneCommande(const QStringList &arguments, Reglages &reglages)
{
    LigneCommande l = lisLigneCommande(arguments);
    if (l.date)
        if (const auto refus = refusAnneeDemarrage(*l.date, reglages))
            return arret(CodeLigneRefusee, {}, *refus);
    return l;
}

std::optional<QString> refusAnneeDemarrage(const Dates::JourMoisAn &date, int anneeDebut, int anneeFin)
{
    if (date.annee >= anneeDebut && date.annee <= anneeFin)
        return std::nullopt;
    return erreur(QStringLiteral("l'année %1 n'est pas dans la liste des années (%2 à %3) ; "
                                 "changez la liste dans la configuration.")
                      .arg(date.annee)
                      .arg(anneeDebut)
                      .arg(anneeFin));
}

std::optional<QString> refusAnneeDemarrage(const Dates::JourMoisAn &date, Reglages &reglages)
{
    const auto lis = [&reglages](Parametres::Cle cle) {
        const Parametres::Definition &d = Parametres::definition(cle);
        return Base::lisAnnee(reglages.lit(d.section, d.cle, d.defaut));
    };
    const auto debut = lis(Parametres::Cle::AnneeDebut);
    const auto fin = lis(Parametres::Cle::AnneeFin);
    // An unreadable range is the load's business, with its own message.
    if (!debut || !fin)
        return std::nullopt;
    return refusAnneeDemarrage(date, Base::corrigeAnneeDebut(*debut), Base::corrigeAnneeFin(*fin));
}

QStringList argumentsProgramme(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int termineLigneCommande(const LigneCommande &ligne)
{
    std::fputs(ligne.sortie.toLocal8Bit().constData(), stdout);
    std::fputs(ligne.erreur.toLocal8Bit().constData(), stderr);
    return ligne.codeSortie.value_or(0);
}

} // namespace App
