#include "pastimes/fenhorloge.h"
#include "support/fauxplateforme.h"
#include "support/principal.h"

#include <QPointer>
#include <QTest>
#include <QTimer>

class TestFenHorloge : public QObject
{
    Q_OBJECT
private slots:
    void ticSurLaSeconde_data()
    {
        QTest::addColumn<int>("ms");
        QTest::addColumn<int>("attente");
        QTest::newRow("seconde pile") << 0 << 1000;
        QTest::newRow("trois quarts") << 750 << 250;
        QTest::newRow("juste avant") << 999 << 1;
    }
    void ticSurLaSeconde()
    {
        QFETCH(int, ms);
        QFETCH(int, attente);
        Banc banc;
        banc.plateforme.horloge.setTime(QTime(21, 5, 7, ms));
        QPointer<FenHorloge> f = new FenHorloge;
        QVERIFY(!f->Timer1->isActive()); // loaded, not yet shown: nothing runs
        f->show();
        QCOMPARE(f->Timer1->interval(), attente);
        // The next tick reads the clock afresh and waits for the following second.
        banc.plateforme.horloge.setTime(QTime(21, 5, 8, 0));
        f->tic();
        QCOMPARE(f->Timer1->interval(), 1000);
        QCOMPARE(f->FondHorloge->aiguilles().seconde.angle, Horloge::aiguilles(QTime(21, 5, 8)).seconde.angle);
        f->close();
        QVERIFY(!f->Timer1->isActive());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!f);
    }
    void aiguillesPeintes_data()
    {
        // Points in twips of the dial: one on a hand, one where no hand passes.
        QTest::addColumn<QTime>("heure");
        QTest::addColumn<QPoint>("surAiguille");
        QTest::addColumn<QPoint>("aVide");
        QTest::newRow("3 h : heures à droite") << QTime(15, 0) << QPoint(1400, 1000) << QPoint(600, 1000);
        QTest::newRow("6 h 30 : minutes en bas") << QTime(6, 30) << QPoint(1000, 1600) << QPoint(400, 1000);
        QTest::newRow("midi : tout en haut") << QTime(12, 0) << QPoint(1000, 400) << QPoint(1450, 1000);
    }
    void aiguillesPeintes()
    {
        QFETCH(QTime, heure);
        QFETCH(QPoint, surAiguille);
        QFETCH(QPoint, aVide);
        Banc banc;
        banc.plateforme.horloge.setTime(heure);
        FenHorloge f;
        const QImage image = f.FondHorloge->grab().toImage();
        // The pixel whose square holds the point.
        const auto pixel = [&](QPoint twips) { return image.pixelColor(twips.x() / 15, twips.y() / 15); };
        QCOMPARE(pixel(surAiguille), QColor(0, 128, 128)); // "Texte des boutons"
        QCOMPARE(pixel(aVide), QColor(0, 210, 210));       // "Visualisation, dossiers, etc."
    }
};

ZELUND_TEST(TestFenHorloge)
#include "tst_fenhorloge.moc"
