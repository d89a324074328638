// The whole start, in a process of its own so that what it loads can be seen.
#include "aide/conseils.h"
#include "app/demarrage.h"
#include "app/demarre2.h"
#include "main/fenprin.h"
#include "support/fauxplateforme.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <optional>

class TestDemarrageComplet : public QObject
{
    Q_OBJECT
private slots:
    void sequence()
    {
        Banc banc;
        Demarrage demarrage;
        std::optional<bool> charge;
        demarrage.lance([&](bool ok) { charge = ok; });
        QVERIFY(demarrage.demarre2()->isVisible());
        // The splash goes as the main window comes; the tips open after it.
        QPointer<Demarre2> demarre2 = demarrage.demarre2();
        QTRY_VERIFY(charge.has_value());
        QVERIFY(*charge && demarrage.fenPrin()->isVisible());
        QVERIFY(!demarre2 || !demarre2->isVisible());
        const auto conseils = [] {
            return std::ranges::count_if(QApplication::topLevelWidgets(),
                                         [](QWidget *w) { return qobject_cast<Conseils *>(w) && w->isVisible(); });
        };
        QTRY_COMPARE(conseils(), 1);
        QTRY_VERIFY(!demarre2);

        // Nothing on the way to these windows needs the SVG engine or Qt Multimedia.
        QFile carte(QStringLiteral("/proc/self/maps"));
        QVERIFY(carte.open(QIODevice::ReadOnly));
        const QByteArray bibliotheques = carte.readAll();
        QVERIFY(!bibliotheques.contains("libQt6Svg"));
        QVERIFY(!bibliotheques.contains("libQt6Multimedia"));
    }

    // The program itself: what it prints where, and its exit status, with no settings stored.
    void ligneDeCommande_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("sortie"); // the start of what it prints
        QTest::addColumn<QString>("erreur");
        QTest::newRow("aide") << QStringList{"--help"} << 0 << "Utilisation : zelund" << QString();
        QTest::newRow("version") << QStringList{"-v"} << 0 << "Zelund + 4.11\n" << QString();
        QTest::newRow("option inconnue") << QStringList{"--dates"} << 2 << QString()
                                         << QStringLiteral("zelund : option inconnue");
        QTest::newRow("jour retiré") << QStringList{"--date", "5/10/1582"} << 2 << QString()
                                     << QStringLiteral("zelund : le 5/10/1582");
        QTest::newRow("hors de la liste")
            << QStringList{"--date=31/12/2101"} << 2 << QString() << QStringLiteral("zelund : l'année 2101");
    }
    void ligneDeCommande()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, sortie);
        QFETCH(QString, erreur);
        QTemporaryDir config;
        QProcess zelund;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), config.path()); // no warning of Qt's on stderr
        zelund.setProcessEnvironment(env);
        zelund.start(QCoreApplication::applicationDirPath() + QStringLiteral("/zelund"), arguments);
        QVERIFY(zelund.waitForFinished(30000));
        QCOMPARE(zelund.exitStatus(), QProcess::NormalExit);
        const QString dit = QString::fromLocal8Bit(zelund.readAllStandardOutput());
        const QString erreurDite = QString::fromLocal8Bit(zelund.readAllStandardError());
        QCOMPARE(zelund.exitCode(), code);
        QVERIFY2(sortie.isEmpty() ? dit.isEmpty() : dit.startsWith(sortie), qPrintable(dit));
        QVERIFY2(erreur.isEmpty() ? erreurDite.isEmpty() : erreurDite.startsWith(erreur), qPrintable(erreurDite));
    }
};

QTEST_MAIN(TestDemarrageComplet)
#include "tst_demarragecomplet.moc"
