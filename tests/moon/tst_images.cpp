#include "app/alea.h"
#include "moon/ciel.h"
#include "support/principal.h"

#include <QTest>

class TestImages : public QObject
{
    Q_OBJECT
private slots:
    void cinquanteEtoiles();
    void cielUni();
    void moitieEclairee_data();
    void moitieEclairee();
};

namespace {
const QColor Ciel(119, 119, 119);
const QColor Etoile(255, 255, 255);

int compte(const QImage &image, const QColor &c)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == c;
    return n;
}
} // namespace

void TestImages::cinquanteEtoiles()
{
    ImageCiel ciel;
    ciel.resize(256, 169);
    ciel.setCouleurs(Ciel, Etoile);
    Alea::initialise(20011118);
    const QImage premiere = ciel.grab().toImage();
    QCOMPARE(compte(premiere, Etoile), 50);
    QCOMPARE(compte(premiere, Ciel), 256 * 169 - 50);
    // New places at every painting.
    const QImage seconde = ciel.grab().toImage();
    QCOMPARE(compte(seconde, Etoile), 50);
    QVERIFY(premiere != seconde);
}

void TestImages::cielUni()
{
    ImageLune lune;
    lune.resize(160, 161);
    lune.setCouleurs(Ciel, Ciel);
    lune.setFraction(0.3);
    QCOMPARE(compte(lune.grab().toImage(), Ciel), 160 * 161);
}

void TestImages::moitieEclairee_data()
{
    QTest::addColumn<double>("p");
    QTest::addColumn<bool>("gauche");
    QTest::addColumn<bool>("droite");
    QTest::newRow("pleine lune") << 0.0 << true << true;
    QTest::newRow("dernier quartier") << 0.25 << true << false;
    QTest::newRow("nouvelle lune") << 0.5 << false << false;
    QTest::newRow("premier quartier") << 0.75 << false << true;
}

void TestImages::moitieEclairee()
{
    QFETCH(double, p);
    QFETCH(bool, gauche);
    QFETCH(bool, droite);
    ImageLune lune;
    lune.resize(160, 161);
    lune.setCouleurs(Ciel, Etoile);
    lune.setFraction(p);
    const QImage image = lune.grab().toImage();
    const int cx = 80, cy = 80, r = 53; // the disc is a third of the picture across
    // Sample points well inside each half, above, at and below the centre.
    for (int dy : {-30, 0, 30}) {
        QCOMPARE(image.pixelColor(cx - r / 2, cy + dy) == Etoile, gauche);
        QCOMPARE(image.pixelColor(cx + r / 2, cy + dy) == Etoile, droite);
    }
    // The disc hides the stars: inside it only the two colours of the Moon.
    for (int y = cy - 40; y <= cy + 40; ++y)
        for (int x = cx - 30; x <= cx + 30; ++x) {
            const QColor c = image.pixelColor(x, y);
            QVERIFY(c == Ciel || c == Etoile);
        }
}

ZELUND_TEST(TestImages)
#include "tst_images.moc"
