#include "aide/conseils.h"
#include "appearance/configure.h"
#include "base/chargement.h"
#include "base/parametres.h"
#include "main/fenboutils.h"
#include "main/fenprin.h"
#include "main/popupinfos.h"
#include "moon/imagelune.h"
#include "support/controle.h"
#include "support/fenprinchargee.h"
#include "ui/vantelbttn.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>

namespace {
// Days whose buttons can be clicked, as "1".."31" flags.
QString motif(const FenPrin &f)
{
    QString s;
    for (int i = 0; i < 31; ++i)
        s += jour(f, i)->isEnabled() ? QLatin1Char('1') : QLatin1Char('.');
    return s;
}

// Tips windows on screen.
int conseilsVisibles()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        n += qobject_cast<Conseils *>(w) && w->isVisible();
    return n;
}
struct Fenetre : FenPrinChargee
{
    QWidget *menu() const { return controle(f, "PopUpInfos"); }
    void changeCouleur(int couleur)
    {
        clique(std::array{"CmdCoulDeb", "CmdCoulFin", "CmdCoulTxt", "CmdLumiere", "CmdAutrTxt", "CmdCoulFondFen",
                          "CmdCoulVisu"}[std::size_t(couleur)]);
    }
    QString lit(int couleur) { return banc.relu(Cles::SectionCouleurs, Cles::CouleursCles[couleur]); }
};
} // namespace

// The main window: its load, tooltips, buttons, the menu panel's commands
// and the outside programs they call.
class TestFenPrin : public QObject
{
    Q_OBJECT
private slots:
    void premierChargement()
    {
        Banc banc;
        FenPrin f;
        bool splashFerme = false;
        QVERIFY(f.charge([&] { splashFerme = true; }));
        QVERIFY(splashFerme && f.isVisible());
        QCOMPARE(controle<QComboBox>(f, "LDAnnee")->count(), 401);
        QCOMPARE(QDate(f.anneeChoisie(), f.moisChoisi(), f.jourCourant()), QDate(2001, 11, 18));
        QCOMPARE(motif(f), QString(30, QLatin1Char('1')) + QLatin1Char('.'));
        QVERIFY(controle<QComboBox>(f, "LDAnnee")->isHidden() && controle<QComboBox>(f, "LDMois")->isHidden());
        QVERIFY(banc.plateforme.messages.isEmpty());
        // A first start shows the tips, once the main window is on screen, and stores the choice.
        QCOMPARE(conseilsVisibles(), 0);
        QTRY_COMPARE(conseilsVisibles(), 1);
        QCOMPARE(banc.relu(Cles::Conseils, Cles::ConseilDemarrage), Cles::Oui);
        // The default colours are painted, the lower strips the other way, yet
        // nothing about colours reaches the store until the user changes one.
        QCOMPARE(bouton(f, "CmdDeplaceFen")->gradientColorStart(), QColor(0, 128, 128));
        QCOMPARE(bouton(f, "Forme2")->gradientColorStart(), QColor(224, 224, 224));
        QCOMPARE(bouton(f, "CmdDeplaceFen")->highlightColor(), QColor(0x6C, 0xFF, 0xDE));
        QVERIFY(!banc.present(Cles::SectionCouleurs, Cles::CouleursCles[0]));
        // The lists drive the grid; the year alone refreshes it too, once start-up is over.
        controle<QComboBox>(f, "LDMois")->setCurrentIndex(1);
        controle<QComboBox>(f, "LDAnnee")->setCurrentIndex(2000 - 1700);
        QCOMPARE(motif(f), QString(29, QLatin1Char('1')) + "..");
        controle<QComboBox>(f, "LDAnnee")->setCurrentIndex(1900 - 1700);
        QCOMPARE(motif(f), QString(28, QLatin1Char('1')) + "...");
    }

    // The true Moon on hovering the picture or its caption, the week and the
    // holiday on hovering a day; the captions stay as they were.
    void infoBulles()
    {
        Banc banc;
        FenPrin f;
        QVERIFY(f.charge());
        QCOMPARE(jour(f, 10)->accessibleDescription(),
                 QStringLiteral("Dimanche 11 novembre 2001\nSemaine 45, jour 315 de l'année\n"
                                "Jour férié : Armistice 1918\nDouble-clic ou Ctrl+E : éphéméride du jour"));
        QCOMPARE(jour(f, 10)->caption(), QStringLiteral("11"));
        controle<QComboBox>(f, "LDMois")->setCurrentIndex(5);
        controle<QComboBox>(f, "LDAnnee")->setCurrentIndex(2002 - 1700);
        jour(f, 19)->click();
        const QString lune = controle<ImageLune>(f, "Image1")->infoBulle();
        QCOMPARE(lune.split(QLatin1Char('\n')).size(), 7);
        // 21 h 42 UT: the 24th or the 25th according to the machine's time zone.
        QVERIFY2(lune.contains(QRegularExpression(QStringLiteral("\nPleine lune : (lundi 24|mardi 25) juin 2002 à "))),
                 qPrintable(lune));
        QCOMPARE(bouton(f, "Forme3")->accessibleDescription(), lune);
        QCOMPARE(controle<ImageLune>(f, "Image1")->accessibleDescription(), lune);
        QCOMPARE(bouton(f, "Forme3")->caption(), QStringLiteral("Lune croissante"));
        bouton(f, "CmdLune")->click();
        QTest::mouseMove(controle<ImageLune>(f, "Image1"), QPoint(5, 5));
        QCOMPARE(controle<ImageLune>(f, "Image1")->toolTip(), lune);
        Parametres::courant().metInfoBulles(false);
        QTest::mouseMove(controle<ImageLune>(f, "Image1"), QPoint(9, 9));
        QCOMPARE(controle<ImageLune>(f, "Image1")->toolTip(), QString());
    }

    // A date from the command line is selected as if picked.
    void dateDeDemarrage()
    {
        Banc banc;
        banc.reglages().ecrit(Cles::AnneeDebut, Cles::Valeur, QStringLiteral("1550"));
        FenPrin f;
        QVERIFY(f.charge({}, Dates::JourMoisAn{4, 10, 1582}));
        QCOMPARE(bouton(f, "CmdDateJour")->caption(), QStringLiteral("Jeudi 4 octobre 1582"));
        QVERIFY(f.selection() == (Dates::JourMoisAn{4, 10, 1582}));
        QVERIFY(!jour(f, 9)->isEnabled());
        QCOMPARE(jour(f, 3)->accessibleDescription(),
                 QStringLiteral("Jeudi 4 octobre 1582\nJour 277 de l'année\nCalendrier julien"));
    }

    void chargementRefuse()
    {
        Banc banc;
        banc.reglages().ecrit(Cles::Ciel, Cles::Couleur, QStringLiteral("119,119,119"));
        FenPrin f;
        bool splashFerme = false;
        QVERIFY(!f.charge([&] { splashFerme = true; }));
        QVERIFY(splashFerme); // the message does not sit behind the splash
        QVERIFY(!f.isVisible());
        QCOMPARE(banc.plateforme.messages.size(), 1);
    }

    void configurationAppliqueeAussitot()
    {
        Fenetre w;
        auto &f = w.f;
        bool vu = false;
        // The dialog runs its own loop: drive it from inside.
        QTimer::singleShot(0, [&] {
            auto *d = qobject_cast<Configure *>(QApplication::activeModalWidget());
            QVERIFY(d);
            vu = true;
            QTest::mouseClick(bouton(d, "CmdCoulCiel"), Qt::LeftButton);
            controle<QScrollBar>(d, "Rouge")->setValue(10);
            controle<QScrollBar>(d, "Vert")->setValue(20);
            controle<QScrollBar>(d, "Bleu")->setValue(30);
            QTest::mouseClick(bouton(d, "CmdCoulOK"), Qt::LeftButton);
            controle<QScrollBar>(d, "ScrollDeb")->setValue(1900);
            QTest::mouseClick(bouton(d, "CmdOK"), Qt::LeftButton);
        });
        QTest::mouseClick(bouton(f, "CmdConfig"), Qt::LeftButton);
        QVERIFY(vu);
        QCOMPARE(controle<ImageCiel>(f, "Image2")->ciel(), QColor(10, 20, 30));
        QCOMPARE(controle<ImageLune>(f, "Image1")->ciel(), QColor(10, 20, 30));
        QCOMPARE(controle<QComboBox>(f, "LDAnnee")->itemText(0), QStringLiteral("1900"));
        QCOMPARE(QPoint(f.anneeChoisie(), f.moisChoisi()), QPoint(2001, 11)); // still on today
    }

    // The other buttons, by mouse and keyboard alike, are the keyboard test's.
    void reposPuisBoiteAOutils()
    {
        Fenetre w;
        auto &f = w.f;
        QTest::mouseClick(jour(f, 4), Qt::LeftButton);
        QTest::mouseClick(bouton(f, "CmdLune"), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(conseilsVisibles(), 0); // "Non" stored: no tips
        // With only the main window open nothing wakes the program up.
        for (QWidget *w : QApplication::allWidgets())
            for (QTimer *t : w->findChildren<QTimer *>())
                QVERIFY2(!t->isActive(), qPrintable(w->objectName()));
        QTest::mouseClick(bouton(f, "CmdBOutils"), Qt::LeftButton);
        QVERIFY(f.boiteOutilsAffichee());
        QPointer<FenBOutils> boite = f.boiteOutils();
        QVERIFY(boite && boite->isVisible());
        // Owned: above the main window, minimised with it. X11 window managers
        // learn of the owner only for tool windows and dialogs.
        QCOMPARE(boite->parentWidget(), &f);
        QCOMPARE(boite->windowType(), Qt::Tool);
        QCOMPARE(boite->windowHandle()->transientParent(), f.windowHandle());
        QTest::mouseClick(bouton(f, "CmdBOutils"), Qt::LeftButton);
        QVERIFY(!f.boiteOutilsAffichee());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!boite);
    }

    void fermeeParLeGestionnaireDeFenetres()
    {
        Banc banc;
        banc.reglages().ecrit(Cles::Conseils, Cles::ConseilDemarrage, Cles::Non);
        QPointer<FenPrin> f = new FenPrin;
        f->setAttribute(Qt::WA_DeleteOnClose);
        QVERIFY(f->charge());
        QTest::mouseClick(bouton(f, "CmdBOutils"), Qt::LeftButton);
        QPointer<FenBOutils> boite = f->boiteOutils();
        QTest::mouseClick(bouton(boite, "CmdCalendrier"), Qt::LeftButton);
        QPointer<FenetreZelund> calendrier = FenBOutils::fenetre(FenBOutils::Calendrier);
        QVERIFY(calendrier && calendrier->isVisible());
        // Alt+F4 or the task bar close the window without its close button.
        f->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!f && !boite && !calendrier);
        QVERIFY(FenetreZelund::chargees().isEmpty());
    }

    void changementDeCouleur()
    {
        Fenetre w;
        w.banc.plateforme.couleursChoisies = {0x0000FF, std::nullopt, 0x00FF00};
        QVERIFY(w.menu()->isHidden());
        // Its button toggles it; its close button, the month-year button and a colour command hide it.
        for (VantelBttn *fermeture : {bouton(w.f, "CmdApropos"), bouton(w.f, "CmdFerMnu"), bouton(w.f, "CmdAnMois")}) {
            w.clique("CmdApropos");
            w.clique(fermeture);
            QVERIFY(w.menu()->isHidden());
        }
        w.clique("CmdApropos");
        QVERIFY(w.menu()->isVisible());
        w.changeCouleur(Couleurs::DebutDegrade);
        QVERIFY(w.menu()->isHidden());
        QCOMPARE(w.lit(Couleurs::DebutDegrade), QStringLiteral("255"));
        QCOMPARE(bouton(w.f, "CmdDeplaceFen")->gradientColorStart(), QColor(255, 0, 0)); // repainted at once
        QCOMPARE(bouton(w.f, "Forme2")->gradientColorEnd(), QColor(255, 0, 0));
        // Cancelled: the colour keeps its value and is written back as it was read.
        w.changeCouleur(Couleurs::FinDegrade);
        QCOMPARE(w.lit(Couleurs::FinDegrade), QStringLiteral("&HE0E0E0"));
        QCOMPARE(bouton(w.f, "CmdDeplaceFen")->gradientColorEnd(), QColor(224, 224, 224));
        w.changeCouleur(Couleurs::Visualisation);
        QCOMPARE(w.lit(Couleurs::Visualisation), QString::number(0x00FF00));
        QCOMPARE(controle<QComboBox>(w.f, "LDAnnee")->palette().color(QPalette::Base), QColor(0, 255, 0));
        // The picker opens on black, then on the colour last chosen in it.
        QCOMPARE(w.banc.plateforme.departsCouleur, (QList<quint32>{0, 0x0000FF, 0x0000FF}));
        // Reset writes every colour at once and repaints.
        w.clique("CmdReset");
        QStringList lus;
        for (int i = 0; i < Couleurs::Nombre; ++i)
            lus << w.lit(i);
        QCOMPARE(lus, (QStringList{"8421376", "14737632", "8421376", "14614380", "16777215", "8421376", "13816320"}));
        QCOMPARE(bouton(w.f, "CmdDeplaceFen")->gradientColorStart(), QColor(0, 128, 128));
    }

    void interrupteurs_data()
    {
        QTest::addColumn<bool>("infoBulles"); // which switch
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("cle");
        // Spelt as the file has them.
        QTest::newRow("info-bulles") << true << "Affichage des info-bulles" << QStringLiteral("Valeur");
        QTest::newRow("conseils") << false << "Conseils du jour" << QStringLiteral("Conseil au démarrage");
    }
    void interrupteurs()
    {
        QFETCH(bool, infoBulles);
        QFETCH(QString, section);
        QFETCH(QString, cle);
        Fenetre w;
        w.banc.reglages().ecrit(Cles::Conseils, Cles::ConseilDemarrage, Cles::Oui);
        Parametres::courant().metConseilDemarrage(true);
        VantelBttn *b = bouton(w.f, infoBulles ? "CmdBulAide" : "CmdConseilDem");
        // Each press writes the store at once and marks the caption when the switch is on.
        w.clique(b);
        QVERIFY(!b->caption().endsWith(u'«'));
        QCOMPARE(w.banc.relu(section, cle), Cles::Non);
        QCOMPARE(Parametres::courant().infoBulles(), !infoBulles);
        QCOMPARE(Parametres::courant().conseilDemarrage(), infoBulles);
        w.clique(b);
        QVERIFY(b->caption().endsWith(u'«'));
        QCOMPARE(w.banc.relu(section, cle), Cles::Oui);
    }

    void desinstallation_data()
    {
        QTest::addColumn<bool>("oui");
        QTest::newRow("non, par défaut") << false;
        QTest::newRow("oui") << true;
    }
    void desinstallation()
    {
        QFETCH(bool, oui);
        Fenetre w;
        if (oui)
            w.banc.plateforme.reponses = {Plateforme::Reponse::Oui};
        w.clique("CmdSupprCle");
        QCOMPARE(w.banc.plateforme.messages.size(), 1);   // unanswered: its default button
        QCOMPARE(w.banc.contenuFichier().isEmpty(), oui); // the whole store goes
        QVERIFY(w.f.isVisible());                         // the program goes on
    }

    void fichierDesReglages_data()
    {
        QTest::addColumn<int>("lien"); // 0: the file is missing, 1: a link to nothing, 2: so since the start
        QTest::newRow("absent") << 0;
        QTest::newRow("lien cassé") << 1;
        QTest::newRow("lien cassé dès le départ, rien n'est gardé") << 2;
    }
    // Opened as a file, even when it is missing, rather than in a registry
    // editor; never made through a link.
    void fichierDesReglages()
    {
        QFETCH(int, lien);
        Fenetre w;
        const QString fichier = w.banc.fichierReglages(), cible = fichier + QStringLiteral(".ailleurs");
        QFile::remove(fichier);
        QVERIFY(lien == 0 || QFile::link(cible, fichier));
        Reglages depart(fichier);
        if (lien == 2)
            Reglages::installe(&depart);
        w.clique("CmdRegEdit");
        QCOMPARE(w.banc.plateforme.adresses.size(), lien == 0 ? 1 : 0);
        QCOMPARE(QFileInfo(fichier).isFile(), lien == 0);
        QVERIFY(!QFileInfo::exists(cible));
        if (lien == 0)
            QCOMPARE(QUrl(w.banc.plateforme.adresses[0]).toLocalFile(), fichier);
        QVERIFY(w.banc.plateforme.lancements.isEmpty());
        QCOMPARE(w.banc.plateforme.messages.size(), lien == 1 ? 1 : 0); // the change the run cannot write
    }

    void programmesExternes_data()
    {
        QTest::addColumn<bool>("pressePapiers"); // copy button's right click, else time zones
        QTest::addColumn<QString>("erreur");
        QTest::addColumn<QStringList>("presents");
        QTest::addColumn<QString>("lance");
        QTest::newRow("aucune visionneuse") << true << "Le presse-papiers n'existe pas" << QStringList{} << "";
        QTest::newRow("copyq") << true << "" << QStringList{"copyq"} << "copyq show";
        QTest::newRow("gnome") << false << "" << QStringList{"gnome-control-center", "kcmshell5"}
                               << "gnome-control-center datetime";
        QTest::newRow("kde") << false << "" << QStringList{"kcmshell5"} << "kcmshell5 clock";
    }
    void programmesExternes()
    {
        QFETCH(bool, pressePapiers);
        QFETCH(QString, erreur);
        QFETCH(QStringList, presents);
        QFETCH(QString, lance);
        Fenetre w;
        auto &p = w.banc.plateforme;
        p.programmesPresents = presents;
        if (pressePapiers)
            w.clique("CmdCopier", Qt::RightButton);
        else
            w.clique("CmdFuseauxHoraires");
        QVERIFY(p.pressePapiers.isEmpty());
        QCOMPARE(p.commandes(), lance.isEmpty() ? QStringList{} : QStringList{lance});
        QCOMPARE(p.messages.size(), erreur.isEmpty() ? 0 : 1);
        QVERIFY(erreur.isEmpty() || p.messages[0].texte.startsWith(erreur));
    }
};

QTEST_MAIN(TestFenPrin)
#include "tst_fenprin.moc"
