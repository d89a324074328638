#include "app/partage.h"
#include "app/vantelbttn.h"
#include "calendar/compteurvertical.h"
#include "calendar/fencalendrier.h"
#include "calendar/imagepremierplan.h"
#include "support/fauxplateforme.h"
#include "support/principal.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

class TestFenCalendrier : public QObject
{
    Q_OBJECT
private slots:
    void horlogeEtPremierPlan();
    void boiteAnnee_data();
    void boiteAnnee();
    void grillePeinte_data();
    void grillePeinte();
};

namespace {
enum class Encre { Vide, Noire, Rouge };

// What is drawn inside one cell of the grid: nothing, black or red digits.
Encre encre(const QImage &image, QPoint cellule)
{
    const QRectF r = caseGrille(cellule.x(), cellule.y());
    const double l = image.width() / EchelleGrille;
    const double h = image.height() / EchelleGrille;
    bool noire = false;
    for (int y = int(r.top() * h) + 2; y < int(r.bottom() * h) - 1; ++y)
        for (int x = int(r.left() * l) + 2; x < int(r.right() * l) - 1; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 90 && c.blue() < 90)
                return Encre::Rouge;
            noire = noire || (c.red() < 90 && c.green() < 90 && c.blue() < 90);
        }
    return noire ? Encre::Noire : Encre::Vide;
}
} // namespace

void TestFenCalendrier::horlogeEtPremierPlan()
{
    Banc banc;
    FenCalendrier f;
    QCOMPARE(f.AffHeure->text(), QStringLiteral("00:00:00"));
    // The clock line runs only while the window is shown.
    QVERIFY(!f.Timer1->isActive());
    f.show();
    QVERIFY(f.Timer1->isActive());
    banc.plateforme.horloge.setTime(QTime(9, 4, 3));
    f.Timer1Tic();
    QCOMPARE(f.AffHeure->text(), QStringLiteral("09:04:03"));

    QTest::mouseMove(f.AffCalendrier, QPoint(20, 20));
    QCOMPARE(f.AffCalendrier->toolTip(), QStringLiteral("Cliquer pour conserver le calendrier au premier plan"));
    partage().infoBullesActives = false;
    QTest::mouseMove(f.AffCalendrier, QPoint(30, 30));
    QCOMPARE(f.AffCalendrier->toolTip(), QString());
    QTest::mouseClick(f.AffCalendrier, Qt::MiddleButton);
    QVERIFY(f.estAuPremierPlan());
    f.close();
    QVERIFY(!f.Timer1->isActive());
}

void TestFenCalendrier::boiteAnnee_data()
{
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("compteur");
    QTest::newRow("au-delà de 9999") << "12000" << " 9999" << 9999;
    QTest::newRow("en deçà de -1900") << "-2500" << " -1900" << -1900;
    QTest::newRow("an 0") << "0" << " 0" << 0;
    QTest::newRow("lettres") << "abc" << "abc" << 2001;
}

void TestFenCalendrier::boiteAnnee()
{
    QFETCH(QString, tape);
    QFETCH(QString, texte);
    QFETCH(int, compteur);
    Banc banc;
    FenCalendrier f;
    QCOMPARE(f.AffAn->text().trimmed(), QStringLiteral("2001"));
    f.AffAn->setText(tape);
    QCOMPARE(f.AffAn->text(), texte);
    QCOMPARE(f.ChangeAn->value(), compteur);
}

void TestFenCalendrier::grillePeinte_data()
{
    QTest::addColumn<int>("mois");
    QTest::addColumn<int>("annee");
    QTest::addColumn<QList<QPoint>>("noires"); // (column, week row)
    QTest::addColumn<QList<QPoint>>("vides");
    QTest::addColumn<QPoint>("rouge"); // today is the 18th
    QTest::newRow("novembre 2001") << 11 << 2001 << QList<QPoint>{{4, 1}, {5, 5}} << QList<QPoint>{{3, 1}, {6, 5}}
                                   << QPoint(7, 3);
    QTest::newRow("février 2000") << 2 << 2000 << QList<QPoint>{{2, 1}, {2, 5}} << QList<QPoint>{{1, 1}, {3, 5}}
                                  << QPoint(5, 3);
    QTest::newRow("octobre 1582 entier") << 10 << 1582 << QList<QPoint>{{5, 1}, {7, 5}}
                                         << QList<QPoint>{{4, 1}, {1, 6}} << QPoint(1, 4);
    QTest::newRow("mars 2026 sur six lignes") << 3 << 2026 << QList<QPoint>{{7, 1}, {2, 6}}
                                              << QList<QPoint>{{6, 1}, {3, 6}} << QPoint(3, 4);
    QTest::newRow("an -1 grégorien") << 1 << -1 << QList<QPoint>{{5, 1}, {7, 5}} << QList<QPoint>{{4, 1}, {1, 6}}
                                     << QPoint(1, 4);
}

void TestFenCalendrier::grillePeinte()
{
    QFETCH(int, mois);
    QFETCH(int, annee);
    QFETCH(QList<QPoint>, noires);
    QFETCH(QList<QPoint>, vides);
    QFETCH(QPoint, rouge);
    Banc banc;
    FenCalendrier f;
    f.AffMois->setCurrentIndex(mois - 1);
    f.AffAn->setText(QString::number(annee));
    const QImage image = f.AffCalendrier->grab().toImage();
    for (const QPoint &c : noires)
        QCOMPARE(encre(image, c), Encre::Noire);
    for (const QPoint &c : vides)
        QCOMPARE(encre(image, c), Encre::Vide);
    for (int c = 1; c <= 7; ++c)
        for (int r = 1; r <= 6; ++r)
            QCOMPARE(encre(image, {c, r}) == Encre::Rouge, QPoint(c, r) == rouge);
}

ZELUND_TEST(TestFenCalendrier)
#include "tst_fencalendrier.moc"
