#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <optional>
#include <vector>

// The true Moon: the instants of its principal phases by the lunar phase
// series of the classical ephemeris textbooks (mean lunation plus periodic
// and planetary terms), and its lit fraction from the truncated lunar and
// solar theories, terrestrial time turned into universal time through ΔT.
namespace Lune {

// Years whose phases are given; the series and ΔT are not meant for more.
inline constexpr int PhasesAnneeMin = 1000;
inline constexpr int PhasesAnneeMax = 3000;

enum class PhasePrincipale { NouvelleLune = 0, PremierQuartier = 1, PleineLune = 2, DernierQuartier = 3 };

struct InstantPhase
{
    PhasePrincipale phase = PhasePrincipale::NouvelleLune;
    // Quarter-lunations since the new moon of 6 January 2000: new moons are
    // the multiples of 4.
    qint64 numero = 0;
    QDateTime utc;
};

// The principal phase of the given quarter-lunation number, in terrestrial
// time (Julian ephemeris day) and as a UTC instant.
double jourJulienPhase(qint64 numero);
InstantPhase phase(qint64 numero);

// The first nombre principal phases strictly after the instant.
std::vector<InstantPhase> phasesApres(const QDateTime &instant, int nombre);
// The last principal phase at or before the instant.
InstantPhase phaseAvant(const QDateTime &instant);

// Fraction of the disc lit by the Sun, 0 to 1, seen from the Earth's centre.
double fractionEclairee(const QDateTime &instant);
// Days since the last new moon.
double ageLune(const QDateTime &instant);

// "Nouvelle lune", "Premier quartier", "Pleine lune", "Dernier quartier".
QString nomPhase(PhasePrincipale phase);
// The name of a day in a time zone: that of the principal phase falling in
// it, otherwise "Premier croissant", "Lune gibbeuse croissante", "Lune
// gibbeuse décroissante" or "Dernier croissant".
QString nomPhaseJour(const QDate &jour, const QTimeZone &fuseau);

// "Pleine lune : lundi 24 juin 2002 à 23 h 42", in the given time zone, to
// the nearest minute; a day before the reform is written Julian.
QString textePhase(const InstantPhase &p, const QTimeZone &fuseau);

// The instant the Moon of a day is told at: now for today, noon local time
// for any other day.
QDateTime instantDuJour(const QDate &jour, const QDateTime &maintenant, const QTimeZone &fuseau);

// What the Moon's tooltip says about the Moon at an instant of a day: the
// day's phase name, the lit percentage, the age, and the next four principal
// phases. nullopt outside the years 1000 to 3000.
std::optional<QString> texteLune(const QDateTime &instant, const QTimeZone &fuseau);

} // namespace Lune
