// One settings write on the largest store the program accepts (1 MiB), of
// many short keys (the most to read and write back) and of one long value,
// against copying the same bytes to a file and renaming it, in the same run.
// Prints the median and the slowest write, in milliseconds.
#include "mesure.h"

#include "base/fichierreglages.h"
#include "base/reglages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <ctime>
#include <unistd.h>

namespace {

QByteArray magasin(bool courtes)
{
    // Room left for the key the bench writes.
    const qint64 taille = FichierReglages::TailleMax - 100;
    QByteArray o = "[Section]\n";
    for (int i = 0; courtes && o.size() < taille - 40; ++i)
        o += "Cl%E9" + QByteArray::number(i) + "=119 119 119\n";
    return o + "z=" + QByteArray(taille - o.size() - 3, 'x') + '\n';
}

struct Temps
{
    double mediane;
    double pire;
    double processeur; // the median of the time this process ran, without the waits for the disk
};

template<typename F>
Temps chronometre(int tours, F f)
{
    QVector<double> t, p;
    QElapsedTimer chrono;
    for (int i = 0; i < tours; ++i) {
        const std::clock_t debut = std::clock();
        chrono.start();
        f(i);
        t << chrono.nsecsElapsed() / 1e6;
        p << double(std::clock() - debut) * 1000 / CLOCKS_PER_SEC;
    }
    return {Mesure::mediane(t), *std::max_element(t.begin(), t.end()), Mesure::mediane(p)};
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream sortie(stdout);
    constexpr int Tours = 40;
    for (const bool courtes : {true, false}) {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("Zelund.conf"));
        const QByteArray octets = magasin(courtes);
        QFile f(chemin);
        if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size())
            return 1;
        f.close();
        QElapsedTimer depart;
        depart.start();
        Reglages reglages(chemin);
        const double ouverture = depart.nsecsElapsed() / 1e6;
        const Temps ecriture = chronometre(Tours, [&](int i) {
            // A new key at the end of the big section: every key of it is decoded.
            reglages.ecrit(QStringLiteral("Section"), QStringLiteral("zz"), QString::number(2100 + i));
        });
        const Temps copie = chronometre(Tours, [&](int) {
            QFile c(chemin + QStringLiteral(".copie"));
            c.open(QIODevice::WriteOnly);
            c.write(octets);
            c.flush();
            ::fdatasync(c.handle());
            c.close();
            QFile::rename(chemin + QStringLiteral(".copie"), chemin + QStringLiteral(".autre"));
        });
        sortie << (courtes ? "1 Mio de clés courtes" : "1 Mio d'une seule valeur") << ": ouverture "
               << QString::number(ouverture, 'f', 1) << " ms, écriture médiane "
               << QString::number(ecriture.mediane, 'f', 1) << " ms, pire " << QString::number(ecriture.pire, 'f', 1)
               << " ms, processeur " << QString::number(ecriture.processeur, 'f', 1)
               << " ms (copie et renommage seuls : " << QString::number(copie.mediane, 'f', 1) << " ms)\n";
    }
    return 0;
}
