#include "pastimes/ramdom.h"
#include "support/principal.h"

#include <QSet>
#include <QTest>

using Suite = QList<qint32>;

static Suite table(const Ramdom &g)
{
    Suite s;
    for (int n = 1; n <= Ramdom::TailleTable; ++n)
        s << g.entree(n);
    return s;
}

class TestRamdom : public QObject
{
    Q_OBJECT
private slots:
    void tirages_data()
    {
        QTest::addColumn<QString>("graine");
        QTest::addColumn<Suite>("premiers"); // worked out independently, in exact arithmetic
        QTest::newRow("graine de la loterie") << "12-04-200121:05:07 75907.53"
                                              << Suite{456384996, 392623621, 582042064};
        QTest::newRow("accents, € hors page") << "Zélie à l'été €" << Suite{684296017, 794150704, 643575186};
        // These codes drive the warm-up far past 32 bits.
        QTest::newRow("ÿ répété") << QString(39, QChar(0xFF)) << Suite{277915736, 752060294, 676814979};
    }
    void tirages()
    {
        QFETCH(QString, graine);
        QFETCH(Suite, premiers);
        Ramdom g;
        g.InitGenerateur(graine);
        const Suite t = table(g);
        const auto dansLaPlage = [](qint32 e) { return e >= 0 && e < Ramdom::Modulo; };
        QVERIFY(std::all_of(t.begin(), t.begin() + 97, dansLaPlage));
        for (int k = 0; k < 10000; ++k) {
            const qint32 x = g.TirageBrut();
            QVERIFY(dansLaPlage(x) && (k >= premiers.size() || x == premiers[k]));
        }
    }
    void premierTirageCase91()
    {
        Ramdom g;
        g.InitGenerateur(QStringLiteral("12-04-200121:05:07 75907.53"));
        const qint32 case91 = g.entree(91);
        const qint32 difference = (g.entree(55) - g.entree(24) + Ramdom::Modulo) % Ramdom::Modulo;
        QCOMPARE(g.TirageBrut(), case91);
        const Suite t = table(g);
        QCOMPARE((Suite{t[90], t[54], t[97], t[98], t[99]}), (Suite{difference, difference, 54, 23, case91}));
    }
    void graines_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("memeTable");
        const QString x86(86, QLatin1Char('x'));
        QTest::newRow("même graine") << x86 << x86 << true;
        QTest::newRow("premier caractère") << x86 << QLatin1Char('y') + x86.mid(1) << false;
        QTest::newRow("86e caractère") << x86 << x86.left(85) + QLatin1Char('y') << false;
        QTest::newRow("au-delà du 86e") << x86 + QLatin1Char('a') << x86 + QLatin1Char('b') << true;
    }
    void graines()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, memeTable);
        Ramdom ga, gb;
        ga.InitGenerateur(a);
        ga.TirageBrut();
        ga.InitGenerateur(a); // seeding again restarts
        gb.InitGenerateur(b);
        QCOMPARE(table(ga) == table(gb), memeTable);
    }
    void entre_data()
    {
        QTest::addColumn<int>("bas");
        QTest::addColumn<int>("haut");
        QTest::newRow("5 à 5") << 5 << 5;
        QTest::newRow("1 à 49") << 1 << 49;
        QTest::newRow("étendue entière") << -32768 << 32767;
        QTest::newRow("bornes inversées") << 7 << 1;
    }
    void entre()
    {
        QFETCH(int, bas);
        QFETCH(int, haut);
        Ramdom g;
        QSet<int> vus;
        for (int k = 0; k < 5000; ++k)
            vus.insert(g.TirageEntre(qint16(bas), qint16(haut)));
        const auto [mini, maxi] = std::minmax(bas, haut);
        QVERIFY(std::all_of(vus.begin(), vus.end(), [&](int x) { return x >= mini && x <= maxi; }));
        if (qAbs(haut - bas) < 50) // small ranges are covered entirely
            QCOMPARE(int(vus.size()), qAbs(haut - bas) + 1);
    }
};

ZELUND_TEST(TestRamdom)
#include "tst_ramdom.moc"
