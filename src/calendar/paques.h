#pragma once

#include "calendar/grillecalendrier.h"

#include <QDate>
#include <QString>
#include <array>
#include <optional>

inline constexpr int PaquesAnneeMin = 1;
inline constexpr int PaquesAnneeMax = 9999;

// Easter Sunday by the Gregorian rule, applied to every year 1 to 9999, those
// before 1583 included. An invalid date for any other year.
QDate fPaques(qint16 an);

// A date as the holiday list writes it: "dimanche 31 mars " (weekday, day
// without leading zero, month, and the blank that stood before the year).
QString AffJour(const QDate &jour);

struct JourFerie
{
    QString libelle; // "Pâques : ", "Ascension : " …
    QDate date;
    QString texte; // libelle followed by AffJour(date)
};

// Easter, Easter Monday, Ascension, Whit Sunday and Whit Monday, in that order.
// Empty for a year outside 1 to 9999.
std::optional<std::array<JourFerie, 5>> joursFeriesMobiles(qint16 an);
// The five lines joined by line feeds; empty for a year outside 1 to 9999.
QString texteJoursFeries(qint16 an);
// The fixed holidays, under "Et pour mémoire : ".
QString texteRappel();

std::optional<Saisie::Bornee> borneAnneePaques(const QString &texte);
