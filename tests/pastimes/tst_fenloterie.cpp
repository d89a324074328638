#include "main/fenboutils.h"
#include "pastimes/feninitialise.h"
#include "pastimes/fenloterie.h"
#include "pastimes/loterie.h"
#include "support/controle.h"
#include "support/fauxplateforme.h"
#include "ui/vantelbttn.h"
#include "ui/vantelpanel.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTimer>

namespace {
// A lottery window opened as the toolbox opens it, with a fresh draw; its
// timer is driven by hand.
struct Loterie7
{
    Banc banc;
    FenLoterie *f;
    Loterie7()
    {
        Loterie::tirage() = Loterie::Tirage{};
        f = FenLoterie::instance();
        f->show();
    }
    ~Loterie7()
    {
        delete FenInitialise::existante();
        delete FenLoterie::existante();
    }
    void tours(int n)
    {
        for (int i = 0; i < n; ++i)
            f->tic();
    }
    void appuie(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            QTest::mouseClick(f->CmdLanceBoule, Qt::LeftButton);
    }
    QString legende() const { return f->CmdLanceBoule->caption(); }
    QList<int> numeros(int de, int n = -1) const { return f->numerosAffiches().mid(de, n); }
    // Counts chosen in the set-up dialog, as a user does.
    static void choisit(int boules, int partants)
    {
        FenInitialise *d = FenInitialise::instance();
        d->VScroll1->setValue(boules);
        d->VScroll2->setValue(partants);
        QTest::mouseClick(d->Command1, Qt::LeftButton);
    }
};
} // namespace

class TestFenLoterie : public QObject
{
    Q_OBJECT
private slots:
    // Presses between ticks stop the balls one after the other on distinct
    // numbers; the press after the last sets all spinning.
    void tirageComplet_data()
    {
        QTest::addColumn<int>("boules");
        QTest::addColumn<int>("partants");
        QTest::newRow("7 sur 49") << 7 << 49;
        QTest::newRow("7 sur 7") << 7 << 7;
        QTest::newRow("1 sur 49") << 1 << 49;
    }
    void tirageComplet()
    {
        QFETCH(int, boules);
        QFETCH(int, partants);
        Loterie7 l;
        l.choisit(boules, partants);
        for (int appui = 1; appui <= boules; ++appui) {
            l.tours(3);
            l.appuie();
            QCOMPARE(l.legende(), appui < boules ? QStringLiteral("Boule suivante") : QStringLiteral("Recommencer"));
        }
        const QList<int> tires = l.numeros(0, boules);
        l.tours(5); // every ball drawn is stopped: nothing moves
        QCOMPARE(l.numeros(0, boules), tires);
        QCOMPARE(QSet<int>(tires.begin(), tires.end()).size(), boules);
        QVERIFY(std::all_of(tires.begin(), tires.end(), [&](int x) { return x >= 1 && x <= partants; }));
        l.appuie();
        QCOMPARE(l.legende(), QStringLiteral("Boule suivante"));
        QCOMPARE(Loterie::tirage().arretees, Loterie::Arretees{});
    }
    // Fewer balls during a draw: those past the new count stand still. A click
    // on a ball reaches the panel beneath and shows zeros, which only the
    // balls still spinning replace.
    void moinsDeBoulesEnCoursPuisZero()
    {
        Loterie7 l;
        l.tours(2);
        l.appuie(2); // balls 1 and 2 stopped, 3 to 7 spin
        l.choisit(3, 49);
        const QList<int> figees = l.numeros(3);
        l.tours(20);
        QCOMPARE(l.numeros(3), figees);
        QTest::mouseClick(l.f->FondLoterie, Qt::LeftButton, {}, QPoint(36, 32));
        QCOMPARE(l.numeros(0), QList<int>(7, 0));
        l.tours(1);
        const int troisieme = l.numeros(2, 1).value(0);
        QVERIFY(troisieme != 0);
        QCOMPARE(l.numeros(0), (QList<int>{0, 0, troisieme, 0, 0, 0, 0}));
        l.appuie();
        QCOMPARE(l.legende(), QStringLiteral("Recommencer"));
        l.appuie();
        // Balls 4 to 7 were neither stopped nor drawn.
        QCOMPARE(Loterie::tirage().arretees, Loterie::Arretees{});
    }
    // The stopped balls of a reopened window stand still on 1, the others spin.
    void arretsConservesALaReouverture_data()
    {
        QTest::addColumn<int>("arretees");
        QTest::newRow("tirage en cours") << 3;
        QTest::newRow("tirage complet") << 7;
    }
    void arretsConservesALaReouverture()
    {
        QFETCH(int, arretees);
        Loterie7 l;
        l.tours(4);
        l.appuie(arretees);
        l.choisit(5, 20);
        QTest::mouseClick(bouton(l.f, "CmdFermer"), Qt::LeftButton);
        QVERIFY(!l.f->Minuterie1->isActive());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!FenLoterie::existante());

        l.f = FenLoterie::instance();
        l.f->show();
        l.tours(5);
        QCOMPARE(l.numeros(0, arretees), QList<int>(arretees, 1));
        if (arretees == 7)
            return;
        l.appuie(7 - arretees); // each load resets the counts: seven balls again
        QCOMPARE(l.legende(), QStringLiteral("Recommencer"));
    }
    void initialiseRouvreLaLoterie()
    {
        Loterie7 l;
        delete FenLoterie::existante();
        FenBOutils boite;
        QTest::mouseClick(bouton(boite, "CmdFortune"), Qt::LeftButton);
        QPointer<FenLoterie> loterie = FenLoterie::existante();
        QVERIFY(loterie && loterie->isVisible());
        QTest::mouseClick(loterie->CmdNouvelleDonne, Qt::LeftButton);
        FenInitialise *d = FenInitialise::existante();
        QVERIFY(d->isVisible());
        QTest::mouseClick(bouton(loterie, "CmdFermer"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!loterie);
        d->VScroll1->triggerAction(QAbstractSlider::SliderSingleStepSub);
        d->VScroll2->triggerAction(QAbstractSlider::SliderPageStepSub);
        QTest::mouseClick(d->Command1, Qt::LeftButton);
        loterie = FenLoterie::existante();
        QVERIFY(loterie && loterie->isVisible());
        // The reopened lottery draws what the set-up window shows.
        QCOMPARE(QPoint(loterie->nbBoules(), loterie->nbPartants()), QPoint(6, 39));
        // Hidden, not destroyed: it shows its values again.
        QVERIFY(!d->isVisible());
        QTest::mouseClick(loterie->CmdNouvelleDonne, Qt::LeftButton);
        QCOMPARE(FenInitialise::existante(), d);
        QCOMPARE(d->VScroll1->value(), 6);
        // The toolbox knows the reopened window: its next press closes it.
        QTest::mouseClick(bouton(boite, "CmdFortune"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!loterie);
    }
    // Open before the toolbox loaded, the lottery counts as closed there until
    // the new deal brings it back.
    void nouvelleDonneApresLaBoite()
    {
        Loterie7 l;
        FenBOutils boite;
        QCOMPARE(bouton(boite, "CmdFortune")->coche(), false);
        QTest::mouseClick(l.f->CmdNouvelleDonne, Qt::LeftButton);
        QTest::mouseClick(FenInitialise::existante()->Command1, Qt::LeftButton);
        QCOMPARE(bouton(boite, "CmdFortune")->coche(), true);
    }
    // Each ball is read once, by its name; its number is not read apart.
    void boulesLuesUneFois()
    {
        Loterie7 l;
        l.tours(1);
        QAccessibleInterface *fond = QAccessible::queryAccessibleInterface(l.f->FondLoterie);
        QStringList lus;
        for (int i = 0; i < fond->childCount(); ++i) {
            QAccessibleInterface *e = fond->child(i);
            if (e->role() == QAccessible::StaticText)
                lus << e->text(QAccessible::Name);
            QCOMPARE(e->childCount(), 0);
        }
        QStringList attendus;
        for (int k = 1; k <= Loterie::MaxBoules; ++k)
            attendus << QStringLiteral("Boule %1 : tourne").arg(k);
        QCOMPARE(lus, attendus);
    }
    // Escape leaves the set-up dialog without changing the draw: its bars
    // show again what they showed when it opened.
    void initialiseEchap()
    {
        Loterie7 l;
        QTest::mouseClick(l.f->CmdNouvelleDonne, Qt::LeftButton);
        FenInitialise *d = FenInitialise::existante();
        QVERIFY(d->isVisible());
        d->VScroll1->setValue(3);
        d->VScroll2->setValue(20);
        QTest::keyClick(d, Qt::Key_Escape);
        QVERIFY(!d->isVisible());
        QCOMPARE(QPoint(l.f->nbBoules(), l.f->nbPartants()), QPoint(7, 49));
        QCOMPARE(d->Label3->text() + d->Label4->text(), QStringLiteral("749"));
        QVERIFY(l.f->isVisible());
    }
    // The set-up from the keyboard alone: opened from the lottery, each count
    // reached by Tab and set by keys, then back to the lottery, where 0 does
    // what a click on the background does.
    void auClavier_data()
    {
        QTest::addColumn<QString>("barre");
        QTest::addColumn<int>("touche");
        QTest::addColumn<QPoint>("comptes"); // balls, starters
        QTest::newRow("boules, gauche") << "VScroll1" << int(Qt::Key_Left) << QPoint(6, 49);
        QTest::newRow("boules, début") << "VScroll1" << int(Qt::Key_Home) << QPoint(1, 49);
        QTest::newRow("partants, page suivante") << "VScroll2" << int(Qt::Key_PageDown) << QPoint(7, 39);
        QTest::newRow("partants, début") << "VScroll2" << int(Qt::Key_Home) << QPoint(7, 7);
    }
    void auClavier()
    {
        QFETCH(QString, barre);
        QFETCH(int, touche);
        QFETCH(QPoint, comptes);
        Loterie7 l;
        l.f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(l.f));
        QTest::keyClick(l.f->CmdNouvelleDonne, Qt::Key_Space);
        FenInitialise *d = FenInitialise::existante();
        QVERIFY(QTest::qWaitForWindowActive(d));
        QWidget *cible = d->findChild<QWidget *>(barre);
        for (int i = 0; i < 5 && QApplication::focusWidget() != cible; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), cible);
        QTest::keyClick(cible, Qt::Key(touche));
        QCOMPARE(d->Label3->text() + u' ' + d->Label4->text(),
                 QStringLiteral("%1 %2").arg(comptes.x()).arg(comptes.y()));
        for (int i = 0; i < 5 && QApplication::focusWidget() != d->Command1; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(d->Command1, Qt::Key_Return);
        QCOMPARE(QPoint(l.f->nbBoules(), l.f->nbPartants()), comptes);
        QVERIFY(QTest::qWaitForWindowActive(l.f));
        l.tours(1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_0);
        QCOMPARE(l.numeros(0), QList<int>(7, 0));
    }
    void graineDeLHorloge()
    {
        // Each load seeds from the clock: same instant, same draw.
        QList<QList<int>> tirages;
        for (int s : {7, 7, 8}) {
            Loterie7 l;
            delete FenLoterie::existante();
            l.banc.plateforme.horloge.setTime(QTime(21, 5, s, 530));
            l.f = FenLoterie::instance();
            l.tours(3);
            tirages << l.numeros(0);
        }
        QCOMPARE(tirages[0], tirages[1]);
        QVERIFY(tirages[0] != tirages[2]);
    }
};

QTEST_MAIN(TestFenLoterie)
#include "tst_fenloterie.moc"
