#include "base/chargement.h"
#include "base/partage.h"
#include "base/reglages.h"
#include "main/fenboutils.h"
#include "main/fenprin.h"
#include "main/popupinfos.h"
#include "moon/imagelune.h"
#include "support/fauxplateforme.h"
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

struct Fenetre
{
    Banc banc;
    FenPrin f;
    Fenetre()
    {
        banc.reglages().ecrit(Cles::Conseils, Cles::ConseilDemarrage, Cles::Non);
        banc.reglages().ecrit(Cles::AnneeDebut, Cles::Valeur, QStringLiteral("1501"));
        f.charge();
    }
    void choisit(const Dates::JourMoisAn &d)
    {
        f.LDAnnee->setCurrentIndex(d.annee - partage().anneeDebut);
        f.LDMois->setCurrentIndex(d.mois - 1);
        QTest::mouseClick(f.Jour[d.jour - 1], Qt::LeftButton);
    }
    Dates::JourMoisAn selection() const { return {f.jourCourant(), f.MoisChoisi(), f.AnneeChoisie()}; }
    // What the window shows of its selection.
    QStringList vue() const
    {
        return {f.CmdDateJour->caption(), f.dateSelection(), f.Forme[3]->caption(),
                QString::number(f.valeurSelection())};
    }
};

QAccessibleActionInterface *actions(QWidget *w)
{
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
    return i ? i->actionInterface() : nullptr;
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
        QTest::newRow("page suivante") << date(31, 1, 2001) << int(Qt::Key_PageDown) << aucun << date(28, 2, 2001);
        QTest::newRow("année précédente")
            << date(18, 11, 2001) << int(Qt::Key_PageUp) << int(Qt::ControlModifier) << date(18, 11, 2000);
        QTest::newRow("année suivante, pavé") << date(18, 11, 2001) << int(Qt::Key_PageDown)
                                              << int(Qt::ControlModifier | Qt::KeypadModifier) << date(18, 11, 2002);
        QTest::newRow("aujourd'hui") << date(5, 3, 1900) << int(Qt::Key_Home) << aucun << date(18, 11, 2001);
        QTest::newRow("bout de la liste") << date(31, 12, 2100) << int(Qt::Key_Right) << aucun << date(31, 12, 2100);
    }
    void grilleAuClavier()
    {
        QFETCH(Dates::JourMoisAn, depart);
        QFETCH(int, touche);
        QFETCH(int, modificateurs);
        QFETCH(Dates::JourMoisAn, arrivee);
        Fenetre w;
        w.choisit(depart);
        QTest::keyClick(w.f.Jour[depart.jour - 1], Qt::Key(touche), Qt::KeyboardModifiers(modificateurs));
        QCOMPARE(w.selection(), arrivee);
        QVERIFY(w.f.Jour[arrivee.jour - 1]->hasFocus() || !w.f.isActiveWindow());
        // Exactly what the mouse shows for that day.
        const QStringList auClavier = w.vue();
        w.choisit(date(1, 1, 2001));
        w.choisit(arrivee);
        QCOMPARE(auClavier, w.vue());
    }

    void copieAuClavier()
    {
        Fenetre w;
        w.f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.f));
        QTest::keyClick(w.f.Jour[4], Qt::Key_C, Qt::ControlModifier);
        QTest::mouseClick(w.f.CmdCopier, Qt::LeftButton);
        QCOMPARE(w.banc.plateforme.pressePapiers.size(), 2);
        QCOMPARE(w.banc.plateforme.pressePapiers[0], w.banc.plateforme.pressePapiers[1]);
    }

    // Space and the accessible "Press" do what the left press does; the
    // context-menu key and "ShowMenu" what the right one does.
    void boutonsAuClavier()
    {
        Fenetre w;
        FenPrin &f = w.f;
        QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget() : f.focusWidget(), f.Jour[17]);
        // A list's name is its value; its label says what it is.
        const auto etiquettes = QAccessible::queryAccessibleInterface(f.LDAnnee)->relations(QAccessible::Label);
        QVERIFY(!etiquettes.isEmpty());
        QCOMPARE(etiquettes.first().first->text(QAccessible::Name), QStringLiteral("Année"));
        QCOMPARE(QAccessible::queryAccessibleInterface(f.CmdAnMois)->text(QAccessible::Name),
                 QStringLiteral("Choisir le mois et l'année"));
        QTest::keyClick(f.CmdAnMois, Qt::Key_Menu);
        QCOMPARE(f.CmdAnMois->caption(), QStringLiteral("18/11/2001"));
        QCOMPARE(QAccessible::queryAccessibleInterface(f.CmdAnMois)->text(QAccessible::Name),
                 QStringLiteral("18/11/2001"));
        QTest::keyClick(f.CmdAnMois, Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(f.CmdAnMois->caption(), QString());
        // The name comes back with the empty caption.
        QCOMPARE(QAccessible::queryAccessibleInterface(f.CmdAnMois)->text(QAccessible::Name),
                 QStringLiteral("Choisir le mois et l'année"));
        QTest::keyClick(f.CmdAnMois, Qt::Key_Space);
        QVERIFY(f.CmdAnMois->isHidden() && f.LDAnnee->isVisibleTo(&f));
        actions(f.CmdBOutils)->doAction(QAccessibleActionInterface::showMenuAction());
        QVERIFY(f.CmdAnMois->isVisibleTo(&f) && f.LDAnnee->isHidden()); // the covered lists leave the Tab order
        actions(f.CmdBOutils)->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(f.boiteOutils() && partage().bOutilsAffichee);
        QTest::keyClick(f.CmdBOutils, Qt::Key_Return);
        QVERIFY(!partage().bOutilsAffichee);
        actions(f.CmdAide)->doAction(QAccessibleActionInterface::pressAction());
        QTest::keyClick(f.CmdAide, Qt::Key_Menu);
        QCOMPARE(w.banc.plateforme.aides, (QList<int>{1, 0}));
        QTest::keyClick(f.CmdApropos, Qt::Key_Space);
        QVERIFY(f.popUpInfos->isVisible());
        QTest::keyClick(f.popUpInfos->CmdReset, Qt::Key_Escape);
        QVERIFY(f.popUpInfos->isHidden());
        // The counter's controls below the short window's edge are out of reach.
        QVERIFY(f.CmdPremDate->isHidden() && f.CmdDateAJ->isHidden());
        QTest::keyClick(f.CmdCompteur, Qt::Key_Space);
        QVERIFY(f.CmdPremDate->isVisible() && f.CmdDateAJ->isVisible());
    }

    // What assistive technology reads of the main window.
    void accessibilite_data()
    {
        QTest::addColumn<QString>("controle");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QStringList>("actions");
        const QString appui = QAccessibleActionInterface::pressAction();
        const QString menu = QAccessibleActionInterface::showMenuAction();
        const QString focus = QAccessibleActionInterface::setFocusAction();
        const int bouton = QAccessible::Button;
        QTest::newRow("date") << "CmdDateJour" << bouton << "Dimanche 18 novembre 2001" << QStringList{appui, focus};
        QTest::newRow("jour choisi") << "Jour17" << bouton << "dimanche 18 novembre 2001, aujourd'hui, jour sélectionné"
                                     << QStringList{appui, focus};
        QTest::newRow("jour") << "Jour4" << bouton << "lundi 5 novembre 2001" << QStringList{appui, focus};
        QTest::newRow("boîte à outils") << "CmdBOutils" << bouton << "Zelund +" << QStringList{appui, menu, focus};
        QTest::newRow("aide") << "CmdAide" << bouton << "Appel de l'aide sur la fenêtre/Appel de l'aide générale"
                              << QStringList{appui, menu, focus};
        QTest::newRow("fermer") << "CmdFermer" << bouton << "Fermer" << QStringList{appui, focus};
        QTest::newRow("titre") << "CmdDeplaceFen" << int(QAccessible::StaticText) << "Zelund" << QStringList{};
        QTest::newRow("bande") << "Forme1" << int(QAccessible::Separator) << "" << QStringList{};
        QTest::newRow("phase") << "Forme3" << int(QAccessible::StaticText) << "" << QStringList{};
        QTest::newRow("lune") << "Image1" << int(QAccessible::Graphic) << "" << QStringList{};
    }
    void accessibilite()
    {
        QFETCH(QString, controle);
        QFETCH(int, role);
        QFETCH(QString, nom);
        QFETCH(QStringList, actions);
        Fenetre w;
        FenPrin &f = w.f;
        QHash<QString, QWidget *> controles{{"CmdDateJour", f.CmdDateJour},
                                            {"Jour17", f.Jour[17]},
                                            {"Jour4", f.Jour[4]},
                                            {"CmdBOutils", f.CmdBOutils},
                                            {"CmdAide", f.CmdAide},
                                            {"CmdFermer", f.CmdFermer},
                                            {"CmdDeplaceFen", f.CmdDeplaceFen},
                                            {"Forme1", f.Forme[1]},
                                            {"Forme3", f.Forme[3]},
                                            {"Image1", f.Image1}};
        QAccessibleInterface *i = QAccessible::queryAccessibleInterface(controles.value(controle));
        QVERIFY(i);
        QCOMPARE(int(i->role()), role);
        if (nom.isEmpty() && role != QAccessible::Separator) // the Moon's caption
            QVERIFY(i->text(QAccessible::Name) == f.Forme[3]->caption() && !f.Forme[3]->caption().isEmpty());
        else
            QCOMPARE(i->text(QAccessible::Name), nom);
        QCOMPARE(i->actionInterface() ? i->actionInterface()->actionNames() : QStringList(), actions);
    }

    // Tab walks the window as it lies, skipping what is hidden or disabled.
    void ordreTab()
    {
        Fenetre w;
        FenPrin &f = w.f;
        w.choisit(date(3, 2, 2001)); // 29 to 31 disabled
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.CmdReduire->setFocus(Qt::TabFocusReason);
        QList<QWidget *> vus;
        for (int i = 0; i < 60 && !vus.contains(QApplication::focusWidget()); ++i) {
            vus << QApplication::focusWidget();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QList<QWidget *> attendus{f.CmdReduire, f.CmdFermer, f.CmdDateJour};
        for (int i = 0; i < 28; ++i)
            attendus << f.Jour[i];
        attendus << f.CmdBOutils << f.CmdAnMois << f.CmdCompteur << f.CmdLune << f.CmdFuseauxHoraires << f.CmdCopier
                 << f.CmdConfig << f.CmdAide << f.CmdApropos;
        QCOMPARE(vus, attendus);
    }
};

QTEST_MAIN(TestClavier)
#include "tst_clavier.moc"
