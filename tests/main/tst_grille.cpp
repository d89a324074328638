#include "main/grille.h"
#include "support/principal.h"

#include <QTest>

class TestGrille : public QObject
{
    Q_OBJECT
private slots:
    // Enabled day buttons as 31 flags ('1' clickable, '.' not), and which side of
    // the reform the month lies on.
    void jours_data()
    {
        QTest::addColumn<int>("mois");
        QTest::addColumn<int>("annee");
        QTest::addColumn<QString>("attendu");
        QTest::addColumn<Periode>("periode");
        const QString j28(28, QLatin1Char('1'));
        QTest::newRow("février 2000") << 2 << 2000 << j28 + "1.." << Periode::Apres1582;
        QTest::newRow("février 1900") << 2 << 1900 << j28 + "..." << Periode::Apres1582;
        QTest::newRow("février 1500 (grégorien)") << 2 << 1500 << j28 + "..." << Periode::Avant1582;
        QTest::newRow("avril") << 4 << 2026 << j28 + "11." << Periode::Apres1582;
        QTest::newRow("septembre 1582") << 9 << 1582 << j28 + "11." << Periode::AvantOctobre1582;
        const QString reforme = "1111" + QString(10, QLatin1Char('.')) + QString(17, QLatin1Char('1'));
        QTest::newRow("octobre 1582") << 10 << 1582 << reforme << Periode::Octobre1582;
        QTest::newRow("novembre 1582") << 11 << 1582 << j28 + "11." << Periode::Apres1582;
        QTest::newRow("octobre 1583") << 10 << 1583 << j28 + "111" << Periode::Apres1582;
    }

    void jours()
    {
        QFETCH(int, mois);
        QFETCH(int, annee);
        QFETCH(QString, attendu);
        QFETCH(Periode, periode);
        QString motif;
        for (bool actif : joursActifs(mois, annee))
            motif += actif ? QLatin1Char('1') : QLatin1Char('.');
        QCOMPARE(motif, attendu);
        QCOMPARE(periodeDuMois(mois, annee), periode);
    }
};

ZELUND_TEST(TestGrille)
#include "tst_grille.moc"
