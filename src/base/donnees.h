#pragma once

#include <QString>

namespace Base {

// The program's data files (tips, help) live in share/zelund, beside the
// program in the build tree and in the system's data folders once installed.
QString dossierDonnees();
QString cheminDonnees(const QString &nom);
// The help page for a topic; 0 is the contents page. Empty when missing.
QString cheminAide(int contexte);

} // namespace Base
