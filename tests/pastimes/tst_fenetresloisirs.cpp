#include "base/donnees.h"
#include "pastimes/apropos.h"
#include "pastimes/fen2001.h"
#include "pastimes/fen2010.h"
#include "pastimes/fenhorloge.h"
#include "support/aidesdemandees.h"
#include "support/controle.h"
#include "support/fauxplateforme.h"
#include "ui/vantelbttn.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {
void supprimeFermees()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void avance(Apropos &a, int ticks)
{
    for (int i = 0; i < ticks; ++i)
        a.Minuterie1Timer();
}

// Whether rows haut to bas of the sheet hold a pixel of the text colour right of the icon.
bool texteEntre(const QImage &feuille, const QColor &texte, int haut, int bas)
{
    for (int y = qMax(0, haut); y < qMin(bas, feuille.height()); ++y)
        for (int x = 40; x < feuille.width(); ++x)
            if (feuille.pixelColor(x, y) == texte)
                return true;
    return false;
}
} // namespace

// The pastime windows but the lottery; today is 18 November 2001 at 21:05:07.
class TestFenetres : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        // Tool windows outlive their toolbox: none may leak into the next test.
        FenetreZelund::fermeTout();
        supprimeFermees();
    }

    // The dial painted at load, then each tick reading the clock afresh and
    // waiting for the following second. Points in twips of the dial: one on a
    // hand, one where no hand passes.
    void horloge_data()
    {
        QTest::addColumn<QTime>("heure");
        QTest::addColumn<int>("attente");
        QTest::addColumn<QPoint>("surAiguille");
        QTest::addColumn<QPoint>("aVide");
        QTest::newRow("3 h pile : heures à droite") << QTime(15, 0) << 1000 << QPoint(1400, 1000) << QPoint(600, 1000);
        QTest::newRow("6 h 30, 999 ms : minutes en bas")
            << QTime(6, 30, 0, 999) << 1 << QPoint(1000, 1600) << QPoint(400, 1000);
    }
    void horloge()
    {
        QFETCH(QTime, heure);
        QFETCH(int, attente);
        QFETCH(QPoint, surAiguille);
        QFETCH(QPoint, aVide);
        Banc banc;
        banc.plateforme.horloge.setTime(heure);
        QPointer<FenHorloge> f = new FenHorloge;
        const QImage image = f->FondHorloge->grab().toImage();
        const auto pixel = [&](QPoint twips) { return image.pixelColor(twips.x() / 15, twips.y() / 15); };
        QCOMPARE(pixel(surAiguille), QColor(0, 128, 128)); // "Texte des boutons"
        QCOMPARE(pixel(aVide), QColor(0, 210, 210));       // "Visualisation, dossiers, etc."
        QVERIFY(!f->Timer1->isActive());                   // loaded, not yet shown: nothing runs
        f->show();
        QCOMPARE(f->Timer1->interval(), attente);
        const QTime suivante = heure.addMSecs(1000 - heure.msec());
        banc.plateforme.horloge.setTime(suivante);
        f->tic();
        QCOMPARE(f->Timer1->interval(), 1000);
        // A screen reader reads the time the dial shows, as text.
        QAccessibleInterface *cadran = QAccessible::queryAccessibleInterface(f->FondHorloge);
        QCOMPARE(cadran->role(), QAccessible::StaticText);
        QCOMPARE(cadran->text(QAccessible::Name), suivante.toString(QStringLiteral("H 'h' mm")));
        f->close();
        QVERIFY(!f->Timer1->isActive());
        supprimeFermees();
        QVERIFY(!f);
    }

    // Counting starts only when the toolbox asked for it; the close button
    // leaves the window's closed mark.
    void comptes_data()
    {
        QTest::addColumn<bool>("an2010");
        QTest::addColumn<QDateTime>("maintenant");
        QTest::addColumn<QString>("texte"); // empty: not started by the toolbox
        QTest::addColumn<bool>("compteEncore");
        QTest::newRow("2001, en 2200") << false << QDateTime(QDate(2200, 1, 1), QTime())
                                       << "72683 jours et des poussières..." << true;
        QTest::newRow("2010, en 1900") << true << QDateTime(QDate(1900, 1, 1), QTime(12, 0))
                                       << "40176 jours, 11 heures, 59 minutes et 60 secondes" << true;
        QTest::newRow("2010, on y est") << true << QDateTime(QDate(2010, 1, 1), QTime()) << "On y est ! ! !" << false;
        QTest::newRow("2010, pas lancé") << true << QDateTime(QDate(2005, 1, 1), QTime()) << "" << false;
    }
    void comptes()
    {
        QFETCH(bool, an2010);
        QFETCH(QDateTime, maintenant);
        QFETCH(QString, texte);
        QFETCH(bool, compteEncore);
        Banc banc;
        banc.plateforme.horloge = maintenant;
        QPointer<FenCompte> f = an2010 ? static_cast<FenCompte *>(new Fen2010) : new Fen2001;
        if (!texte.isEmpty())
            f->lance();
        f->show();
        // Empty during the first second; then a count every second.
        QVERIFY(f->AfficheTemps->text().isEmpty());
        QCOMPARE(f->Timer1->isActive(), !texte.isEmpty());
        if (!texte.isEmpty()) {
            f->tic(); // what the timer runs
            QCOMPARE(f->AfficheTemps->text(), texte);
        }
        QCOMPARE(f->Timer1->isActive(), compteEncore);
        // Once arrived, showing the window again does not start it again.
        f->hide();
        f->show();
        QCOMPARE(f->Timer1->isActive(), compteEncore);
        QTest::mouseClick(bouton(f, "CmdFermer"), Qt::LeftButton);
        QVERIFY(!f->Timer1->isActive());
        supprimeFermees();
        QVERIFY(!f);
    }

    // The sheet scrolls up from an empty viewport; a click pauses it, the next
    // resumes where it stood; the cycle ends once the last line has left the
    // top, and starts over.
    void apropos()
    {
        Banc banc;
        Apropos a;
        const int viewport = a.hauteurViewport();
        const int huit = QFontMetrics(FeuilleApropos::police(10), a.Image2).height();
        const QImage image = a.Image2->grab().toImage();
        const QColor texte = a.Image2->palette().color(QPalette::WindowText);
        QVERIFY(!texteEntre(image, texte, 0, viewport));
        QVERIFY(texteEntre(image, texte, viewport, viewport + huit * 2));
        a.show();
        QVERIFY(a.Minuterie1->isActive());
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
        QCOMPARE(a.Image2->y(), p);
        int dernier = 0;
        for (int t = 0; t < a.hauteurFeuille() && a.Image2->y() != 0; ++t) {
            dernier = a.Image2->y();
            avance(a, 1);
        }
        QCOMPARE(a.Image2->y(), 0);
        QVERIFY(dernier < -viewport);
        // The sheet's height is a multiple of the font's line height, so with
        // some fonts the foot of the last line still touches the top row or two.
        QVERIFY(!texteEntre(image, texte, -dernier + 3, -dernier + viewport));
        // Without a web site the button opens the help's contents.
        const QString site = Apropos::siteConfigure();
        AidesDemandees aides(&a);
        QTest::mouseClick(a.CmdSite, Qt::LeftButton);
        QCOMPARE(banc.plateforme.adresses, site.isEmpty() ? QStringList{} : QStringList{site});
        QCOMPARE(aides.sujets(), site.isEmpty() ? QList<int>{0} : QList<int>{});
        QTest::mouseClick(bouton(a, "CmdFermer"), Qt::LeftButton);
        QVERIFY(!a.isVisible() && !a.Minuterie1->isActive());
    }
};

QTEST_MAIN(TestFenetres)
#include "tst_fenetresloisirs.moc"
