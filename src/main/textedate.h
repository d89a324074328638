#pragma once

#include "main/grille.h"

#include <QDate>
#include <QString>
#include <optional>

struct JourMoisAn
{
    int jour = 0;
    int mois = 0;
    int annee = 0;
    bool operator==(const JourMoisAn &) const = default;
};

// French names in lower case, as a long date writes them, whatever the
// system locale: jourSemaine 1 = lundi … 7 = dimanche, mois 1 = janvier.
QString nomJour(int jourSemaine);
QString nomMois(int mois);

// A real day of the proleptic Gregorian calendar, years 100 to 9999.
bool estDateValide(int jour, int mois, int annee);

// Caption of a clicked day: capitalised weekday, taken from the Julian
// calendar before 15 October 1582 (the date three days later in the
// proleptic Gregorian calendar), then day, month and year.
std::optional<QString> legendeJour(int jour, int mois, int annee, Periode periode);
// Today's caption always uses the Gregorian weekday.
std::optional<QString> legendeAujourdhui(const QDate &aujourdhui);

// "05/03/2002", the form the selection is kept in.
std::optional<QString> texteSelection(int jour, int mois, int annee);
std::optional<JourMoisAn> lisSelection(const QString &selection);
// "5/3/2002" from "05/03/2002".
std::optional<QString> texteCourt(const QString &selection);
