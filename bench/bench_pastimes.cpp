// Cost of the pastimes at rest on the desk: with the clock, the spinning
// lottery and both countdowns open, the process's CPU time over a span of
// wall-clock time, against the same span once they are closed. Prints both
// as a share of one core, their difference, and the timer events seen in
// each span (none may belong to the closed windows).
#include "mesure.h"

#include "app/plateformeqt.h"
#include "base/reglages.h"
#include "pastimes/fen2001.h"
#include "pastimes/fen2010.h"
#include "pastimes/fenhorloge.h"
#include "pastimes/fenloterie.h"
#include "ui/polices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <sys/resource.h>

namespace {

double secondesCpu()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto s = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return s(usage.ru_utime) + s(usage.ru_stime);
}

// Counts the timer events the application delivers.
class CompteMinuteries : public QObject
{
public:
    int n = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        n += e->type() == QEvent::Timer;
        return false;
    }
};

struct Periode
{
    double pourcent = 0; // of one core
    int minuteries = 0;
};

Periode mesure(int secondes, CompteMinuteries &compte)
{
    QEventLoop boucle;
    compte.n = 0;
    QElapsedTimer mur;
    const double cpu0 = secondesCpu();
    mur.start();
    QTimer::singleShot(secondes * 1000, &boucle, &QEventLoop::quit);
    boucle.exec();
    const double cpu = secondesCpu() - cpu0;
    // The span's own end is one timer event.
    return {100.0 * cpu / (double(mur.nsecsElapsed()) / 1e9), compte.n - 1};
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int secondes = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 30;
    Ui::installePolices();
    QTemporaryDir dossier;
    Reglages reglages(dossier.filePath(QStringLiteral("Zelund.conf")));
    Reglages::installe(&reglages);
    PlateformeQt plateforme;
    Plateforme::installe(&plateforme);
    CompteMinuteries compte;
    app.installEventFilter(&compte);
    auto *f2001 = new Fen2001;
    auto *f2010 = new Fen2010;
    // As the toolbox opens them.
    f2001->lance();
    f2010->lance();
    QList<QPointer<FenetreZelund>> fenetres{new FenHorloge, f2001, f2010, FenLoterie::instance()};
    for (FenetreZelund *f : fenetres)
        f->show();
    mesure(1, compte); // shown and painted once
    const Periode ouvertes = mesure(secondes, compte);

    for (FenetreZelund *f : fenetres)
        f->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int restantes = 0;
    for (const auto &f : fenetres)
        restantes += !f.isNull();
    mesure(1, compte);
    const Periode fermees = mesure(secondes, compte);

    QTextStream out(stdout);
    out << QStringLiteral(
               "clock, lottery spinning and both countdowns open for %1 s: %2 % of one core, %3 timer events\n")
               .arg(secondes)
               .arg(ouvertes.pourcent, 0, 'f', 2)
               .arg(ouvertes.minuteries);
    out << QStringLiteral("the same windows closed for %1 s: %2 % of one core, %3 timer events, %4 windows left\n")
               .arg(secondes)
               .arg(fermees.pourcent, 0, 'f', 2)
               .arg(fermees.minuteries)
               .arg(restantes);
    out << QStringLiteral("difference: %1 % of one core (target: under 2 %)\n")
               .arg(ouvertes.pourcent - fermees.pourcent, 0, 'f', 2);
    Plateforme::installe(nullptr);
    Reglages::installe(nullptr);
    return fermees.minuteries == 0 && restantes == 0 ? 0 : 1;
}
