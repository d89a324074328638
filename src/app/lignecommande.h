#pragma once

#include "dates/texte.h"

#include <QString>
#include <QStringList>
#include <optional>

class Reglages;

namespace App {

// What the command line asks: to stop at once with a text (help, version,
// a wrong option or date), or to start, possibly on a given date.
struct LigneCommande
{
    // Set when the program stops without a window, with this exit status.
    std::optional<int> codeSortie;
    QString sortie; // for standard output
    QString erreur; // for standard error
    // The date to start on, in the main window's calendar (Julian before
    // 15 October 1582).
    std::optional<Dates::JourMoisAn> date;
};

inline constexpr int CodeLigneRefusee = 2;

// The arguments after the program's name. Qt's own options (-platform,
// -style…) are left to the toolkit; any other option, or an argument that is
// no option's value, is refused.
LigneCommande lisLigneCommande(const QStringList &arguments);
// The same, with the start date's year checked against the settings' year
// list: every check the command line needs, none of which needs a display.
LigneCommande verifieLigneCommande(const QStringList &arguments, Reglages &reglages);

// The start date is refused when its year is not in the year list.
std::optional<QString> refusAnneeDemarrage(const Dates::JourMoisAn &date, int anneeDebut, int anneeFin);
// The same against the year range kept in the settings (when it is readable).
std::optional<QString> refusAnneeDemarrage(const Dates::JourMoisAn &date, Reglages &reglages);

QString texteAideLigneCommande();

// For the program's main: the arguments after its name; printing the texts of
// a command line that stops, giving its exit status.
QStringList argumentsProgramme(int argc, char **argv);
int termineLigneCommande(const LigneCommande &ligne);

} // namespace App
