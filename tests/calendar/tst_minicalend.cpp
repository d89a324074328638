#include "calendar/minicalend.h"
#include "support/principal.h"

#include <QTest>

class TestMiniCalend : public QObject
{
    Q_OBJECT
private slots:
    void cases_data();
    void cases();
    void pages_data();
    void pages();
    void taillesEtTitre();
};

void TestMiniCalend::cases_data()
{
    QTest::addColumn<QDate>("courante");
    QTest::addColumn<QPoint>("premier"); // column, row
    QTest::addColumn<QPoint>("dernier");
    QTest::addColumn<int>("rouge"); // 0: none; today is 29 February 2000
    QTest::newRow("1er un dimanche") << QDate(2026, 3, 31) << QPoint(0, 0) << QPoint(2, 4) << 0;
    QTest::newRow("1er un samedi, sixième ligne") << QDate(2026, 8, 1) << QPoint(6, 0) << QPoint(1, 5) << 0;
    QTest::newRow("mois courant") << QDate(2000, 2, 10) << QPoint(2, 0) << QPoint(2, 4) << 29;
    QTest::newRow("même mois, autre année") << QDate(2001, 2, 1) << QPoint(4, 0) << QPoint(3, 4) << 0;
}

void TestMiniCalend::cases()
{
    QFETCH(QDate, courante);
    QFETCH(QPoint, premier);
    QFETCH(QPoint, dernier);
    QFETCH(int, rouge);
    const auto c = casesMiniCalend(courante, QDate(2000, 2, 29), {293, 195});
    QCOMPARE(int(c.size()), courante.daysInMonth());
    QCOMPARE(QPoint(c.front().colonne, c.front().ligne), premier);
    QCOMPARE(c.back().coin, QPoint(dernier.x() * 293, dernier.y() * 195));
    QCOMPARE(positionNumeroMini(c.back(), {293, 195}, {100, 45}), c.back().coin + QPointF(96.5, 75));
    for (const auto &k : c)
        QCOMPARE(k.rouge, k.jour == rouge);
}

void TestMiniCalend::pages_data()
{
    QTest::addColumn<QDate>("depart");
    QTest::addColumn<int>("sens");
    QTest::addColumn<QDate>("attendue"); // invalid: no change
    QTest::newRow("31 janvier 2001") << QDate(2001, 1, 31) << 1 << QDate(2001, 2, 28);
    QTest::newRow("31 janvier 2000") << QDate(2000, 1, 31) << 1 << QDate(2000, 2, 29);
    QTest::newRow("janvier vers décembre") << QDate(2002, 1, 31) << -1 << QDate(2001, 12, 31);
    QTest::newRow("janvier 100, butée") << QDate(100, 1, 15) << -1 << QDate();
    QTest::newRow("décembre 9999, butée") << QDate(9999, 12, 31) << 1 << QDate();
}

void TestMiniCalend::pages()
{
    QFETCH(QDate, depart);
    QFETCH(int, sens);
    QFETCH(QDate, attendue);
    QCOMPARE(pageMois(depart, sens).value_or(QDate()), attendue);
}

void TestMiniCalend::taillesEtTitre()
{
    // Inner size less one 15-twip pixel, rounded half to even, then divided.
    QCOMPARE(taillesCase({2044.5, 1184.5}, {15, 15}).largeur, 290);
    QCOMPARE(taillesCase({2037.5, 1184.5}, {15, 15}).largeur, 288);
    QCOMPARE(taillesCase({2037.5, 1184.5}, {15, 15}).hauteur, 195);
    QCOMPARE(titreMiniCalend(QDate(100, 2, 15)), QStringLiteral("février 100"));
}

ZELUND_TEST(TestMiniCalend)
#include "tst_minicalend.moc"
