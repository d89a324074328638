#include "base/partage.h"
#include "main/fenboutils.h"
#include "ui/vantelbttn.h"
#include "support/fauxplateforme.h"

#include <QPointer>
#include <QTest>

namespace {
void supprimeFermees()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

VantelBttn *bouton(FenBOutils &b, FenBOutils::Outil o)
{
    return std::array{b.CmdHorloge, b.CmdCalendrier, b.CmdMiniCalend, b.CmdJourPlus,
                      b.CmdAn2010,  b.Cmd2001,       b.CmdFeries,     b.CmdFortune}[o];
}
} // namespace

// The toolbox: its place beside the main window, and the tool windows it opens and closes.
class TestFenBOutils : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        // Tool windows outlive their toolbox: none may leak into the next test.
        FenetreZelund::fermeTout();
        supprimeFermees();
    }

    void boutilsPlacement()
    {
        Banc banc;
        FenetreZelund principale;
        principale.setGeometry(100, 50, 336, 356);
        FenetreZelund::setPrincipale(&principale);
        auto *b = new FenBOutils(&principale);
        // Dragged aside, the main window moved: activation brings it back.
        principale.show();
        b->show();
        b->move(600, 600);
        principale.move(10, 20);
        principale.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&principale));
        b->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(b));
        QCOMPARE(b->pos(), QPoint(10 + 42, 20 + 214));
        QTest::mouseClick(b->CmdAide, Qt::LeftButton);
        QTest::mouseClick(b->CmdAide, Qt::RightButton);
        QCOMPARE(banc.plateforme.aides, (QList<int>{4, 0}));
        FenetreZelund::setPrincipale(nullptr);
    }
    void boutilsBascule_data()
    {
        QTest::addColumn<int>("outil");
        QTest::addColumn<bool Partage::*>("marque");
        QTest::addColumn<int>("fermeture"); // 0 toolbox button, 1 own close button, 2 window manager
        QTest::newRow("calendrier") << int(FenBOutils::Calendrier) << &Partage::calendrierFermee << 0;
        QTest::newRow("mini-calendrier, son bouton") << int(FenBOutils::MiniCalend) << &Partage::miniCalendFermee << 1;
        QTest::newRow("calendrier, gestionnaire") << int(FenBOutils::Calendrier) << &Partage::calendrierFermee << 2;
    }
    void boutilsBascule()
    {
        QFETCH(int, outil);
        QFETCH(bool Partage::*, marque);
        QFETCH(int, fermeture);
        Banc banc;
        partage().*marque = false;
        FenBOutils b;
        QVERIFY(partage().*marque); // every mark is reset at load
        const auto o = FenBOutils::Outil(outil);
        QTest::mouseClick(bouton(b, o), Qt::LeftButton);
        QPointer<FenetreZelund> f = FenBOutils::fenetre(o);
        QVERIFY(f && f->isVisible());
        QVERIFY(!(partage().*marque));
        if (fermeture == 0)
            QTest::mouseClick(bouton(b, o), Qt::LeftButton);
        else if (fermeture == 1)
            QTest::mouseClick(f->findChild<VantelBttn *>(QStringLiteral("CmdFermer")), Qt::LeftButton);
        else
            f->close();
        supprimeFermees();
        QVERIFY(f.isNull());
        QCOMPARE(partage().*marque, fermeture != 2);
        // Whichever way it went, one press opens it again, once only.
        QTest::mouseClick(bouton(b, o), Qt::LeftButton);
        QVERIFY(FenBOutils::fenetre(o) && FenBOutils::fenetre(o)->isVisible());
        int n = 0;
        for (FenetreZelund *w : FenetreZelund::chargees())
            n += w->metaObject() == FenBOutils::fenetre(o)->metaObject();
        QCOMPARE(n, 1);
    }
    void boutilsRechargeAvecOutilOuvert()
    {
        Banc banc;
        auto *b = new FenBOutils;
        partage().bOutilsAffichee = true;
        QTest::mouseClick(b->CmdCalendrier, Qt::LeftButton);
        QTest::mouseClick(b->Cmd2001, Qt::LeftButton);
        QVERIFY(partage().lance2001 && !partage().lance2010); // before the countdown loads
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
        QCOMPARE(c->pos(), QPoint(5, 5));
        QVERIFY(!partage().calendrierFermee);
        QTest::mouseClick(nouvelle.CmdCalendrier, Qt::LeftButton);
        supprimeFermees();
        QVERIFY(c.isNull());
    }
};

QTEST_MAIN(TestFenBOutils)
#include "tst_fenboutils.moc"
