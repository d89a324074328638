#include "app/chargement.h"
#include "app/partage.h"
#include "app/vantelbttn.h"
#include "app/vantelpanel.h"
#include "main/fenprin.h"
#include "moon/ciel.h"
#include "support/fauxplateforme.h"
#include "support/principal.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>

// The selected date as the main window shows it: caption, Moon, counter,
// clipboard and the lower panel.
class TestSelection : public QObject
{
    Q_OBJECT
private slots:
    void aujourdhuiAuChargement();
    void jourAbsentDuNouveauMois();
    void reformeDe1582();
    void compteurEntreDeuxDates();
    void compteurDepuisAujourdhui();
    void copie();
    void visionneusePressePapiers_data();
    void visionneusePressePapiers();
    void vues_data();
    void vues();
    void styleAuDemarrage_data();
    void styleAuDemarrage();
};

namespace {
struct Fenetre
{
    Banc banc;
    FenPrin f;
    explicit Fenetre(const QString &debut = QStringLiteral("1501"), const QString &style = QString())
    {
        banc.reglages().ecrit(Cles::AnneeDebut, Cles::Valeur, debut);
        if (!style.isEmpty())
            banc.reglages().ecrit(Cles::StyleSection, Cles::Style, style);
        f.charge();
    }
    // Picks a day through the lists and the grid, as a user does.
    void choisit(int jour, int mois, int annee)
    {
        f.LDAnnee->setCurrentIndex(annee - partage().anneeDebut);
        f.LDMois->setCurrentIndex(mois - 1);
        QTest::mouseClick(f.Jour[jour - 1], Qt::LeftButton);
    }
    QString legende() const { return f.CmdDateJour->caption(); }
};
} // namespace

void TestSelection::aujourdhuiAuChargement()
{
    Fenetre w;
    QCOMPARE(w.legende(), QStringLiteral("Dimanche 18 novembre 2001"));
    QCOMPARE(w.f.dateSelection(), QStringLiteral("18/11/2001"));
    QCOMPARE(w.f.Forme[3]->caption(), QStringLiteral("Lune croissante"));
    QCOMPARE(w.f.Image1->fraction(), w.f.fractionPhase());
    // Browse elsewhere, then the caption button comes back to today.
    w.choisit(4, 7, 1969);
    QCOMPARE(w.legende(), QStringLiteral("Vendredi 4 juillet 1969"));
    QTest::mouseClick(w.f.CmdDateJour, Qt::LeftButton);
    QCOMPARE(w.legende(), QStringLiteral("Dimanche 18 novembre 2001"));
    QCOMPARE(w.f.MoisChoisi(), 7); // the lists stay where they were
}

void TestSelection::jourAbsentDuNouveauMois()
{
    Fenetre w;
    w.choisit(31, 1, 2002);
    const QString avant = w.legende();
    const double phase = w.f.fractionPhase();
    w.f.LDMois->setCurrentIndex(3); // April has 30 days
    QCOMPARE(w.legende(), avant);
    QCOMPARE(w.f.dateSelection(), QStringLiteral("31/01/2002"));
    QCOMPARE(w.f.fractionPhase(), phase);
    QCOMPARE(w.f.jourCourant(), 31);
    // Back to a 31-day month: day 31 is shown again.
    w.f.LDMois->setCurrentIndex(4);
    QCOMPARE(w.legende(), QStringLiteral("Vendredi 31 mai 2002"));
}

void TestSelection::reformeDe1582()
{
    Fenetre w(QStringLiteral("1501"));
    w.f.LDAnnee->setCurrentIndex(1582 - 1501);
    w.f.LDMois->setCurrentIndex(8);
    QTest::mouseClick(w.f.Jour[9], Qt::LeftButton);
    QCOMPARE(w.legende(), QStringLiteral("Lundi 10 septembre 1582"));
    // October 1582: day 10 no longer exists, yet the remembered day is written.
    w.f.LDMois->setCurrentIndex(9);
    QVERIFY(!w.f.Jour[9]->isEnabled());
    QCOMPARE(w.legende(), QStringLiteral("Mercredi 10 octobre 1582"));
    QTest::mouseClick(w.f.Jour[3], Qt::LeftButton);
    QCOMPARE(w.legende(), QStringLiteral("Jeudi 4 octobre 1582"));
    QTest::mouseClick(w.f.Jour[14], Qt::LeftButton);
    QCOMPARE(w.legende(), QStringLiteral("Vendredi 15 octobre 1582"));
}

void TestSelection::compteurEntreDeuxDates()
{
    Fenetre w;
    QTest::mouseClick(w.f.CmdCompteur, Qt::LeftButton);
    w.choisit(4, 10, 1582);
    QTest::mouseClick(w.f.CmdPremDate, Qt::LeftButton);
    QCOMPARE(w.f.CmdPremDate->caption(), QStringLiteral("Première date : 4/10/1582"));
    QCOMPARE(w.f.CmdAnMois->caption(), QStringLiteral("4/10/1582"));
    w.choisit(15, 10, 1582);
    QTest::mouseClick(w.f.CmdDeuxDate, Qt::LeftButton);
    QCOMPARE(w.f.CmdDeuxDate->caption(), QStringLiteral("Deuxième date : 15/10/1582"));
    QCOMPARE(w.f.TexteNBJ->text(), QStringLiteral("Temps écoulé entre les deux dates : 1 jours"));
    // The second date before the first: a negative count.
    w.choisit(4, 9, 1582);
    QTest::mouseClick(w.f.CmdDeuxDate, Qt::LeftButton);
    QCOMPARE(w.f.TexteNBJ->text(), QStringLiteral("Temps écoulé entre les deux dates : -30 jours"));
    // Reopening the counter takes the date selected then as the first date.
    QTest::mouseClick(w.f.CmdCompteur, Qt::LeftButton);
    QTest::mouseClick(w.f.CmdCompteur, Qt::LeftButton);
    QTest::mouseClick(w.f.CmdDeuxDate, Qt::LeftButton);
    QCOMPARE(w.f.TexteNBJ->text(), QStringLiteral("Temps écoulé entre les deux dates : 0 jours"));
}

void TestSelection::compteurDepuisAujourdhui()
{
    Fenetre w;
    QTest::mouseClick(w.f.CmdCompteur, Qt::LeftButton);
    QTest::mouseClick(w.f.CmdDateAJ, Qt::LeftButton);
    QCOMPARE(w.f.TexteNBJ->text(), QStringLiteral("Temps écoulé depuis aujourd'hui : 0 jours"));
    w.choisit(1, 1, 2002);
    QTest::mouseClick(w.f.CmdDateAJ, Qt::LeftButton);
    QCOMPARE(w.f.TexteNBJ->text(), QStringLiteral("Temps écoulé depuis aujourd'hui : 44 jours"));
    QCOMPARE(w.f.CmdPremDate->caption(), QStringLiteral("Première date : 18/11/2001"));
    QCOMPARE(w.f.CmdDeuxDate->caption(), QStringLiteral("Deuxième date : 1/1/2002"));
}

void TestSelection::copie()
{
    Fenetre w;
    QTest::mouseClick(w.f.CmdCopier, Qt::LeftButton);
    QCOMPARE(w.banc.plateforme.pressePapiers.last(),
             QStringLiteral("Dimanche 18 novembre 2001\nLune croissante\n \nPremière date : \n"
                            "Deuxième date : \nTemps écoulé entre les deux dates : 0 jours"));
    QTest::mouseClick(w.f.CmdCompteur, Qt::LeftButton);
    QTest::mouseClick(w.f.CmdPremDate, Qt::LeftButton);
    w.choisit(25, 12, 2001);
    QTest::mouseClick(w.f.CmdDeuxDate, Qt::LeftButton);
    QTest::mouseClick(w.f.CmdCopier, Qt::LeftButton);
    QCOMPARE(w.banc.plateforme.pressePapiers.last(),
             QStringLiteral("Mardi 25 décembre 2001\nLune croissante\n \n"
                            "Première date : Dimanche 18 novembre 2001\n"
                            "Deuxième date : Mardi 25 décembre 2001\n"
                            "Temps écoulé entre les deux dates : 37 jours"));
    QCOMPARE(w.banc.plateforme.sons, (QList<int>{19, 19}));
}

void TestSelection::visionneusePressePapiers_data()
{
    QTest::addColumn<QStringList>("presents");
    QTest::addColumn<QString>("lance");
    QTest::newRow("aucune") << QStringList{} << QString();
    QTest::newRow("xclipboard") << QStringList{"xclipboard", "copyq"} << "xclipboard";
    QTest::newRow("copyq") << QStringList{"copyq"} << "copyq show";
}

void TestSelection::visionneusePressePapiers()
{
    QFETCH(QStringList, presents);
    QFETCH(QString, lance);
    Fenetre w;
    w.banc.plateforme.programmesPresents = presents;
    QTest::mouseClick(w.f.CmdCopier, Qt::RightButton);
    QVERIFY(w.banc.plateforme.pressePapiers.isEmpty());
    if (lance.isEmpty()) {
        QCOMPARE(w.banc.plateforme.messages.size(), 1);
        QCOMPARE(w.banc.plateforme.messages[0].titre, QStringLiteral("Zelund - Erreur !"));
        QVERIFY(w.banc.plateforme.messages[0].texte.startsWith(QStringLiteral("Le presse-papiers n'existe pas")));
        return;
    }
    QCOMPARE(w.banc.plateforme.lancements.size(), 1);
    const auto &l = w.banc.plateforme.lancements[0];
    QCOMPARE((QStringList{l.programme} + l.arguments).join(QLatin1Char(' ')), lance);
}

void TestSelection::vues_data()
{
    QTest::addColumn<QString>("appuis");
    QTest::addColumn<int>("hauteur");
    QTest::addColumn<bool>("compteur");
    QTest::addColumn<bool>("lune");
    QTest::addColumn<int>("aide");
    QTest::newRow("fermé") << "" << 356 << false << false << 1;
    QTest::newRow("compteur") << "C" << 525 << true << false << 2;
    QTest::newRow("lune") << "L" << 525 << false << true << 1;
    QTest::newRow("compteur puis lune") << "CL" << 525 << false << true << 1;
    QTest::newRow("C L L") << "CLL" << 356 << false << false << 1;
    QTest::newRow("lune puis compteur") << "LC" << 525 << true << false << 2;
}

void TestSelection::vues()
{
    QFETCH(QString, appuis);
    QFETCH(int, hauteur);
    QFETCH(bool, compteur);
    QFETCH(bool, lune);
    QFETCH(int, aide);
    Fenetre w;
    for (QChar c : appuis)
        QTest::mouseClick(c == QLatin1Char('C') ? w.f.CmdCompteur : w.f.CmdLune, Qt::LeftButton);
    QCOMPARE(w.f.height(), hauteur);
    if (!appuis.isEmpty()) {
        QCOMPARE(w.f.CmdPremDate->isVisible(), compteur);
        QCOMPARE(w.f.FondTexteNBJ->isVisible(), compteur);
        QCOMPARE(w.f.Image2->isVisible(), lune);
        QCOMPARE(w.f.Forme[3]->isVisible(), lune);
    }
    QTest::mouseClick(w.f.CmdAide, Qt::LeftButton);
    QCOMPARE(w.banc.plateforme.aides, QList<int>{aide});
}

void TestSelection::styleAuDemarrage_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<int>("hauteurAvant");
    QTest::addColumn<bool>("boutonLune"); // the button whose first press closes the panel
    QTest::newRow("compteur") << "AfficheCompteur" << 525 << false;
    QTest::newRow("lune") << "AffichePhasesLune" << 525 << true;
}

void TestSelection::styleAuDemarrage()
{
    QFETCH(QString, style);
    QFETCH(int, hauteurAvant);
    QFETCH(bool, boutonLune);
    Fenetre w(QStringLiteral("1501"), style);
    QCOMPARE(w.f.height(), hauteurAvant);
    QTest::mouseClick(boutonLune ? w.f.CmdLune : w.f.CmdCompteur, Qt::LeftButton);
    QCOMPARE(w.f.height(), 356);
    QVERIFY(!w.f.panneau().panneauOuvert);
}

ZELUND_TEST(TestSelection)
#include "tst_selection.moc"
