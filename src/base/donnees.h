#pragma once

#include "base/sujetaide.h"

#include <QString>

namespace Base {

// The program's data files (tips, help) live in share/zelund, beside the
// program in the build tree and in the system's data folders once installed.
QString dossierDonnees();
QString cheminDonnees(const QString &nom);
// The help page of a topic. Empty when missing.
QString cheminAide(SujetAide sujet);

} // namespace Base
