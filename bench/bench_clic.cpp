// A click on a day button through to the repainted caption, sky and Moon
// (the true Moon's tooltip text included), the tooltip text alone, and the
// painting of the Moon alone, each against a bare Qt widget of the
// same size painted in the same run.
#include "mesure.h"

#include "app/plateformeqt.h"
#include "base/chargement.h"
#include "base/reglages.h"
#include "dates/lune.h"
#include "main/fenprin.h"
#include "moon/imagelune.h"
#include "ui/polices.h"
#include "ui/vantelbttn.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdlib>

namespace {

// Median time, in microseconds, of one call of f.
template<typename F>
double chronometre(int tours, F f)
{
    QVector<double> t;
    QElapsedTimer chrono;
    for (int i = 0; i < tours; ++i) {
        chrono.start();
        f(i);
        t << chrono.nsecsElapsed() / 1000.0;
    }
    return Mesure::mediane(t);
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
        if (!Dates::texteLune(midi, fuseau))
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
    Plateforme::installe(nullptr);
    Reglages::installe(nullptr);
    return 0;
}
