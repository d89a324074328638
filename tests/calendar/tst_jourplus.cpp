#include "calendar/jourplus.h"
#include "support/principal.h"

#include <QTest>

class TestJourPlus : public QObject
{
    Q_OBJECT
private slots:
    void jour_data();
    void jour();
};

void TestJourPlus::jour_data()
{
    QTest::addColumn<QString>("jour");
    QTest::addColumn<int>("indexMois");
    QTest::addColumn<QString>("annee");
    QTest::addColumn<QString>("nom"); // empty: the shown name is left as it is
    QTest::newRow("4 octobre 1582, julien") << "4" << 9 << "1582" << " Jeudi ";
    QTest::newRow("10 octobre 1582, julien") << "10" << 9 << "1582" << " Mercredi ";
    QTest::newRow("15 octobre 1582, grégorien") << "15" << 9 << "1582" << " Vendredi ";
    QTest::newRow("1 janvier 2000") << " 1" << 0 << " 2000" << " Samedi ";
    QTest::newRow("31 décembre 9999") << "31" << 11 << "9999" << " Vendredi ";
    QTest::newRow("1 janvier 1") << "1" << 0 << "1" << " Samedi ";
    QTest::newRow("1 janvier 0") << "1" << 0 << "0" << " Jeudi ";
    QTest::newRow("31 décembre -1") << "31" << 11 << "-1" << " Mercredi ";
    QTest::newRow("1 janvier -1900") << "1" << 0 << "-1900" << " Mardi ";
    QTest::newRow("29 février 1900 = 1er mars") << "29" << 1 << "1900" << " Jeudi ";
    QTest::newRow("31 février 2001 = 3 mars") << "31" << 1 << "2001" << " Samedi ";
    QTest::newRow("année moins seul") << "1" << 0 << "-" << "";
    QTest::newRow("aucun mois") << "1" << -1 << "2000" << "";
}

void TestJourPlus::jour()
{
    QFETCH(QString, jour);
    QFETCH(int, indexMois);
    QFETCH(QString, annee);
    QFETCH(QString, nom);
    QCOMPARE(texteJourSemaine(jour, indexMois, annee).value_or(QString()), nom);
}

ZELUND_TEST(TestJourPlus)
#include "tst_jourplus.moc"
