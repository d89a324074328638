#include "pastimes/comptes.h"

namespace Comptes {

namespace {

const QDate Debut2001(2001, 1, 1);
const QDate Debut2010(2010, 1, 1);

// Word after a count: singular for 0 and 1, as the display has always read.
QString mot(qint64 n, const char *singulier, const char *pluriel)
{
    return QString::fromUtf8(n <= 1 ? singulier : pluriel);
}

} // namespace

QString titre2001()
{
    return QStringLiteral("Zelund - Depuis le 3ème millénaire...");
}

QString titre2010()
{
    return QStringLiteral("Zelund - 2010 : Odyssée II");
}

qint64 joursDepuis2001(const QDate &aujourdhui)
{
    // 64-bit count: the text stays right for every date, far beyond 2089.
    return Debut2001.daysTo(aujourdhui);
}

QString texte2001(const QDate &aujourdhui)
{
    return QString::number(joursDepuis2001(aujourdhui)) + QStringLiteral(" jours et des poussières...");
}

Texte2010 texte2010(const QDateTime &maintenant)
{
    const qint64 jours = maintenant.date().daysTo(Debut2010) - 1;
    if (jours < 0)
        return {QStringLiteral("On y est ! ! !"), true, QStringLiteral("On y est ! ! !")};

    const QTime t = maintenant.time();
    const int heures = 23 - t.hour();
    const int minutes = 59 - t.minute();
    const int secondes = 60 - t.second();
    const QString jh = QString::number(jours) + mot(jours, " jour, ", " jours, ") + QString::number(heures)
                       + mot(heures, " heure, ", " heures, ") + QString::number(minutes);
    const QString texte = jh + mot(minutes, " minute et ", " minutes et ") + QString::number(secondes)
                          + (secondes == 1 ? QStringLiteral(" seconde") : QStringLiteral(" secondes"));
    return {texte, false, jh + mot(minutes, " minute", " minutes")};
}

} // namespace Comptes
