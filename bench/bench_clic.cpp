// A click on a day button through to the repainted caption, sky and Moon
// (the true Moon's tooltip text included), the tooltip text alone, and the
// painting of the Moon alone, each against a bare Qt widget of the
// same size painted in the same run; then what the almanac window adds to
// a day click while it follows the day, and its opening.
#include "mesure.h"

#include "app/plateformeqt.h"
#include "base/chargement.h"
#include "base/reglages.h"
#include "calendar/fenephemeride.h"
#include "main/fenprin.h"
#include "moon/imagelune.h"
#include "moon/phasesvraies.h"
#include "ui/polices.h"
#include "ui/vantelbttn.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdlib>

namespace {

// Times, in microseconds, of each call of f.
template<typename F>
QVector<double> temps(int tours, F f)
{
    QVector<double> t;
    QElapsedTimer chrono;
    for (int i = 0; i < tours; ++i) {
        chrono.start();
        f(i);
        t << chrono.nsecsElapsed() / 1000.0;
    }
    return t;
}

// Median time, in microseconds, of one call of f.
template<typename F>
double chronometre(int tours, F f)
{
    return Mesure::mediane(temps(tours, f));
}

// "median ms (quartiles q1–q3)".
QString resume(const QVector<double> &t)
{
    return QStringLiteral("%1 ms (quartiles %2–%3)")
        .arg(Mesure::mediane(t) / 1000, 0, 'f', 3)
        .arg(Mesure::quantile(t, 0.25) / 1000, 0, 'f', 3)
        .arg(Mesure::quantile(t, 0.75) / 1000, 0, 'f', 3);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Ui::installePolices();
    QTemporaryDir dossier;
    Reglages reglages(dossier.filePath(QStringLiteral("Zelund.conf")));
    Reglages::installe(&reglages);
    reglages.ecrit(QStringLiteral("Conseils du jour"), QStringLiteral("Conseil au démarrage"), QStringLiteral("Non"));
    reglages.ecrit(QStringLiteral("Style d'affichage au démarrage"), QStringLiteral("Style"),
                   QStringLiteral("AffichePhasesLune"));
    PlateformeQt plateforme;
    Plateforme::installe(&plateforme);

    FenPrin f;
    f.charge();
    QWidget nu;
    nu.setFixedSize(f.size());
    nu.show();
    QWidget nuLune;
    nuLune.setFixedSize(f.Image1->size());
    nuLune.show();
    QCoreApplication::processEvents();

    const int tours = 400;
    const double clic = chronometre(tours, [&](int i) {
        f.Jour[i % 28]->click();
        QCoreApplication::processEvents();
    });
    const double clicNu = chronometre(tours, [&](int) {
        nu.update();
        QCoreApplication::processEvents();
    });
    const QTimeZone fuseau = QTimeZone::systemTimeZone();
    const double texte = chronometre(tours, [&](int i) {
        const QDateTime midi(QDate(2002, 6, 1 + i % 28), QTime(12, 0), fuseau);
        if (!Lune::texteLune(midi, fuseau))
            std::abort();
    });
    const double lune = chronometre(tours, [&](int) { f.Image1->repaint(); });
    const double luneNue = chronometre(tours, [&](int) { nuLune.repaint(); });

    QTextStream out(stdout);
    out << QStringLiteral(
               "day click, caption, Moon tooltip text, sky and Moon repainted: %1 ms; bare window repainted: %2 ms; "
               "ratio %3\n")
               .arg(clic / 1000, 0, 'f', 3)
               .arg(clicNu / 1000, 0, 'f', 3)
               .arg(clic / clicNu, 0, 'f', 2);
    out << QStringLiteral("Moon tooltip text (phases, lit fraction, age) computed: %1 ms\n")
               .arg(texte / 1000, 0, 'f', 3);
    out << QStringLiteral("Moon picture painted: %1 ms; bare widget of its size: %2 ms; ratio %3\n")
               .arg(lune / 1000, 0, 'f', 3)
               .arg(luneNue / 1000, 0, 'f', 3)
               .arg(lune / luneNue, 0, 'f', 2);

    // The almanac open: the same clicks, each telling it the new day. Blocks
    // with and without it alternate, so that a drift of the machine hits both.
    QVector<double> sans, avec, nue;
    for (int bloc = 0; bloc < 8; ++bloc) {
        const auto clics = [&](int i) {
            f.Jour[(i + bloc) % 28]->click();
            QCoreApplication::processEvents();
        };
        if (FenEphemeride *e = FenEphemeride::ouverte())
            e->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        sans << temps(tours / 8, clics);
        FenEphemeride::montre(f.jourSelection());
        QCoreApplication::processEvents();
        avec << temps(tours / 8, clics);
        nue << temps(tours / 8, [&](int) {
            nu.update();
            QCoreApplication::processEvents();
        });
    }
    // Opening it on the selected day, from closed, until it is painted.
    QVector<double> ouverture;
    for (int i = 0; i < 40; ++i) {
        if (FenEphemeride *e = FenEphemeride::ouverte())
            e->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        ouverture << temps(1, [&](int) {
            FenEphemeride::montre(f.jourSelection());
            QCoreApplication::processEvents();
        });
    }
    out << QStringLiteral("day click, almanac closed: %1; almanac open and following: %2; bare window: %3\n")
               .arg(resume(sans), resume(avec), resume(nue));
    out << QStringLiteral("almanac added to a day click: %1 ms (limit 2 ms); ratios to the bare window: %2 closed, "
                          "%3 open\n")
               .arg((Mesure::mediane(avec) - Mesure::mediane(sans)) / 1000, 0, 'f', 3)
               .arg(Mesure::mediane(sans) / Mesure::mediane(nue), 0, 'f', 2)
               .arg(Mesure::mediane(avec) / Mesure::mediane(nue), 0, 'f', 2);
    out << QStringLiteral("almanac window opened and painted: %1\n").arg(resume(ouverture));
    Plateforme::installe(nullptr);
    Reglages::installe(nullptr);
    return 0;
}
