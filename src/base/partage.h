#pragma once

#include "base/chargement.h"
#include "base/couleurs.h"
#include "dates/texte.h"

#include <QString>

// The application-wide variables, living for the whole run.
struct Partage
{
    QString titreAppli = QStringLiteral("Zelund");
    QString infoBulles = QStringLiteral("Oui");
    bool infoBullesActives = true;
    QString conseilDemarrage = QStringLiteral("Oui");
    QString fichierAide;
    QString regionCalculs = Cles::Regions.first();
    QString uniteCalculs = Cles::Unites.first();
    Dates::Lieu lieuEphemeride = Dates::lieuParDefaut();
    int anneeDebut = 1700;
    int anneeFin = 2100;
    Couleurs::Schema couleurs = Couleurs::Schema::parDefaut();
    Base::Rgb ciel{119, 119, 119};
    Base::Rgb etoiles{255, 255, 255};

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

    void prend(const Base::ValeursChargees &v);
};

Partage &partage();
