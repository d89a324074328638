#pragma once

#include "app/lignecommande.h"

#include <QStringList>
#include <optional>

namespace App {

// The date calculations of the command line, answered without a window:
//   --ajoute JJ/MM/AAAA ±N{j,s,m,a}
//   --jours-ouvres JJ/MM/AAAA JJ/MM/AAAA [--ouvrables] [--alsace-moselle]
//   --jour-ouvre JJ/MM/AAAA ±N [--ouvrables] [--alsace-moselle]
// One line on standard output and status 0, or a French message on standard
// error and status 2. nullopt when the arguments ask none of them.
std::optional<LigneCommande> lisCalculsDates(const QStringList &arguments);

QString texteAideCalculs();

} // namespace App
