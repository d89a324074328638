#include "app/verrouinstance.h"

#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// Another copy of the program, in a process of its own: it takes the lock,
// says so, and ends when told to (its pipe closed) or when killed.
struct AutreCopie
{
    pid_t pid = -1;
    int fin = -1; // closing it ends the copy normally
};

AutreCopie lanceAutreCopie(const QString &chemin)
{
    int pris[2], fin[2];
    if (pipe(pris) != 0 || pipe(fin) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        close(fin[1]);
        VerrouInstance verrou;
        const char reponse = verrou.prend(chemin) ? 'o' : 'n';
        char rien;
        if (write(pris[1], &reponse, 1) == 1)
            while (read(fin[0], &rien, 1) > 0) {
            }
        _exit(0); // no exit handlers: they belong to the test
    }
    close(fin[0]);
    close(pris[1]);
    char reponse = 0;
    const bool lu = read(pris[0], &reponse, 1) == 1 && reponse == 'o';
    close(pris[0]);
    return lu ? AutreCopie{pid, fin[1]} : AutreCopie{};
}
} // namespace

class TestVerrou : public QObject
{
    Q_OBJECT
private slots:
    void autreCopie_data()
    {
        QTest::addColumn<bool>("plantee"); // how the first copy ends
        QTest::newRow("plantée") << true;
        QTest::newRow("terminée") << false;
    }
    void autreCopie()
    {
        QFETCH(bool, plantee);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("zelund.lock"));
        const AutreCopie autre = lanceAutreCopie(chemin);
        QVERIFY(autre.pid > 0);
        {
            VerrouInstance verrou;
            QVERIFY(!verrou.prend(chemin)); // a running copy blocks
        }
        if (plantee)
            kill(autre.pid, SIGKILL);
        close(autre.fin);
        QCOMPARE(waitpid(autre.pid, nullptr, 0), autre.pid);
        // However it ended, it left nothing that blocks the next copy, and
        // that one blocks the copies after it.
        VerrouInstance verrou;
        QVERIFY(verrou.prend(chemin));
        VerrouInstance suivant;
        QVERIFY(!suivant.prend(chemin));
    }

    void copieDUneVersionPrecedente()
    {
        // The earlier versions held a QLockFile on the same file.
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("zelund.lock"));
        QLockFile ancien(chemin);
        QVERIFY(ancien.tryLock(0));
        {
            VerrouInstance verrou;
            QVERIFY(!verrou.prend(chemin));
        }
        ancien.unlock();
        VerrouInstance verrou;
        QVERIFY(verrou.prend(chemin));
        // Nothing says another copy runs where the folder is missing: the program starts.
        VerrouInstance ailleurs;
        QVERIFY(ailleurs.prend(QStringLiteral("/nonexistent-folder/zelund.lock")));
    }
    // A program started from the menu outlives this one: it must not hold the lock.
    void pasHeriteParLesProgrammesLances()
    {
        QTemporaryDir dossier;
        VerrouInstance verrou;
        QVERIFY(verrou.prend(dossier.filePath(QStringLiteral("zelund.lock"))));
        const QString liste = dossier.filePath(QStringLiteral("fd"));
        QCOMPARE(std::system(qPrintable(QStringLiteral("ls -l /proc/self/fd/ > '%1'").arg(liste))), 0);
        QFile f(liste);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray ouverts = f.readAll();
        QVERIFY(ouverts.contains(" 0 -> "));
        QVERIFY(!ouverts.contains("zelund.lock"));
    }
};

QTEST_MAIN(TestVerrou)
#include "tst_verrou.moc"
