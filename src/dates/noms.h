#pragma once

#include <QString>
#include <QStringList>

// The French names of the days and months, as each window writes them.
namespace Dates {

// "lundi" … "dimanche" for 1 = Monday … 7 = Sunday; empty outside.
QString nomJour(int jourSemaine);
// "janvier" … "décembre"; empty outside 1 to 12.
QString nomMois(int mois);
// " Janvier" … " Décembre": the month lists.
QStringList textesListeMois();
// " Dimanche " … " Samedi ", with a blank on each side, 0 = Sunday.
QString nomJourSemaine(int w);
// "LUN." … "DIM.", column 1 to 7.
QString nomColonne(int colonne);

} // namespace Dates
