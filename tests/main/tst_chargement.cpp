#include "base/chargement.h"
#include "base/parametres.h"
#include "base/reglages.h"
#include "main/fenprin.h"
#include "support/cles.h"
#include "support/fauxplateforme.h"
#include "support/octets.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

// What stands at a path, followed through links, and what its folder holds.
QString etat(const QString &chemin)
{
    struct stat infos;
    if (::lstat(QFile::encodeName(chemin).constData(), &infos) != 0)
        return QStringLiteral("rien");
    const QString s = QString::number(infos.st_mode, 8) + QLatin1Char(' ');
    if (S_ISLNK(infos.st_mode))
        return s + QStringLiteral("-> ") + etat(QFile::symLinkTarget(chemin));
    if (S_ISREG(infos.st_mode))
        return s + QString::fromLatin1(octets(chemin).toHex());
    return s + QDir(chemin).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).join(u',');
}

bool creePrise(const QString &chemin)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    const QByteArray nom = QFile::encodeName(chemin);
    if (fd < 0 || size_t(nom.size()) >= sizeof adresse.sun_path)
        return false;
    std::copy(nom.begin(), nom.end(), adresse.sun_path);
    const bool ok = ::bind(fd, reinterpret_cast<sockaddr *>(&adresse), sizeof adresse) == 0;
    ::close(fd);
    return ok;
}

} // namespace

// The main window's load over a settings file that is not a plain one.
class TestChargement : public QObject
{
    Q_OBJECT
private slots:
    // Anything but a regular file where the store should be is never opened so
    // that it could block, never written through and never replaced: the user
    // is told once, and the run goes on with the defaults.
    void magasinIllisible_data()
    {
        QTest::addColumn<QString>("sorte");
        for (const char *sorte : {"tube", "dossier", "prise", "lien vers une prise", "lien vers un tube", "lien cassé",
                                  "dossier qui est un fichier", "sans droit de lecture"})
            QTest::newRow(sorte) << QString::fromUtf8(sorte);
    }
    void magasinIllisible()
    {
        QFETCH(QString, sorte);
        if (sorte == QStringLiteral("sans droit de lecture") && ::geteuid() == 0)
            QSKIP("root reads the file whatever its permissions say");
        Banc banc;
        QTemporaryDir ailleurs;
        QString chemin = banc.fichierReglages();
        const QByteArray nom = QFile::encodeName(chemin);
        const QString prise = ailleurs.filePath(QStringLiteral("p")), tube = ailleurs.filePath(QStringLiteral("t"));
        if (sorte == QStringLiteral("tube")) {
            QCOMPARE(::mkfifo(nom.constData(), 0600), 0);
        } else if (sorte == QStringLiteral("dossier")) {
            QVERIFY(QDir().mkpath(chemin + QStringLiteral("/dedans")));
        } else if (sorte == QStringLiteral("prise")) {
            QVERIFY(creePrise(chemin));
        } else if (sorte == QStringLiteral("lien vers une prise")) {
            QVERIFY(creePrise(prise) && QFile::link(prise, chemin));
        } else if (sorte == QStringLiteral("lien vers un tube")) {
            QVERIFY(::mkfifo(QFile::encodeName(tube).constData(), 0600) == 0 && QFile::link(tube, chemin));
        } else if (sorte == QStringLiteral("lien cassé")) {
            QVERIFY(QFile::link(ailleurs.filePath(QStringLiteral("rien")), chemin));
        } else if (sorte == QStringLiteral("dossier qui est un fichier")) {
            ecritOctets(chemin, "[Conseils%20du%20jour]\n");
            chemin += QStringLiteral("/Zelund.conf");
        } else {
            ecritOctets(chemin, "[Ann%E9e%20de%20fin]\nValeur=3000\n");
            QVERIFY(QFile::setPermissions(chemin, QFileDevice::WriteOwner));
        }
        const QString avant = etat(banc.fichierReglages()) + etat(prise) + etat(tube);

        // Were the pipe opened for reading, this would free it and say so.
        std::atomic<bool> fini = false, tubeOuvert = false;
        std::thread guet([&] {
            while (!fini) {
                for (const QString &t : {chemin, tube}) {
                    const int fd = ::open(QFile::encodeName(t).constData(), O_WRONLY | O_NONBLOCK);
                    if (fd >= 0) {
                        tubeOuvert = true;
                        ::close(fd);
                    }
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        });
        Reglages reglages(chemin);
        Reglages::installe(&reglages);
        FenPrin f;
        const bool charge = f.charge();
        reglages.ecrit(Cles::InfoBulles, Cles::Valeur, Cles::Non);
        // The run keeps what it was told, in memory only.
        const QString garde = reglages.lit(Cles::InfoBulles, Cles::Valeur);
        reglages.effaceTout();
        fini = true;
        guet.join();

        QVERIFY(!tubeOuvert);
        QVERIFY(charge);
        QCOMPARE(QPoint(Parametres::courant().anneeDebut(), Parametres::courant().anneeFin()), QPoint(1700, 2100));
        QCOMPARE(banc.plateforme.messages.size(), 1);
        QCOMPARE(banc.plateforme.messages[0].titre, QStringLiteral("Zelund - Erreur !"));
        QCOMPARE(banc.plateforme.messages[0].texte,
                 Base::messageReglagesIllisibles(QFileInfo(chemin).absoluteFilePath()));
        QCOMPARE(etat(banc.fichierReglages()) + etat(prise) + etat(tube), avant);
        QCOMPARE(garde, Cles::Non);
    }

    // A link to a regular file is followed: the file is rewritten, the link stays.
    void lienVersUnFichier()
    {
        Banc banc;
        QTemporaryDir ailleurs;
        const QString cible = ailleurs.filePath(QStringLiteral("Zelund.conf"));
        ecritOctets(cible, "[Conseils%20du%20jour]\nConseil%20au%20d%E9marrage=Non\n");
        QVERIFY(QFile::link(cible, banc.fichierReglages()));
        Reglages reglages(banc.fichierReglages());
        Reglages::installe(&reglages);
        FenPrin f;
        QVERIFY(f.charge());
        QVERIFY(banc.plateforme.messages.isEmpty());
        QCOMPARE(QFile::symLinkTarget(banc.fichierReglages()), cible);
        QCOMPARE(banc.relu(Cles::AnneeFin, Cles::Valeur), Cles::AnneeFinDefaut);
        QCOMPARE(Reglages(cible).lit(Cles::Conseils, Cles::ConseilDemarrage), Cles::Non);
    }
};

QTEST_MAIN(TestChargement)
#include "tst_chargement.moc"
