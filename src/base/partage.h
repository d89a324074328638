#pragma once

#include "dates/texte.h"

#include <QString>
#include <optional>

// The application-wide variables, living for the whole run.
struct Partage
{
    QString titreAppli = QStringLiteral("Zelund");

    // The date given on the command line, selected once the window is loaded.
    std::optional<Dates::JourMoisAn> dateDemarrage;

    // Toolbox bookkeeping.
    bool bOutilsAffichee = false;
    bool horlogeFermee = true;
    bool calendrierFermee = true;
    bool miniCalendFermee = true;
    bool jourPlusFermee = true;
    bool fen2010Fermee = true;
    bool fen2001Fermee = true;
    bool paquesFermee = true;
    bool loterieFermee = true;
    bool lance2001 = false;
    bool lance2010 = false;

    // Lottery.
    int nbBoules = 7;
    int nbPartants = 49;
};

Partage &partage();
