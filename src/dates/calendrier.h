#pragma once

#include <array>

// Which side of the 1582 calendar reform a shown month lies on.
enum class Periode { Avant1582, AvantOctobre1582, Octobre1582, Apres1582 };

Periode periodeDuMois(int mois, int annee);

bool estBissextileGregorien(int annee);
// Length of a month in the proleptic Gregorian calendar, for every year,
// zero and negative years included (astronomical numbering: 0 is 1 BC).
int longueurMois(int mois, int annee);

// Which of the 31 day buttons can be clicked for a month: the month's own
// days, less 5 to 14 October 1582, which never existed.
std::array<bool, 31> joursActifs(int mois, int annee);

#include <QStringList>

// The month list's texts, " Janvier" to " Décembre", each with one leading blank.
QStringList textesListeMois();
