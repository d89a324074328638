#include "main/compteur.h"

#include "dates/texte.h"

namespace Principal {

int differenceJours(std::optional<int> premiere, std::optional<int> deuxieme)
{
    return deuxieme.value_or(0) - premiere.value_or(0);
}

QString texteEntreDates(int jours)
{
    return QStringLiteral("Temps écoulé entre les deux dates : %1 jours").arg(jours);
}

QString texteDepuisAujourdhui(int jours)
{
    return QStringLiteral("Temps écoulé depuis aujourd'hui : %1 jours").arg(jours);
}

QString legendePremiereDate(const QString &date)
{
    return QStringLiteral("Première date : ") + date;
}

QString legendeDeuxiemeDate(const QString &date)
{
    return QStringLiteral("Deuxième date : ") + date;
}

LegendesModifiees cliquePremiereDate(EtatCompteur &etat, const SelectionCourante &selection)
{
    etat.textePremiere = Dates::texteCourt(selection.date);
    etat.premiereDate = selection.valeur;
    etat.libellePremiere = selection.legendeDateJour;
    LegendesModifiees l;
    l.premiereDate = legendePremiereDate(etat.textePremiere);
    l.anMois = etat.textePremiere;
    // Once a second date is known, the count and the copy follow the new
    // first date, so that nothing shown tells another pair of dates.
    if (etat.deuxiemeDate) {
        etat.dateDepartCopie = etat.premiereDate;
        l.texteNBJ = texteEntreDates(differenceJours(etat.premiereDate, etat.deuxiemeDate));
    }
    return l;
}

LegendesModifiees cliqueDeuxiemeDate(EtatCompteur &etat, const SelectionCourante &selection)
{
    etat.texteDeuxieme = Dates::texteCourt(selection.date);
    etat.deuxiemeDate = selection.valeur;
    etat.dateDepartCopie = etat.premiereDate;
    etat.libelleDeuxieme = selection.legendeDateJour;
    LegendesModifiees l;
    l.deuxiemeDate = legendeDeuxiemeDate(etat.texteDeuxieme);
    l.premiereDate = legendePremiereDate(etat.textePremiere);
    l.texteNBJ = texteEntreDates(differenceJours(etat.premiereDate, etat.deuxiemeDate));
    l.anMois = etat.texteDeuxieme;
    return l;
}

LegendesModifiees cliqueDateAujourdhui(EtatCompteur &etat, const SelectionCourante &selection, const QDate &aujourdhui)
{
    const auto texteAujourdhui = Dates::texteSelection(aujourdhui.day(), aujourdhui.month(), aujourdhui.year());
    const auto libelleAujourdhui = Dates::legendeAujourdhui(aujourdhui);
    if (!texteAujourdhui || !libelleAujourdhui)
        return {};
    const int valeurAujourdhui = Dates::valeurDate(aujourdhui.day(), aujourdhui.month(), aujourdhui.year());
    etat.texteDeuxieme = Dates::texteCourt(selection.date);
    etat.deuxiemeDate = selection.valeur;
    etat.dateDepartCopie = valeurAujourdhui;
    etat.libellePremiere = *libelleAujourdhui;
    etat.libelleDeuxieme = selection.legendeDateJour;
    LegendesModifiees l;
    l.deuxiemeDate = legendeDeuxiemeDate(etat.texteDeuxieme);
    l.premiereDate = legendePremiereDate(*texteAujourdhui);
    l.texteNBJ = texteDepuisAujourdhui(differenceJours(valeurAujourdhui, etat.deuxiemeDate));
    return l;
}

QString texteCopie(const EtatCompteur &etat, const QString &legendeDateJour, const QString &legendePhase)
{
    const QStringList lignes = {
        legendeDateJour,
        legendePhase,
        QStringLiteral(" "),
        legendePremiereDate(etat.libellePremiere),
        legendeDeuxiemeDate(etat.libelleDeuxieme),
        texteEntreDates(differenceJours(etat.dateDepartCopie, etat.deuxiemeDate)),
    };
    return lignes.join(QLatin1Char('\n'));
}

QString messagePressePapiersAbsent()
{
    return QStringLiteral("Le presse-papiers n'existe pas dans le répertoire 'windows' ou bien il a été renommé. "
                          "Son nom d'origine est 'clipbrd.exe'. Vérifie qu'il est présent dans le répertoire "
                          "'windows'. Au cas ou tu utilises la version complète de Windows 95, tu n'as pas de "
                          "presse-papiers et il ne te reste plus qu'à râler auprès de Microsoft pour exiger "
                          "qu'ils l'incorporent.");
}

} // namespace Principal
