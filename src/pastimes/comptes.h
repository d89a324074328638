#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Texts of the two countdown windows, counted against midnight at the start
// of 1 January 2001 and of 1 January 2010.
namespace Comptes {

QString titre2001();
QString titre2010();

// Calendar days from 1 January 2001 to the given date, negative before.
qint64 joursDepuis2001(const QDate &aujourdhui);
// "N jours et des poussières...".
QString texte2001(const QDate &aujourdhui);

struct Texte2010
{
    QString texte;
    bool termine = false; // 1 January 2010 is reached: stop the timer
    QString sansSecondes; // the same to the minute, what a screen reader is told
};

// Days, hours, minutes and seconds left until 1 January 2010, or
// "On y est ! ! !" once it is reached.
Texte2010 texte2010(const QDateTime &maintenant);

} // namespace Comptes
