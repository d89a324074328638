#include "main/compteur.h"
#include "main/textedate.h"
#include "moon/phase.h"
#include "support/principal.h"

#include <QTest>

// The counter's arithmetic; the window tests drive the same through clicks.
class TestCompteur : public QObject
{
    Q_OBJECT
private slots:
    void difference_data();
    void difference();
    void depuisAujourdhui_data();
    void depuisAujourdhui();
    void copieGardeLaDerniereDifference();
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

void TestCompteur::copieGardeLaDerniereDifference()
{
    EtatCompteur etat;
    cliquePremiereDate(etat, selection(QDate(1582, 10, 4)));
    cliqueDeuxiemeDate(etat, selection(QDate(1582, 10, 15)));
    // A new first date alone does not change the difference the copy reports.
    cliquePremiereDate(etat, selection(QDate(2000, 1, 1)));
    QVERIFY(texteCopie(etat, {}, {}).endsWith(QStringLiteral("Première date : Samedi 1 janvier 2000\n"
                                                             "Deuxième date : Vendredi 15 octobre 1582\n"
                                                             "Temps écoulé entre les deux dates : 1 jours")));
    // An unreadable selection text changes nothing.
    QVERIFY(!cliqueDeuxiemeDate(etat, {12, QStringLiteral("31/04/2001"), {}}).texteNBJ);
    QCOMPARE(etat.deuxiemeDate, selection(QDate(1582, 10, 15)).valeur);
}

ZELUND_TEST(TestCompteur)
#include "tst_compteur.moc"
