#pragma once

#include "base/saisie.h"
#include "dates/paques.h"

#include <QDate>
#include <QString>
#include <array>
#include <optional>

namespace Calendrier {

// The five lines joined by line feeds; empty for a year outside 1 to 9999.
QString texteJoursFeries(qint16 an);
// Orthodox Easter, the line below the five: "Pâques orthodoxe : 12 avril"
// from 1583, "Pâques orthodoxe : 15 avril julien" before; empty for a year
// outside 1 to 9999.
QString texteOrthodoxe(qint16 an);
// The fixed holidays, under "Et pour mémoire : ".
QString texteRappel();

std::optional<Saisie::Bornee> borneAnneePaques(const QString &texte);

} // namespace Calendrier
