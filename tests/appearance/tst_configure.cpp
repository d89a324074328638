#include "appearance/config.h"
#include "appearance/configure.h"
#include "base/parametres.h"
#include "support/aidesdemandees.h"
#include "support/cles.h"
#include "support/controle.h"
#include "support/fauxplateforme.h"
#include "ui/vantelpanel.h"

#include <QAccessible>
#include <QApplication>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {
// Sky, stars, first year, last year, style, as the file spells them.
const std::array<std::pair<QString, QString>, 5> cinqCles = {{{Cles::Ciel, Cles::Couleur},
                                                              {Cles::Etoiles, Cles::Couleur},
                                                              {Cles::AnneeDebut, Cles::Valeur},
                                                              {Cles::AnneeFin, Cles::Valeur},
                                                              {Cles::StyleSection, Cles::Style}}};

// An empty text stays missing.
void stocke(Reglages &r, const QStringList &cinq)
{
    for (qsizetype i = 0; i < cinq.size(); ++i)
        if (!cinq[i].isEmpty())
            r.ecrit(cinqCles[std::size_t(i)].first, cinqCles[std::size_t(i)].second, cinq[i]);
}

QStringList stockees(const Reglages &r)
{
    QStringList s;
    for (const auto &[section, cle] : cinqCles)
        s << r.lit(section, cle);
    return s;
}

// What a value panel of the dialog shows.
QString vu(const Configure &d, const QString &nom)
{
    return controle<VantelPanel>(d, nom)->caption();
}

void clique(const Configure &d, const char *nom)
{
    QTest::mouseClick(bouton(d, nom), Qt::LeftButton);
}

void regle(const Configure &d, const char *barre, int valeur)
{
    controle<QScrollBar>(d, barre)->setValue(valeur);
}

void active(Configure &d)
{
    d.show();
    d.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&d));
}
} // namespace

// The configuration dialog: what it opens on, its colour editor, the year
// bars, and what each way out leaves in the store and the shared values.
class TestConfigure : public QObject
{
    Q_OBJECT
private slots:
    void ouverture_data()
    {
        QTest::addColumn<QStringList>("store");
        QTest::addColumn<QStringList>("montre"); // sky text, star text, first year, last year
        QTest::addColumn<int>("option");
        const QString gris = QStringLiteral("119 119 119"), blanc = QStringLiteral("255 255 255");
        QTest::newRow("valeurs lues") << QStringList{"10 20 30", "200 210  220", "1800", "2200", "AfficheCompteur"}
                                      << QStringList{"10 20 30", "200 210  220", "1800", "2200"} << 1;
        QTest::newRow("1450 -> 1600, 12000 -> 9999") << QStringList{"", "", "1450", "12000", "AffichePhasesLune"}
                                                     << QStringList{gris, blanc, "1600", "9999"} << 2;
        QTest::newRow("plage sans aujourd'hui")
            << QStringList{"", "", "2050", "1900", ""} << QStringList{gris, blanc, "2001", "2001"} << -1;
        QTest::newRow("illisibles") << QStringList{"119,119,119", "1 2 300", "mil", "", "normal"}
                                    << QStringList{gris, blanc, "1700", "2100"} << -1;
    }
    // What the dialog shows, and the range the main window will take back.
    void ouverture()
    {
        QFETCH(QStringList, store);
        QFETCH(QStringList, montre);
        QFETCH(int, option);
        Banc banc;
        stocke(banc.reglages(), store);
        Configure d;
        QCOMPARE((QStringList{vu(d, "TextCiel"), vu(d, "TextLune"), vu(d, "TextAnDeb"), vu(d, "TextAnFin")}), montre);
        QCOMPARE(QPoint(Parametres::courant().anneeDebut(), Parametres::courant().anneeFin()),
                 QPoint(montre[2].toInt(), montre[3].toInt()));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(controle<QRadioButton>(d, QStringLiteral("AffDemOpt_%1").arg(i))->isChecked(), i == option);
    }

    // Each colour is edited alone and kept by its own OK; the dialog's OK
    // writes only what was changed, as the file spells it, while the run
    // takes every value shown.
    void editionPuisOk()
    {
        Banc banc;
        stocke(banc.reglages(), {"", "200 100 50", "1450", "", "Normal"});
        Configure d;
        regle(d, "Vert", 7); // no edit under way: only the preview moves, the colour's OK is refused
        clique(d, "CmdCoulOK");
        QCOMPARE(vu(d, "TextCoul"), QStringLiteral("0 7 0"));
        clique(d, "CmdCoulLune");
        clique(d, "CmdCoulCiel"); // refused while the Moon's colour is edited
        regle(d, "Bleu", 5);
        QCOMPARE(controle<VantelPanel>(d, "CoulReg")->backcolor(), QColor(200, 100, 5));
        clique(d, "CmdOK");                                        // refused while editing
        QCOMPARE(vu(d, "TextLune"), QStringLiteral("200 100 50")); // not before the colour's OK
        clique(d, "CmdCoulOK");
        QCOMPARE(vu(d, "TextLune"), QStringLiteral("200 100 5"));
        QCOMPARE(controle<VantelPanel>(d, "CoulLune")->backcolor(), QColor(200, 100, 5));
        clique(d, "CmdCoulCiel");
        regle(d, "Rouge", 9);
        clique(d, "CmdCoulOK");
        // The year bars snap to the current year as they move; the shared range moves only with OK.
        regle(d, "ScrollDeb", 2500);
        regle(d, "ScrollFin", 1990);
        QCOMPARE(vu(d, "TextAnDeb") + vu(d, "TextAnFin"), QStringLiteral("20012001"));
        QCOMPARE(Parametres::courant().anneeDebut(), 1600);
        QCOMPARE(Config::CaleAnneeDebut(1600, 1400), 1501); // a clock outside the bars' range
        QCOMPARE(Config::CaleAnneeFin(9000, 10000), 9999);
        regle(d, "ScrollDeb", 1600);
        regle(d, "ScrollFin", 3000);
        QTest::mouseClick(controle(d, "AffDemOpt_2"), Qt::LeftButton);
        AidesDemandees aides(&d);
        clique(d, "CmdAide");
        QTest::mouseClick(bouton(d, "CmdAide"), Qt::RightButton);
        QCOMPARE(aides.sujets(), (QList<int>{3, 0}));
        clique(d, "CmdOK");
        QCOMPARE(banc.contenuFichier(),
                 (QStringList{"Année de début/Valeur=1450", "Année de fin/Valeur=3000",
                              "Couleur des étoiles/Couleur=200 100 5", "Couleur du ciel/Couleur=9 119 119",
                              "Style d'affichage au démarrage/Style=AffichePhasesLune"}));
        QCOMPARE(Parametres::courant().ciel(), (Base::Rgb{9, 119, 119}));
        QCOMPARE(Parametres::courant().etoiles(), (Base::Rgb{200, 100, 5}));
        QCOMPARE(QPoint(Parametres::courant().anneeDebut(), Parametres::courant().anneeFin()), QPoint(1600, 3000));
    }

    // Another copy of the program, or any program, changes the store while
    // this one runs: the dialog shows it, and OK puts back only what was changed.
    void autreProgramme_data()
    {
        QTest::addColumn<bool>("pendant"); // the other program writes while the dialog is open
        QTest::addColumn<bool>("changeCiel");
        QTest::addColumn<QString>("ciel");
        QTest::newRow("avant l'ouverture, OK sans rien toucher") << false << false << "1 2 3";
        QTest::newRow("pendant le dialogue, OK sans rien toucher") << true << false << "1 2 3";
        QTest::newRow("pendant le dialogue, le ciel changé") << true << true << "0 119 119";
    }
    void autreProgramme()
    {
        QFETCH(bool, pendant);
        QFETCH(bool, changeCiel);
        QFETCH(QString, ciel);
        Banc banc;
        stocke(banc.reglages(), {"119 119 119", "255 255 255", "1700", "2100", "Normal"});
        const QStringList autre = {"1 2 3", "4 5 6", "1800", "2200", "AfficheCompteur"};
        const auto ecritAutre = [&] {
            QTemporaryDir ailleurs;
            const QString copie = ailleurs.filePath(QStringLiteral("Zelund.conf"));
            Reglages r(copie);
            stocke(r, autre);
            QVERIFY(std::rename(QFile::encodeName(copie), QFile::encodeName(banc.fichierReglages())) == 0);
        };
        if (!pendant)
            ecritAutre();
        Configure d;
        if (pendant)
            ecritAutre();
        else
            QCOMPARE(vu(d, "TextCiel") + vu(d, "TextAnDeb"), QStringLiteral("1 2 31800"));
        if (changeCiel) {
            clique(d, "CmdCoulCiel");
            regle(d, "Rouge", 0);
            clique(d, "CmdCoulOK");
        }
        clique(d, "CmdOK");
        QCOMPARE(stockees(Reglages(banc.fichierReglages())), QStringList(autre).replaceInStrings("1 2 3", ciel));
    }

    // Annuler, or the close button in the middle of an edit: nothing written,
    // the main window keeps its colours and takes the range the dialog read.
    void sortieSansEcrire_data()
    {
        QTest::addColumn<QString>("sortie");
        QTest::newRow("Annuler") << "CmdAnnul";
        QTest::newRow("Fermer pendant une édition") << "CmdFermer";
    }
    void sortieSansEcrire()
    {
        QFETCH(QString, sortie);
        Banc banc;
        const QStringList avant = {"1 2 3", "", "1450", "2300", ""};
        stocke(banc.reglages(), avant);
        Parametres::courant().metEtoiles(Base::Rgb{4, 5, 6}, Parametres::Ecriture::Non);
        Configure d;
        d.show();
        clique(d, "CmdCoulLune");
        regle(d, "Rouge", 99);
        if (sortie == "CmdAnnul")
            clique(d, "CmdCoulOK");
        regle(d, "ScrollDeb", 1900);
        QTest::mouseClick(bouton(d, sortie), Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QCOMPARE(stockees(Reglages(banc.fichierReglages())), avant);
        QCOMPARE(Parametres::courant().ciel(), (Base::Rgb{119, 119, 119}));
        QCOMPARE(Parametres::courant().etoiles(), (Base::Rgb{4, 5, 6}));
        QCOMPARE(QPoint(Parametres::courant().anneeDebut(), Parametres::courant().anneeFin()), QPoint(1600, 2300));
    }

    // Tab reaches every value, and each bar answers the keys of a slider; a
    // year bar and its label point at each other.
    void barresAuClavier_data()
    {
        QTest::addColumn<QString>("barre");
        QTest::addColumn<int>("touche");
        QTest::addColumn<QString>("vu"); // the colour being edited, or the year shown
        QTest::newRow("rouge, droite") << "Rouge" << int(Qt::Key_Right) << "120 119 119";
        QTest::newRow("vert, gauche") << "Vert" << int(Qt::Key_Left) << "119 118 119";
        QTest::newRow("bleu, page suivante") << "Bleu" << int(Qt::Key_PageDown) << "119 119 109";
        QTest::newRow("vert, haut") << "Vert" << int(Qt::Key_Up) << "119 120 119";
        QTest::newRow("rouge, fin") << "Rouge" << int(Qt::Key_End) << "255 119 119";
        QTest::newRow("bleu, début") << "Bleu" << int(Qt::Key_Home) << "119 119 0";
        QTest::newRow("début, fin: cette année") << "ScrollDeb" << int(Qt::Key_End) << "2001";
        QTest::newRow("fin, page précédente") << "ScrollFin" << int(Qt::Key_PageUp) << "2200";
    }
    void barresAuClavier()
    {
        QFETCH(QString, barre);
        QFETCH(int, touche);
        QFETCH(QString, vu);
        Banc banc;
        Configure d;
        active(d);
        const bool couleur = barre.size() < 6;
        if (couleur)
            QTest::keyClick(bouton(d, "CmdCoulCiel"), Qt::Key_Space);
        QWidget *cible = controle(d, barre);
        for (int i = 0; i < 20 && QApplication::focusWidget() != cible; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), cible);
        QTest::keyClick(cible, Qt::Key(touche));
        QCOMPARE(::vu(d, couleur ? "TextCoul" : barre == "ScrollDeb" ? "TextAnDeb" : "TextAnFin"), vu);
        if (!couleur) {
            QAccessibleInterface *lue = QAccessible::queryAccessibleInterface(cible);
            QAccessibleInterface *etiquette = lue->relations(QAccessible::Label).value(0).first;
            QVERIFY(etiquette && etiquette->text(QAccessible::Name).startsWith(lue->text(QAccessible::Name)));
            QCOMPARE(etiquette->relations(QAccessible::Labelled).value(0).first, lue);
        }
        // Return confirms the colour, then keeps the edits and closes.
        QTest::keyClick(cible, Qt::Key_Return);
        if (couleur) {
            QCOMPARE(::vu(d, "TextCiel"), vu);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QVERIFY(!d.isVisible());
        QVERIFY(stockees(banc.reglages()).contains(vu));
    }

    // Return and Space press the focused button; Return means OK elsewhere only.
    void entreeSurUnBouton_data()
    {
        QTest::addColumn<QString>("controle");
        QTest::addColumn<int>("touche");
        QTest::addColumn<bool>("ouverte");
        QTest::addColumn<bool>("valide"); // OK pressed
        QTest::addColumn<QList<int>>("aides");
        QTest::newRow("Entrée sur Annuler") << "CmdAnnul" << int(Qt::Key_Return) << false << false << QList<int>{};
        QTest::newRow("Entrée sur Aide") << "CmdAide" << int(Qt::Key_Return) << true << false << QList<int>{3};
        QTest::newRow("Entrée du pavé sur Aide") << "CmdAide" << int(Qt::Key_Enter) << true << false << QList<int>{3};
        QTest::newRow("Entrée sur Couleur du ciel")
            << "CmdCoulCiel" << int(Qt::Key_Return) << true << false << QList<int>{};
        QTest::newRow("Échap sur Aide") << "CmdAide" << int(Qt::Key_Escape) << false << false << QList<int>{};
        QTest::newRow("Entrée sur une option") << "AffDemOpt_0" << int(Qt::Key_Return) << false << true << QList<int>{};
    }
    void entreeSurUnBouton()
    {
        QFETCH(QString, controle);
        QFETCH(int, touche);
        QFETCH(bool, ouverte);
        QFETCH(bool, valide);
        QFETCH(QList<int>, aides);
        Banc banc;
        Configure d;
        active(d);
        QWidget *cible = d.findChild<QWidget *>(controle);
        cible->setFocus(Qt::TabFocusReason);
        // OK writes only what changed, so the press itself is what is watched.
        QSignalSpy appuis(bouton(d, "CmdOK"), &VantelBttn::clicked);
        AidesDemandees demandees(&d);
        QTest::keyClick(cible, Qt::Key(touche));
        QCOMPARE(d.isVisible(), ouverte);
        QCOMPARE(appuis.count(), valide ? 1 : 0);
        QCOMPARE(demandees.sujets(), aides);
        QCOMPARE(d.editionEnCours(), controle == "CmdCoulCiel");
    }
};

QTEST_MAIN(TestConfigure)
#include "tst_configure.moc"
