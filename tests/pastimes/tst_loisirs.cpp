#include "pastimes/comptes.h"
#include "pastimes/defilement.h"
#include "pastimes/horloge.h"
#include "pastimes/loterie.h"
#include "pastimes/ramdom.h"

#include <QColor>
#include <QSet>
#include <QTest>

using Suite = QList<qint32>;

namespace {
Suite table(const Ramdom &g)
{
    Suite s;
    for (int n = 1; n <= Ramdom::TailleTable; ++n)
        s << g.entree(n);
    return s;
}

bool proche(QPointF a, QPointF b)
{
    return (a - b).manhattanLength() < 1e-6;
}

QDateTime dt(int a, int m, int j, int h = 0, int mi = 0, int s = 0, int ms = 0)
{
    return QDateTime(QDate(a, m, j), QTime(h, mi, s, ms));
}
} // namespace

// The pastimes' computations: the generator and the lottery's seed, the
// clock's hands and the countdown texts.
class TestLoisirs : public QObject
{
    Q_OBJECT
private slots:
    void tirages_data()
    {
        QTest::addColumn<QString>("graine");
        QTest::addColumn<Suite>("premiers"); // worked out independently, in exact arithmetic
        QTest::newRow("graine de la loterie")
            << "12-04-200121:05:07 75907.53" << Suite{456384996, 392623621, 582042064};
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
        QCOMPARE(g.TirageBrut(), t[90]); // the first draw reads slot 91
        QCOMPARE(t[90], premiers[0]);
        for (int k = 1; k < 10000; ++k) {
            const qint32 x = g.TirageBrut();
            QVERIFY(dansLaPlage(x) && (k >= premiers.size() || x == premiers[k]));
        }
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
    void graineLoterie_data()
    {
        QTest::addColumn<QDateTime>("maintenant");
        QTest::addColumn<QString>("texte");
        QTest::newRow("exemple") << dt(2001, 12, 4, 21, 5, 7, 530) << "12-04-200121:05:07 75907.53";
        QTest::newRow("une demi-seconde") << dt(2001, 1, 1, 0, 0, 0, 500) << "01-01-200100:00:00 0.5";
        // Single precision keeps 7 significant digits.
        QTest::newRow("7 chiffres") << dt(2001, 1, 1, 3, 25, 45, 678) << "01-01-200103:25:45 12345.68";
    }
    void graineLoterie()
    {
        QFETCH(QDateTime, maintenant);
        QFETCH(QString, texte);
        QCOMPARE(Loterie::texteGraine(maintenant), texte);
    }
    // Fewer starters than balls cannot come from the set-up dialog, but must
    // not hang the timer.
    void loterieSansNumeroLibre()
    {
        Ramdom g;
        const int inferieurs[] = {1, 2, 3};
        const int x = Loterie::tireNumero(g, 3, inferieurs);
        QVERIFY(x >= 1 && x <= 3);
    }

    // The balls' colours as named, each label on its own ball.
    void boules()
    {
        const QList<QColor> couleurs = {Qt::red, Qt::green, Qt::yellow, Qt::blue, Qt::magenta, QColor(255, 192, 128),
                                        Qt::cyan};
        for (int k = 1; k <= Loterie::MaxBoules; ++k) {
            const quint32 c = Loterie::couleurBoule(k);
            QCOMPARE(QColor(int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16)), couleurs[k - 1]);
            QVERIFY(Loterie::placeBoule(k).contains(Loterie::placeEtiquette(k)));
        }
    }

    // The about sheet's cycle ends once a line is more than 258/500 of the height above the top.
    void finDuDefilement()
    {
        QCOMPARE(Defilement::positionSuivante(-257, 500), -258);
        QCOMPARE(Defilement::positionSuivante(-258, 500), 0);
    }

    void aiguilles_data()
    {
        QTest::addColumn<QTime>("heure");
        QTest::addColumn<QPointF>("seconde");
        QTest::addColumn<QPointF>("minute");
        QTest::addColumn<QPointF>("heures");
        const QPointF s(1000, 150), trois(1500, 1000);
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
        const Horloge::Aiguilles a = Horloge::aiguilles(heure);
        QVERIFY(proche(a.seconde.fin, seconde) && proche(a.minute.fin, minute) && proche(a.heure.fin, heures));
    }
    // Days since 2001, or the time left to 2010 (its seconds run 60 to 1);
    // the toolbox's windows check the counts past 16 bits the other way.
    void comptes_data()
    {
        QTest::addColumn<bool>("an2010");
        QTest::addColumn<QDateTime>("maintenant");
        QTest::addColumn<QString>("texte"); // empty: 2010 has come
        QTest::newRow("1900, hors 16 bits") << false << dt(1900, 1, 1) << "-36890 jours et des poussières...";
        QTest::newRow("23:59:59") << true << dt(2009, 12, 31, 23, 59, 59) << "0 jour, 0 heure, 0 minute et 1 seconde";
        QTest::newRow("22:58:00") << true << dt(2009, 12, 31, 22, 58) << "0 jour, 1 heure, 1 minute et 60 secondes";
    }
    void comptes()
    {
        QFETCH(bool, an2010);
        QFETCH(QDateTime, maintenant);
        QFETCH(QString, texte);
        if (!an2010) {
            QCOMPARE(Comptes::texte2001(maintenant.date()), texte);
            return;
        }
        const Comptes::Texte2010 t = Comptes::texte2010(maintenant);
        QCOMPARE(t.texte, texte.isEmpty() ? QStringLiteral("On y est ! ! !") : texte);
        QCOMPARE(t.termine, texte.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLoisirs)
#include "tst_loisirs.moc"
