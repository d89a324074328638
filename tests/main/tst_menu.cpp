#include "base/chargement.h"
#include "base/partage.h"
#include "ui/vantelbttn.h"
#include "main/fenprin.h"
#include "main/popupinfos.h"
#include "support/fauxplateforme.h"

#include <QComboBox>
#include <QFileInfo>
#include <QTest>
#include <QUrl>

namespace {
struct Fenetre
{
    Banc banc;
    FenPrin f;
    Fenetre()
    {
        banc.reglages().ecrit(Cles::Conseils, Cles::ConseilDemarrage, Cles::Non);
        f.charge();
    }
    PopUpInfos *menu() const { return f.popUpInfos; }
    void clique(QWidget *w, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseClick(w, b); }
    void changeCouleur(int couleur) { clique(menu()->CmdCouleur[couleur]); }
    QString lit(int couleur)
    {
        return banc.relu(Couleurs::section(), Couleurs::definitions()[couleur].cle);
    }
};
} // namespace

// The menu panel's commands and the main window's other command buttons.
class TestMenu : public QObject
{
    Q_OBJECT
private slots:
    void changementDeCouleur()
    {
        Fenetre w;
        w.banc.plateforme.couleursChoisies = {0x0000FF, std::nullopt, 0x00FF00};
        QVERIFY(w.menu()->isHidden());
        // Its button toggles it; its close button, the month-year button and a colour command hide it.
        for (VantelBttn *fermeture : {w.f.CmdApropos, w.menu()->CmdFerMnu, w.f.CmdAnMois}) {
            w.clique(w.f.CmdApropos);
            w.clique(fermeture);
            QVERIFY(w.menu()->isHidden());
        }
        w.clique(w.f.CmdApropos);
        QVERIFY(w.menu()->isVisible());
        w.changeCouleur(Couleurs::DebutDegrade);
        QVERIFY(w.menu()->isHidden());
        QCOMPARE(w.lit(Couleurs::DebutDegrade), QStringLiteral("255"));
        QCOMPARE(w.f.CmdDeplaceFen->gradientColorStart(), QColor(255, 0, 0)); // repainted at once
        QCOMPARE(w.f.Forme[2]->gradientColorEnd(), QColor(255, 0, 0));
        // Cancelled: the colour keeps its value and is written back as it was read.
        w.changeCouleur(Couleurs::FinDegrade);
        QCOMPARE(w.lit(Couleurs::FinDegrade), QStringLiteral("&HE0E0E0"));
        QCOMPARE(w.f.CmdDeplaceFen->gradientColorEnd(), QColor(224, 224, 224));
        w.changeCouleur(Couleurs::Visualisation);
        QCOMPARE(w.lit(Couleurs::Visualisation), QString::number(0x00FF00));
        QCOMPARE(w.f.LDAnnee->palette().color(QPalette::Base), QColor(0, 255, 0));
        // The picker opens on black, then on the colour last chosen in it.
        QCOMPARE(w.banc.plateforme.departsCouleur, (QList<quint32>{0, 0x0000FF, 0x0000FF}));
        // Reset writes every colour at once and repaints.
        w.clique(w.menu()->CmdReset);
        QStringList lus;
        for (int i = 0; i < Couleurs::Nombre; ++i)
            lus << w.lit(i);
        QCOMPARE(lus, (QStringList{"8421376", "14737632", "8421376", "14614380", "16777215", "8421376", "13816320"}));
        QCOMPARE(w.f.CmdDeplaceFen->gradientColorStart(), QColor(0, 128, 128));
    }

    void interrupteurs_data()
    {
        QTest::addColumn<bool>("infoBulles"); // which switch
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("cle");
        QTest::newRow("info-bulles") << true << Cles::InfoBulles << Cles::Valeur;
        QTest::newRow("conseils") << false << Cles::Conseils << Cles::ConseilDemarrage;
    }
    void interrupteurs()
    {
        QFETCH(bool, infoBulles);
        QFETCH(QString, section);
        QFETCH(QString, cle);
        Fenetre w;
        w.banc.reglages().ecrit(Cles::Conseils, Cles::ConseilDemarrage, Cles::Oui);
        partage().conseilDemarrage = Cles::Oui;
        VantelBttn *bouton = infoBulles ? w.menu()->CmdBulAide : w.menu()->CmdConseilDem;
        // Each press writes the store at once and marks the caption when the switch is on.
        w.clique(bouton);
        QVERIFY(!bouton->caption().endsWith(u'«'));
        QCOMPARE(w.banc.relu(section, cle), Cles::Non);
        QCOMPARE(infoBulles ? partage().infoBulles : partage().conseilDemarrage, Cles::Non);
        QCOMPARE(partage().infoBullesActives, !infoBulles);
        w.clique(bouton);
        QVERIFY(bouton->caption().endsWith(u'«'));
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
        w.clique(w.menu()->CmdSupprCle);
        QCOMPARE(w.banc.plateforme.messages.size(), 1); // unanswered: its default button
        QCOMPARE(w.banc.contenuFichier().isEmpty(), oui); // the whole store goes
        QVERIFY(w.f.isVisible()); // the program goes on
    }

    void fichierDesReglages()
    {
        // Opened as a file, even when it is missing, rather than in a registry editor.
        Fenetre w;
        QFile::remove(w.banc.fichierReglages());
        w.clique(w.menu()->CmdRegEdit);
        QCOMPARE(w.banc.plateforme.adresses.size(), 1);
        QCOMPARE(QUrl(w.banc.plateforme.adresses[0]).toLocalFile(), w.banc.fichierReglages());
        QVERIFY(QFileInfo::exists(w.banc.fichierReglages()));
        QVERIFY(w.banc.plateforme.lancements.isEmpty());
    }

    void programmesExternes_data()
    {
        QTest::addColumn<bool>("pressePapiers"); // copy button's right click, else time zones
        QTest::addColumn<QStringList>("presents");
        QTest::addColumn<QString>("lance");
        QTest::addColumn<QString>("erreur");
        QTest::newRow("aucune visionneuse") << true << QStringList{} << "" << "Le presse-papiers n'existe pas";
        QTest::newRow("xclipboard") << true << QStringList{"xclipboard", "copyq"} << "xclipboard" << "";
        QTest::newRow("copyq") << true << QStringList{"copyq"} << "copyq show" << "";
        QTest::newRow("gnome") << false << QStringList{"gnome-control-center", "kcmshell5"}
                               << "gnome-control-center datetime" << "";
        QTest::newRow("kde") << false << QStringList{"kcmshell5"} << "kcmshell5 clock" << "";
    }
    void programmesExternes()
    {
        QFETCH(bool, pressePapiers);
        QFETCH(QStringList, presents);
        QFETCH(QString, lance);
        QFETCH(QString, erreur);
        Fenetre w;
        auto &p = w.banc.plateforme;
        p.programmesPresents = presents;
        if (pressePapiers)
            w.clique(w.f.CmdCopier, Qt::RightButton);
        else
            w.clique(w.f.CmdFuseauxHoraires);
        QVERIFY(p.pressePapiers.isEmpty());
        QCOMPARE(p.commandes(), lance.isEmpty() ? QStringList{} : QStringList{lance});
        QCOMPARE(p.messages.size(), erreur.isEmpty() ? 0 : 1);
        QVERIFY(erreur.isEmpty() || p.messages[0].texte.startsWith(erreur));
    }
};

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
