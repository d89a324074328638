#include "aide/conseils.h"
#include "aide/fenaide.h"
#include "appearance/configure.h"
#include "calendar/fencalendrier.h"
#include "calendar/fenminicalend.h"
#include "calendar/fenpaques.h"
#include "calendar/minicalend.h"
#include "main/fenboutils.h"
#include "main/popupinfos.h"
#include "pastimes/apropos.h"
#include "pastimes/fen2010.h"
#include "pastimes/feninitialise.h"
#include "pastimes/fenloterie.h"
#include "pastimes/feuilleapropos.h"
#include "support/controle.h"
#include "support/fenprinchargee.h"
#include "ui/grilleboutons.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBrowser>
#include <QtGui/private/qguiapplication_p.h>
#include <functional>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {
QAccessibleInterface *acc(QWidget *w)
{
    return QAccessible::queryAccessibleInterface(w);
}

// The accessibility events sent while the test runs: what a screen reader hears.
struct Ecoute
{
    static inline QList<std::pair<QObject *, QAccessible::Event>> evenements;
    static void note(QAccessibleEvent *e) { evenements.append({e->object(), e->type()}); }
    Ecoute()
    {
        evenements.clear();
        QAccessible::installUpdateHandler(note);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }
    ~Ecoute()
    {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
    }
    static int compte(QObject *o, QAccessible::Event type)
    {
        return int(std::count(evenements.begin(), evenements.end(), std::pair{o, type}));
    }
};

using Action = std::function<QWidget *(FenPrinChargee &)>;
template<typename F>
Action nouvelle()
{
    return [](FenPrinChargee &) -> QWidget * { return new F; };
}
} // namespace

Q_DECLARE_METATYPE(Action)

// What a screen reader reads of every window: roles, names, states, tables,
// and which changes it is told of.
class TestAccessibilite : public QObject
{
    Q_OBJECT
private slots:
    void roles_data()
    {
        QTest::addColumn<Action>("ouvre");
        QTest::addColumn<int>("role");
        const int cadre = QAccessible::Window, dialogue = QAccessible::Dialog;
        QTest::newRow("principale") << Action([](FenPrinChargee &w) -> QWidget * { return &w.f; }) << cadre;
        QTest::newRow("boîte à outils") << nouvelle<FenBOutils>() << cadre;
        QTest::newRow("aide") << nouvelle<FenAide>() << cadre;
        QTest::newRow("configuration") << nouvelle<Configure>() << dialogue;
        QTest::newRow("à propos") << nouvelle<Apropos>() << dialogue;
        QTest::newRow("conseils") << nouvelle<Conseils>() << dialogue;
        QTest::newRow("nouvelle donne") << Action([](FenPrinChargee &) -> QWidget * {
            return FenInitialise::instance();
        }) << dialogue;
    }
    void roles()
    {
        QFETCH(Action, ouvre);
        QFETCH(int, role);
        FenPrinChargee w;
        QWidget *f = ouvre(w);
        QCOMPARE(int(acc(f)->role()), role);
        QVERIFY(!acc(f)->state().modal);
        f->setWindowModality(Qt::ApplicationModal);
        QVERIFY(acc(f)->state().modal);
        if (f != &w.f)
            delete f;
    }

    // Toggles tell their state, and its change.
    void etatsCoches()
    {
        FenPrinChargee w;
        Ecoute ecoute;
        FenPrin &f = w.f;
        QVERIFY(acc(bouton(f, "CmdCompteur"))->state().checkable && !acc(bouton(f, "CmdCompteur"))->state().checked);
        QTest::keyClick(bouton(f, "CmdCompteur"), Qt::Key_Space);
        QVERIFY(acc(bouton(f, "CmdCompteur"))->state().checked);
        QTest::keyClick(bouton(f, "CmdLune"), Qt::Key_Space); // the Moon replaces the counter
        QVERIFY(!acc(bouton(f, "CmdCompteur"))->state().checked && acc(bouton(f, "CmdLune"))->state().checked);
        QCOMPARE(Ecoute::compte(bouton(f, "CmdCompteur"), QAccessible::StateChanged), 2);
        QCOMPARE(acc(bouton(f, "CmdBulAide"))->text(QAccessible::Name), QStringLiteral("Affichage des info-bulles"));
        const bool bulles = acc(bouton(f, "CmdBulAide"))->state().checked;
        QTest::keyClick(bouton(f, "CmdBulAide"), Qt::Key_Space);
        QCOMPARE(acc(bouton(f, "CmdBulAide"))->state().checked, !bulles);
        QVERIFY(!acc(bouton(f, "CmdBOutils"))->state().checked);
        QTest::keyClick(bouton(f, "CmdBOutils"), Qt::Key_Space);
        QVERIFY(acc(bouton(f, "CmdBOutils"))->state().checked);
        FenBOutils *boite = f.boiteOutils();
        QVERIFY(!acc(bouton(boite, "CmdMiniCalend"))->state().checked);
        QTest::keyClick(bouton(boite, "CmdMiniCalend"), Qt::Key_Space);
        QVERIFY(acc(bouton(boite, "CmdMiniCalend"))->state().checked);
        QTest::keyClick(FenBOutils::fenetre(FenBOutils::MiniCalend), Qt::Key_Escape);
        QVERIFY(!acc(bouton(boite, "CmdMiniCalend"))->state().checked);
    }

    // The main grid: a table of 5 rows of 7, its selected day a state that
    // follows the keys, and one Tab stop.
    void grillePrincipale()
    {
        FenPrinChargee w;
        Ecoute ecoute;
        FenPrin &f = w.f;
        QAccessibleTableInterface *t = acc(controle(f, "GrilleJours"))->tableInterface();
        QVERIFY(t);
        QCOMPARE(t->rowCount(), 5);
        QCOMPARE(t->columnCount(), 7);
        QCOMPARE(t->cellAt(2, 3), acc(jour(f, 17)));
        QCOMPARE(t->cellAt(4, 3), nullptr);
        QCOMPARE(t->selectedCells(), QList<QAccessibleInterface *>{acc(jour(f, 17))});
        QVERIFY(acc(jour(f, 17))->text(QAccessible::Description).contains(QStringLiteral("Semaine")));
        QTest::keyClick(jour(f, 17), Qt::Key_Right);
        QCOMPARE(t->selectedCells(), QList<QAccessibleInterface *>{acc(jour(f, 18))});
        QVERIFY(Ecoute::compte(jour(f, 17), QAccessible::StateChanged)
                && Ecoute::compte(jour(f, 18), QAccessible::StateChanged));
        const auto arrets = [&f] {
            int n = 0;
            for (int i = 0; i < 31; ++i)
                n += bool(jour(f, i)->focusPolicy() & Qt::TabFocus);
            return n;
        };
        QCOMPARE(arrets(), 1);
        QVERIFY(jour(f, 18)->focusPolicy() & Qt::TabFocus);
        w.choisit(15, 10, 1582);
        QCOMPARE(acc(jour(f, 4))->text(QAccessible::Name),
                 QStringLiteral("5 octobre 1582, jour qui n'a jamais existé"));
        QCOMPARE(arrets(), 1);
    }

    // The perpetual and mini-calendar: tables with their weekdays over the columns.
    void grillesDesCalendriers()
    {
        Banc banc;
        FenMiniCalend mini;
        QAccessibleTableInterface *t = acc(controle(mini, "picMonth"))->tableInterface();
        QVERIFY(t);
        QCOMPARE(t->columnDescription(0), QStringLiteral("dimanche"));
        QCOMPARE(t->cellAt(0, 4)->text(QAccessible::Name), QStringLiteral("jeudi 1 novembre 2001"));
        QCOMPARE(t->cellAt(0, 4)->tableCellInterface()->rowIndex(), 0);
        QVERIFY(t->cellAt(3, 0)->text(QAccessible::Description).contains(QStringLiteral("Semaine")));
        // Its paging arrows are buttons whose press answers at once.
        QAccessibleInterface *precedent = acc(controle(mini, "lblPrev"));
        QCOMPARE(precedent->role(), QAccessible::Button);
        precedent->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(controle<QLabel>(mini, "lblMonth")->text(), Calendrier::titreMiniCalend(QDate(2001, 11, 18)));
        QTRY_COMPARE(controle<QLabel>(mini, "lblMonth")->text(), Calendrier::titreMiniCalend(QDate(2001, 10, 18)));
        FenCalendrier cal;
        controle<QLineEdit>(cal, "AffAn")->setText(QStringLiteral("1582"));
        controle<QComboBox>(cal, "AffMois")->setCurrentIndex(9);
        t = acc(controle(cal, "AffCalendrier"))->tableInterface();
        QCOMPARE(t->columnDescription(6), QStringLiteral("dimanche"));
        QCOMPARE(t->rowCount(), 5);
        QCOMPARE(t->cellAt(0, 4)->text(QAccessible::Name), QStringLiteral("vendredi 1 octobre 1582"));
        QCOMPARE(t->cellAt(1, 4)->text(QAccessible::Name),
                 QStringLiteral("8 octobre 1582, jour qui n'a jamais existé"));
    }

    // Results are reached by Tab and told when they change; the clock and
    // the 2010 countdown at most once a minute.
    void resultats()
    {
        FenPrinChargee w;
        Ecoute ecoute;
        FenPrin &f = w.f;
        QTest::keyClick(bouton(f, "CmdCompteur"), Qt::Key_Space);
        w.choisit(25, 11, 2001);
        QTest::keyClick(bouton(f, "CmdDeuxDate"), Qt::Key_Space);
        QVERIFY(controle<QLabel>(f, "TexteNBJ")->focusPolicy() & Qt::TabFocus);
        QVERIFY(acc(controle<QLabel>(f, "TexteNBJ"))->text(QAccessible::Name).contains(QStringLiteral("7 jours")));
        QVERIFY(Ecoute::compte(controle<QLabel>(f, "TexteNBJ"), QAccessible::NameChanged));

        FenPaques paques;
        controle<QLineEdit>(paques, "TxtAnnee")->setText(QStringLiteral("2002"));
        QVERIFY(Ecoute::compte(controle(paques, "Label1"), QAccessible::NameChanged));
        QVERIFY(controle(paques, "Label1")->focusPolicy() & Qt::TabFocus);

        Fen2010 compte;
        QVERIFY(compte.findChild<QWidget *>("AfficheTemps")->focusPolicy() & Qt::TabFocus);
        w.banc.plateforme.horloge = QDateTime(QDate(2001, 11, 18), QTime(21, 5, 7));
        compte.tic();
        const QString nom = acc(compte.findChild<QWidget *>("AfficheTemps"))->text(QAccessible::Name);
        w.banc.plateforme.horloge = w.banc.plateforme.horloge.addSecs(1);
        compte.tic();
        QCOMPARE(acc(compte.findChild<QWidget *>("AfficheTemps"))->text(QAccessible::Name), nom);
        QCOMPARE(nom, QStringLiteral("2965 jours, 2 heures, 54 minutes"));

        FenLoterie *loterie = FenLoterie::instance();
        loterie->reprend(5, 49);
        loterie->tic();
        QCOMPARE(acc(loterie->findChild<QWidget *>("Boule1"))->text(QAccessible::Name),
                 QStringLiteral("Boule 1 : tourne"));
        QCOMPARE(acc(loterie->findChild<QWidget *>("Boule6"))->text(QAccessible::Name),
                 QStringLiteral("Boule 6 : hors jeu"));
        QTest::keyClick(loterie->findChild<QWidget *>("CmdLanceBoule"), Qt::Key_Space);
        const QString tiree = QStringLiteral("Boule 1 tirée : %1").arg(loterie->numerosAffiches().first());
        QCOMPARE(acc(loterie->findChild<QWidget *>("CmdLanceBoule"))->text(QAccessible::Description), tiree);
        QVERIFY(acc(loterie->findChild<QWidget *>("Boule1"))
                    ->text(QAccessible::Name)
                    .endsWith(QStringLiteral(", arrêtée")));
        loterie->close();
    }

    // Names say what a control does, follow the text they mirror, and no two
    // controls of the configuration share one.
    void noms()
    {
        FenPrinChargee w;
        Ecoute ecoute;
        FenPrin &f = w.f;
        w.choisit(5, 11, 2001);
        QCOMPARE(acc(bouton(f, "CmdDateJour"))->text(QAccessible::Name),
                 QStringLiteral("Lundi 5 novembre 2001 ; appuyer : aujourd'hui, dimanche 18 novembre 2001"));
        QVERIFY(Ecoute::compte(bouton(f, "CmdDateJour"), QAccessible::NameChanged));
        Configure c;
        QStringList noms;
        for (QWidget *enfant : c.findChildren<QWidget *>()) {
            QAccessibleInterface *i = acc(enfant);
            if (i && i->state().focusable)
                noms << i->text(QAccessible::Name);
        }
        QCOMPARE(QSet<QString>(noms.begin(), noms.end()).size(), noms.size());
        QCOMPARE(acc(c.findChild<QWidget *>("LblAnDeb"))->relations(QAccessible::Labelled).value(0).first,
                 acc(c.findChild<QWidget *>("ScrollDeb")));
    }

    // The about box's credits and a help page are read as text; a page's
    // tables row by row, without Qt's frame marks.
    void textesLus()
    {
        FenPrinChargee w;
        Apropos a;
        QAccessibleTextInterface *credits = acc(a.findChild<QWidget *>("Image2"))->textInterface();
        QVERIFY(credits && credits->text(0, -1).contains(QStringLiteral("Zelund")));
        FenAide aide;
        controle<QTextBrowser>(aide, "Texte")
            ->setHtml(QStringLiteral("<title>Touches</title><p>Avant</p>"
                                     "<table><tr><td>Espace</td><td>appuie</td></tr></table>"));
        QAccessibleInterface *page = acc(controle(aide, "Texte"));
        QCOMPARE(page->role(), QAccessible::Document);
        QCOMPARE(page->text(QAccessible::Name), QStringLiteral("Touches"));
        QCOMPARE(page->textInterface()->text(0, -1), QStringLiteral("Avant\nEspace ; appuie\n"));
    }
};

QTEST_MAIN(TestAccessibilite)
#include "tst_accessibilite.moc"
