#include "app/fenetre.h"
#include "app/partage.h"
#include "app/vantelbttn.h"
#include "pastimes/fen2001.h"
#include "pastimes/fenhorloge.h"
#include "pastimes/feninitialise.h"
#include "pastimes/fenloterie.h"
#include "support/fauxplateforme.h"
#include "support/principal.h"

#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

class TestFenHorloge : public QObject
{
    Q_OBJECT
private slots:
    void ticSurLaSeconde_data();
    void ticSurLaSeconde();
    void aiguillesPeintes_data();
    void aiguillesPeintes();
    void cadranAuPremierPlan();
    void fermeeParLaBoiteAOutils();
    void tailleEtCentrage_data();
    void tailleEtCentrage();
};

using Fabrique = std::function<FenetreZelund *()>;
Q_DECLARE_METATYPE(Fabrique)

void TestFenHorloge::ticSurLaSeconde_data()
{
    QTest::addColumn<int>("ms");
    QTest::addColumn<int>("attente");
    QTest::newRow("seconde pile") << 0 << 1000;
    QTest::newRow("trois quarts") << 750 << 250;
    QTest::newRow("juste avant") << 999 << 1;
}

void TestFenHorloge::ticSurLaSeconde()
{
    QFETCH(int, ms);
    QFETCH(int, attente);
    Banc banc;
    banc.plateforme.horloge.setTime(QTime(21, 5, 7, ms));
    QPointer<FenHorloge> f = new FenHorloge;
    QVERIFY(!f->Timer1->isActive()); // loaded, not yet shown: nothing runs
    f->show();
    QVERIFY(f->Timer1->isActive());
    QCOMPARE(f->Timer1->interval(), attente);
    // The next tick reads the clock afresh and waits for the following second.
    banc.plateforme.horloge.setTime(QTime(21, 5, 8, 0));
    f->tic();
    QCOMPARE(f->Timer1->interval(), 1000);
    QCOMPARE(f->FondHorloge->aiguilles().seconde.angle, Horloge::aiguilles(QTime(21, 5, 8)).seconde.angle);
    f->close();
    QVERIFY(f);
    QVERIFY(!f->Timer1->isActive());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!f);
}

void TestFenHorloge::aiguillesPeintes_data()
{
    // Points in twips of the dial: one on a hand, one where no hand passes.
    QTest::addColumn<QTime>("heure");
    QTest::addColumn<QPoint>("surAiguille");
    QTest::addColumn<QPoint>("aVide");
    QTest::newRow("3 h : aiguille des heures à droite") << QTime(3, 0) << QPoint(1400, 1000) << QPoint(600, 1000);
    QTest::newRow("15 h comme 3 h") << QTime(15, 0) << QPoint(1400, 1000) << QPoint(1000, 1400);
    QTest::newRow("6 h 30 : minutes en bas") << QTime(6, 30) << QPoint(1000, 1600) << QPoint(400, 1000);
    QTest::newRow("midi : tout en haut") << QTime(12, 0) << QPoint(1000, 400) << QPoint(1450, 1000);
}

void TestFenHorloge::aiguillesPeintes()
{
    QFETCH(QTime, heure);
    QFETCH(QPoint, surAiguille);
    QFETCH(QPoint, aVide);
    Banc banc;
    banc.plateforme.horloge.setTime(heure);
    FenHorloge f;
    const QImage image = f.FondHorloge->grab().toImage();
    const QColor aiguille(0, 128, 128);  // "Texte des boutons"
    const QColor cadran(0, 210, 210);    // "Visualisation, dossiers, etc."
    QCOMPARE(f.FondHorloge->couleurAiguilles(), aiguille);
    // The pixel whose square holds the point.
    const auto pixel = [&](QPoint twips) { return image.pixelColor(twips.x() / 15, twips.y() / 15); };
    QCOMPARE(pixel(surAiguille), aiguille);
    QCOMPARE(pixel(aVide), cadran);
}

void TestFenHorloge::cadranAuPremierPlan()
{
    Banc banc;
    FenHorloge f;
    f.show();
    QTest::mousePress(f.FondHorloge, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mousePress(f.FondHorloge, Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(f.estAuPremierPlan());
    QTest::mousePress(f.FondHorloge, Qt::RightButton, {}, QPoint(20, 20));
    QVERIFY(!f.estAuPremierPlan());
    QCOMPARE(banc.plateforme.sons, (QList<int>{19, 19}));
    QTest::mouseMove(f.FondHorloge, QPoint(30, 30));
    QCOMPARE(f.FondHorloge->toolTip(), QStringLiteral("Cliquer pour conserver le calendrier au premier plan"));
    partage().infoBullesActives = false;
    QTest::mouseMove(f.FondHorloge, QPoint(31, 30));
    QVERIFY(f.FondHorloge->toolTip().isEmpty());
}

void TestFenHorloge::fermeeParLaBoiteAOutils()
{
    // No close button of its own: its closed mark is the toolbox's business.
    Banc banc;
    FenHorloge f;
    QVERIFY(!f.findChild<VantelBttn *>(QStringLiteral("CmdFermer")));
    QVERIFY(f.CmdDeplaceFen->caption().isEmpty());
}

void TestFenHorloge::tailleEtCentrage_data()
{
    QTest::addColumn<Fabrique>("fabrique");
    QTest::addColumn<QSize>("taille");
    QTest::newRow("horloge") << Fabrique([] { return new FenHorloge; }) << QSize(213, 215);
    QTest::newRow("2001") << Fabrique([] { return new Fen2001; }) << QSize(453, 110);
    QTest::newRow("loterie") << Fabrique([] { return FenLoterie::instance(); }) << QSize(232, 420);
    QTest::newRow("initialise") << Fabrique([] { return FenInitialise::instance(); }) << QSize(236, 234);
}

void TestFenHorloge::tailleEtCentrage()
{
    QFETCH(Fabrique, fabrique);
    QFETCH(QSize, taille);
    Banc banc;
    FenetreZelund principale;
    principale.setGeometry(300, 200, 336, 356);
    FenetreZelund::setPrincipale(&principale);
    FenetreZelund *f = fabrique();
    QCOMPARE(f->size(), taille);
    // Centred as soon as it is loaded, and again when it comes back.
    const QPoint centre = principale.geometry().center();
    QVERIFY((f->geometry().center() - centre).manhattanLength() <= 2);
    f->move(0, 0);
    f->placeSurPrincipale();
    QVERIFY((f->geometry().center() - centre).manhattanLength() <= 2);
    delete f;
    FenetreZelund::setPrincipale(nullptr);
}

ZELUND_TEST(TestFenHorloge)
#include "tst_fenhorloge.moc"
