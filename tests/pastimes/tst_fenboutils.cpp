#include "app/partage.h"
#include "app/vantelbttn.h"
#include "calendar/fencalendrier.h"
#include "pastimes/fenboutils.h"
#include "support/fauxplateforme.h"
#include "support/principal.h"

#include <QPointer>
#include <QTest>

class TestFenBOutils : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void chargement();
    void placement();
    void basculeOutils_data();
    void basculeOutils();
    void fermeeParSonBouton();
    void fermeeAutrement();
    void rechargeAvecOutilOuvert();
    void compteARebours();
    void infoBullesEteintes();
    void aide();
    void imageSousLePointeur();
};

namespace {
// A main window to place the toolbox over.
struct Principale
{
    FenetreZelund f;
    Principale()
    {
        f.setGeometry(100, 50, 336, 356);
        FenetreZelund::setPrincipale(&f);
    }
    ~Principale() { FenetreZelund::setPrincipale(nullptr); }
};

void supprimeFermees()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

void TestFenBOutils::cleanup()
{
    // Tool windows outlive their toolbox: none may leak into the next test.
    FenetreZelund::fermeTout();
    supprimeFermees();
}

void TestFenBOutils::chargement()
{
    Banc banc;
    partage().calendrierFermee = false;
    partage().horlogeFermee = false;
    FenBOutils b;
    QCOMPARE(b.CmdDeplaceFen->caption(), QStringLiteral("Zelund - Boîte à outils"));
    QCOMPARE(b.size(), QSize(252, 268));
    QVERIFY(partage().calendrierFermee);
    QVERIFY(partage().horlogeFermee);
    QVERIFY(b.CmdCalendrier->caption().isEmpty());
}

void TestFenBOutils::placement()
{
    Banc banc;
    Principale p;
    auto *b = new FenBOutils(&p.f);
    QCOMPARE(b->parentWidget(), &p.f);
    QVERIFY(b->isWindow());
    QCOMPARE(b->pos(), QPoint(100 + 42, 50 + 214));
    // Dragged aside, or the main window moved: activation brings it back.
    p.f.show();
    b->show();
    b->move(600, 600);
    p.f.move(10, 20);
    p.f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&p.f));
    b->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(b));
    QCOMPARE(b->pos(), QPoint(10 + 42, 20 + 214));
    // A tool window is centred on the main window.
    QTest::mouseClick(b->CmdCalendrier, Qt::LeftButton);
    const QWidget *c = FenBOutils::fenetre(FenBOutils::Calendrier);
    QCOMPARE(c->geometry().center().x(), p.f.geometry().center().x());
    QVERIFY(qAbs(c->geometry().center().y() - p.f.geometry().center().y()) <= 1);
    QVERIFY(!c->parentWidget());
}

void TestFenBOutils::basculeOutils_data()
{
    QTest::addColumn<int>("outil");
    QTest::addColumn<QString>("classe");
    QTest::newRow("calendrier") << int(FenBOutils::Calendrier) << "FenCalendrier";
    QTest::newRow("mini-calendrier") << int(FenBOutils::MiniCalend) << "FenMiniCalend";
    QTest::newRow("jour de la semaine") << int(FenBOutils::JourPlus) << "FenJourPlus";
    QTest::newRow("jours fériés") << int(FenBOutils::Feries) << "FenPaques";
}

void TestFenBOutils::basculeOutils()
{
    QFETCH(int, outil);
    QFETCH(QString, classe);
    Banc banc;
    FenBOutils b;
    const auto o = FenBOutils::Outil(outil);
    VantelBttn *bouton = std::array{b.CmdHorloge, b.CmdCalendrier, b.CmdMiniCalend, b.CmdJourPlus,
                                    b.CmdAn2010,  b.Cmd2001,       b.CmdFeries,     b.CmdFortune}[outil];
    QTest::mouseClick(bouton, Qt::LeftButton);
    QPointer<FenetreZelund> premiere = FenBOutils::fenetre(o);
    QVERIFY(premiere && premiere->isVisible());
    QCOMPARE(premiere->objectName(), classe);
    QTest::mouseClick(bouton, Qt::LeftButton);
    supprimeFermees();
    QVERIFY(premiere.isNull());
    QVERIFY(!FenBOutils::fenetre(o));
    QTest::mouseClick(bouton, Qt::LeftButton);
    QVERIFY(FenBOutils::fenetre(o) && FenBOutils::fenetre(o)->isVisible());
    // One of each at most.
    int n = 0;
    for (FenetreZelund *f : FenetreZelund::chargees())
        n += f->objectName() == classe;
    QCOMPARE(n, 1);
}

void TestFenBOutils::fermeeParSonBouton()
{
    Banc banc;
    FenBOutils b;
    QTest::mouseClick(b.CmdCalendrier, Qt::LeftButton);
    QVERIFY(!partage().calendrierFermee);
    auto *c = qobject_cast<FenCalendrier *>(FenBOutils::fenetre(FenBOutils::Calendrier));
    QTest::mouseClick(c->CmdFermer, Qt::LeftButton);
    QVERIFY(partage().calendrierFermee);
    supprimeFermees();
    QTest::mouseClick(b.CmdCalendrier, Qt::LeftButton);
    QVERIFY(FenBOutils::fenetre(FenBOutils::Calendrier));
    QVERIFY(!partage().calendrierFermee);
}

void TestFenBOutils::fermeeAutrement()
{
    Banc banc;
    FenBOutils b;
    QTest::mouseClick(b.CmdFeries, Qt::LeftButton);
    FenBOutils::fenetre(FenBOutils::Feries)->close(); // as the window manager would
    supprimeFermees();
    QVERIFY(!partage().paquesFermee);
    // One press is enough to open it again.
    QTest::mouseClick(b.CmdFeries, Qt::LeftButton);
    QVERIFY(FenBOutils::fenetre(FenBOutils::Feries));
    QVERIFY(!partage().paquesFermee);
}

void TestFenBOutils::rechargeAvecOutilOuvert()
{
    Banc banc;
    auto *b = new FenBOutils;
    partage().bOutilsAffichee = true;
    QTest::mouseClick(b->CmdCalendrier, Qt::LeftButton);
    QPointer<FenetreZelund> c = FenBOutils::fenetre(FenBOutils::Calendrier);
    c->move(5, 5);
    QTest::mouseClick(b->CmdFermer, Qt::LeftButton);
    QVERIFY(!partage().bOutilsAffichee);
    supprimeFermees();
    QVERIFY(c && c->isVisible());

    FenBOutils nouvelle;
    QVERIFY(partage().calendrierFermee);
    QTest::mouseClick(nouvelle.CmdCalendrier, Qt::LeftButton);
    QCOMPARE(FenBOutils::fenetre(FenBOutils::Calendrier), c.data());
    QVERIFY(c->isVisible());
    QCOMPARE(c->pos(), QPoint(5, 5));
    QVERIFY(!partage().calendrierFermee);
    QTest::mouseClick(nouvelle.CmdCalendrier, Qt::LeftButton);
    supprimeFermees();
    QVERIFY(c.isNull());
}

void TestFenBOutils::compteARebours()
{
    Banc banc;
    FenBOutils b;
    QTest::mouseClick(b.Cmd2001, Qt::LeftButton);
    QVERIFY(partage().lance2001);
    QVERIFY(!partage().lance2010);
    QTest::mouseClick(b.CmdAn2010, Qt::LeftButton);
    QVERIFY(partage().lance2010);
    // The mark says open only while a window is really shown.
    QCOMPARE(partage().fen2001Fermee, !FenBOutils::fenetre(FenBOutils::An2001));
}

void TestFenBOutils::infoBullesEteintes()
{
    Banc banc;
    FenBOutils b;
    b.show();
    QTest::mouseMove(b.CmdJourPlus, QPoint(10, 10));
    QCOMPARE(b.CmdJourPlus->toolTip(), QStringLiteral("Jour de la semaine ( de -1900 à 9999)"));
    partage().infoBullesActives = false;
    for (VantelBttn *bouton : {b.CmdDeplaceFen, b.CmdFermer, b.CmdHorloge, b.CmdCalendrier, b.CmdMiniCalend,
                               b.CmdJourPlus, b.CmdAn2010, b.Cmd2001, b.CmdFeries, b.CmdFortune, b.CmdAide}) {
        QTest::mouseMove(bouton, QPoint(5, 5));
        QTest::mouseMove(bouton, QPoint(6, 6));
        QCOMPARE(bouton->toolTip(), QString());
    }
}

void TestFenBOutils::aide()
{
    Banc banc;
    FenBOutils b;
    QTest::mouseClick(b.CmdAide, Qt::LeftButton);
    QTest::mouseClick(b.CmdAide, Qt::RightButton);
    QCOMPARE(banc.plateforme.aides, (QList<int>{4, 0}));
}

void TestFenBOutils::imageSousLePointeur()
{
    Banc banc;
    FenBOutils b;
    b.show();
    const auto jaunes = [](QWidget *w) {
        const QImage image = w->grab().toImage();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                n += c.red() > 200 && c.green() > 200 && c.blue() < 160;
            }
        return n;
    };
    const int avant = jaunes(b.CmdJourPlus);
    QTest::mouseMove(b.CmdJourPlus, QPoint(10, 10));
    QVERIFY(jaunes(b.CmdJourPlus) > avant + 50);
    QEvent sortie(QEvent::Leave);
    QCoreApplication::sendEvent(b.CmdJourPlus, &sortie);
    QCOMPARE(jaunes(b.CmdJourPlus), avant);
}

ZELUND_TEST(TestFenBOutils)
#include "tst_fenboutils.moc"
