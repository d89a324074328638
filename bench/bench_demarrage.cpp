// Start-up: from creating the application object to the main window shown
// and painted, against a bare Qt window of the same size, each in a fresh
// process. Prints the medians, their ratio and the peak resident memory.
// The usual start finds the settings already there; the very first start
// also writes them.
#include "mesure.h"

#include "base/chargement.h"
#include "app/demarrage.h"
#include "app/plateformeqt.h"
#include "ui/polices.h"
#include "base/reglages.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QLabel>
#include <QWidget>
#include <cstdio>

namespace {

// Ends the run once the named window has been painted.
class Guetteur : public QObject
{
public:
    Guetteur(QString nom, QElapsedTimer &chrono)
        : m_nom(std::move(nom))
        , m_chrono(chrono)
    {
    }
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (!m_fini && e->type() == QEvent::Paint && o->objectName() == m_nom) {
            m_fini = true;
            QTimer::singleShot(0, [this] {
                std::printf("%lld %ld\n", static_cast<long long>(m_chrono.nsecsElapsed() / 1000),
                            Mesure::picMemoireKio());
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    QString m_nom;
    QElapsedTimer &m_chrono;
    bool m_fini = false;
};

enum class Sujet { Zelund, Nu, NuAvecTexte };

// reglagesExistants: the settings file of a usual start, or empty for the first one.
int enfant(int argc, char **argv, Sujet sujet, const QString &reglagesExistants = QString())
{
    const bool zelund = sujet == Sujet::Zelund;
    QElapsedTimer chrono;
    chrono.start();
    QApplication app(argc, argv);
    Guetteur guetteur(zelund ? QStringLiteral("FenPrin") : QStringLiteral("nu"), chrono);
    app.installEventFilter(&guetteur);
    if (!zelund) {
        QWidget nu;
        nu.setObjectName(QStringLiteral("nu"));
        nu.setFixedSize(336, 356);
        // The same window with one line of text: what loading the fonts costs.
        QLabel texte(QStringLiteral("Zelund"), &nu);
        texte.setVisible(sujet == Sujet::NuAvecTexte);
        nu.show();
        return app.exec();
    }
    installePolices();
    QTemporaryDir dossier;
    Reglages reglages(reglagesExistants.isEmpty() ? dossier.filePath(QStringLiteral("Zelund.conf"))
                                                  : reglagesExistants);
    Reglages::installe(&reglages);
    PlateformeQt plateforme;
    Plateforme::installe(&plateforme);
    Demarrage demarrage;
    demarrage.lance({});
    const int code = app.exec();
    Plateforme::installe(nullptr);
    Reglages::installe(nullptr);
    return code;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 2 && qstrcmp(argv[1], "--zelund") == 0)
        return enfant(argc, argv, Sujet::Zelund, QString::fromLocal8Bit(argv[2]));
    if (argc > 1 && qstrcmp(argv[1], "--zelund-premier") == 0)
        return enfant(argc, argv, Sujet::Zelund);
    if (argc > 1 && qstrcmp(argv[1], "--nu") == 0)
        return enfant(argc, argv, Sujet::Nu);
    if (argc > 1 && qstrcmp(argv[1], "--nu-texte") == 0)
        return enfant(argc, argv, Sujet::NuAvecTexte);

    QCoreApplication app(argc, argv);
    // The settings a first start leaves behind, for the usual starts.
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("Zelund.conf"));
    {
        Reglages reglages(fichier);
        chargeReglages(reglages, QDate::currentDate().year());
    }
    const int tours = 15;
    const QList<QStringList> sujets = {{"--zelund", fichier}, {"--nu"}, {"--nu-texte"}, {"--zelund-premier"}};
    QVector<double> temps[4], memoire[4];
    for (int i = 0; i < tours; ++i) {
        // Interleaved, so a busy moment of the machine hits all alike.
        for (int s = 0; s < 4; ++s) {
            const QStringList r = Mesure::lanceEnfant(sujets[s]).split(' ');
            if (r.size() != 2) {
                std::fprintf(stderr, "a child run failed\n");
                return 1;
            }
            temps[s] << r[0].toDouble() / 1000.0;
            memoire[s] << r[1].toDouble() / 1024.0;
        }
    }
    const QVector<double> &tZ = temps[0], &tN = temps[1], &mZ = memoire[0], &mN = memoire[1];
    QTextStream out(stdout);
    const double z = Mesure::mediane(tZ), n = Mesure::mediane(tN);
    out << QStringLiteral("start-up to painted main window (usual start): zelund %1 ms, bare Qt window %2 ms, "
                          "ratio %3\n")
               .arg(z, 0, 'f', 1).arg(n, 0, 'f', 1).arg(z / n, 0, 'f', 2);
    const double t = Mesure::mediane(temps[2]);
    out << QStringLiteral("  (the bare window with one label, fonts loaded: %1 ms, ratio %2)\n")
               .arg(t, 0, 'f', 1).arg(z / t, 0, 'f', 2);
    const double p = Mesure::mediane(temps[3]);
    out << QStringLiteral("  (the very first start, which writes the settings: %1 ms, ratio %2)\n")
               .arg(p, 0, 'f', 1).arg(p / n, 0, 'f', 2);
    const double pz = Mesure::mediane(mZ), pn = Mesure::mediane(mN);
    out << QStringLiteral("peak resident memory: zelund %1 MiB, bare Qt window %2 MiB, difference %3 MiB\n")
               .arg(pz, 0, 'f', 1).arg(pn, 0, 'f', 1).arg(pz - pn, 0, 'f', 1);
    return 0;
}
