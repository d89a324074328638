#include "dates/noms.h"

#include <array>

namespace Dates {

namespace {

const std::array<QString, 7> &jours()
{
    static const std::array<QString, 7> noms = {
        QStringLiteral("lundi"),    QStringLiteral("mardi"),  QStringLiteral("mercredi"), QStringLiteral("jeudi"),
        QStringLiteral("vendredi"), QStringLiteral("samedi"), QStringLiteral("dimanche")};
    return noms;
}

const std::array<QString, 12> &moisDeLAnnee()
{
    static const std::array<QString, 12> noms = {
        QStringLiteral("janvier"),   QStringLiteral("février"), QStringLiteral("mars"),     QStringLiteral("avril"),
        QStringLiteral("mai"),       QStringLiteral("juin"),    QStringLiteral("juillet"),  QStringLiteral("août"),
        QStringLiteral("septembre"), QStringLiteral("octobre"), QStringLiteral("novembre"), QStringLiteral("décembre")};
    return noms;
}

} // namespace

QString nomJour(int jourSemaine)
{
    if (jourSemaine < 1 || jourSemaine > 7)
        return {};
    return jours()[jourSemaine - 1];
}

QString nomMois(int mois)
{
    if (mois < 1 || mois > 12)
        return {};
    return moisDeLAnnee()[mois - 1];
}

QStringList textesListeMois()
{
    return {QStringLiteral(" Janvier"), QStringLiteral(" Février"),  QStringLiteral(" Mars"),
            QStringLiteral(" Avril"),   QStringLiteral(" Mai"),      QStringLiteral(" Juin"),
            QStringLiteral(" Juillet"), QStringLiteral(" Août"),     QStringLiteral(" Septembre"),
            QStringLiteral(" Octobre"), QStringLiteral(" Novembre"), QStringLiteral(" Décembre")};
}

QString nomJourSemaine(int w)
{
    static const std::array<QString, 7> noms = {QStringLiteral(" Dimanche "), QStringLiteral(" Lundi "),
                                                QStringLiteral(" Mardi "),    QStringLiteral(" Mercredi "),
                                                QStringLiteral(" Jeudi "),    QStringLiteral(" Vendredi "),
                                                QStringLiteral(" Samedi ")};
    return noms.at(static_cast<std::size_t>(w));
}

QString nomColonne(int colonne)
{
    static const std::array<QString, 7> noms = {QStringLiteral("LUN."), QStringLiteral("MAR."), QStringLiteral("MER."),
                                                QStringLiteral("JEU."), QStringLiteral("VEN."), QStringLiteral("SAM."),
                                                QStringLiteral("DIM.")};
    return noms.at(static_cast<std::size_t>(colonne - 1));
}

} // namespace Dates
