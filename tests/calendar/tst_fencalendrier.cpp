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
#include <QPointer>
#include <QTest>
#include <QTimer>

class TestFenCalendrier : public QObject
{
    Q_OBJECT
private slots:
    void chargement();
    void boiteAnnee_data();
    void boiteAnnee();
    void flecheHaute();
    void grillePeinte_data();
    void grillePeinte();
    void premierPlan();
    void fermeture();
};

namespace {
enum class Encre { Vide, Noire, Rouge };

// What is drawn inside one cell of the grid: nothing, black or red digits.
Encre encre(const QImage &image, int colonne, int ligne)
{
    const QRectF r = caseGrille(colonne, ligne);
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

void TestFenCalendrier::chargement()
{
    Banc banc;
    FenCalendrier f;
    QCOMPARE(f.CmdDeplaceFen->caption(), QStringLiteral("Zelund - Calendrier"));
    QCOMPARE(f.size(), QSize(440, 299));
    QCOMPARE(f.AffMois->count(), 12);
    QCOMPARE(f.AffMois->currentText(), QStringLiteral(" Novembre"));
    QCOMPARE(f.AffAn->text().trimmed(), QStringLiteral("2001"));
    QCOMPARE(f.ChangeAn->value(), 2001);
    QCOMPARE(f.AffHeure->text(), QStringLiteral("00:00:00"));
    // The clock line runs only while the window is shown.
    QVERIFY(!f.Timer1->isActive());
    f.show();
    QVERIFY(f.Timer1->isActive());
    banc.plateforme.horloge = QDateTime(QDate(2001, 11, 18), QTime(9, 4, 3));
    f.Timer1Tic();
    QCOMPARE(f.AffHeure->text(), QStringLiteral("09:04:03"));
    f.hide();
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
    QTest::newRow("moins seul") << "-" << "-" << 2001;
    QTest::newRow("vide") << "" << "" << 2001;
}

void TestFenCalendrier::boiteAnnee()
{
    QFETCH(QString, tape);
    QFETCH(QString, texte);
    QFETCH(int, compteur);
    Banc banc;
    FenCalendrier f;
    const auto avant = f.moisAffiche()->jours.front();
    f.AffAn->setText(tape);
    QCOMPARE(f.AffAn->text(), texte);
    QCOMPARE(f.ChangeAn->value(), compteur);
    if (compteur == 2001) { // not a number: the grid stays
        QCOMPARE(f.moisAffiche()->jours.front().colonne, avant.colonne);
    }
}

void TestFenCalendrier::flecheHaute()
{
    Banc banc;
    FenCalendrier f;
    f.AffAn->setText(QStringLiteral("2002"));
    QTest::mouseClick(f.ChangeAn, Qt::LeftButton, {}, QPoint(f.ChangeAn->width() / 2, 2));
    QCOMPARE(f.AffAn->text(), QStringLiteral(" 2003"));
    QTest::mouseClick(f.ChangeAn, Qt::LeftButton, {}, QPoint(f.ChangeAn->width() / 2, f.ChangeAn->height() - 2));
    QTest::mouseClick(f.ChangeAn, Qt::LeftButton, {}, QPoint(f.ChangeAn->width() / 2, f.ChangeAn->height() - 2));
    QCOMPARE(f.AffAn->text(), QStringLiteral(" 2001"));
    // January 2003 begins on a Wednesday.
    f.AffAn->setText(QStringLiteral("2003"));
    f.AffMois->setCurrentIndex(0);
    QCOMPARE(f.moisAffiche()->colonnePremier, 3);
}

void TestFenCalendrier::grillePeinte_data()
{
    QTest::addColumn<int>("mois");
    QTest::addColumn<int>("annee");
    QTest::addColumn<QList<QPoint>>("noires");
    QTest::addColumn<QList<QPoint>>("vides");
    QTest::addColumn<QPoint>("rouge"); // today is the 18th
    QTest::newRow("novembre 2001") << 11 << 2001 << QList<QPoint>{{4, 1}, {5, 5}} << QList<QPoint>{{3, 1}, {6, 5}}
                                   << QPoint(7, 3);
    QTest::newRow("février 2000, 29 jours") << 2 << 2000 << QList<QPoint>{{2, 1}, {2, 5}}
                                            << QList<QPoint>{{1, 1}, {3, 5}} << QPoint(5, 3);
    QTest::newRow("février 1900, 28 jours") << 2 << 1900 << QList<QPoint>{{4, 1}, {3, 5}}
                                            << QList<QPoint>{{3, 1}, {4, 5}} << QPoint(7, 3);
    QTest::newRow("octobre 1582 entier") << 10 << 1582 << QList<QPoint>{{5, 1}, {7, 5}}
                                         << QList<QPoint>{{4, 1}, {1, 6}} << QPoint(1, 4);
    QTest::newRow("mars 2026 sur six lignes") << 3 << 2026 << QList<QPoint>{{7, 1}, {2, 6}}
                                              << QList<QPoint>{{6, 1}, {3, 6}} << QPoint(3, 4);
    QTest::newRow("an -1, grégorien proleptique") << 1 << -1 << QList<QPoint>{{5, 1}, {7, 5}}
                                                  << QList<QPoint>{{4, 1}, {1, 6}} << QPoint(1, 4);
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
        QCOMPARE(encre(image, c.x(), c.y()), Encre::Noire);
    for (const QPoint &c : vides)
        QCOMPARE(encre(image, c.x(), c.y()), Encre::Vide);
    for (int c = 1; c <= 7; ++c)
        for (int r = 1; r <= 6; ++r)
            QCOMPARE(encre(image, c, r) == Encre::Rouge, QPoint(c, r) == rouge);
    // The weekday row: white names on "Texte des boutons".
    const QRectF entete = caseGrille(1, 0);
    QCOMPARE(image.pixelColor(int(entete.left() * image.width() / 7) + 1, int(entete.top() * image.height() / 7) + 1),
             QColor(0, 128, 128));
}

void TestFenCalendrier::premierPlan()
{
    Banc banc;
    FenCalendrier f;
    f.show();
    QTest::mouseMove(f.AffCalendrier, QPoint(20, 20));
    QCOMPARE(f.AffCalendrier->toolTip(), QStringLiteral("Cliquer pour conserver le calendrier au premier plan"));
    partage().infoBullesActives = false;
    QTest::mouseMove(f.AffCalendrier, QPoint(30, 30));
    QCOMPARE(f.AffCalendrier->toolTip(), QString());
    QTest::mouseClick(f.AffCalendrier, Qt::LeftButton);
    QVERIFY(f.estAuPremierPlan());
    QTest::mouseClick(f.AffCalendrier, Qt::RightButton);
    QVERIFY(!f.estAuPremierPlan());
    QCOMPARE(banc.plateforme.sons, QList<int>{19});
}

void TestFenCalendrier::fermeture()
{
    Banc banc;
    partage().calendrierFermee = false;
    QPointer<FenCalendrier> f = new FenCalendrier;
    f->show();
    QTest::mouseClick(f->CmdFermer, Qt::LeftButton);
    QVERIFY(partage().calendrierFermee);
    QVERIFY(!f->isVisible());
    QVERIFY(!f->Timer1->isActive());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(f.isNull());
}

ZELUND_TEST(TestFenCalendrier)
#include "tst_fencalendrier.moc"
