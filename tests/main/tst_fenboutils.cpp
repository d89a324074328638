#include "aide/conseils.h"
#include "aide/fenaide.h"
#include "appearance/configure.h"
#include "calendar/fencalculs.h"
#include "main/fenboutils.h"
#include "pastimes/apropos.h"
#include "pastimes/fenhorloge.h"
#include "pastimes/feninitialise.h"
#include "pastimes/fenloterie.h"
#include "support/aidesdemandees.h"
#include "support/controle.h"
#include "support/fauxplateforme.h"
#include "support/fenprinchargee.h"
#include "ui/vantelbttn.h"
#include "ui/vantelpanel.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {
// The tools' buttons in the order of FenBOutils::Outil, then the help's.
VantelBttn *bouton(FenBOutils &b, int o)
{
    static const char *const noms[] = {"CmdHorloge", "CmdCalendrier", "CmdMiniCalend", "CmdJourPlus", "CmdAn2010",
                                       "Cmd2001",    "CmdFeries",     "CmdFortune",    "CmdAide"};
    return ::bouton(b, noms[o]);
}

// A key pressed on the arret-th Tab stop, then what the lu-th reads.
struct Touche
{
    int arret;
    Qt::Key touche;
    int lu;
    const char *attendu;
};

FenCalculs *calculsOuverts()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("FenCalculs") && w->isVisible())
            return static_cast<FenCalculs *>(w);
    return nullptr;
}

// A toolbox shown and active on a fresh bench.
struct BoiteActive
{
    Banc banc;
    FenBOutils b;
    BoiteActive()
    {
        b.show();
        b.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&b));
    }
};

bool ouverte(const QPointer<FenetreZelund> &f)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return f && f->isVisible();
}
} // namespace

Q_DECLARE_METATYPE(QList<Touche>)

// The toolbox: its place beside the main window, the tool windows it opens
// and closes, and Escape closing every window as its close button does.
class TestFenBOutils : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        // Tool windows outlive their toolbox: none may leak into the next test.
        FenetreZelund::fermeTout();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void boutilsPlacement()
    {
        Banc banc;
        FenetreZelund principale;
        principale.setGeometry(100, 50, 336, 356);
        FenetreZelund::setPrincipale(&principale);
        QPointer<FenBOutils> b = new FenBOutils(&principale);
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
        // Dropped, it stays when given back from elsewhere (another program,
        // the window manager at the end of a drag).
        QCoreApplication::processEvents(); // the activation reaches the widget
        b->move(300, 310);
        QWidget ailleurs;
        ailleurs.show();
        ailleurs.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&ailleurs));
        b->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(b));
        QCoreApplication::processEvents();
        QCOMPARE(b->pos(), QPoint(300, 310));
        AidesDemandees aides(b.data());
        QTest::mouseClick(bouton(b, "CmdAide"), Qt::LeftButton);
        QTest::mouseClick(bouton(b, "CmdAide"), Qt::RightButton);
        QCOMPARE(aides.sujets(), (QList<int>{4, 0}));
        QTest::keyClick(b, Qt::Key_Escape);
        QVERIFY(!ouverte(b.data()));
        FenetreZelund::setPrincipale(nullptr);
    }

    // Every tool opened from the keyboard and closed by Escape; a few by the
    // mouse and each other way out. Whichever way, the toolbox knows it.
    void boutilsBascule_data()
    {
        QTest::addColumn<int>("outil");
        QTest::addColumn<int>("fermeture"); // 0 toolbox button, 1 own close button, 2 window manager, 3 Escape
        const char *noms[] = {"horloge", "calendrier", "mini-calendrier", "jour de la semaine",
                              "2010",    "2001",       "Pâques",          "loterie"};
        for (int i = 0; i < FenBOutils::NbOutils; ++i)
            QTest::newRow(qPrintable(QStringLiteral("%1, Échap").arg(QString::fromUtf8(noms[i])))) << i << 3;
        QTest::newRow("calendrier, la boîte") << int(FenBOutils::Calendrier) << 0;
        QTest::newRow("mini-calendrier, son bouton") << int(FenBOutils::MiniCalend) << 1;
        QTest::newRow("calendrier, gestionnaire") << int(FenBOutils::Calendrier) << 2;
    }
    void boutilsBascule()
    {
        QFETCH(int, outil);
        QFETCH(int, fermeture);
        Banc banc;
        FenBOutils b;
        b.show();
        // Windows open on their first control, never with Space on their close
        // button.
        QCOMPARE(b.focusWidget(), bouton(b, FenBOutils::Outil(0)));
        const auto o = FenBOutils::Outil(outil);
        const auto presse = [&] {
            if (fermeture == 3)
                QTest::keyClick(bouton(b, o), Qt::Key_Space);
            else
                QTest::mouseClick(bouton(b, o), Qt::LeftButton);
        };
        presse();
        QPointer<FenetreZelund> f = FenBOutils::fenetre(o);
        QVERIFY(ouverte(f));
        const auto *fermer = f->findChild<VantelBttn *>(QStringLiteral("CmdFermer"));
        QVERIFY(!fermer || f->focusWidget() != fermer);
        QCOMPARE(bouton(b, o)->coche(), true);
        if (fermeture == 0)
            presse();
        else if (fermeture == 1)
            QTest::mouseClick(f->findChild<VantelBttn *>(QStringLiteral("CmdFermer")), Qt::LeftButton);
        else if (fermeture == 2)
            f->close();
        else
            QTest::keyClick(f, Qt::Key_Escape);
        QVERIFY(!ouverte(f) && f.isNull());
        QCOMPARE(bouton(b, o)->coche(), false);
        // One press opens it again, once only.
        presse();
        QVERIFY(ouverte(FenBOutils::fenetre(o)));
        int n = 0;
        for (FenetreZelund *w : FenetreZelund::chargees())
            n += w->metaObject() == FenBOutils::fenetre(o)->metaObject();
        QCOMPARE(n, 1);
    }

    void boutilsRechargeAvecOutilOuvert()
    {
        Banc banc;
        auto *b = new FenBOutils;
        QTest::mouseClick(bouton(b, "CmdCalendrier"), Qt::LeftButton);
        QTest::mouseClick(bouton(b, "Cmd2001"), Qt::LeftButton);
        // A countdown opened from the toolbox counts.
        QVERIFY(controle<QTimer>(FenBOutils::fenetre(FenBOutils::An2001), "Timer1")->isActive());
        QPointer<FenetreZelund> c = FenBOutils::fenetre(FenBOutils::Calendrier);
        c->move(5, 5);
        QTest::mouseClick(bouton(b, "CmdFermer"), Qt::LeftButton);
        QVERIFY(ouverte(c));

        FenBOutils nouvelle;
        // Open before this toolbox loaded, it counts as closed: the press brings it
        // forward.
        QCOMPARE(bouton(nouvelle, "CmdCalendrier")->coche(), false);
        QTest::mouseClick(bouton(nouvelle, "CmdCalendrier"), Qt::LeftButton);
        QCOMPARE(FenBOutils::fenetre(FenBOutils::Calendrier), c.data());
        QCOMPARE(c->pos(), QPoint(5, 5));
        QCOMPARE(bouton(nouvelle, "CmdCalendrier")->coche(), true);
        QTest::mouseClick(bouton(nouvelle, "CmdCalendrier"), Qt::LeftButton);
        QVERIFY(!ouverte(c) && c.isNull());
    }

    // The lottery's new deal brings back a lottery the toolbox counts as
    // closed: one open before the toolbox loaded, or one closed while its
    // set-up stayed open; a reload takes the counts the set-up shows.
    void loterieRameneeParLaDonne()
    {
        Banc banc;
        FenLoterie::instance()->show();
        FenBOutils boite;
        QCOMPARE(bouton(boite, "CmdFortune")->coche(), false);
        QTest::mouseClick(bouton(FenLoterie::existante(), "CmdNouvelleDonne"), Qt::LeftButton);
        QTest::mouseClick(bouton(FenInitialise::existante(), "Command1"), Qt::LeftButton);
        QCOMPARE(bouton(boite, "CmdFortune")->coche(), true);
        QPointer<FenLoterie> loterie = FenLoterie::existante();
        QTest::mouseClick(bouton(loterie, "CmdNouvelleDonne"), Qt::LeftButton);
        QTest::mouseClick(bouton(loterie, "CmdFermer"), Qt::LeftButton);
        QVERIFY(!ouverte(loterie.data()));
        FenInitialise *d = FenInitialise::existante();
        controle<QScrollBar>(d, "VScroll1")->setValue(6);
        controle<QScrollBar>(d, "VScroll2")->setValue(39);
        QTest::mouseClick(bouton(d, "Command1"), Qt::LeftButton);
        loterie = FenLoterie::existante();
        QVERIFY(loterie && loterie->isVisible() && !d->isVisible());
        QCOMPARE(QPoint(loterie->nbBoules(), loterie->nbPartants()), QPoint(6, 39));
        QTest::mouseClick(bouton(boite, "CmdFortune"), Qt::LeftButton);
        QVERIFY(!ouverte(loterie.data()));
    }

    void echapAutres()
    {
        Banc banc;
        QPointer<FenetreZelund> conseils = new Conseils;
        conseils->setAttribute(Qt::WA_DeleteOnClose);
        conseils->show();
        QTest::keyClick(conseils, Qt::Key_Escape);
        QVERIFY(!ouverte(conseils));
        QPointer<FenetreZelund> aide = FenAide::affiche(SujetAide::FenetrePrincipale);
        QTest::keyClick(aide, Qt::Key_Escape);
        QVERIFY(!ouverte(aide));
        Apropos a;
        a.show();
        QTest::keyClick(&a, Qt::Key_Escape);
        QVERIFY(!a.isVisible());
    }

    // The arrows follow the 3 x 3 grid and stop at its edges.
    void grilleAuClavier_data()
    {
        QTest::addColumn<int>("depart"); // 0 to 8, row by row
        QTest::addColumn<int>("touche");
        QTest::addColumn<int>("arrivee");
        QTest::newRow("bas") << 0 << int(Qt::Key_Down) << 3;
        QTest::newRow("haut") << 7 << int(Qt::Key_Up) << 4;
        QTest::newRow("gauche") << 8 << int(Qt::Key_Left) << 7;
        QTest::newRow("bord droit") << 5 << int(Qt::Key_Right) << 5;
        QTest::newRow("bord bas") << 8 << int(Qt::Key_Down) << 8;
    }
    void grilleAuClavier()
    {
        QFETCH(int, depart);
        QFETCH(int, touche);
        QFETCH(int, arrivee);
        BoiteActive w;
        FenBOutils &b = w.b;
        bouton(b, depart)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(bouton(b, depart), Qt::Key(touche));
        QCOMPARE(QApplication::focusWidget(), bouton(b, arrivee));
    }

    // A tool left by Escape gives the keyboard back to the toolbox that opened it.
    void echapRendLeClavier()
    {
        BoiteActive w;
        FenBOutils &b = w.b;
        bouton(b, "CmdCalendrier")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(bouton(b, "CmdCalendrier"), Qt::Key_Space);
        QPointer<FenetreZelund> outil = FenBOutils::fenetre(FenBOutils::Calendrier);
        QVERIFY(outil && QTest::qWaitForWindowActive(outil));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!ouverte(outil));
        QVERIFY(QTest::qWaitForWindowActive(&b));
        QCOMPARE(QApplication::focusWidget(), bouton(b, "CmdCalendrier"));
    }

    // Value panels read out what they show; the dial takes Space as a click.
    void valeursLues()
    {
        Banc banc;
        Configure d;
        QAccessibleInterface *ciel = QAccessible::queryAccessibleInterface(controle(d, "TextCiel"));
        QCOMPARE(ciel->role(), QAccessible::StaticText);
        QCOMPARE(ciel->text(QAccessible::Name), QStringLiteral("119 119 119"));
        QAccessibleInterface *options = QAccessible::queryAccessibleInterface(controle(d, "FondAffDem"));
        QCOMPARE(options->role(), QAccessible::Grouping);
        QCOMPARE(options->text(QAccessible::Name), QStringLiteral("- Affichage au démarrage -"));
        QCOMPARE(QAccessible::queryAccessibleInterface(controle(d, "FondConfig"))->role(), QAccessible::Pane);

        FenHorloge h;
        QTest::keyClick(controle(h, "FondHorloge"), Qt::Key_Space);
        QVERIFY(h.estAuPremierPlan());
    }
    // Each tool from the keyboard alone, as a screen reader hears it: opened
    // by Space on the toolbox, Tab goes round every control (read by name),
    // and keys pressed on a control change what another one reads (its value,
    // else its name; "premier plan": whether the window is kept on top).
    void outilsAuClavier_data()
    {
        QTest::addColumn<int>("outil");
        QTest::addColumn<QStringList>("arrets"); // from the first control round; each name's start
        QTest::addColumn<QList<Touche>>("touches");
        const QString fermer = QStringLiteral("Fermer");
        QTest::newRow("horloge") << int(FenBOutils::Horloge) << QStringList{"21 h 05", fermer}
                                 << QList<Touche>{{0, Qt::Key_Space, -1, "oui"}, {0, Qt::Key_Menu, -1, "non"}};
        QTest::newRow("mini-calendrier") << int(FenBOutils::MiniCalend) << QStringList{"novembre 2001", fermer}
                                         << QList<Touche>{{0, Qt::Key_PageDown, 0, "décembre 2001"},
                                                          {0, Qt::Key_Left, 0, "novembre 2001"},
                                                          {0, Qt::Key_Space, -1, "oui"}};
        // 18 November 2001 was a Sunday.
        QTest::newRow("jour de la semaine")
            << int(FenBOutils::JourPlus)
            << QStringList{"Jour de la semaine", "Jour", "Changer le jour", " Novembre", "Année",
                           "Changer l'année",    fermer}
            << QList<Touche>{{2, Qt::Key_Up, 1, " 19"},         {2, Qt::Key_Up, 0, " Mardi "},
                             {3, Qt::Key_Down, 3, " Décembre"}, {3, Qt::Key_Up, 0, " Mardi "},
                             {3, Qt::Key_End, 0, " Jeudi "},    {5, Qt::Key_Up, 0, " Vendredi "},
                             {4, Qt::Key_Up, 4, " 2003"},       {1, Qt::Key_Down, 0, " Vendredi "}};
        QTest::newRow("Pâques") << int(FenBOutils::Feries)
                                << QStringList{"Année", "Changer l'année", "Pâques : dimanche 15 avril", fermer}
                                << QList<Touche>{{1, Qt::Key_Up, 2, "Pâques : dimanche 31 mars"},
                                                 {0, Qt::Key_Up, 2, "Pâques : dimanche 20 avril"},
                                                 {0, Qt::Key_Down, 0, " 2002"}};
    }
    void outilsAuClavier()
    {
        QFETCH(int, outil);
        QFETCH(QStringList, arrets);
        QFETCH(QList<Touche>, touches);
        BoiteActive w;
        FenBOutils &b = w.b;
        const auto o = FenBOutils::Outil(outil);
        bouton(b, o)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(bouton(b, o), Qt::Key_Space);
        QPointer<FenetreZelund> f = FenBOutils::fenetre(o);
        QVERIFY(f && QTest::qWaitForWindowActive(f));
        const auto lu = [](QWidget *w) {
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
            return a->text(QAccessible::Value).isEmpty() ? a->text(QAccessible::Name) : a->text(QAccessible::Value);
        };
        QList<QWidget *> vus;
        QStringList noms;
        for (int i = 0; i < 20 && !vus.contains(QApplication::focusWidget()); ++i) {
            vus << QApplication::focusWidget();
            noms << QAccessible::queryAccessibleInterface(vus.last())->text(QAccessible::Name);
            QTest::keyClick(vus.last(), Qt::Key_Tab);
        }
        QCOMPARE(noms.size(), arrets.size());
        for (int i = 0; i < arrets.size(); ++i)
            QVERIFY2(noms[i].startsWith(arrets[i]), qPrintable(noms.join(u'|')));
        for (const Touche &t : touches) {
            vus[t.arret]->setFocus(Qt::TabFocusReason);
            QTest::keyClick(vus[t.arret], t.touche);
            const QString obtenu = t.lu < 0 ? (f->estAuPremierPlan() ? "oui" : "non") : lu(vus[t.lu]);
            QVERIFY2(obtenu.startsWith(t.attendu), qPrintable(obtenu));
        }
    }

    // Ctrl+D in the main window opens the window on the selected date; the
    // right press of the toolbox's weekday button closes and opens it.
    void calculsDepuisLaFenetrePrincipale()
    {
        FenPrinChargee p;
        p.choisit(25, 12, 2001);
        p.active();
        QTest::keyClick(jour(p.f, 24), Qt::Key_D, Qt::ControlModifier);
        QPointer<FenCalculs> f = calculsOuverts();
        QVERIFY(f);
        QCOMPARE(f->findChild<QLineEdit *>("TxtDate")->text(), QStringLiteral("25/12/2001"));
        FenBOutils boite(&p.f);
        QTest::mousePress(bouton(boite, "CmdJourPlus"), Qt::RightButton);
        QTRY_VERIFY(!f);
        QVERIFY(FenBOutils::fenetre(FenBOutils::JourPlus) == nullptr);
        QTest::mousePress(bouton(boite, "CmdJourPlus"), Qt::RightButton);
        QVERIFY(calculsOuverts());
        calculsOuverts()->close();
    }
};

QTEST_MAIN(TestFenBOutils)
#include "tst_fenboutils.moc"
