#include "base/chargement.h"
#include "base/reglages.h"
#include "dates/texte.h"
#include "main/fenboutils.h"
#include "main/fenprin.h"
#include "main/popupinfos.h"
#include "moon/imagelune.h"
#include "support/aidesdemandees.h"
#include "support/controle.h"
#include "support/fenprinchargee.h"
#include "ui/vantelbttn.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QComboBox>
#include <QTest>

Q_DECLARE_METATYPE(Dates::JourMoisAn)

namespace {
Dates::JourMoisAn date(int j, int m, int a)
{
    return {j, m, a};
}

struct Fenetre : FenPrinChargee
{
    void choisit(const Dates::JourMoisAn &d) { FenPrinChargee::choisit(d.jour, d.mois, d.annee); }
    Dates::JourMoisAn selection() const { return {f.jourCourant(), f.moisChoisi(), f.anneeChoisie()}; }
    // What the window shows of its selection.
    QStringList vue() const
    {
        return {bouton(f, "CmdDateJour")->caption(), Dates::texteCourt(f.selection().value_or(Dates::JourMoisAn{})),
                bouton(f, "Forme3")->caption(), bouton(f, "Forme3")->infoBulle(), QString::number(f.valeurSelection())};
    }
};

QAccessibleActionInterface *actions(QWidget *w)
{
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
    return i ? i->actionInterface() : nullptr;
}

// The controls Tab stops on, from the focused one round to where it started.
QList<QWidget *> tabulations()
{
    QList<QWidget *> vus;
    for (int i = 0; i < 60 && !vus.contains(QApplication::focusWidget()); ++i) {
        vus << QApplication::focusWidget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return vus;
}

QString nom(QWidget *w)
{
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}
} // namespace

// The main window from the keyboard, and what a screen reader is told of it.
class TestClavier : public QObject
{
    Q_OBJECT
private slots:
    void grilleAuClavier_data()
    {
        QTest::addColumn<Dates::JourMoisAn>("depart");
        QTest::addColumn<int>("touche");
        QTest::addColumn<int>("modificateurs");
        QTest::addColumn<Dates::JourMoisAn>("arrivee");
        const int aucun = Qt::NoModifier;
        QTest::newRow("droite, mois suivant") << date(30, 11, 2001) << int(Qt::Key_Right) << aucun << date(1, 12, 2001);
        QTest::newRow("droite, année suivante")
            << date(31, 12, 2001) << int(Qt::Key_Right) << aucun << date(1, 1, 2002);
        QTest::newRow("gauche, 1582") << date(15, 10, 1582) << int(Qt::Key_Left) << aucun << date(4, 10, 1582);
        QTest::newRow("haut, 1582") << date(15, 10, 1582) << int(Qt::Key_Up) << aucun << date(28, 9, 1582);
        QTest::newRow("année suivante, pavé") << date(18, 11, 2001) << int(Qt::Key_PageDown)
                                              << int(Qt::ControlModifier | Qt::KeypadModifier) << date(18, 11, 2002);
        QTest::newRow("aujourd'hui") << date(5, 3, 1900) << int(Qt::Key_Home) << aucun << date(18, 11, 2001);
        QTest::newRow("bout de la liste") << date(31, 12, 2100) << int(Qt::Key_Right) << aucun << date(31, 12, 2100);
        QTest::newRow("début de la liste") << date(1, 1, 1501) << int(Qt::Key_Left) << aucun << date(1, 1, 1501);
    }
    void grilleAuClavier()
    {
        QFETCH(Dates::JourMoisAn, depart);
        QFETCH(int, touche);
        QFETCH(int, modificateurs);
        QFETCH(Dates::JourMoisAn, arrivee);
        Fenetre w;
        w.choisit(depart);
        QTest::keyClick(jour(w.f, depart.jour - 1), Qt::Key(touche), Qt::KeyboardModifiers(modificateurs));
        QCOMPARE(w.selection(), arrivee);
        QVERIFY(jour(w.f, arrivee.jour - 1)->hasFocus() || !w.f.isActiveWindow());
        // Exactly what the mouse shows for that day.
        const QStringList auClavier = w.vue();
        w.choisit(date(1, 1, 2001));
        w.choisit(arrivee);
        QCOMPARE(auClavier, w.vue());
    }

    void copieAuClavier()
    {
        Fenetre w;
        w.active();
        QTest::keyClick(jour(w.f, 4), Qt::Key_C, Qt::ControlModifier);
        QTest::mouseClick(bouton(w.f, "CmdCopier"), Qt::LeftButton);
        QCOMPARE(w.banc.plateforme.pressePapiers.size(), 2);
        QCOMPARE(w.banc.plateforme.pressePapiers[0], w.banc.plateforme.pressePapiers[1]);
    }

    // Space and the accessible "Press" do what the left press does; the
    // context-menu key and "ShowMenu" what the right one does.
    void boutonsAuClavier()
    {
        Fenetre w;
        FenPrin &f = w.f;
        QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget() : f.focusWidget(), jour(f, 17));
        // A list's name is its value; its label says what it is.
        const auto etiquettes =
            QAccessible::queryAccessibleInterface(controle<QComboBox>(f, "LDAnnee"))->relations(QAccessible::Label);
        QVERIFY(!etiquettes.isEmpty());
        QCOMPARE(etiquettes.first().first->text(QAccessible::Name), QStringLiteral("Année"));
        QCOMPARE(nom(bouton(f, "CmdAnMois")), QStringLiteral("Choisir le mois et l'année"));
        QTest::keyClick(bouton(f, "CmdAnMois"), Qt::Key_Menu);
        QCOMPARE(nom(bouton(f, "CmdAnMois")), QStringLiteral("18/11/2001"));
        QTest::keyClick(bouton(f, "CmdAnMois"), Qt::Key_F10, Qt::ShiftModifier);
        // The name comes back with the empty caption.
        QCOMPARE(nom(bouton(f, "CmdAnMois")), QStringLiteral("Choisir le mois et l'année"));
        QTest::keyClick(bouton(f, "CmdAnMois"), Qt::Key_Space);
        QVERIFY(bouton(f, "CmdAnMois")->isHidden() && controle<QComboBox>(f, "LDAnnee")->isVisibleTo(&f));
        actions(bouton(f, "CmdBOutils"))->doAction(QAccessibleActionInterface::showMenuAction());
        QCoreApplication::processEvents(); // the press comes queued
        QVERIFY(bouton(f, "CmdAnMois")->isVisibleTo(&f)
                && controle<QComboBox>(f, "LDAnnee")->isHidden()); // the covered lists leave the Tab order
        actions(bouton(f, "CmdBOutils"))->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
        QVERIFY(f.boiteOutils() && f.boiteOutilsAffichee());
        QTest::keyClick(bouton(f, "CmdBOutils"), Qt::Key_Return);
        QVERIFY(!f.boiteOutilsAffichee());
        AidesDemandees aides(&f);
        actions(bouton(f, "CmdAide"))->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
        QTest::keyClick(bouton(f, "CmdAide"), Qt::Key_Menu);
        QCOMPARE(aides.sujets(), (QList<int>{1, 0}));
        QTest::keyClick(bouton(f, "CmdApropos"), Qt::Key_Space);
        QVERIFY(controle(f, "PopUpInfos")->isVisible());
        QTest::keyClick(bouton(f, "CmdReset"), Qt::Key_Escape);
        QVERIFY(controle(f, "PopUpInfos")->isHidden());
        // The counter's controls below the short window's edge are out of reach.
        QVERIFY(bouton(f, "CmdPremDate")->isHidden() && bouton(f, "CmdDateAJ")->isHidden());
        QTest::keyClick(bouton(f, "CmdCompteur"), Qt::Key_Space);
        QVERIFY(bouton(f, "CmdPremDate")->isVisible() && bouton(f, "CmdDateAJ")->isVisible());
    }

    // While the menu is open Tab goes round its entries; however it closes,
    // the keyboard is back on the menu button.
    void menuAuClavier_data()
    {
        QTest::addColumn<int>("entree"); // its place in the Tab order of the menu
        QTest::addColumn<int>("touche");
        QTest::newRow("Fermer le menu") << 13 << int(Qt::Key_Space);
        QTest::newRow("info-bulles, Entrée") << 9 << int(Qt::Key_Return);
        QTest::newRow("Échap") << 3 << int(Qt::Key_Escape);
    }
    void menuAuClavier()
    {
        QFETCH(int, entree);
        QFETCH(int, touche);
        Fenetre w;
        FenPrin &f = w.f;
        w.active();
        bouton(f, "CmdApropos")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(bouton(f, "CmdApropos"), Qt::Key_Space);
        const QList<QWidget *> vus = tabulations();
        QCOMPARE(QApplication::focusWidget(), bouton(f, "CmdApropos2"));
        QCOMPARE(vus.size(), 14);
        for (QWidget *v : vus)
            QVERIFY2(controle(f, "PopUpInfos")->isAncestorOf(v), qPrintable(v->objectName()));
        QWidget *cible = vus.at(entree);
        cible->setFocus(Qt::TabFocusReason);
        QTest::keyClick(cible, Qt::Key(touche));
        QVERIFY(controle(f, "PopUpInfos")->isHidden());
        QCOMPARE(QApplication::focusWidget(), bouton(f, "CmdApropos"));
    }

    // What the toolbox covers is out of the Tab order while it is shown.
    void tabSousLaBoiteOutils()
    {
        Fenetre w;
        FenPrin &f = w.f;
        QTest::keyClick(bouton(f, "CmdBOutils"), Qt::Key_Return);
        QVERIFY(f.boiteOutils() && f.boiteOutils()->isVisible());
        w.active();
        bouton(f, "CmdReduire")->setFocus(Qt::TabFocusReason);
        const QList<QWidget *> vus = tabulations();
        QVERIFY(vus.contains(bouton(f, "CmdBOutils")));
        for (QWidget *cache : {bouton(f, "CmdCompteur"), bouton(f, "CmdLune"), bouton(f, "CmdCopier"),
                               bouton(f, "CmdConfig"), bouton(f, "CmdApropos")})
            QVERIFY2(!vus.contains(cache), qPrintable(cache->objectName()));
    }

    // What assistive technology reads of the main window: role, name, actions.
    void accessibilite()
    {
        Fenetre w;
        FenPrin &f = w.f;
        const QString appui = QAccessibleActionInterface::pressAction();
        const QString menu = QAccessibleActionInterface::showMenuAction();
        const QString focus = QAccessibleActionInterface::setFocusAction();
        const QString lune = bouton(f, "Forme3")->caption();
        QVERIFY(!lune.isEmpty());
        const auto lu = [](QWidget *c) {
            QAccessibleInterface *i = QAccessible::queryAccessibleInterface(c);
            const QStringList a = i->actionInterface() ? i->actionInterface()->actionNames() : QStringList();
            return QStringList{QString::number(i->role()), i->text(QAccessible::Name), a.join(u',')}.join(u'|');
        };
        const auto attendu = [](QAccessible::Role r, const QString &nom, const QStringList &a) {
            return QStringList{QString::number(r), nom, a.join(u',')}.join(u'|');
        };
        const QList<std::pair<QWidget *, QString>> lignes{
            {bouton(f, "CmdDateJour"),
             attendu(QAccessible::Button, "Dimanche 18 novembre 2001, aujourd'hui", {appui, focus})},
            {jour(f, 17), attendu(QAccessible::Cell, "dimanche 18 novembre 2001, aujourd'hui", {appui, focus})},
            {jour(f, 4), attendu(QAccessible::Cell, "lundi 5 novembre 2001", {appui, focus})},
            {bouton(f, "CmdBOutils"), attendu(QAccessible::Button, "Zelund + : boîte à outils", {appui, menu, focus})},
            {bouton(f, "CmdAide"),
             attendu(QAccessible::Button, "Appel de l'aide sur la fenêtre/Appel de l'aide générale",
                     {appui, menu, focus})},
            {bouton(f, "CmdDeplaceFen"), attendu(QAccessible::StaticText, "Zelund", {})},
            {bouton(f, "Forme1"), attendu(QAccessible::Separator, "", {})},
            {bouton(f, "Forme3"), attendu(QAccessible::StaticText, lune, {})}, // the Moon's phase
            {controle<ImageLune>(f, "Image1"), attendu(QAccessible::Graphic, lune, {})}};
        for (const auto &[controle, ligne] : lignes)
            QCOMPARE(lu(controle), ligne);
    }

    // Tab walks the window as it lies, skipping what is hidden or disabled.
    void ordreTab()
    {
        Fenetre w;
        FenPrin &f = w.f;
        w.choisit(date(3, 2, 2001)); // 29 to 31 disabled
        w.active();
        bouton(f, "CmdReduire")->setFocus(Qt::TabFocusReason);
        const QList<QWidget *> vus = tabulations();
        // The day grid is one stop, on the selected day.
        QList<QWidget *> attendus{bouton(f, "CmdReduire"), bouton(f, "CmdFermer"), bouton(f, "CmdDateJour"),
                                  jour(f, 2)};
        attendus << bouton(f, "CmdBOutils") << bouton(f, "CmdAnMois") << bouton(f, "CmdCompteur")
                 << bouton(f, "CmdLune") << bouton(f, "CmdFuseauxHoraires") << bouton(f, "CmdCopier")
                 << bouton(f, "CmdConfig") << bouton(f, "CmdAide") << bouton(f, "CmdApropos");
        QCOMPARE(vus, attendus);
    }
};

QTEST_MAIN(TestClavier)
#include "tst_clavier.moc"
