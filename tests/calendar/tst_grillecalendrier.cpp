#include "calendar/grillecalendrier.h"
#include "calendar/jourplus.h"
#include "calendar/paques.h"
#include "support/principal.h"

#include <QDate>
#include <QTest>

class TestGrilleCalendrier : public QObject
{
    Q_OBJECT
private slots:
    void mois_data();
    void mois();
    void accordAvecQt();
    void bornes_data();
    void bornes();
};

void TestGrilleCalendrier::mois_data()
{
    QTest::addColumn<int>("mois");
    QTest::addColumn<int>("annee");
    QTest::addColumn<QPoint>("premier"); // column, row of the 1st
    QTest::addColumn<QPoint>("dernier");
    QTest::newRow("février 2000") << 2 << 2000 << QPoint(2, 1) << QPoint(2, 5);
    QTest::newRow("février 1900") << 2 << 1900 << QPoint(4, 1) << QPoint(3, 5);
    QTest::newRow("octobre 1582 sans trou") << 10 << 1582 << QPoint(5, 1) << QPoint(7, 5);
    QTest::newRow("mars 2026, sixième ligne") << 3 << 2026 << QPoint(7, 1) << QPoint(2, 6);
    QTest::newRow("février -1900 comme 2100") << 2 << -1900 << QPoint(1, 1) << QPoint(7, 4);
}

void TestGrilleCalendrier::mois()
{
    QFETCH(int, mois);
    QFETCH(int, annee);
    QFETCH(QPoint, premier);
    QFETCH(QPoint, dernier);
    // Today being the 31st, only a 31-day month shows a red number.
    const auto m = grilleMois(mois, annee, 31);
    QCOMPARE(QPoint(m.jours.front().colonne, m.jours.front().ligne), premier);
    QCOMPARE(QPoint(m.jours.back().colonne, m.jours.back().ligne), dernier);
    for (const auto &c : m.jours)
        QCOMPARE(c.rouge, c.jour == 31);
}

// Every month the year box accepts, against Qt's proleptic Gregorian calendar,
// which has no year 0: year y <= 0 is its year y - 1.
void TestGrilleCalendrier::accordAvecQt()
{
    for (int annee = CalendrierAnneeMin; annee <= CalendrierAnneeMax; ++annee)
        for (int mois = 1; mois <= 12; ++mois) {
            const QDate premier(annee <= 0 ? annee - 1 : annee, mois, 1);
            const auto m = grilleMois(mois, annee, 0);
            QCOMPARE(int(m.jours.size()), premier.daysInMonth());
            QCOMPARE(m.colonnePremier, premier.dayOfWeek());
        }
}

void TestGrilleCalendrier::bornes_data()
{
    QTest::addColumn<int>("boite"); // 0 calendar year, 1 Easter year, 2 weekday day, 3 weekday year
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("remplacement"); // "?": not a number; empty: the text stays
    QTest::addColumn<int>("valeur");
    QTest::newRow("calendrier 12000") << 0 << "12000" << "9999" << 9999;
    QTest::newRow("calendrier -2500") << 0 << "-2500" << "-1900" << -1900;
    QTest::newRow("calendrier moins seul") << 0 << "-" << "?" << 0;
    QTest::newRow("Pâques 0") << 1 << "0" << "1" << 1;
    QTest::newRow("jour 45") << 2 << "45" << "31" << 31;
    QTest::newRow("année -2000") << 3 << "-2000" << "-1900" << -1900;
    QTest::newRow("année compteur, demi") << 3 << " -1.5" << "" << -2;
}

void TestGrilleCalendrier::bornes()
{
    QFETCH(int, boite);
    QFETCH(QString, texte);
    QFETCH(QString, remplacement);
    QFETCH(int, valeur);
    const auto b = boite == 0 ? borneAnneeCalendrier(texte) : boite == 1 ? borneAnneePaques(texte)
                   : boite == 2 ? borneJour(texte) : borneAnneeJourPlus(texte);
    QCOMPARE(b ? b->remplacement.value_or(QString()) : QStringLiteral("?"), remplacement);
    QCOMPARE(b ? b->valeur : 0, valeur);
}

ZELUND_TEST(TestGrilleCalendrier)
#include "tst_grillecalendrier.moc"
