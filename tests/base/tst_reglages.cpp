#include "base/chargement.h"
#include "base/partage.h"
#include "base/reglages.h"
#include "main/fenprin.h"
#include "support/fauxplateforme.h"

#include <QDir>
#include <QFile>
#include <QSettings>
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

QByteArray octets(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(absent)");
}

void ecritOctets(const QString &chemin, const QByteArray &octets)
{
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

// What stands at a path, followed through links, and what its folder holds.
QString etat(const QString &chemin)
{
    QString s;
    for (const QByteArray nom = QFile::encodeName(chemin);;) {
        struct stat infos;
        if (::lstat(nom.constData(), &infos) != 0) {
            s += QStringLiteral("rien");
            break;
        }
        s += QString::number(infos.st_mode, 8) + QLatin1Char(' ');
        if (S_ISLNK(infos.st_mode)) {
            const QString cible = QFile::symLinkTarget(chemin);
            s += QStringLiteral("-> ") + etat(cible);
            break;
        }
        if (S_ISREG(infos.st_mode))
            s += QString::fromLatin1(octets(chemin).toHex());
        if (S_ISDIR(infos.st_mode))
            s += QDir(chemin).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).join(u',');
        break;
    }
    return s;
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

// The settings file itself: read and written as QSettings does, values kept as
// text, and left alone when it is not a regular file.
class TestReglages : public QObject
{
    Q_OBJECT
private slots:
    // The same bytes as QSettings for the same value, and its files read back.
    void commeQSettings_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("cle");
        QTest::addColumn<QString>("valeur");
        QTest::newRow("espaces") << Cles::Ciel << Cles::Couleur << "119 119 119";
        QTest::newRow("accents") << Couleurs::section() << "'Lumière' des boutons" << "&HDEFF6C";
        QTest::newRow("virgules") << Cles::Etoiles << Cles::Couleur << "119,119,119";
        QTest::newRow("blancs autour") << Cles::AnneeDebut << Cles::Valeur << " 1700 ";
        QTest::newRow("signes") << "a;b=c" << "d/e" << "x;y=z \"q\" \\ #";
        QTest::newRow("arobase") << Cles::AnneeFin << Cles::Valeur << "@Variant(2100)";
        QTest::newRow("contrôles") << "Été" << "clé" << "a\tb\nc\x01" "1d";
        QTest::newRow("hors du latin") << "Ciel ✓" << "😀" << "œ ✓ 😀";
        QTest::newRow("vide") << Cles::StyleSection << Cles::Style << "";
        QTest::newRow("General") << "General" << "Valeur" << "x";
    }
    void commeQSettings()
    {
        QFETCH(QString, section);
        QFETCH(QString, cle);
        QFETCH(QString, valeur);
        QTemporaryDir dossier;
        const QString qt = dossier.filePath("qt.conf"), nous = dossier.filePath("nous.conf");
        {
            QSettings s(qt, QSettings::IniFormat);
            s.setValue(section + u'/' + cle, valeur);
        }
        Reglages(nous).ecrit(section, cle, valeur);
        QCOMPARE(octets(nous), octets(qt));
        QCOMPARE(Reglages(qt).lit(section, cle), valeur);
        // A value changed in a file of two sections keeps the other and its place.
        {
            QSettings s(qt, QSettings::IniFormat);
            s.setValue(QStringLiteral("Autre section/Clé"), QStringLiteral("1 2 3"));
        }
        QFile::remove(nous);
        QVERIFY(QFile::copy(qt, nous));
        {
            QSettings s(qt, QSettings::IniFormat);
            s.setValue(section + u'/' + cle, QStringLiteral("changée"));
        }
        Reglages(nous).ecrit(section, cle, QStringLiteral("changée"));
        QCOMPARE(octets(nous), octets(qt));
    }

    // Qt's typed notation is text like any other: never decoded, refused where
    // a number is needed, and the store is left as it was.
    void valeursTypees_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QByteArray>("ecrit"); // the file, as it stands
        QTest::addColumn<QString>("texte"); // the value read
        QTest::addColumn<bool>("charge");
        const QByteArray debut = "[Ann%E9e%20de%20d%E9but]\nValeur=", fin = "[Ann%E9e%20de%20fin]\nValeur=",
                         bulles = "[Affichage%20des%20info-bulles]\nValeur=";
        const char entier[] = "@Variant(\0\0\0\x02\0\0\0\x06\xa4)"; // the number 1700, as QSettings writes it
        QTest::newRow("variant") << Cles::AnneeDebut << debut + "@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x6\\xa4)\n"
                                 << QString::fromLatin1(entier, sizeof entier - 1) << false;
        QTest::newRow("octets") << Cles::AnneeFin << fin + "@ByteArray(2100)\n" << "@ByteArray(2100)" << false;
        QTest::newRow("invalide") << Cles::AnneeFin << fin + "@Invalid()\n" << "@Invalid()" << false;
        QTest::newRow("rectangle") << Cles::AnneeFin << fin + "@Rect(0 0 1 1)\n" << "@Rect(0 0 1 1)" << false;
        QTest::newRow("info-bulles") << Cles::InfoBulles << bulles + "@ByteArray(Oui)\n" << "@ByteArray(Oui)" << true;
        QTest::newRow("arobase échappée") << Cles::InfoBulles << bulles + "@@Oui\n" << "@Oui" << true;
    }
    void valeursTypees()
    {
        QFETCH(QString, section);
        QFETCH(QByteArray, ecrit);
        QFETCH(QString, texte);
        QFETCH(bool, charge);
        Banc banc;
        ecritOctets(banc.fichierReglages(), ecrit);
        Reglages reglages(banc.fichierReglages());
        QCOMPARE(reglages.lit(section, Cles::Valeur), texte);
        const auto v = Base::chargeReglages(reglages, 2026);
        QCOMPARE(v.has_value(), charge);
        if (v)
            QVERIFY(!v->infoBullesActives()); // only "Oui" itself turns them on
        else
            QCOMPARE(banc.octets(), ecrit);
    }

    // Two copies writing one after the other: neither loses the other's value.
    void deuxCopies()
    {
        Banc banc;
        Reglages autre(banc.fichierReglages());
        banc.reglages().ecrit(Cles::InfoBulles, Cles::Valeur, Cles::Non);
        autre.ecrit(Cles::Conseils, Cles::ConseilDemarrage, Cles::Non);
        banc.reglages().ecrit(Cles::AnneeFin, Cles::Valeur, QStringLiteral("3000"));
        QCOMPARE(banc.contenuFichier(),
                 (QStringList{"Affichage des info-bulles/Valeur=Non", "Année de fin/Valeur=3000",
                              "Conseils du jour/Conseil au démarrage=Non"}));
    }

    // Anything but a regular file where the store should be is never opened so
    // that it could block, never written through and never replaced: the user
    // is told once, and the run goes on with the defaults.
    void magasinIllisible_data()
    {
        QTest::addColumn<QString>("sorte");
        for (const char *sorte : {"tube", "dossier", "prise", "lien vers une prise", "lien vers un tube",
                                  "lien cassé", "dossier qui est un fichier", "sans droit de lecture"})
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
        QCOMPARE(QPoint(partage().anneeDebut, partage().anneeFin), QPoint(1700, 2100));
        QCOMPARE(banc.plateforme.messages.size(), 1);
        QCOMPARE(banc.plateforme.messages[0].titre, QStringLiteral("Zelund - Erreur !"));
        QCOMPARE(banc.plateforme.messages[0].texte, Base::messageReglagesIllisibles(QFileInfo(chemin).absoluteFilePath()));
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

QTEST_MAIN(TestReglages)
#include "tst_reglages.moc"
