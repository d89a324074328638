#pragma once

#include "base/chargement.h"
#include "base/parametres.h"
#include "base/reglages.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

// What the configuration dialog works out without any window: the year bars'
// limits, the start-up styles, the values it opens on and the values it saves.
namespace Config {

inline constexpr int DebutMin = 1501;
inline constexpr int DebutMax = 9999;
inline constexpr int FinMin = 100;
inline constexpr int FinMax = 9999;

// The first year never passes the current year, the last year never falls
// below it, and both stay within their bar.
int CaleAnneeDebut(int valeur, int anneeCourante);
int CaleAnneeFin(int valeur, int anneeCourante);

// "Normal", "AfficheCompteur", "AffichePhasesLune" for the options 0, 1, 2.
QString StyleOption(int option);
// The option of a style text; nullopt for any other text.
std::optional<int> OptionStyle(const QString &style);

struct Valeurs
{
    Base::Rgb ciel;
    Base::Rgb lune;
    QString texteCiel; // as read, when it could be read
    QString texteLune;
    int anneeDebut = 0;
    int anneeFin = 0;
    QString style;
};

// The five values the dialog opens on. A value missing from the store, or one
// that cannot be read (the store was cleared or edited while the program runs),
// gives way to the value the program is already using.
Valeurs LisValeurs(const Reglages &reglages, const Valeurs &enCours, int anneeCourante);

// The values of OK that the user changed since the dialog opened on
// ouverture, as the store would spell them.
std::vector<Parametres::Cle> ClesChangees(const Valeurs &ouverture, const Valeurs &v);

} // namespace Config
