#include "app/donnees.h"
#include "app/vantelbttn.h"
#include "pastimes/apropos.h"
#include "pastimes/defilement.h"
#include "support/fauxplateforme.h"
#include "support/principal.h"

#include <QDir>
#include <QFontMetrics>
#include <QFrame>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace {
void avance(Apropos &a, int ticks)
{
    for (int i = 0; i < ticks; ++i)
        a.Minuterie1Timer();
}

// Rows of the sheet, from haut to bas, that hold a pixel of the text colour
// right of the icon.
bool texteEntre(const QImage &feuille, const QColor &texte, int haut, int bas)
{
    for (int y = qMax(0, haut); y < qMin(bas, feuille.height()); ++y)
        for (int x = 40; x < feuille.width(); ++x)
            if (feuille.pixelColor(x, y) == texte)
                return true;
    return false;
}
} // namespace

class TestApropos : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void pause();
    void feuille();
    void lignes();
    void siteEtFermeture();
};

void TestApropos::initTestCase()
{
    // Run outside ctest: the build tree's data beside the test.
    if (qEnvironmentVariableIsEmpty("ZELUND_DONNEES"))
        qputenv("ZELUND_DONNEES",
                QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../../share/zelund"))
                    .absolutePath()
                    .toLocal8Bit());
}

void TestApropos::pause()
{
    Banc banc;
    Apropos a;
    a.show();
    QVERIFY(a.Minuterie1->isActive());
    QCOMPARE(a.Minuterie1->interval(), 50);
    avance(a, 1);
    QCOMPARE(a.Image2->y(), 0); // the first tick shows the top of the sheet
    avance(a, 9);
    QCOMPARE(a.Image2->y(), -9);
    const int p = a.position();
    QTest::mouseClick(a.Image2, Qt::LeftButton, {}, QPoint(50, 5));
    QVERIFY(!a.Minuterie1->isActive());
    QCOMPARE(a.position(), p);
    QTest::mouseClick(a.Image2, Qt::LeftButton, {}, QPoint(50, 5));
    QVERIFY(a.Minuterie1->isActive());
    avance(a, 1);
    QCOMPARE(a.Image2->y(), p); // resumes where it stopped
}

void TestApropos::feuille()
{
    Banc banc;
    Apropos a;
    const int viewport = a.hauteurViewport();
    const int huit = QFontMetrics(FeuilleApropos::police(10), a.Image2).height();
    QCOMPARE(a.hauteurFeuille(), 42 * huit + 2 * viewport);
    QCOMPARE(a.Image2->height(), a.hauteurFeuille());
    QCOMPARE(a.Image2->width(), a.Image1->contentsRect().width());

    // One empty viewport, then the first line enters from the bottom.
    const QImage image = a.Image2->grab().toImage();
    const QColor texte = a.Image2->palette().color(QPalette::WindowText);
    QVERIFY(!texteEntre(image, texte, 0, viewport));
    QVERIFY(texteEntre(image, texte, viewport, viewport + huit * 2));

    // The cycle ends once the last line has left the top, and starts over.
    const int cycle = int(258LL * a.hauteurFeuille() / 500) + 1;
    avance(a, cycle);
    const int dernier = a.Image2->y();
    QCOMPARE(dernier, -(cycle - 1));
    // The sheet's height is a multiple of the font's line height, so with
    // some fonts the foot of the last line still touches the top row or two.
    QVERIFY(!texteEntre(image, texte, -dernier + 3, -dernier + viewport));
    avance(a, 1);
    QCOMPARE(a.Image2->y(), 0);
}

void TestApropos::lignes()
{
    Banc banc;
    Apropos a;
    const auto l = Apropos::lignes(QStringLiteral("https://exemple.org/zelund"));
    for (int n : {2, 7, 9, 10, 13, 15, 16})
        QVERIFY2(l[n - 1].texte.isEmpty(), qPrintable(QString::number(n)));
    QVERIFY(l[13].texte.contains(QStringLiteral("https://exemple.org/zelund")));
    // Every line but an address fits across the viewport in its own size.
    const int largeur = a.Image1->contentsRect().width();
    for (int n = 1; n <= 19; ++n) {
        QCOMPARE(l[n - 1].points, n == 1 || n >= 17 ? 18 : 10);
        if (n != 14)
            QVERIFY2(QFontMetrics(FeuilleApropos::police(l[n - 1].points)).horizontalAdvance(l[n - 1].texte)
                         <= largeur,
                     qPrintable(l[n - 1].texte));
    }
}

void TestApropos::siteEtFermeture()
{
    Banc banc;
    Apropos a;
    a.show();
    QTest::mouseClick(a.CmdSite, Qt::LeftButton);
    QTest::mouseClick(a.CmdFermer, Qt::LeftButton);
    QVERIFY(!a.isVisible() && !a.Minuterie1->isActive());
    const QString attendu = Apropos::siteConfigure().isEmpty()
                                ? QUrl::fromLocalFile(cheminAide(0)).toString()
                                : Apropos::siteConfigure();
    QCOMPARE(banc.plateforme.adresses, QStringList{attendu});
    QVERIFY(!attendu.isEmpty());
}

ZELUND_TEST(TestApropos)
#include "tst_apropos.moc"
