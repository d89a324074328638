#pragma once

#include "base/saisie.h"
#include "dates/paques.h"

#include <QDate>
#include <QString>
#include <array>
#include <optional>

struct JourFerie
{
    QString libelle; // "Pâques : ", "Ascension : " …
    QDate date;
    QString texte; // libelle followed by Dates::AffJour(date)
};

// Easter, Easter Monday, Ascension, Whit Sunday and Whit Monday, in that order.
// Empty for a year outside 1 to 9999.
std::optional<std::array<JourFerie, 5>> joursFeriesMobiles(qint16 an);
// The five lines joined by line feeds; empty for a year outside 1 to 9999.
QString texteJoursFeries(qint16 an);
// The fixed holidays, under "Et pour mémoire : ".
QString texteRappel();

std::optional<Saisie::Bornee> borneAnneePaques(const QString &texte);
