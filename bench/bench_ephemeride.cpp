// The whole almanac (Sun, Moon, season) of every day of a year at one
// place, in Release under 50 ms.
//
// With --instants it reads lines "AAAA-MM-JJ latitude longitude zone" on its
// standard input and prints the computed instants (UTC, to the second) for
// scripts/compare-ephemeride, which checks them against another ephemeris.
#include "mesure.h"

#include "dates/courselune.h"
#include "dates/saisons.h"
#include "dates/soleil.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

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
            sortie << Dates::jourEquinoxeAutomneParis(c[1].toInt()) << '\n';
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
    const Dates::Observateur paris{48.8566, 2.3522};
    const QTimeZone fuseau("Europe/Paris");
    QVector<double> tours;
    int somme = 0;
    for (int tour = 0; tour < 7; ++tour) {
        QElapsedTimer chrono;
        chrono.start();
        for (QDate j(2026, 1, 1); j.year() == 2026; j = j.addDays(1)) {
            const auto s = Dates::journeeSoleil(j, paris, fuseau);
            const auto l = Dates::journeeLune(j, paris, fuseau);
            const auto saison = Dates::saisonDuJour(j, fuseau, false);
            somme += int(s.duree % 7) + (l.lever ? 1 : 0) + int(saison.saison);
        }
        tours << chrono.nsecsElapsed() / 1e6;
    }
    QTextStream(stdout) << "Éphéméride de 365 jours à Paris : " << Mesure::mediane(tours) << " ms (médiane de 7), "
                        << "témoin " << somme << '\n';
    return 0;
}
