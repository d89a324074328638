#include "main/compteur.h"
#include "main/textedate.h"
#include "moon/phase.h"
#include "support/principal.h"

#include <QTest>

class TestCompteur : public QObject
{
    Q_OBJECT
private slots:
    void difference_data();
    void difference();
    void deuxDatesPuisCopie();
    void depuisAujourdhui_data();
    void depuisAujourdhui();
    void copieAvantToutCalcul();
};

// The selection as the main window holds it after a click on a day.
static SelectionCourante selection(const QDate &d)
{
    return {valeurSelection(d.day(), d.month(), d.year()),
            texteSelection(d.day(), d.month(), d.year()).value_or(QString()),
            legendeJour(d.day(), d.month(), d.year(), periodeDuMois(d.month(), d.year())).value_or(QString())};
}

void TestCompteur::difference_data()
{
    QTest::addColumn<QString>("premiere"); // empty: never set
    QTest::addColumn<QString>("deuxieme");
    QTest::addColumn<int>("jours");
    QTest::newRow("à travers la réforme") << "04/10/1582" << "15/10/1582" << 1;
    QTest::newRow("négative") << "01/02/2002" << "01/01/2002" << -31;
    QTest::newRow("même date") << "18/11/2001" << "18/11/2001" << 0;
    QTest::newRow("première vide") << "" << "01/01/1900" << 2;
}

void TestCompteur::difference()
{
    QFETCH(QString, premiere);
    QFETCH(QString, deuxieme);
    QFETCH(int, jours);
    QCOMPARE(differenceJours(valeurSelection(premiere), valeurSelection(deuxieme)), jours);
}

void TestCompteur::deuxDatesPuisCopie()
{
    EtatCompteur etat;
    const auto un = cliquePremiereDate(etat, selection(QDate(1582, 10, 4)));
    QCOMPARE(un.premiereDate, QStringLiteral("Première date : 4/10/1582"));
    QCOMPARE(un.anMois, QStringLiteral("4/10/1582"));
    QVERIFY(!un.deuxiemeDate && !un.texteNBJ);

    const auto deux = cliqueDeuxiemeDate(etat, selection(QDate(1582, 10, 15)));
    QCOMPARE(deux.deuxiemeDate, QStringLiteral("Deuxième date : 15/10/1582"));
    QCOMPARE(deux.texteNBJ, QStringLiteral("Temps écoulé entre les deux dates : 1 jours"));
    QCOMPARE(deux.anMois, QStringLiteral("15/10/1582"));

    // A new first date alone does not change the difference the copy reports.
    cliquePremiereDate(etat, selection(QDate(2000, 1, 1)));
    QCOMPARE(texteCopie(etat, QStringLiteral("Vendredi 15 octobre 1582"), QStringLiteral("Lune décroissante")),
             QStringLiteral("Vendredi 15 octobre 1582\nLune décroissante\n \n"
                            "Première date : Samedi 1 janvier 2000\n"
                            "Deuxième date : Vendredi 15 octobre 1582\n"
                            "Temps écoulé entre les deux dates : 1 jours"));
}

void TestCompteur::depuisAujourdhui_data()
{
    QTest::addColumn<QDate>("choisie");
    QTest::addColumn<int>("jours");
    QTest::newRow("futur") << QDate(2001, 12, 25) << 37;
    QTest::newRow("aujourd'hui") << QDate(2001, 11, 18) << 0;
    QTest::newRow("date julienne") << QDate(1582, 10, 4) << -153072;
}

void TestCompteur::depuisAujourdhui()
{
    QFETCH(QDate, choisie);
    QFETCH(int, jours);
    EtatCompteur etat;
    cliquePremiereDate(etat, selection(QDate(2000, 1, 1)));
    const auto l = cliqueDateAujourdhui(etat, selection(choisie), QDate(2001, 11, 18));
    QCOMPARE(l.texteNBJ, QStringLiteral("Temps écoulé depuis aujourd'hui : %1 jours").arg(jours));
    QCOMPARE(l.premiereDate, QStringLiteral("Première date : 18/11/2001"));
    QVERIFY(!l.anMois);
    QCOMPARE(etat.textePremiere, QStringLiteral("1/1/2000"));
    QVERIFY(texteCopie(etat, {}, {}).endsWith(QStringLiteral("\nPremière date : Dimanche 18 novembre 2001\n"
                                                             "Deuxième date : %1\n%2")
                                                  .arg(selection(choisie).legendeDateJour, texteEntreDates(jours))));
}

void TestCompteur::copieAvantToutCalcul()
{
    QCOMPARE(texteCopie(EtatCompteur{}, QStringLiteral("Dimanche 18 novembre 2001"), QStringLiteral("Lune croissante")),
             QStringLiteral("Dimanche 18 novembre 2001\nLune croissante\n \nPremière date : \n"
                            "Deuxième date : \nTemps écoulé entre les deux dates : 0 jours"));
    // An unreadable selection text changes nothing.
    EtatCompteur etat;
    QVERIFY(!cliqueDeuxiemeDate(etat, {12, QStringLiteral("31/04/2001"), {}}).texteNBJ);
    QVERIFY(!etat.deuxiemeDate);
}

ZELUND_TEST(TestCompteur)
#include "tst_compteur.moc"
