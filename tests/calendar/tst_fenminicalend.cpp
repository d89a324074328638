#include "calendar/fenminicalend.h"
#include "calendar/imagepremierplan.h"
#include "support/fauxplateforme.h"
#include "support/principal.h"

#include <QLabel>
#include <QTest>

class TestFenMiniCalend : public QObject
{
    Q_OBJECT
private slots:
    void pages_data();
    void pages();
};

namespace {
bool aDuRouge(QWidget *w)
{
    const QImage image = w->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 90 && c.blue() < 90)
                return true;
        }
    return false;
}
} // namespace

void TestFenMiniCalend::pages_data()
{
    QTest::addColumn<QDate>("depart");
    QTest::addColumn<int>("sens"); // -1 lblPrev, 1 lblNext
    QTest::addColumn<QDate>("arrivee");
    QTest::newRow("vers le mois d'aujourd'hui") << QDate(2001, 10, 31) << 1 << QDate(2001, 11, 30);
    QTest::newRow("31 janvier, février court") << QDate(2001, 1, 31) << 1 << QDate(2001, 2, 28);
    QTest::newRow("31 mars, février bissextile") << QDate(2000, 3, 31) << -1 << QDate(2000, 2, 29);
    QTest::newRow("novembre d'une autre année") << QDate(2002, 12, 5) << -1 << QDate(2002, 11, 5);
    QTest::newRow("janvier 100, butée") << QDate(100, 1, 10) << -1 << QDate(100, 1, 10);
    QTest::newRow("décembre 9999, butée") << QDate(9999, 12, 31) << 1 << QDate(9999, 12, 31);
}

void TestFenMiniCalend::pages()
{
    QFETCH(QDate, depart);
    QFETCH(int, sens);
    QFETCH(QDate, arrivee);
    Banc banc;
    FenMiniCalend f;
    QCOMPARE(f.lblMonth->text(), QStringLiteral("novembre 2001"));
    // Cells of a 137 x 81 pixel picture inside a two-pixel border.
    QCOMPARE(QSize(f.LargeurCase, f.HauteurCase), QSize((133 * 15 - 15) / 7, (77 * 15 - 15) / 6));
    f.ChangeDate(depart);
    QLabel *l = sens < 0 ? f.lblPrev : f.lblNext;
    QTest::mouseClick(l, Qt::RightButton); // only the left button pages
    QCOMPARE(f.DateCourante, depart);
    QTest::mouseClick(l, Qt::LeftButton);
    QCOMPARE(f.DateCourante, arrivee);
    QCOMPARE(f.lblMonth->text(), titreMiniCalend(arrivee));
    // Today's number is red in November 2001 only.
    QCOMPARE(aDuRouge(f.picMonth), arrivee.year() == 2001 && arrivee.month() == 11);
}

ZELUND_TEST(TestFenMiniCalend)
#include "tst_fenminicalend.moc"
