#include "app/partage.h"
#include "app/vantelbttn.h"
#include "app/vantelpanel.h"
#include "pastimes/feninitialise.h"
#include "pastimes/fenloterie.h"
#include "pastimes/loteriecalc.h"
#include "support/fauxplateforme.h"
#include "support/principal.h"

#include <QLabel>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTimer>

class TestFenLoterie : public QObject
{
    Q_OBJECT
private slots:
    void tirageComplet_data();
    void tirageComplet();
    void moinsDeBoulesEnCours();
    void clicMontreZero_data();
    void clicMontreZero();
    void arretsConservesALaReouverture();
    void initialiseRouvreLaLoterie();
    void graineDeLHorloge();
};

namespace {
// A lottery window opened as the toolbox opens it, with a fresh draw.
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
    void appuie() { QTest::mouseClick(f->CmdLanceBoule, Qt::LeftButton); }
    QString legende() const { return f->CmdLanceBoule->caption(); }
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

void TestFenLoterie::tirageComplet_data()
{
    QTest::addColumn<int>("boules");
    QTest::addColumn<int>("partants");
    QTest::newRow("7 sur 49") << 7 << 49;
    QTest::newRow("7 sur 7") << 7 << 7;
    QTest::newRow("1 sur 49") << 1 << 49;
}

void TestFenLoterie::tirageComplet()
{
    QFETCH(int, boules);
    QFETCH(int, partants);
    Loterie7 l;
    QCOMPARE(l.legende(), QStringLiteral("Première boule"));
    QVERIFY(l.f->Minuterie1->isActive());
    QCOMPARE(l.f->Minuterie1->interval(), 100);
    QTest::mouseClick(l.f->CmdNouvelleDonne, Qt::LeftButton);
    QVERIFY(FenInitialise::existante()->isVisible());
    l.choisit(boules, partants);
    QVERIFY(!FenInitialise::existante()->isVisible());
    QCOMPARE(partage().nbBoules, boules);
    QCOMPARE(partage().nbPartants, partants);

    for (int appui = 1; appui <= boules; ++appui) {
        l.tours(3);
        l.appuie();
        QCOMPARE(l.legende(), appui < boules ? QStringLiteral("Boule suivante") : QStringLiteral("Recommencer"));
    }
    const QList<int> avant = l.f->numerosAffiches();
    l.tours(5); // every ball drawn is stopped: nothing moves
    QCOMPARE(l.f->numerosAffiches(), avant);
    const QList<int> tires = avant.mid(0, boules);
    QCOMPARE(QSet<int>(tires.begin(), tires.end()).size(), boules);
    for (int x : tires)
        QVERIFY(x >= 1 && x <= partants);
    if (boules == partants)
        QCOMPARE(QSet<int>(tires.begin(), tires.end()), QSet<int>({1, 2, 3, 4, 5, 6, 7}));

    l.appuie(); // all spin again
    QCOMPARE(l.legende(), QStringLiteral("Boule suivante"));
    QCOMPARE(Loterie::tirage().arretees, Loterie::Arretees{});
}

void TestFenLoterie::moinsDeBoulesEnCours()
{
    Loterie7 l;
    l.tours(2);
    l.appuie();
    l.appuie(); // balls 1 and 2 stopped, 3 to 7 spin
    l.choisit(3, 49);
    const QList<int> figees = l.f->numerosAffiches().mid(3);
    l.tours(20);
    QCOMPARE(l.f->numerosAffiches().mid(3), figees);
    l.appuie();
    QCOMPARE(l.legende(), QStringLiteral("Recommencer"));
    l.appuie();
    // Balls 4 to 7 are neither stopped nor drawn any more.
    QCOMPARE(Loterie::tirage().arretees, Loterie::Arretees{});
    l.tours(3);
    QCOMPARE(l.f->numerosAffiches().mid(3), figees);
}

void TestFenLoterie::clicMontreZero_data()
{
    QTest::addColumn<QPoint>("point"); // in the panel, pixels
    QTest::newRow("panneau") << QPoint(75, 5);
    QTest::newRow("sur une boule") << QPoint(36, 32);
    QTest::newRow("sur un numéro") << QPoint(76, 246);
}

void TestFenLoterie::clicMontreZero()
{
    QFETCH(QPoint, point);
    Loterie7 l;
    l.tours(1);
    for (int i = 0; i < 3; ++i)
        l.appuie();
    QTest::mouseClick(l.f->FondLoterie, Qt::LeftButton, {}, point);
    QCOMPARE(l.f->numerosAffiches(), QList<int>(7, 0));
    l.tours(1);
    // The stopped balls keep their 0, the others take new numbers.
    const QList<int> n = l.f->numerosAffiches();
    QCOMPARE(n.mid(0, 3), QList<int>(3, 0));
    for (int x : n.mid(3))
        QVERIFY(x >= 1 && x <= 49);
}

void TestFenLoterie::arretsConservesALaReouverture()
{
    Loterie7 l;
    l.tours(4);
    l.appuie();
    l.appuie();
    l.appuie();
    const QList<int> arretes = l.f->numerosAffiches().mid(0, 3);
    l.choisit(5, 20);
    partage().loterieFermee = false;
    QTest::mouseClick(l.f->CmdFermer, Qt::LeftButton);
    QVERIFY(partage().loterieFermee);
    QVERIFY(!l.f->Minuterie1->isActive());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!FenLoterie::existante());
    QVERIFY(FenInitialise::existante()); // left alone

    l.f = FenLoterie::instance();
    l.f->show();
    QCOMPARE(partage().nbBoules, 7);
    QCOMPARE(partage().nbPartants, 49);
    QCOMPARE(l.legende(), QStringLiteral("Première boule"));
    // The stopped balls come back on the numbers they stopped on.
    QCOMPARE(l.f->numerosAffiches().mid(0, 3), arretes);
    l.tours(5);
    QCOMPARE(l.f->numerosAffiches().mid(0, 3), arretes);
    for (int appui = 4; appui <= 7; ++appui)
        l.appuie();
    QCOMPARE(l.legende(), QStringLiteral("Recommencer"));
}

void TestFenLoterie::initialiseRouvreLaLoterie()
{
    Loterie7 l;
    QTest::mouseClick(l.f->CmdNouvelleDonne, Qt::LeftButton);
    FenInitialise *d = FenInitialise::existante();
    QCOMPARE(d->Label3->text(), QStringLiteral("7"));
    QCOMPARE(d->Label4->text(), QStringLiteral("49"));
    l.f->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    partage().loterieFermee = true;

    d->VScroll1->triggerAction(QAbstractSlider::SliderSingleStepSub);
    d->VScroll2->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(d->Label3->text(), QStringLiteral("6"));
    QCOMPARE(d->Label4->text(), QStringLiteral("39"));
    QTest::mouseClick(d->Command1, Qt::LeftButton);
    l.f = FenLoterie::existante();
    QVERIFY(l.f && l.f->isVisible());
    QVERIFY(!partage().loterieFermee);
    // The new window's load puts the counts back to their defaults.
    QCOMPARE(partage().nbBoules, 7);
    QCOMPARE(partage().nbPartants, 49);
    // Hidden, not destroyed: it shows its values again.
    QCOMPARE(FenInitialise::existante(), d);
    QVERIFY(!d->isVisible());
    QTest::mouseClick(l.f->CmdNouvelleDonne, Qt::LeftButton);
    QCOMPARE(d->VScroll1->value(), 6);
    QCOMPARE(d->Label4->text(), QStringLiteral("39"));
}

void TestFenLoterie::graineDeLHorloge()
{
    // Each load seeds the generator from the clock: the same instant gives
    // the same draw, another instant another one.
    QList<QList<int>> tirages;
    for (const QTime &t : {QTime(21, 5, 7, 530), QTime(21, 5, 7, 530), QTime(21, 5, 8, 0)}) {
        Loterie7 l;
        delete FenLoterie::existante();
        l.banc.plateforme.horloge.setTime(t);
        l.f = FenLoterie::instance();
        l.tours(3);
        tirages << l.f->numerosAffiches();
    }
    QCOMPARE(tirages[0], tirages[1]);
    QVERIFY(tirages[0] != tirages[2]);
}

ZELUND_TEST(TestFenLoterie)
#include "tst_fenloterie.moc"
