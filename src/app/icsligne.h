#pragma once

#include "app/lignecommande.h"

#include <QDateTime>
#include <QStringList>
#include <optional>

namespace App {

// zelund --ics AAAA[-AAAA] [--alsace-moselle]: the holidays, the Moon's
// principal phases and the seasons of those years as an iCalendar file on
// standard output (status 0), or a French message on standard error (status
// 2). maintenant is the export's time stamp. nullopt when the arguments do
// not ask for it.
std::optional<LigneCommande> lisIcs(const QStringList &arguments, const QDateTime &maintenant);

QString texteAideIcs();

} // namespace App
