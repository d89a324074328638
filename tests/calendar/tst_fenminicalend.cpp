#include "app/partage.h"
#include "app/vantelbttn.h"
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
    void chargement();
    void pages_data();
    void pages();
    void rougeSeulementCeMoisCi();
    void fermeture();
};

namespace {
int pixelsRouges(QWidget *w)
{
    const QImage image = w->grab().toImage();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.red() > 200 && c.green() < 90 && c.blue() < 90;
        }
    return n;
}
} // namespace

void TestFenMiniCalend::chargement()
{
    Banc banc;
    FenMiniCalend f;
    QVERIFY(f.isVisible()); // GetDate shows it
    QCOMPARE(f.CmdDeplaceFen->caption(), QStringLiteral("Zelund - Mini-calendrier"));
    QCOMPARE(f.size(), QSize(236, 217));
    QCOMPARE(f.DateCourante, QDate(2001, 11, 18));
    QCOMPARE(f.lblMonth->text(), QStringLiteral("novembre 2001"));
    // A 137 x 81 pixel picture inside a two-pixel border.
    QCOMPARE(f.LargeurCase, (133 * 15 - 15) / 7);
    QCOMPARE(f.HauteurCase, (77 * 15 - 15) / 6);
}

void TestFenMiniCalend::pages_data()
{
    QTest::addColumn<QDate>("depart");
    QTest::addColumn<QString>("etiquette"); // lblPrev or lblNext
    QTest::addColumn<QDate>("arrivee");
    QTest::newRow("31 janvier, février court") << QDate(2001, 1, 31) << "lblNext" << QDate(2001, 2, 28);
    QTest::newRow("31 mars, février bissextile") << QDate(2000, 3, 31) << "lblPrev" << QDate(2000, 2, 29);
    QTest::newRow("décembre, année suivante") << QDate(2001, 12, 5) << "lblNext" << QDate(2002, 1, 5);
    QTest::newRow("janvier 100, butée") << QDate(100, 1, 10) << "lblPrev" << QDate(100, 1, 10);
    QTest::newRow("décembre 9999, butée") << QDate(9999, 12, 31) << "lblNext" << QDate(9999, 12, 31);
}

void TestFenMiniCalend::pages()
{
    QFETCH(QDate, depart);
    QFETCH(QString, etiquette);
    QFETCH(QDate, arrivee);
    Banc banc;
    FenMiniCalend f;
    f.ChangeDate(depart);
    QLabel *l = etiquette == QLatin1String("lblPrev") ? f.lblPrev : f.lblNext;
    // Only the left button pages.
    QTest::mouseClick(l, Qt::RightButton);
    QCOMPARE(f.DateCourante, depart);
    QTest::mouseClick(l, Qt::LeftButton);
    QCOMPARE(f.DateCourante, arrivee);
    QCOMPARE(f.lblMonth->text(), titreMiniCalend(arrivee));
}

void TestFenMiniCalend::rougeSeulementCeMoisCi()
{
    Banc banc;
    FenMiniCalend f;
    QVERIFY(pixelsRouges(f.picMonth) > 0);
    QTest::mouseClick(f.lblNext, Qt::LeftButton);
    QCOMPARE(pixelsRouges(f.picMonth), 0);
    // November of another year is not the current month either.
    f.ChangeDate(QDate(2002, 11, 1));
    QCOMPARE(pixelsRouges(f.picMonth), 0);
    f.ChangeDate(QDate(2001, 11, 1));
    QVERIFY(pixelsRouges(f.picMonth) > 0);
}

void TestFenMiniCalend::fermeture()
{
    Banc banc;
    partage().miniCalendFermee = false;
    auto *f = new FenMiniCalend;
    QTest::mouseClick(f->picMonth, Qt::MiddleButton);
    QVERIFY(f->estAuPremierPlan());
    QCOMPARE(banc.plateforme.sons, QList<int>{19});
    QTest::mouseClick(f->CmdFermer, Qt::LeftButton);
    QVERIFY(partage().miniCalendFermee);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

ZELUND_TEST(TestFenMiniCalend)
#include "tst_fenminicalend.moc"
