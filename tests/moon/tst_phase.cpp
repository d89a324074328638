#include "main/grille.h"
#include "moon/phase.h"
#include "support/principal.h"

#include <QTest>

class TestPhase : public QObject
{
    Q_OBJECT
private slots:
    void phase_data();
    void phase();
    void legendeEtRefus();
    void toutesLesDates();
};

void TestPhase::phase_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<int>("valeur");
    QTest::addColumn<QDate>("gregorienne");
    QTest::addColumn<double>("fraction");
    QTest::newRow("6/1/2000") << "06/01/2000" << 36531 << QDate(2000, 1, 6) << 0.5038;
    QTest::newRow("21/1/2000") << "21/01/2000" << 36546 << QDate(2000, 1, 21) << 0.0117;
    QTest::newRow("20/7/1969") << "20/07/1969" << 25404 << QDate(1969, 7, 20) << 0.7081;
    QTest::newRow("dernier jour julien") << "04/10/1582" << -115859 << QDate(1582, 10, 14) << 0.0922;
    QTest::newRow("premier jour grégorien") << "15/10/1582" << -115858 << QDate(1582, 10, 15) << 0.1260;
    QTest::newRow("jour désactivé") << "10/10/1582" << -115853 << QDate(1582, 10, 20) << 0.2953;
    QTest::newRow("31/12/1581") << "31/12/1581" << -116136 << QDate(1582, 1, 10) << 0.7121;
    QTest::newRow("report sur l'année") << "25/12/1500" << -145727 << QDate(1501, 1, 4) << 0.6664;
    QTest::newRow("report sur mars") << "28/02/1500" << -146027 << QDate(1500, 3, 10) << 0.5074;
    QTest::newRow("1/1/100") << "01/01/0100" << -657424 << QDate(100, 1, 11) << 0.9733;
    QTest::newRow("31/12/9999") << "31/12/9999" << 2958465 << QDate(9999, 12, 31) << 0.5120;
}

void TestPhase::phase()
{
    QFETCH(QString, selection);
    QFETCH(int, valeur);
    QFETCH(QDate, gregorienne);
    QFETCH(double, fraction);
    const auto p = calculePhase(selection);
    QVERIFY(p);
    QCOMPARE(p->valeur, valeur);
    QVERIFY2(qAbs(p->fraction - fraction) < 0.00005, qPrintable(QString::number(p->fraction)));
    QCOMPARE(p->legende, legendePhase(p->fraction));
    const JourMoisAn d = dateDeValeur(valeur);
    QCOMPARE(QDate(d.annee, d.mois, d.jour), gregorienne);
}

void TestPhase::legendeEtRefus()
{
    QCOMPARE(legendePhase(0.5), QStringLiteral("Lune croissante"));
    QCOMPARE(legendePhase(0.4999999), QStringLiteral("Lune décroissante"));
    QVERIFY(!calculePhase(QStringLiteral("31/04/2001")));
}

// Every date of the range: the count runs without gaps from Qt's Julian Day
// of 1 January 100, converts back to its date, and the fraction stays in [0, 1).
void TestPhase::toutesLesDates()
{
    const qint64 jourJulienZero = QDate(1899, 12, 30).toJulianDay();
    int attendue = int(QDate(100, 1, 1).toJulianDay() - jourJulienZero);
    int fautes = 0;
    for (int annee = 100; annee <= 9999; ++annee) {
        for (int mois = 1; mois <= 12; ++mois) {
            for (int jour = 1; jour <= longueurMois(mois, annee); ++jour, ++attendue) {
                const int valeur = valeurDate(jour, mois, annee);
                const double f = fractionPhase(valeur);
                if (valeur != attendue || !(f >= 0.0 && f < 1.0)
                    || !(dateDeValeur(valeur) == JourMoisAn{jour, mois, annee}))
                    ++fautes;
            }
        }
    }
    QCOMPARE(fautes, 0);
    QCOMPARE(attendue - 1, int(QDate(9999, 12, 31).toJulianDay() - jourJulienZero));
}

ZELUND_TEST(TestPhase)
#include "tst_phase.moc"
