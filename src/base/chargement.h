#pragma once

#include "base/couleurs.h"

#include <QString>
#include <optional>

class Reglages;

namespace Base {

struct Rgb
{
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Rgb &) const = default;
};

} // namespace Base

namespace Base {

// "119 119 119": red up to the first space, green up to the second, blue the rest.
std::optional<Rgb> lisRgb(const QString &texte);
QString texteRgb(const Rgb &rgb);
// A whole year in decimal; nullopt when it is not a number or out of range.
std::optional<int> lisAnnee(const QString &texte);
// A start year before 1501 becomes 1600, an end year after 9999 becomes 9999,
// for the run only.
int corrigeAnneeDebut(int annee);
int corrigeAnneeFin(int annee);

struct ValeursChargees
{
    Couleurs::Schema couleurs;
    Rgb ciel;
    Rgb etoiles;
    int anneeDebut = 0;
    int anneeFin = 0;
    QString style;
    QString infoBulles;
    QString conseilDemarrage;
    QString regionCalculs; // one of the region's choices
    QString uniteCalculs;  // one of the unit's choices

    bool infoBullesActives() const { return infoBulles == QLatin1String("Oui"); }
};

// Reads every setting, checks it, and only when all are sound writes back the
// five missing ones. nullopt: a value is wrong and the store was not touched.
std::optional<ValeursChargees> chargeReglages(Reglages &reglages, int anneeCourante);

QString messageErreurChargement();
// Said once at start when the store cannot be read, before the run goes on
// with the defaults.
QString messageReglagesIllisibles(const QString &fichier);
// Said once when a change cannot reach the store; the run keeps it.
QString messageReglagesNonEcrits(const QString &fichier);
QString titreErreur();

} // namespace Base
