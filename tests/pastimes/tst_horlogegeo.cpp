#include "pastimes/horlogegeo.h"
#include "support/principal.h"

#include <QTest>

using namespace Horloge;

static bool proche(QPointF a, QPointF b)
{
    return (a - b).manhattanLength() < 1e-6;
}

class TestHorlogeGeo : public QObject
{
    Q_OBJECT
private slots:
    void aiguilles_data()
    {
        QTest::addColumn<QTime>("heure");
        QTest::addColumn<QPointF>("seconde");
        QTest::addColumn<QPointF>("minute");
        QTest::addColumn<QPointF>("heures");
        const QPointF s(1000, 150), m(1000, 300), trois(1500, 1000);
        QTest::newRow("12:00:00") << QTime(12, 0) << s << m << QPointF(1000, 500);
        QTest::newRow("3:00:00") << QTime(3, 0) << s << m << trois;
        QTest::newRow("15:00:00") << QTime(15, 0) << s << m << trois;
        QTest::newRow("6:30:00") << QTime(6, 30) << s << QPointF(1000, 1700)
                                 << QPointF(870.59047744874, 1482.96291314453);
        // The minute hand follows the seconds, the hour hand only the minutes.
        QTest::newRow("15:00:59") << QTime(15, 0, 59) << QPointF(911.15080622249, 154.65638893697)
                                  << QPointF(1071.95477575107, 303.70802801798) << trois;
    }
    void aiguilles()
    {
        QFETCH(QTime, heure);
        QFETCH(QPointF, seconde);
        QFETCH(QPointF, minute);
        QFETCH(QPointF, heures);
        const Aiguilles a = Horloge::aiguilles(heure);
        QVERIFY(proche(a.seconde.fin, seconde) && proche(a.minute.fin, minute) && proche(a.heure.fin, heures));
        QVERIFY(a.heure.debut == QPointF(1000, 1000) && a.seconde.debut == a.heure.debut);
    }
    void chiffres()
    {
        // 12, 3, 6 and 9 centred on the circle, for a text of 90 × 210 twips.
        const QPointF centres[] = {{1000, 140}, {1860, 1000}, {1000, 1860}, {140, 1000}};
        for (int k = 0; k < 4; ++k)
            QVERIFY(proche(coinChiffre(k == 0 ? 12 : 3 * k, 90, 210) + QPointF(45, 105), centres[k]));
        // Sizes rounded to the twip, then halved with truncation: 151 / 2, 209 / 2.
        QVERIFY(proche(coinChiffre(3, 151.4, 208.6), QPointF(1860 - 75, 1000 - 104)));
        QCOMPARE(msAvantSecondeSuivante(QTime(12, 0, 0, 0)), 1000);
        QCOMPARE(msAvantSecondeSuivante(QTime(23, 59, 59, 999)), 1);
    }
};

ZELUND_TEST(TestHorlogeGeo)
#include "tst_horlogegeo.moc"
