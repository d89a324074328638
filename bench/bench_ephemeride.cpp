// The whole almanac (Sun, Moon, seasons, as text) of every day of a year at
// one place, in Release under 50 ms.
//
// With --instants it reads lines "AAAA-MM-JJ latitude longitude zone" on its
// standard input and prints the computed instants (UTC, to the second) for
// scripts/compare-ephemeride, which checks them against another ephemeris.
#include "mesure.h"

#include "dates/courselune.h"
#include "dates/ephemeride.h"
#include "dates/saisons.h"
#include "dates/soleil.h"
#include "moon/phasesvraies.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <ctime>

namespace {

QString texte(const std::optional<QDateTime> &t)
{
    return t ? t->toString(Qt::ISODate) : QStringLiteral("-");
}

int instants()
{
    QTextStream entree(stdin);
    QTextStream sortie(stdout);
    QString ligne;
    while (entree.readLineInto(&ligne)) {
        const QStringList c = ligne.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (c.size() == 2 && c[0] == QLatin1String("saisons")) {
            for (int p = 0; p < 4; ++p)
                sortie << Dates::instantSaison(c[1].toInt(), Dates::PointSaison(p)).toString(Qt::ISODate) << ' ';
            sortie << Dates::jourEquinoxeAutomneParis(c[1].toInt());
            // Then each instant as a Julian ephemeris day, and ΔT in seconds.
            for (int p = 0; p < 4; ++p) {
                const double jde = Dates::jourJulienSaison(c[1].toInt(), Dates::PointSaison(p));
                sortie << ' ' << QString::number(jde, 'f', 6) << ' '
                       << QString::number((jde - Dates::jourJulienUT(jde)) * Dates::SecondesParJour, 'f', 1);
            }
            sortie << '\n';
            continue;
        }
        if (c.size() != 4)
            continue;
        const QDate jour = QDate::fromString(c[0], Qt::ISODate);
        const Dates::Observateur o{c[1].toDouble(), c[2].toDouble()};
        const QTimeZone fuseau(c[3].toUtf8());
        const Dates::JourneeSoleil s = Dates::journeeSoleil(jour, o, fuseau);
        const Dates::JourneeLune l = Dates::journeeLune(jour, o, fuseau);
        sortie << texte(s.aube) << ' ' << texte(s.lever) << ' ' << texte(s.midi) << ' ' << texte(s.coucher) << ' '
               << texte(s.crepuscule) << ' ' << texte(l.lever) << ' ' << texte(l.coucher) << '\n';
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (app.arguments().contains(QStringLiteral("--instants")))
        return instants();
    // The text of each day: Sun, Moon, phases, seasons and their wording.
    const Dates::Lieu paris = Dates::lieuParDefaut();
    QVector<double> ecoule, processeur;
    qsizetype taille = 0;
    for (int tour = 0; tour < 7; ++tour) {
        QElapsedTimer chrono;
        timespec avant{}, apres{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &avant);
        chrono.start();
        for (QDate j(2026, 1, 1); j.year() == 2026; j = j.addDays(1))
            taille += Dates::texteEphemeride(j, paris, &Lune::texteLune).size();
        ecoule << chrono.nsecsElapsed() / 1e6;
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &apres);
        processeur << (apres.tv_sec - avant.tv_sec) * 1e3 + (apres.tv_nsec - avant.tv_nsec) / 1e6;
    }
    // On a shared machine the wall time waits for other processes; the
    // processor time is the almanac's own.
    QTextStream(stdout) << "Éphéméride des 365 jours de 2026 à Paris : " << Mesure::mediane(processeur)
                        << " ms de processeur, " << Mesure::mediane(ecoule) << " ms écoulées (médianes de 7 tours ; "
                        << taille / 7 << " caractères)\n";
    return 0;
}
