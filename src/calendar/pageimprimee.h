#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTimeZone>
#include <functional>
#include <vector>

// A printed page of the calendar, a month or a whole year on A4, laid out in
// millimetres as plain data: what goes where, in which size, before any
// painter or printer is involved.
namespace Calendrier {

// A principal phase of the Moon on a civil day: 0 new moon, 1 first quarter,
// 2 full moon, 3 last quarter. Whoever knows the Moon hands them in.
struct PhaseDuJour
{
    qint64 jourJulien = 0;
    int phase = 0;
};

// The principal phases of a year's Moon, as many as are known.
using SourcePhases = std::function<std::vector<PhaseDuJour>(int annee)>;

struct JourImprime
{
    int jour = 0;
    int colonne = 0; // 1 = Monday … 7 = Sunday
    int ligne = 0;   // week row from 0
    QString ferie;   // the holiday's name, empty on other days
    int phase = -1;  // the Moon's principal phase that day, -1 for none
};

struct MoisImprime
{
    int mois = 0;
    int annee = 0;
    bool julien = false; // some of its days are Julian
    std::vector<JourImprime> jours;
    std::vector<int> semaines; // ISO week of each row; 0 on a row of Julian days only
};

// A month as it was lived (Julian up to 4 October 1582), with its holidays
// and the given phases that fall in it.
MoisImprime moisImprime(int mois, int annee, const std::vector<PhaseDuJour> &phases);

// "Pâques : dimanche 5 avril", then the equinoxes and solstices to the
// minute in the time zone (years 1000 to 3000, where their series hold).
QStringList piedDeLAnnee(int annee, const QTimeZone &fuseau);
// "1er janvier : Jour de l'an" … each holiday of the year, in date order.
QStringList feriesDeLAnnee(int annee);

struct ElementPage
{
    enum class Genre { Texte, Case, Phase };
    enum class Role { Titre, Note, NomMois, Initiale, Semaine, Numero, Ferie, NomFerie, Pied, EnTete, Jour, Lune };
    Genre genre = Genre::Texte;
    Role role = Role::Pied;
    QRectF zone; // millimetres from the page's top-left corner
    QString texte;
    double points = 0;  // the text's body size
    int alignement = 0; // Qt::Alignment flags, word wrap included
    int phase = -1;
};

struct PageImprimee
{
    QSizeF taille; // millimetres
    std::vector<ElementPage> elements;
};

enum class Etendue { Mois, Annee };
struct DemandeImpression
{
    Etendue etendue = Etendue::Mois;
    int mois = 1;
    int annee = 2000;
    bool paysage = false;
};

inline constexpr double MargeMm = 12;
// No text is printed smaller, so that a whole year on one A4 page stays readable.
inline constexpr double CorpsMinimal = 6;

PageImprimee miseEnPage(const DemandeImpression &demande, const std::vector<PhaseDuJour> &phases,
                        const QTimeZone &fuseau);

} // namespace Calendrier
