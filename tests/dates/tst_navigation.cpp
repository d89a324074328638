#include "dates/navigation.h"

#include <QTest>

Q_DECLARE_METATYPE(Dates::JourMoisAn)

namespace {
Dates::JourMoisAn date(int j, int m, int a)
{
    return {j, m, a};
}
} // namespace

// The keyboard's date moves: a day or a week across months, years and the
// reform, a month or a year onto a shorter month, and the ends of the year list.
class TestNavigation : public QObject
{
    Q_OBJECT
private slots:
    void voisins_data()
    {
        QTest::addColumn<Dates::JourMoisAn>("depart");
        QTest::addColumn<int>("pas");     // days
        QTest::addColumn<int>("nbMois");  // months, when pas is 0
        QTest::addColumn<Dates::JourMoisAn>("arrivee"); // day 0: no move
        QTest::newRow("fin de mois") << date(30, 11, 2001) << 1 << 0 << date(1, 12, 2001);
        QTest::newRow("début d'année") << date(1, 1, 2002) << -1 << 0 << date(31, 12, 2001);
        QTest::newRow("par-dessus la réforme") << date(4, 10, 1582) << 1 << 0 << date(15, 10, 1582);
        QTest::newRow("avant la réforme") << date(15, 10, 1582) << -1 << 0 << date(4, 10, 1582);
        QTest::newRow("semaine avant la réforme") << date(15, 10, 1582) << -7 << 0 << date(28, 9, 1582);
        QTest::newRow("février 1500, grille grégorienne") << date(28, 2, 1500) << 1 << 0 << date(1, 3, 1500);
        QTest::newRow("29 février 2000") << date(28, 2, 2000) << 1 << 0 << date(29, 2, 2000);
        QTest::newRow("bout de la liste") << date(31, 12, 2100) << 1 << 0 << date(0, 0, 0);
        QTest::newRow("début de la liste") << date(3, 1, 1500) << -7 << 0 << date(0, 0, 0);
        QTest::newRow("mois plus court") << date(31, 1, 2001) << 0 << 1 << date(28, 2, 2001);
        QTest::newRow("mois bissextile") << date(31, 3, 2000) << 0 << -1 << date(29, 2, 2000);
        QTest::newRow("mois de la réforme") << date(10, 9, 1582) << 0 << 1 << date(4, 10, 1582);
        QTest::newRow("mois suivant, année suivante") << date(15, 12, 2001) << 0 << 1 << date(15, 1, 2002);
        QTest::newRow("année après un 29 février") << date(29, 2, 2000) << 0 << 12 << date(28, 2, 2001);
        QTest::newRow("année hors liste") << date(15, 6, 1500) << 0 << -12 << date(0, 0, 0);
    }
    void voisins()
    {
        QFETCH(Dates::JourMoisAn, depart);
        QFETCH(int, pas);
        QFETCH(int, nbMois);
        QFETCH(Dates::JourMoisAn, arrivee);
        const auto obtenu = pas ? Dates::jourVoisin(depart, pas, 1500, 2100) : Dates::moisVoisin(depart, nbMois, 1500, 2100);
        QCOMPARE(obtenu.value_or(date(0, 0, 0)), arrivee);
    }
};

QTEST_GUILESS_MAIN(TestNavigation)
#include "tst_navigation.moc"
