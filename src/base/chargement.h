#pragma once

#include "base/couleurs.h"
#include "dates/lieux.h"

#include <QString>
#include <QStringList>
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

// Settings sections, keys and defaults read at load.
namespace Cles {
inline const QString Ciel = QStringLiteral("Couleur du ciel");
inline const QString Etoiles = QStringLiteral("Couleur des étoiles");
inline const QString Couleur = QStringLiteral("Couleur");
inline const QString AnneeDebut = QStringLiteral("Année de début");
inline const QString AnneeFin = QStringLiteral("Année de fin");
inline const QString Valeur = QStringLiteral("Valeur");
inline const QString StyleSection = QStringLiteral("Style d'affichage au démarrage");
inline const QString Style = QStringLiteral("Style");
inline const QString InfoBulles = QStringLiteral("Affichage des info-bulles");
inline const QString Conseils = QStringLiteral("Conseils du jour");
inline const QString ConseilDemarrage = QStringLiteral("Conseil au démarrage");
// The date calculations window's region for holidays and its unit of time.
inline const QString Calculs = QStringLiteral("Calculs de dates");
inline const QString Region = QStringLiteral("Région");
inline const QString Unite = QStringLiteral("Unité");
// The almanac's place: a name (empty for bare coordinates), decimal degrees
// north and east, an IANA time zone. Missing keys take Paris's values.
inline const QString Lieu = QStringLiteral("Lieu de l'éphéméride");
inline const QString Nom = QStringLiteral("Nom");
inline const QString Latitude = QStringLiteral("Latitude");
inline const QString Longitude = QStringLiteral("Longitude");
inline const QString Fuseau = QStringLiteral("Fuseau horaire");

inline const QString CielDefaut = QStringLiteral("119 119 119");
inline const QString EtoilesDefaut = QStringLiteral("255 255 255");
inline const QString AnneeDebutDefaut = QStringLiteral("1700");
inline const QString AnneeFinDefaut = QStringLiteral("2100");
inline const QString StyleDefaut = QStringLiteral("Normal");
inline const QString Oui = QStringLiteral("Oui");
inline const QString Non = QStringLiteral("Non");
inline const QStringList Regions = {QStringLiteral("France"), QStringLiteral("Alsace-Moselle")};
inline const QStringList Unites = {QStringLiteral("Jours"), QStringLiteral("Semaines"), QStringLiteral("Mois"),
                                   QStringLiteral("Années")};
} // namespace Cles

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

// The almanac's place as the store holds it, and back. nullopt when a
// coordinate is not a decimal number in range or the zone is unknown.
std::optional<Dates::Lieu> lisLieu(const QString &nom, const QString &latitude, const QString &longitude,
                                   const QString &fuseau);
// Writes the four values in one go, so that another copy never reads half a place.
void ecritLieu(Reglages &reglages, const Dates::Lieu &lieu);

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
    QString regionCalculs; // one of Cles::Regions
    QString uniteCalculs;  // one of Cles::Unites
    Dates::Lieu lieu;

    bool infoBullesActives() const { return infoBulles == Cles::Oui; }
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
