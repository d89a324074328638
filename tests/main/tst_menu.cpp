#include "app/chargement.h"
#include "app/partage.h"
#include "app/vantelbttn.h"
#include "main/fenprin.h"
#include "main/popupinfos.h"
#include "support/fauxplateforme.h"
#include "support/principal.h"

#include <QComboBox>
#include <QFileInfo>
#include <QTest>
#include <QUrl>

// The menu panel's commands and the main window's other command buttons.
class TestMenu : public QObject
{
    Q_OBJECT
private slots:
    void ouvertureEtFermeture();
    void changementDeCouleur();
    void reinitialisation();
    void interrupteurs_data();
    void interrupteurs();
    void desinstallation_data();
    void desinstallation();
    void fichierDesReglages();
    void fuseauxHoraires_data();
    void fuseauxHoraires();
};

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
    QString lit(int couleur)
    {
        return banc.reglages().lit(Couleurs::section(), Couleurs::definitions()[couleur].cle);
    }
};
} // namespace

void TestMenu::ouvertureEtFermeture()
{
    Fenetre w;
    QVERIFY(w.menu()->isHidden());
    QTest::mouseClick(w.f.CmdApropos, Qt::LeftButton);
    QVERIFY(w.menu()->isVisible());
    QCOMPARE(w.menu()->pos(), QPoint(76, 20));
    QTest::mouseClick(w.f.CmdApropos, Qt::LeftButton);
    QVERIFY(w.menu()->isHidden());
    QTest::mouseClick(w.f.CmdApropos, Qt::LeftButton);
    QTest::mouseClick(w.menu()->CmdFerMnu, Qt::LeftButton);
    QVERIFY(w.menu()->isHidden());
    // The month-year button hides it too.
    QTest::mouseClick(w.f.CmdApropos, Qt::LeftButton);
    QTest::mouseClick(w.f.CmdAnMois, Qt::LeftButton);
    QVERIFY(w.menu()->isHidden());
}

void TestMenu::changementDeCouleur()
{
    Fenetre w;
    w.banc.plateforme.couleursChoisies = {0x0000FF, std::nullopt, 0x00FF00};
    QTest::mouseClick(w.f.CmdApropos, Qt::LeftButton);
    QTest::mouseClick(w.menu()->CmdCouleur[Couleurs::DebutDegrade], Qt::LeftButton);
    QVERIFY(w.menu()->isHidden());
    QCOMPARE(w.lit(Couleurs::DebutDegrade), QStringLiteral("255"));
    QCOMPARE(w.f.CmdDeplaceFen->gradientColorStart(), QColor(255, 0, 0)); // repainted at once
    QCOMPARE(w.f.Forme[2]->gradientColorEnd(), QColor(255, 0, 0));
    // Cancelled: the colour keeps its value and is written back as it was read.
    QTest::mouseClick(w.menu()->CmdCouleur[Couleurs::FinDegrade], Qt::LeftButton);
    QCOMPARE(w.lit(Couleurs::FinDegrade), QStringLiteral("&HE0E0E0"));
    QCOMPARE(w.f.CmdDeplaceFen->gradientColorEnd(), QColor(224, 224, 224));
    QTest::mouseClick(w.menu()->CmdCouleur[Couleurs::Visualisation], Qt::LeftButton);
    QCOMPARE(w.lit(Couleurs::Visualisation), QString::number(0x00FF00));
    QCOMPARE(w.f.LDAnnee->palette().color(QPalette::Base), QColor(0, 255, 0));
    // The picker opens on black, then on the colour last chosen in it.
    QCOMPARE(w.banc.plateforme.departsCouleur, (QList<quint32>{0, 0x0000FF, 0x0000FF}));
}

void TestMenu::reinitialisation()
{
    Fenetre w;
    w.banc.plateforme.couleursChoisies = {0x123456};
    QTest::mouseClick(w.menu()->CmdCouleur[Couleurs::AutresTextes], Qt::LeftButton);
    QTest::mouseClick(w.menu()->CmdReset, Qt::LeftButton);
    const QStringList attendus = {"8421376", "14737632", "8421376", "14614380", "16777215", "8421376", "13816320"};
    for (int i = 0; i < Couleurs::Nombre; ++i)
        QCOMPARE(w.lit(i), attendus[i]);
    QCOMPARE(w.f.Jour[0]->forecolor(), QColor(255, 255, 255));
}

void TestMenu::interrupteurs_data()
{
    QTest::addColumn<bool>("infoBulles"); // which switch
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("cle");
    QTest::addColumn<QString>("legende");
    QTest::newRow("info-bulles") << true << Cles::InfoBulles << Cles::Valeur << "Affichage des info-bulles";
    QTest::newRow("conseils") << false << Cles::Conseils << Cles::ConseilDemarrage << "Conseils au démarrage";
}

void TestMenu::interrupteurs()
{
    QFETCH(bool, infoBulles);
    QFETCH(QString, section);
    QFETCH(QString, cle);
    QFETCH(QString, legende);
    Fenetre w;
    w.banc.reglages().ecrit(Cles::Conseils, Cles::ConseilDemarrage, Cles::Oui);
    partage().conseilDemarrage = Cles::Oui;
    VantelBttn *bouton = infoBulles ? w.menu()->CmdBulAide : w.menu()->CmdConseilDem;
    bouton->setCaption(legende + QStringLiteral(" «"));
    QTest::mouseClick(bouton, Qt::LeftButton);
    QCOMPARE(bouton->caption(), legende);
    QCOMPARE(w.banc.reglages().lit(section, cle), Cles::Non);
    QCOMPARE(infoBulles ? partage().infoBulles : partage().conseilDemarrage, Cles::Non);
    if (infoBulles)
        QVERIFY(!partage().infoBullesActives);
    QTest::mouseClick(bouton, Qt::LeftButton);
    QCOMPARE(bouton->caption(), legende + QStringLiteral(" «"));
    QCOMPARE(w.banc.reglages().lit(section, cle), Cles::Oui);
}

void TestMenu::desinstallation_data()
{
    QTest::addColumn<bool>("oui");
    QTest::newRow("non, par défaut") << false;
    QTest::newRow("oui") << true;
}

void TestMenu::desinstallation()
{
    QFETCH(bool, oui);
    Fenetre w;
    if (oui)
        w.banc.plateforme.reponses = {Plateforme::Reponse::Oui};
    QTest::mouseClick(w.menu()->CmdSupprCle, Qt::LeftButton);
    QCOMPARE(w.banc.plateforme.messages.size(), 1);
    const auto &m = w.banc.plateforme.messages[0];
    QCOMPARE(m.titre, QStringLiteral("DÉSINSTALLATION"));
    QCOMPARE(m.parDefaut, Plateforme::Reponse::Non);
    QCOMPARE(m.icone, Plateforme::Icone::Critique);
    QVERIFY(m.texte.contains(QLatin1Char('\n')));
    QCOMPARE(w.banc.reglages().contient(Cles::AnneeDebut, Cles::Valeur), !oui);
    QVERIFY(w.f.isVisible()); // the program goes on
    // A colour changed afterwards is then the only thing in the store.
    w.banc.plateforme.couleursChoisies = {0xABCDEF};
    QTest::mouseClick(w.menu()->CmdCouleur[Couleurs::TexteBoutons], Qt::LeftButton);
    QSettings brut(w.banc.fichierReglages(), QSettings::IniFormat);
    QCOMPARE(brut.allKeys().size(), oui ? 1 : 7);
}

void TestMenu::fichierDesReglages()
{
    Fenetre w;
    QFile::remove(w.banc.fichierReglages());
    QTest::mouseClick(w.menu()->CmdRegEdit, Qt::LeftButton);
    QCOMPARE(w.banc.plateforme.adresses.size(), 1);
    QCOMPARE(QUrl(w.banc.plateforme.adresses[0]).toLocalFile(), w.banc.fichierReglages());
    QVERIFY(QFileInfo::exists(w.banc.fichierReglages()));
    QVERIFY(w.banc.plateforme.lancements.isEmpty());
}

void TestMenu::fuseauxHoraires_data()
{
    QTest::addColumn<QStringList>("presents");
    QTest::addColumn<QString>("lance");
    QTest::newRow("aucun") << QStringList{} << QString();
    QTest::newRow("gnome") << QStringList{"gnome-control-center", "kcmshell5"} << "gnome-control-center datetime";
    QTest::newRow("kde") << QStringList{"kcmshell5"} << "kcmshell5 clock";
}

void TestMenu::fuseauxHoraires()
{
    QFETCH(QStringList, presents);
    QFETCH(QString, lance);
    Fenetre w;
    w.banc.plateforme.programmesPresents = presents;
    QTest::mouseClick(w.f.CmdFuseauxHoraires, Qt::LeftButton);
    QVERIFY(w.banc.plateforme.messages.isEmpty());
    QCOMPARE(w.banc.plateforme.lancements.size(), lance.isEmpty() ? 0 : 1);
    if (!lance.isEmpty()) {
        const auto &l = w.banc.plateforme.lancements[0];
        QCOMPARE((QStringList{l.programme} + l.arguments).join(QLatin1Char(' ')), lance);
    }
}

ZELUND_TEST(TestMenu)
#include "tst_menu.moc"
