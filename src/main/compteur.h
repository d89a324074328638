#pragma once

#include "dates/jours.h"

#include <QDate>
#include <QString>
#include <optional>

namespace Principal {

// Design-time captions of the counter's controls.
namespace LegendesCompteur {
inline const QString PremiereDate = QStringLiteral("Première date");
inline const QString DeuxiemeDate = QStringLiteral("Deuxième date");
inline const QString DateAujourdhui = QStringLiteral("Date affichée / Date du jour");
inline const QString TexteNBJ = QStringLiteral("Temps écoulé entre les deux dates :");
inline const QString InfoBulleCopier = QStringLiteral("Copier/Appel du presse-papiers");
} // namespace LegendesCompteur

// What the main window knows of the current selection.
struct SelectionCourante
{
    Dates::JourMoisAn date;  // as written, Julian before the reform
    int valeur = 0;          // date value, already converted from the Julian calendar
    QString legendeDateJour; // caption of the date button
};

// Empty dates count as day 0 (30 December 1899).
struct EtatCompteur
{
    std::optional<int> premiereDate;
    std::optional<int> deuxiemeDate;
    std::optional<int> dateDepartCopie;
    QString textePremiere;
    QString texteDeuxieme;
    QString libellePremiere;
    QString libelleDeuxieme;
};

// Captions a click sets; an empty one leaves its control as it is.
struct LegendesModifiees
{
    std::optional<QString> premiereDate;
    std::optional<QString> deuxiemeDate;
    std::optional<QString> anMois;
    std::optional<QString> texteNBJ;
};

// Second minus first, in whole days; negative when the second is earlier.
int differenceJours(std::optional<int> premiere, std::optional<int> deuxieme);

QString texteEntreDates(int jours);
QString texteDepuisAujourdhui(int jours);
QString legendePremiereDate(const QString &date);
QString legendeDeuxiemeDate(const QString &date);

// The three date buttons.
LegendesModifiees cliquePremiereDate(EtatCompteur &etat, const SelectionCourante &selection);
LegendesModifiees cliqueDeuxiemeDate(EtatCompteur &etat, const SelectionCourante &selection);
// The selected date against today, which is always Gregorian.
LegendesModifiees cliqueDateAujourdhui(EtatCompteur &etat, const SelectionCourante &selection, const QDate &aujourdhui);

// Six lines joined by a line feed, none after the last: date caption, Moon
// caption, a blank, the two dates and the last computed difference.
QString texteCopie(const EtatCompteur &etat, const QString &legendeDateJour, const QString &legendePhase);

// Shown, under the usual error title, when no clipboard viewer can be started.
QString messagePressePapiersAbsent();

} // namespace Principal
