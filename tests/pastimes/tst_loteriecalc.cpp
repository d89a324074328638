#include "pastimes/loteriecalc.h"
#include "pastimes/ramdom.h"
#include "support/principal.h"

#include <QSet>
#include <QTest>

using namespace Loterie;

class TestLoterieCalc : public QObject
{
    Q_OBJECT
private slots:
    void graine_data()
    {
        QTest::addColumn<QDateTime>("maintenant");
        QTest::addColumn<QString>("texte");
        const auto dt = [](int a, int m, int j, int h, int mi, int s, int ms) {
            return QDateTime(QDate(a, m, j), QTime(h, mi, s, ms));
        };
        QTest::newRow("exemple") << dt(2001, 12, 4, 21, 5, 7, 530) << "12-04-200121:05:07 75907.53";
        QTest::newRow("une demi-seconde") << dt(2001, 1, 1, 0, 0, 0, 500) << "01-01-200100:00:00 0.5";
        QTest::newRow("matin, seconde entière") << dt(2026, 7, 9, 9, 3, 2, 0) << "07-09-202609:03:02 32582";
        // Single precision keeps 7 significant digits.
        QTest::newRow("7 chiffres") << dt(2001, 1, 1, 3, 25, 45, 678) << "01-01-200103:25:45 12345.68";
    }
    void graine()
    {
        QFETCH(QDateTime, maintenant);
        QFETCH(QString, texte);
        QCOMPARE(texteGraine(maintenant), texte);
    }
    // Presses of the draw button between ticks stop the balls one after the
    // other on distinct numbers; the press after the last sets all spinning.
    void tirageComplet_data()
    {
        QTest::addColumn<int>("nbBoules");
        QTest::addColumn<int>("nbPartants");
        QTest::newRow("7 sur 49") << 7 << 49;
        QTest::newRow("7 sur 7") << 7 << 7;
        QTest::newRow("1 sur 49") << 1 << 49;
    }
    void tirageComplet()
    {
        QFETCH(int, nbBoules);
        QFETCH(int, nbPartants);
        Ramdom g;
        g.InitGenerateur(texteGraine(QDateTime(QDate(2001, 12, 4), QTime(21, 5, 7, 530))));
        Numeros numeros{1, 1, 1, 1, 1, 1, 1};
        Arretees arretees{};
        for (int appui = 1; appui <= nbBoules; ++appui) {
            for (int tick = 0; tick < 5; ++tick)
                tourne(g, numeros, arretees, nbBoules, nbPartants);
            const Legende attendue = appui < nbBoules ? Legende::BouleSuivante : Legende::Recommencer;
            QCOMPARE(lanceBoule(arretees, nbBoules), attendue);
        }
        const QSet<int> tires(numeros.begin(), numeros.begin() + nbBoules);
        QCOMPARE(int(tires.size()), nbBoules);
        QVERIFY(std::all_of(tires.begin(), tires.end(), [&](int x) { return x >= 1 && x <= nbPartants; }));
        QCOMPARE(lanceBoule(arretees, nbBoules), Legende::BouleSuivante);
        QCOMPARE(arretees, Arretees{});
    }
    // Fewer starters than balls cannot come from the set-up dialog, but must
    // not hang the timer.
    void aucunNumeroLibre()
    {
        Ramdom g;
        const int inferieurs[] = {1, 2, 3};
        const int x = tireNumero(g, 3, inferieurs);
        QVERIFY(x >= 1 && x <= 3);
    }
};

ZELUND_TEST(TestLoterieCalc)
#include "tst_loteriecalc.moc"
