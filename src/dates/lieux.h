#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The places the almanac is computed for: the towns of the data file, read
// and looked up by name, and places given by their coordinates.
namespace Dates {

struct Lieu
{
    QString nom;
    QString departement;  // or the overseas collectivity
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    QByteArray fuseau;    // IANA time-zone name

    // "Lille (Nord)", or the name alone for a place without a département.
    QString libelle() const;
};

// Paris, Europe/Paris.
Lieu lieuParDefaut();

// The file's text: one town a line, "nom;département;latitude;longitude;
// fuseau", lines starting with # ignored. A line with a field missing, a
// coordinate out of range or a time zone unknown to the system is left out
// and its number (from 1) listed.
struct LectureLieux
{
    std::vector<Lieu> lieux;
    QList<int> lignesRefusees;
};
LectureLieux lisLieux(const QString &texte);

// A name as the lookup compares it: accents, case, hyphens and apostrophes
// ignored ("Saint-Étienne" and "saint etienne" are alike).
QString cleRecherche(const QString &nom);

// Type-ahead: the places whose name or label starts with the typed text,
// those named exactly so first, then in the file's order.
std::vector<Lieu> chercheLieux(const std::vector<Lieu> &lieux, const QString &saisie);

// The one place a name designates: by its exact name or label, or else the
// only one it begins. Otherwise the candidates (none, or several).
struct Recherche
{
    std::optional<Lieu> lieu;
    QStringList candidats;
};
Recherche trouveLieu(const std::vector<Lieu> &lieux, const QString &nom);

// "LAT,LON" in decimal degrees (north and east positive), e.g. "48.85,2.35":
// a place without a name.
// The time zone is that of the nearest listed town within 300 km, otherwise
// the whole-hour offset of the longitude. nullopt when unreadable or out of
// range.
std::optional<Lieu> lisCoordonnees(const QString &texte, const std::vector<Lieu> &lieux);

// The place a user asked for, by coordinates or by a town's name; otherwise
// why not, in French, starting in lower case ("lieu « X » inconnu : …").
struct LieuDemande
{
    std::optional<Lieu> lieu;
    QString refus;
};
LieuDemande lieuDemande(const QString &texte, const std::vector<Lieu> &lieux);

} // namespace Dates
