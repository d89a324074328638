#include "app/lignecommande.h"

#include "app/calculsligne.h"
#include "app/ephemeridecommande.h"
#include "base/chargement.h"
#include "base/partage.h"
#include "base/reglages.h"
#include "dates/calendrier.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <cstdio>

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
                          "Une date illisible ou qui n'existe pas est signalée et le programme s'arrête\n"
                          "avec le code 2, sans ouvrir de fenêtre.\n")
           + texteAideCalculs();
}

LigneCommande lisLigneCommande(const QStringList &arguments)
{
    if (auto calcul = lisCalculsDates(arguments))
        return *calcul;
    QCommandLineParser analyse;
    analyse.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption aide({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const QCommandLineOption date(QStringLiteral("date"), QString(), QStringLiteral("JJ/MM/AAAA"));
    const QCommandLineOption ephemeride(QStringLiteral("ephemeride"), QString());
    const QCommandLineOption lieu(QStringLiteral("lieu"), QString(), QStringLiteral("NOM"));
    analyse.addOptions({aide, version, date, ephemeride, lieu});

    // A double-dash option must be one of ours; the rest is the toolkit's.
    for (const QString &a : arguments) {
        if (!a.startsWith(QLatin1String("--")) || a == QLatin1String("--"))
            continue;
        const QString nom = a.mid(2).section(QLatin1Char('='), 0, 0);
        // Qt takes its own options with two dashes as well as one.
        static const QStringList optionsQt = {QStringLiteral("platform"), QStringLiteral("display"),
                                              QStringLiteral("style"),    QStringLiteral("stylesheet"),
                                              QStringLiteral("reverse"),  QStringLiteral("qwindowgeometry")};
        if (optionsQt.contains(nom))
            continue;
        if (nom != QLatin1String("help") && nom != QLatin1String("version") && nom != QLatin1String("date")
            && nom != QLatin1String("ephemeride") && nom != QLatin1String("lieu"))
            return arret(CodeLigneRefusee, {},
                         erreur(QStringLiteral("option inconnue « %1 ». Voyez zelund --help.").arg(a)));
    }
    if (!analyse.parse(QStringList{QStringLiteral("zelund")} + arguments)) {
        if (analyse.errorText().contains(QLatin1String("date")))
            return arret(CodeLigneRefusee, {}, erreur(QStringLiteral("il manque la date après --date (JJ/MM/AAAA).")));
        if (analyse.errorText().contains(QLatin1String("lieu")))
            return arret(CodeLigneRefusee, {},
                         erreur(QStringLiteral("il manque le lieu après --lieu (NOM ou LAT,LON).")));
    }
    if (analyse.isSet(aide))
        return arret(0, texteAideLigneCommande());
    if (analyse.isSet(version))
        return arret(0, QStringLiteral("Zelund + 4.11\n"));

    if (analyse.isSet(ephemeride)) {
        const auto e = ephemerideLigneCommande(analyse.positionalArguments(),
                                               analyse.isSet(lieu) ? std::optional(analyse.value(lieu)) : std::nullopt);
        return arret(e.code, e.sortie, e.erreur);
    }
    if (analyse.isSet(lieu))
        return arret(CodeLigneRefusee, {}, erreur(QStringLiteral("--lieu ne va qu'avec --ephemeride.")));

    LigneCommande l;
    if (!analyse.isSet(date))
        return l;
    const QString texte = analyse.value(date).trimmed();
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
    l.date = j;
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
    const auto debut = Base::lisAnnee(reglages.lit(Cles::AnneeDebut, Cles::Valeur, Cles::AnneeDebutDefaut));
    const auto fin = Base::lisAnnee(reglages.lit(Cles::AnneeFin, Cles::Valeur, Cles::AnneeFinDefaut));
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

std::optional<int> retientDateDemarrage(const LigneCommande &ligne)
{
    if (!ligne.date)
        return std::nullopt;
    if (const auto refus = refusAnneeDemarrage(*ligne.date, Reglages::courant())) {
        std::fputs(refus->toLocal8Bit().constData(), stderr);
        return CodeLigneRefusee;
    }
    partage().dateDemarrage = ligne.date;
    return std::nullopt;
}

} // namespace App
