#include "appearance/config.h"
#include "appearance/configure.h"
#include "base/chargement.h"
#include "base/parametres.h"
#include "support/aidesdemandees.h"
#include "support/cles.h"
#include "support/controle.h"
#include "support/fauxplateforme.h"
#include "ui/vantelbttn.h"
#include "ui/vantelpanel.h"

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
        const QStringList vus = {d.TextCiel->caption(), d.TextLune->caption(), d.TextAnDeb->caption(),
                                 d.TextAnFin->caption()};
        QCOMPARE(vus, montre);
        QCOMPARE(QPoint(Parametres::courant().anneeDebut(), Parametres::courant().anneeFin()),
                 QPoint(montre[2].toInt(), montre[3].toInt()));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(d.AffDemOpt[i]->isChecked(), i == option);
    }

    void edition()
    {
        Banc banc;
        stocke(banc.reglages(), {"", "200 100 50"});
        Configure d;
        d.Vert->setValue(7); // no edit under way: only the preview moves, the colour's OK is refused
        QTest::mouseClick(d.CmdCoulOK, Qt::LeftButton);
        QCOMPARE(d.TextCoul->caption(), QStringLiteral("0 7 0"));
        QTest::mouseClick(d.CmdCoulLune, Qt::LeftButton);
        QTest::mouseClick(d.CmdCoulCiel, Qt::LeftButton); // refused while the Moon's colour is edited
        d.Bleu->setValue(5);
        QCOMPARE(d.CoulReg->backcolor(), QColor(200, 100, 5));
        QCOMPARE(d.TextLune->caption(), QStringLiteral("200 100 50")); // not before the colour's OK
        QTest::mouseClick(d.CmdCoulOK, Qt::LeftButton);
        QCOMPARE(d.TextLune->caption(), QStringLiteral("200 100 5"));
        QCOMPARE(d.CoulLune->backcolor(), QColor(200, 100, 5));
        // The year bars snap to the current year as they move.
        d.ScrollDeb->setValue(2500);
        d.ScrollFin->setValue(1990);
        QCOMPARE(d.TextAnDeb->caption() + d.TextAnFin->caption(), QStringLiteral("20012001"));
        QCOMPARE(Parametres::courant().anneeDebut(), 1700); // the shared range moves only with OK
        QCOMPARE(Config::CaleAnneeDebut(1600, 1400), 1501); // a clock outside the bars' range
        QCOMPARE(Config::CaleAnneeFin(9000, 10000), 9999);
        AidesDemandees aides(&d);
        QTest::mouseClick(d.CmdAide, Qt::LeftButton);
        QTest::mouseClick(d.CmdAide, Qt::RightButton);
        QCOMPARE(aides.sujets(), (QList<int>{3, 0}));
    }

    void ok()
    {
        Banc banc;
        stocke(banc.reglages(), {"", "255 255  255", "1450", "", "Normal"});
        Configure d;
        QTest::mouseClick(d.CmdCoulCiel, Qt::LeftButton);
        d.Rouge->setValue(9);
        QTest::mouseClick(d.CmdOK, Qt::LeftButton); // refused while editing
        QVERIFY(!banc.present(Cles::Ciel, Cles::Couleur));
        QTest::mouseClick(d.CmdCoulOK, Qt::LeftButton);
        QTest::mouseClick(d.CmdCoulLune, Qt::LeftButton);
        d.Vert->setValue(8);
        QTest::mouseClick(d.CmdCoulOK, Qt::LeftButton);
        QTest::mouseClick(d.AffDemOpt[2], Qt::LeftButton);
        d.ScrollFin->setValue(3000);
        QTest::mouseClick(d.CmdOK, Qt::LeftButton);

        // Only what was changed is written, as the file spells it: the first year
        // left alone stays as stored, while the run takes every value shown.
        QCOMPARE(banc.contenuFichier(),
                 (QStringList{"Année de début/Valeur=1450", "Année de fin/Valeur=3000",
                              "Couleur des étoiles/Couleur=255 8 255", "Couleur du ciel/Couleur=9 119 119",
                              "Style d'affichage au démarrage/Style=AffichePhasesLune"}));
        QCOMPARE(Parametres::courant().ciel(), (Base::Rgb{9, 119, 119}));
        QCOMPARE(Parametres::courant().etoiles(), (Base::Rgb{255, 8, 255}));
        QCOMPARE(QPoint(Parametres::courant().anneeDebut(), Parametres::courant().anneeFin()), QPoint(1600, 3000));
    }

    void autreProgramme_data()
    {
        QTest::addColumn<bool>("pendant"); // the other program writes while the dialog is open
        QTest::addColumn<bool>("changeCiel");
        QTest::addColumn<QStringList>("attendu");
        const QStringList autre = {"1 2 3", "4 5 6", "1800", "2200", "AfficheCompteur"};
        QTest::newRow("avant l'ouverture, OK sans rien toucher") << false << false << autre;
        QTest::newRow("pendant le dialogue, OK sans rien toucher") << true << false << autre;
        QTest::newRow("pendant le dialogue, le ciel changé")
            << true << true << QStringList{"0 119 119", "4 5 6", "1800", "2200", "AfficheCompteur"};
    }
    // Another copy of the program, or any program, changes the store while
    // this one runs: the dialog shows it, and OK puts back only what was changed.
    void autreProgramme()
    {
        QFETCH(bool, pendant);
        QFETCH(bool, changeCiel);
        QFETCH(QStringList, attendu);
        Banc banc;
        stocke(banc.reglages(), {"119 119 119", "255 255 255", "1700", "2100", "Normal"});
        const auto ecritAutre = [&] {
            QTemporaryDir ailleurs;
            const QString copie = ailleurs.filePath(QStringLiteral("Zelund.conf"));
            Reglages autre(copie);
            stocke(autre, {"1 2 3", "4 5 6", "1800", "2200", "AfficheCompteur"});
            QVERIFY(std::rename(QFile::encodeName(copie), QFile::encodeName(banc.fichierReglages())) == 0);
        };
        if (!pendant)
            ecritAutre();
        Configure d;
        if (pendant)
            ecritAutre();
        else
            QCOMPARE(d.TextCiel->caption() + d.TextAnDeb->caption(), QStringLiteral("1 2 31800"));
        if (changeCiel) {
            QTest::mouseClick(d.CmdCoulCiel, Qt::LeftButton);
            d.Rouge->setValue(0);
            QTest::mouseClick(d.CmdCoulOK, Qt::LeftButton);
        }
        QTest::mouseClick(d.CmdOK, Qt::LeftButton);
        QCOMPARE(stockees(Reglages(banc.fichierReglages())), attendu);
    }

    void sortieSansEcrire_data()
    {
        QTest::addColumn<bool>("annuler"); // otherwise closed while a colour is being edited
        QTest::newRow("Annuler") << true;
        QTest::newRow("Fermer pendant une édition") << false;
    }

    void sortieSansEcrire()
    {
        QFETCH(bool, annuler);
        Banc banc;
        const QStringList avant = {"1 2 3", "", "1450", "2300", ""};
        stocke(banc.reglages(), avant);
        Parametres::courant().metEtoiles(Base::Rgb{4, 5, 6}, Parametres::Ecriture::Non);
        Configure d;
        d.show();
        QTest::mouseClick(d.CmdCoulLune, Qt::LeftButton);
        d.Rouge->setValue(99);
        if (annuler)
            QTest::mouseClick(d.CmdCoulOK, Qt::LeftButton);
        d.ScrollDeb->setValue(1900);
        QTest::mouseClick(annuler ? d.CmdAnnul : bouton(d, "CmdFermer"), Qt::LeftButton);

        QVERIFY(!d.isVisible());
        QCOMPARE(stockees(Reglages(banc.fichierReglages())), avant);
        // The main window keeps its colours and takes the range the dialog read.
        QCOMPARE(Parametres::courant().ciel(), (Base::Rgb{119, 119, 119}));
        QCOMPARE(Parametres::courant().etoiles(), (Base::Rgb{4, 5, 6}));
        QCOMPARE(QPoint(Parametres::courant().anneeDebut(), Parametres::courant().anneeFin()), QPoint(1600, 2300));
    }

    // Tab reaches every value, and each bar answers the keys of a slider.
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
        QTest::newRow("fin, page suivante: cette année") << "ScrollFin" << int(Qt::Key_PageDown) << "2001";
    }
    void barresAuClavier()
    {
        QFETCH(QString, barre);
        QFETCH(int, touche);
        QFETCH(QString, vu);
        Banc banc;
        Configure d;
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        const bool couleur = barre.size() < 6;
        if (couleur)
            QTest::keyClick(d.CmdCoulCiel, Qt::Key_Space);
        QWidget *cible = d.findChild<QWidget *>(barre);
        for (int i = 0; i < 20 && QApplication::focusWidget() != cible; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), cible);
        QTest::keyClick(cible, Qt::Key(touche));
        QCOMPARE(couleur                ? d.TextCoul->caption()
                 : barre == "ScrollDeb" ? d.TextAnDeb->caption()
                                        : d.TextAnFin->caption(),
                 vu);
        // Return confirms the colour, then keeps the edits and closes.
        QTest::keyClick(cible, Qt::Key_Return);
        if (couleur) {
            QCOMPARE(d.TextCiel->caption(), vu);
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
        QTest::newRow("Entrée sur Annuler") << "Annuler" << int(Qt::Key_Return) << false << false << QList<int>{};
        QTest::newRow("Entrée sur Aide") << "Aide" << int(Qt::Key_Return) << true << false << QList<int>{3};
        QTest::newRow("Entrée du pavé sur Aide") << "Aide" << int(Qt::Key_Enter) << true << false << QList<int>{3};
        QTest::newRow("Entrée sur Couleur du ciel")
            << "Couleur du ciel" << int(Qt::Key_Return) << true << false << QList<int>{};
        QTest::newRow("Échap sur Aide") << "Aide" << int(Qt::Key_Escape) << false << false << QList<int>{};
        QTest::newRow("Entrée sur une option") << "Normal" << int(Qt::Key_Return) << false << true << QList<int>{};
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
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        const QList<QWidget *> controles{d.CmdAnnul, d.CmdAide, d.CmdCoulCiel, d.AffDemOpt[0]};
        QWidget *cible = *std::find_if(controles.begin(), controles.end(),
                                       [&](QWidget *w) { return w->property("text").toString() == controle; });
        cible->setFocus(Qt::TabFocusReason);
        // OK writes only what changed, so the press itself is what is watched.
        QSignalSpy appuis(d.CmdOK, &VantelBttn::clicked);
        AidesDemandees demandees(&d);
        QTest::keyClick(cible, Qt::Key(touche));
        QCOMPARE(d.isVisible(), ouverte);
        QCOMPARE(appuis.count(), valide ? 1 : 0);
        QCOMPARE(demandees.sujets(), aides);
        QCOMPARE(d.editionEnCours(), controle == "Couleur du ciel");
    }
};

QTEST_MAIN(TestConfigure)
#include "tst_configure.moc"
