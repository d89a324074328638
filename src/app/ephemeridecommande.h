#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace App {

// zelund --ephemeride [JJ/MM/AAAA] [--lieu NOM | --lieu LAT,LON]: the
// almanac of the day as text (status 0), or a French message for standard
// error (status 2). Without a date, today; without a place, Paris. The towns
// come from the data file text given.
struct Ephemeride
{
    int code = 0;
    QString sortie;
    QString erreur;
};

Ephemeride ephemerideLigneCommande(const QStringList &positionnels, const std::optional<QString> &lieu,
                                   const QDate &aujourdhui, const QString &texteLieux);

// The same with the towns file found among the program's data.
Ephemeride ephemerideLigneCommande(const QStringList &positionnels, const std::optional<QString> &lieu);

} // namespace App
