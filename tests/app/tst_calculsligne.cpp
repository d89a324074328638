#include "app/lignecommande.h"

#include <QTest>

// The date calculations of the command line: one line and status 0, or a
// French message on standard error and status 2, read before any window.
class TestCalculsLigne : public QObject
{
    Q_OBJECT
private slots:
    void calculs_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("texte"); // standard output, or the start of the error
        const auto ligne = [](const char *cas, QStringList arguments, int code, const char *texte) {
            QTest::newRow(cas) << arguments << code << QString::fromUtf8(texte);
        };
        ligne("90 jours", {"--ajoute", "18/11/2001", "+90j"}, 0, "samedi 16 février 2002\n");
        ligne("mois raccourci", {"--ajoute", "31/01/2001", "1m"}, 0,
              "mercredi 28 février 2001 (dernier jour du mois)\n");
        ligne("ouvrés", {"--jours-ouvres", "05/01/2026", "11/01/2026"}, 0, "5 jours ouvrés\n");
        ligne("ouvrables, Alsace-Moselle, options devant",
              {"--ouvrables", "--alsace-moselle", "--jours-ouvres", "21/12/2026", "27/12/2026"}, 0,
              "4 jours ouvrables\n");
        ligne("10e jour ouvré", {"--jour-ouvre", "09/01/2026", "10"}, 0, "vendredi 23 janvier 2026\n");
        ligne("date inexistante", {"--ajoute", "31/02/2001", "1j"}, 2, "zelund : Le 31/02/2001");
        ligne("jour du trou de 1582", {"--jours-ouvres", "10/10/1582", "01/01/2000"}, 2, "zelund : Le 10/10/1582");
        ligne("période illisible", {"--ajoute", "18/11/2001", "90"}, 2, "zelund : la période");
        ligne("hors des années", {"--ajoute", "31/12/9999", "+1j"}, 2, "zelund : Le résultat");
        ligne("nombre trop grand", {"--jour-ouvre", "01/01/2000", "99999999999999999999"}, 2,
              "zelund : Nombre trop grand");
        ligne("rang 0", {"--jour-ouvre", "01/01/2000", "0"}, 2, "zelund : Le rang");
        ligne("valeur manquante", {"--jours-ouvres", "01/01/2000"}, 2, "zelund : --jours-ouvres");
        ligne("valeur de trop", {"--ajoute", "01/01/2000", "1j", "x"}, 2, "zelund : --ajoute");
        ligne("avec une date de démarrage", {"--date", "01/01/2000", "--ajoute", "01/01/2000", "1j"}, 2,
              "zelund : un calcul");
    }
    void calculs()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, texte);
        const App::LigneCommande l = App::lisLigneCommande(arguments);
        QCOMPARE(l.codeSortie, std::optional<int>(code));
        if (code == 0) {
            QCOMPARE(l.sortie, texte);
            QVERIFY(l.erreur.isEmpty());
        } else {
            QVERIFY2(l.erreur.startsWith(texte), qPrintable(l.erreur));
            QVERIFY(l.sortie.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestCalculsLigne)
#include "tst_calculsligne.moc"
