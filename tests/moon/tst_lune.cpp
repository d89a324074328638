#include "base/alea.h"
#include "dates/jours.h"
#include "moon/dessinlune.h"
#include "moon/imageciel.h"
#include "moon/imagelune.h"
#include "moon/phasemoyenne.h"

#include <QTest>
#include <cmath>

Q_DECLARE_METATYPE(Dates::JourMoisAn)

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

class TestLune : public QObject
{
    Q_OBJECT
private slots:
    void phase_data()
    {
        QTest::addColumn<Dates::JourMoisAn>("date");
        QTest::addColumn<double>("fraction");
        QTest::newRow("6/1/2000") << Dates::JourMoisAn{6, 1, 2000} << 0.5038;
        // Julian dates up to 4 October 1582 are ten days behind (the day counts are the dates' tests).
        QTest::newRow("dernier jour julien") << Dates::JourMoisAn{4, 10, 1582} << 0.0922;
        QTest::newRow("1/1/100") << Dates::JourMoisAn{1, 1, 100} << 0.9733;
        QTest::newRow("31/12/9999") << Dates::JourMoisAn{31, 12, 9999} << 0.5120;
    }
    void phase()
    {
        QFETCH(Dates::JourMoisAn, date);
        QFETCH(double, fraction);
        const double f = Lune::fractionPhase(Dates::valeurSelection(date.jour, date.mois, date.annee));
        QVERIFY2(qAbs(f - fraction) < 0.00005, qPrintable(QString::number(f)));
    }
    void legende()
    {
        QCOMPARE(Lune::legendePhase(0.5), QStringLiteral("Lune croissante"));
        QCOMPARE(Lune::legendePhase(0.4999999), QStringLiteral("Lune décroissante"));
    }

    void cinquanteEtoiles()
    {
        ImageCiel ciel;
        ciel.resize(256, 169);
        ciel.setCouleurs(Ciel, Etoile);
        Alea::initialise(20011118);
        const QImage premiere = ciel.grab().toImage();
        QCOMPARE(compte(premiere, Etoile), 50);
        QCOMPARE(compte(premiere, Ciel), 256 * 169 - 50);
        const QImage seconde = ciel.grab().toImage(); // new places at every painting
        QCOMPARE(compte(seconde, Etoile), 50);
        QVERIFY(premiere != seconde);
    }
    void moitieEclairee_data()
    {
        QTest::addColumn<double>("p");
        QTest::addColumn<bool>("gauche");
        QTest::addColumn<bool>("droite");
        QTest::newRow("pleine lune") << 0.0 << true << true;
        QTest::newRow("dernier quartier") << 0.25 << true << false;
        QTest::newRow("nouvelle lune") << 0.5 << false << false;
        QTest::newRow("premier quartier") << 0.75 << false << true;
    }
    void moitieEclairee()
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
        for (int dy : {-30, 0, 30}) {
            QCOMPARE(image.pixelColor(cx - r / 2, cy + dy) == Etoile, gauche);
            QCOMPARE(image.pixelColor(cx + r / 2, cy + dy) == Etoile, droite);
        }
        // The disc hides the stars: inside it only the two colours of the Moon.
        for (int y = cy - 40; y <= cy + 40; ++y)
            for (int x = cx - 30; x <= cx + 30; ++x)
                QVERIFY(image.pixelColor(x, y) == Ciel || image.pixelColor(x, y) == Etoile);
    }
    // The lit lines are drawn above; here the edges: a picture two pixels high
    // has its centre row and its edge, one without height draws nothing rather
    // than dividing by zero or looping.
    void rangsDegeneres_data()
    {
        QTest::addColumn<int>("hauteur");
        QTest::addColumn<int>("nombre");
        QTest::newRow("2 pixels: centre et bord") << 2 << 2;
        QTest::newRow("vide") << 0 << 0;
        QTest::newRow("-1: pas de division par zéro") << -1 << 0;
        QTest::newRow("négative: pas de boucle sans fin") << -5 << 0;
    }
    void rangsDegeneres()
    {
        QFETCH(int, hauteur);
        QFETCH(int, nombre);
        const auto rangs = Lune::rangsLune(0.3, hauteur);
        QCOMPARE(int(rangs.size()), nombre);
        QVERIFY(rangs.empty() || (rangs.front().y == 0.0 && rangs.back().y <= 1.0));
    }
};

QTEST_MAIN(TestLune)
#include "tst_lune.moc"
