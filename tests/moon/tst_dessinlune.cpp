#include "moon/dessinlune.h"
#include "support/principal.h"

#include <QTest>
#include <cmath>

class TestDessinLune : public QObject
{
    Q_OBJECT
private slots:
    void etoilesXPuisY();
    void partEclairee_data();
    void partEclairee();
    void rangs_data();
    void rangs();
    void traitsEnPixels();
};

void TestDessinLune::etoilesXPuisY()
{
    int tirages = 0;
    const auto points = etoiles([&tirages] { return (tirages++) / 100.0; }, QSize(200, 100));
    QCOMPARE(tirages, 2 * NombreEtoiles);
    QCOMPARE(int(points.size()), NombreEtoiles);
    QCOMPARE(points.front(), QPointF(0, 1));
    QCOMPARE(points.back(), QPointF(196, 99));
}

// The lit line of every row, as multiples of the row's half-width.
void TestDessinLune::partEclairee_data()
{
    QTest::addColumn<double>("p");
    QTest::addColumn<double>("debut");
    QTest::addColumn<double>("fin");
    QTest::newRow("pleine lune: tout le disque") << 0.0 << -1.0 << 1.0;
    QTest::newRow("dernier quartier: moitié gauche") << 0.25 << -1.0 << 0.0;
    QTest::newRow("nouvelle lune: un point à droite") << 0.5 << 1.0 << 1.0;
    QTest::newRow("premier quartier: moitié droite") << 0.75 << 1.0 << 0.0;
    QTest::newRow("décroissante") << 0.4 << -1.0 << -0.6;
    QTest::newRow("presque pleine") << 0.99 << 1.0 << -0.96;
}

void TestDessinLune::partEclairee()
{
    QFETCH(double, p);
    QFETCH(double, debut);
    QFETCH(double, fin);
    for (const RangLune &r : rangsLune(p, 161)) {
        QVERIFY(std::abs(r.debutLumiere - debut * r.demiLargeur) < 1e-12);
        QVERIFY(std::abs(r.finLumiere - fin * r.demiLargeur) < 1e-12);
    }
}

// One row a pixel apart from the centre to the top of the disc; a picture
// without height draws nothing rather than looping.
void TestDessinLune::rangs_data()
{
    QTest::addColumn<int>("hauteur");
    QTest::addColumn<int>("nombre");
    QTest::newRow("image de la lune") << 161 << 55;
    QTest::newRow("160 pixels") << 160 << 54;
    QTest::newRow("2 pixels: centre et bord") << 2 << 2;
    QTest::newRow("vide") << 0 << 0;
    QTest::newRow("-1: pas de division par zéro") << -1 << 0;
    QTest::newRow("négative: pas de boucle sans fin") << -5 << 0;
}

void TestDessinLune::rangs()
{
    QFETCH(int, hauteur);
    QFETCH(int, nombre);
    const auto rangs = rangsLune(0.3, hauteur);
    QCOMPARE(int(rangs.size()), nombre);
    if (rangs.empty())
        return;
    QCOMPARE(rangs.front().demiLargeur, 1.0);
    QVERIFY(rangs.front().y == 0.0 && rangs.back().y <= 1.0);
    for (const RangLune &r : rangs)
        QVERIFY(std::abs(r.demiLargeur * r.demiLargeur + r.y * r.y - 1.0) < 1e-9);
}

void TestDessinLune::traitsEnPixels()
{
    const auto traits = traitsLune(0.25, QSize(150, 149));
    QCOMPARE(int(traits.size()), 4 * int(rangsLune(0.25, 149).size()));
    // Centre row: the disc in the sky colour, then its lit left half.
    QVERIFY(!traits[0].eclaire && !traits[1].eclaire && traits[2].eclaire);
    QCOMPARE(traits[0].ligne, QLineF(25, 74.5, 125, 74.5));
    QCOMPARE(traits[2].ligne, QLineF(25, 74.5, 75, 74.5));
    // The next row is one step of 3/150 away, mirrored about the centre.
    QCOMPARE(traits[4].ligne.y1(), 74.5 + 149.0 / 150);
    QCOMPARE(traits[5].ligne.y1(), 74.5 - 149.0 / 150);
    QCOMPARE(traits[7].ligne.x2(), 75.0);
}

ZELUND_TEST(TestDessinLune)
#include "tst_dessinlune.moc"
