#include "aide/conseils.h"
#include "aide/fenaide.h"
#include "base/partage.h"
#include "ui/vantelbttn.h"
#include "appearance/configure.h"
#include "ui/vantelpanel.h"
#include "pastimes/apropos.h"
#include "pastimes/fenhorloge.h"
#include "pastimes/fenloterie.h"
#include "main/fenboutils.h"
#include "support/fauxplateforme.h"

#include <QAccessible>
#include <QPointer>
#include <QTest>

namespace {
VantelBttn *bouton(FenBOutils &b, int o)
{
    return std::array{b.CmdHorloge, b.CmdCalendrier, b.CmdMiniCalend, b.CmdJourPlus,
                      b.CmdAn2010,  b.Cmd2001,       b.CmdFeries,     b.CmdFortune}[std::size_t(o)];
}

bool ouverte(const QPointer<FenetreZelund> &f)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return f && f->isVisible();
}
} // namespace

// Escape closes every window as its close button does.
class TestEchap : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        FenetreZelund::fermeTout();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Each tool opened from the keyboard, closed by Escape, opened again.
    void outils_data()
    {
        QTest::addColumn<int>("outil");
        const char *noms[] = {"horloge", "calendrier", "mini-calendrier", "jour de la semaine",
                              "2010", "2001", "Pâques", "loterie"};
        for (int i = 0; i < FenBOutils::NbOutils; ++i)
            QTest::newRow(noms[i]) << i;
    }
    void outils()
    {
        QFETCH(int, outil);
        Banc banc;
        FenetreZelund principale;
        FenetreZelund::setPrincipale(&principale);
        principale.show();
        QPointer<FenBOutils> boite = new FenBOutils(&principale);
        boite->show();
        const auto o = static_cast<FenBOutils::Outil>(outil);
        QTest::keyClick(bouton(*boite, outil), Qt::Key_Space);
        QPointer<FenetreZelund> f = FenBOutils::fenetre(o);
        QVERIFY(ouverte(f));
        QTest::keyClick(f, Qt::Key_Escape);
        QVERIFY(!ouverte(f));
        QTest::keyClick(bouton(*boite, outil), Qt::Key_Space);
        QVERIFY(ouverte(FenBOutils::fenetre(o)));
        QTest::keyClick(boite, Qt::Key_Escape);
        QVERIFY(!ouverte(boite.data()) && !partage().bOutilsAffichee);
    }

    void autres()
    {
        Banc banc;
        QPointer<FenetreZelund> conseils = new Conseils;
        conseils->setAttribute(Qt::WA_DeleteOnClose);
        conseils->show();
        QTest::keyClick(conseils, Qt::Key_Escape);
        QVERIFY(!ouverte(conseils));
        QPointer<FenetreZelund> aide = FenAide::affiche(1);
        QTest::keyClick(aide, Qt::Key_Escape);
        QVERIFY(!ouverte(aide));
        Apropos a;
        a.show();
        QTest::keyClick(&a, Qt::Key_Escape);
        QVERIFY(!a.isVisible());
    }

    // Value panels, the dial and the balls read out what they show.
    void valeursLues()
    {
        Banc banc;
        Configure d;
        QAccessibleInterface *ciel = QAccessible::queryAccessibleInterface(d.TextCiel);
        QCOMPARE(ciel->role(), QAccessible::StaticText);
        QCOMPARE(ciel->text(QAccessible::Name), QStringLiteral("119 119 119"));
        QAccessibleInterface *options = QAccessible::queryAccessibleInterface(d.FondAffDem);
        QCOMPARE(options->role(), QAccessible::Grouping);
        QCOMPARE(options->text(QAccessible::Name), QStringLiteral("- Affichage au démarrage -"));
        QCOMPARE(QAccessible::queryAccessibleInterface(d.FondConfig)->role(), QAccessible::Pane);

        FenHorloge h;
        QCOMPARE(QAccessible::queryAccessibleInterface(h.FondHorloge)->text(QAccessible::Name),
                 QStringLiteral("21:05:07"));
        QTest::keyClick(h.FondHorloge, Qt::Key_Space);
        QVERIFY(h.estAuPremierPlan());

        FenLoterie *l = FenLoterie::instance();
        l->tic();
        const QList<int> numeros = l->numerosAffiches();
        QCOMPARE(QAccessible::queryAccessibleInterface(l->Boule[3])->text(QAccessible::Name),
                 QStringLiteral("Boule 3 : %1").arg(numeros[2]));
    }
};

QTEST_MAIN(TestEchap)
#include "tst_echap.moc"
