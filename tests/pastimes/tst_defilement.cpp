#include "pastimes/defilement.h"
#include "support/principal.h"

#include <QTest>

class TestDefilement : public QObject
{
    Q_OBJECT
private slots:
    // Sheet's top after some ticks, by the closed form and tick by tick.
    void hautApres_data()
    {
        QTest::addColumn<int>("hauteur");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("haut");
        // 0.516 × 1000 = 516: positions 0 to -516, 517 ticks a cycle.
        QTest::newRow("premier tick") << 1000 << 1 << 0;
        QTest::newRow("deuxième tick") << 1000 << 2 << -1;
        QTest::newRow("dernière position") << 1000 << 517 << -516;
        QTest::newRow("retour en haut") << 1000 << 518 << 0;
        // 0.516 × 986 = 508.776.
        QTest::newRow("feuille typique") << Defilement::hauteurFeuille(16, 157) << 509 << -508;
        QTest::newRow("feuille typique, retour") << 986 << 510 << 0;
    }
    void hautApres()
    {
        QFETCH(int, hauteur);
        QFETCH(int, ticks);
        QFETCH(int, haut);
        QCOMPARE(Defilement::hautApres(ticks, hauteur), haut);
        int p = 0;
        for (int t = 1; t < ticks; ++t)
            p = Defilement::positionSuivante(p, hauteur);
        QCOMPARE(p, haut);
    }
};

ZELUND_TEST(TestDefilement)
#include "tst_defilement.moc"
