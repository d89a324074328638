#include "main/grille.h"
#include "support/principal.h"

#include <QTest>

class TestGrille : public QObject
{
    Q_OBJECT
private slots:
    void jours_data();
    void jours();
    void periode_data();
    void periode();
};

// Enabled day buttons, as a string of 31 flags: '1' clickable, '.' not.
static QString motif(const std::array<bool, 31> &actifs)
{
    QString s;
    for (bool a : actifs)
        s += a ? QLatin1Char('1') : QLatin1Char('.');
    return s;
}

void TestGrille::jours_data()
{
    QTest::addColumn<int>("mois");
    QTest::addColumn<int>("annee");
    QTest::addColumn<QString>("attendu");
    const QString j28 = QString(28, QLatin1Char('1'));
    QTest::newRow("février 2000") << 2 << 2000 << j28 + "1..";
    QTest::newRow("février 1900") << 2 << 1900 << j28 + "...";
    QTest::newRow("février 1500 (grégorien)") << 2 << 1500 << j28 + "...";
    QTest::newRow("février 2024") << 2 << 2024 << j28 + "1..";
    QTest::newRow("avril") << 4 << 2026 << j28 + "11.";
    QTest::newRow("décembre") << 12 << 2026 << j28 + "111";
    QTest::newRow("octobre 1582") << 10 << 1582 << "1111.........." + QString(14, QLatin1Char('1')) + "111";
    QTest::newRow("novembre 1582") << 11 << 1582 << j28 + "11.";
    QTest::newRow("octobre 1583") << 10 << 1583 << j28 + "111";
}

void TestGrille::jours()
{
    QFETCH(int, mois);
    QFETCH(int, annee);
    QFETCH(QString, attendu);
    QCOMPARE(motif(joursActifs(mois, annee)), attendu);
}

void TestGrille::periode_data()
{
    QTest::addColumn<int>("mois");
    QTest::addColumn<int>("annee");
    QTest::addColumn<int>("attendue");
    QTest::newRow("1581") << 12 << 1581 << int(Periode::Avant1582);
    QTest::newRow("septembre 1582") << 9 << 1582 << int(Periode::AvantOctobre1582);
    QTest::newRow("octobre 1582") << 10 << 1582 << int(Periode::Octobre1582);
    QTest::newRow("novembre 1582") << 11 << 1582 << int(Periode::Apres1582);
    QTest::newRow("janvier 1583") << 1 << 1583 << int(Periode::Apres1582);
}

void TestGrille::periode()
{
    QFETCH(int, mois);
    QFETCH(int, annee);
    QFETCH(int, attendue);
    QCOMPARE(int(periodeDuMois(mois, annee)), attendue);
}

ZELUND_TEST(TestGrille)
#include "tst_grille.moc"
