#include "app/lignecommande.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestLigneCommande : public QObject
{
    Q_OBJECT
private slots:
    void lecture_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code"); // -1: the program starts; 0: prints the text; 2: prints it as an error
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("date");
        const QString rien;
        const auto ligne = [](const char *cas, QStringList arguments, int code, QString texte, QString date) {
            QTest::newRow(cas) << arguments << code << texte << date;
        };
        ligne("sans argument", {}, -1, rien, rien);
        ligne("options de Qt", {"-platform", "offscreen", "--style", "fusion", "-reverse"}, -1, rien, rien);
        ligne("date", {"--date", "24/06/2002"}, -1, rien, "24/6/2002");
        ligne("date sans zéros, avec =", {"--date=4/10/1582"}, -1, rien, "4/10/1582");
        ligne("date manquante", {"--date"}, 2, "il manque la valeur après « --date »", rien);
        ligne("argument de trop", {"--date", "18/11/2001", "extra"}, 2, "argument inattendu « extra »", rien);
        ligne("après --", {"--", "--date", "x"}, 2, "argument inattendu « --date »", rien);
        ligne("année sur deux chiffres", {"--date", "24/06/02"}, 2, "illisible", rien);
        ligne("30 février", {"--date", "30/02/2000"}, 2, "n'existe pas", rien);
        ligne("éphéméride à Paris", {"--ephemeride", "18/11/2001"}, 0, "Lieu : Paris (Paris)", rien);
        ligne("éphéméride d'une ville", {"--ephemeride", "18/11/2001", "--lieu", "noumea"}, 0,
              "Heures de Pacific/Noumea", rien);
        ligne("éphéméride par coordonnées", {"--ephemeride", "--lieu=-21.1,55.5", "1/1/2000"}, 0,
              "Heures de Indian/Reunion", rien);
        ligne("lieu ambigu", {"--ephemeride", "--lieu", "Saint-Pierre"}, 2, "ambigu", rien);
        ligne("lieu inconnu", {"--ephemeride", "--lieu", "Atlantide"}, 2, "inconnu", rien);
        ligne("longitude 181", {"--ephemeride", "--lieu", "48.85,181"}, 2, "refusées", rien);
        ligne("lieu manquant", {"--ephemeride", "--lieu"}, 2, "il manque la valeur après « --lieu »", rien);
        ligne("veille de la réforme", {"--ephemeride", "14/10/1582"}, 2, "15/10/1582", rien);
        ligne("deux dates", {"--ephemeride", "1/1/2000", "2/1/2000"}, 2, "une seule date", rien);
        ligne("lieu sans éphéméride", {"--lieu", "Paris"}, 2, "--ephemeride", rien);
        // The date calculations: one line, or a refusal, before any window.
        ligne("90 jours", {"--ajoute", "18/11/2001", "+90j"}, 0, "samedi 16 février 2002\n", rien);
        ligne("mois raccourci", {"--ajoute", "31/01/2001", "1m"}, 0,
              "mercredi 28 février 2001 (dernier jour du mois)\n", rien);
        ligne("ouvrables, Alsace-Moselle, options devant",
              {"--ouvrables", "--alsace-moselle", "--jours-ouvres", "21/12/2026", "27/12/2026"}, 0,
              "4 jours ouvrables\n", rien);
        ligne("10e jour ouvré", {"--jour-ouvre", "09/01/2026", "10"}, 0, "vendredi 23 janvier 2026\n", rien);
        ligne("calcul, jour du trou de 1582", {"--jours-ouvres", "10/10/1582", "01/01/2000"}, 2, "Le 10/10/1582", rien);
        ligne("période illisible", {"--ajoute", "18/11/2001", "90"}, 2, "la période", rien);
        ligne("nombre trop grand", {"--jour-ouvre", "01/01/2000", "99999999999999999999"}, 2, "Nombre trop grand",
              rien);
        ligne("valeur manquante", {"--jours-ouvres", "01/01/2000"}, 2, "--jours-ouvres", rien);
        ligne("valeur de trop", {"--ajoute", "01/01/2000", "1j", "x"}, 2, "--ajoute", rien);
        ligne("calcul avec une date de démarrage", {"--date", "01/01/2000", "--ajoute", "01/01/2000", "1j"}, 2,
              "un calcul", rien);
        ligne("ics d'une année", {"--ics", "2002"}, 0, "DTSTART;VALUE=DATE:20020714", rien);
        ligne("ics d'Alsace-Moselle, =", {"--alsace-moselle", "--ics=2002-2003"}, 0, "UID:2003-saint-etienne", rien);
        ligne("ics illisible", {"--ics", "2002-"}, 2, "illisibles", rien);
        ligne("ics au-delà des années", {"--ics", "2999-3001"}, 2, "de 1000 à 3000", rien);
        ligne("ics et une date", {"--ics", "2002", "--date", "1/1/2002"}, 2, "--ics attend", rien);
        ligne("Alsace-Moselle sans ics", {"--alsace-moselle"}, 2, "option inconnue", rien);
    }
    void lecture()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, texte);
        QFETCH(QString, date);
        const App::LigneCommande l = App::lisLigneCommande(arguments);
        QCOMPARE(l.codeSortie.value_or(-1), code);
        QVERIFY2((code == 2 ? l.erreur : l.sortie).contains(texte), qPrintable(l.erreur));
        QCOMPARE(l.erreur.isEmpty(), code != 2);
        QCOMPARE(l.sortie.isEmpty(), code != 0);
        const QString lue =
            l.date ? QStringLiteral("%1/%2/%3").arg(l.date->jour).arg(l.date->mois).arg(l.date->annee) : QString();
        QCOMPARE(lue, date);
    }
    // The year is checked against the settings before any window system is
    // touched: with no display, the same French refusal.
    void sansEcran()
    {
        QTemporaryDir config;
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(v));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        p.setProcessEnvironment(env);
        p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/zelund"), {"--date", "01/01/1699"});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), App::CodeLigneRefusee);
        QVERIFY(QString::fromLocal8Bit(p.readAllStandardError()).contains(QStringLiteral("1700 à 2100")));
    }
    void anneeHorsDeLaListe()
    {
        const Dates::JourMoisAn date{24, 6, 1650};
        QVERIFY(App::refusAnneeDemarrage(date, 1600, 1650) == std::nullopt);
        QVERIFY(App::refusAnneeDemarrage(date, 1650, 2100) == std::nullopt);
        const auto refus = App::refusAnneeDemarrage(date, 1700, 2100);
        QVERIFY(refus && refus->contains(QStringLiteral("1700 à 2100")));
    }
};

QTEST_GUILESS_MAIN(TestLigneCommande)
#include "tst_lignecommande.moc"
