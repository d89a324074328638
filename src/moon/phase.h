#pragma once

#include "main/textedate.h"

#include <QString>
#include <optional>

// Date values count whole days from 30 December 1899 (day 0) in the proleptic
// Gregorian calendar.

// A day past the end of its month carries into the following months and
// years: 41/12/1500 is 10 January 1501. Years 100 to 9999, months 1 to 12.
int valeurDate(int jour, int mois, int annee);

// A date of the calendar the main grid shows, Julian before 15 October 1582,
// as a date value: ten days are added to every earlier date.
int valeurSelection(int jour, int mois, int annee);
std::optional<int> valeurSelection(const QString &selection);

// Fraction of the synodic month since full moon, 0 <= fraction < 1:
// 0 full moon, 0.25 last quarter, 0.5 new moon, 0.75 first quarter.
double fractionPhase(int valeur);
// "Lune croissante" from new moon (0.5 included) to full moon.
QString legendePhase(double fraction);

struct Phase
{
    int valeur = 0;
    double fraction = 0.0;
    QString legende;
};
std::optional<Phase> calculePhase(const QString &selection);
