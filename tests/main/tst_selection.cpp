#include "base/chargement.h"
#include "dates/jours.h"
#include "main/compteur.h"
#include "main/fenprin.h"
#include "moon/imagelune.h"
#include "support/aidesdemandees.h"
#include "support/controle.h"
#include "support/fenprinchargee.h"
#include "ui/vantelbttn.h"
#include "ui/vantelpanel.h"

#include <QComboBox>
#include <QLabel>
#include <QScreen>
#include <QTest>

namespace {
struct Fenetre : FenPrinChargee
{
    using FenPrinChargee::FenPrinChargee;
    QString legende() const { return bouton(f, "CmdDateJour")->caption(); }
    QString ecart() const { return controle<QLabel>(f, "TexteNBJ")->text(); }
};
} // namespace

// The selected date as the main window shows it: caption, Moon, counter,
// clipboard and the lower panel.
class TestSelection : public QObject
{
    Q_OBJECT
private slots:
    void jourChoisi()
    {
        Fenetre w;
        QCOMPARE(w.legende(), QStringLiteral("Dimanche 18 novembre 2001"));
        QVERIFY(w.f.selection() == (Dates::JourMoisAn{18, 11, 2001}));
        QCOMPARE(bouton(w.f, "Forme3")->caption(), QStringLiteral("Lune croissante"));
        QCOMPARE(controle<ImageLune>(w.f, "Image1")->fraction(), w.f.fractionPhase());
        // Browse elsewhere, then the caption button comes back to today.
        w.choisit(4, 7, 1969);
        QCOMPARE(w.legende(), QStringLiteral("Vendredi 4 juillet 1969"));
        // A right press on the month-year button shows the selection short, a second one clears it.
        QTest::mouseClick(bouton(w.f, "CmdAnMois"), Qt::RightButton);
        QCOMPARE(bouton(w.f, "CmdAnMois")->caption(), QStringLiteral("4/7/1969"));
        QVERIFY(bouton(w.f, "CmdAnMois")->isVisible() && controle<QComboBox>(w.f, "LDAnnee")->isHidden());
        QTest::mouseClick(bouton(w.f, "CmdAnMois"), Qt::RightButton);
        QCOMPARE(bouton(w.f, "CmdAnMois")->caption(), QString());
        w.clique("CmdDateJour");
        QCOMPARE(w.legende(), QStringLiteral("Dimanche 18 novembre 2001"));
        QCOMPARE(w.f.moisChoisi(), 7); // the lists stay where they were
        // A remembered day the new month lacks leaves the selection as it was.
        w.choisit(31, 1, 2002);
        const double phase = w.f.fractionPhase();
        controle<QComboBox>(w.f, "LDMois")->setCurrentIndex(3); // April has 30 days
        QCOMPARE(w.legende(), QStringLiteral("Jeudi 31 janvier 2002"));
        QVERIFY(w.f.selection() == (Dates::JourMoisAn{31, 1, 2002}));
        QCOMPARE(w.f.fractionPhase(), phase);
        QCOMPARE(w.f.jourCourant(), 31);
        // Back to a 31-day month: day 31 is shown again.
        controle<QComboBox>(w.f, "LDMois")->setCurrentIndex(4);
        QCOMPARE(w.legende(), QStringLiteral("Vendredi 31 mai 2002"));
        // October 1582: day 10 no longer exists, yet the remembered day is written.
        w.choisit(10, 9, 1582);
        controle<QComboBox>(w.f, "LDMois")->setCurrentIndex(9);
        QCOMPARE(w.legende(), QStringLiteral("Mercredi 10 octobre 1582"));
    }

    void compteurEtCopie()
    {
        Fenetre w;
        const auto copie = [&w] {
            w.clique("CmdCopier");
            return w.banc.plateforme.pressePapiers.last();
        };
        QCOMPARE(copie(), QStringLiteral("Dimanche 18 novembre 2001\nLune croissante\n \nPremière date : \n"
                                         "Deuxième date : \nTemps écoulé entre les deux dates : 0 jours"));
        w.clique("CmdCompteur");
        w.choisit(4, 10, 1582);
        w.clique("CmdPremDate");
        QCOMPARE(bouton(w.f, "CmdPremDate")->caption(), QStringLiteral("Première date : 4/10/1582"));
        QCOMPARE(bouton(w.f, "CmdAnMois")->caption(), QStringLiteral("4/10/1582"));
        w.choisit(15, 10, 1582);
        w.clique("CmdDeuxDate");
        QCOMPARE(bouton(w.f, "CmdDeuxDate")->caption(), QStringLiteral("Deuxième date : 15/10/1582"));
        QCOMPARE(copie(), QStringLiteral("Vendredi 15 octobre 1582\nLune décroissante\n \n"
                                         "Première date : Jeudi 4 octobre 1582\n"
                                         "Deuxième date : Vendredi 15 octobre 1582\n"
                                         "Temps écoulé entre les deux dates : 1 jours"));
        // A new first date after a count: the count follows it.
        w.choisit(25, 12, 2001);
        w.clique("CmdPremDate");
        QCOMPARE(w.ecart(), QStringLiteral("Temps écoulé entre les deux dates : -153108 jours"));
        // Against today, which is Gregorian, from a Julian day.
        w.choisit(4, 10, 1582);
        w.clique("CmdDateAJ");
        QCOMPARE(w.ecart(), QStringLiteral("Temps écoulé depuis aujourd'hui : -153072 jours"));
        QCOMPARE(bouton(w.f, "CmdPremDate")->caption(), QStringLiteral("Première date : 18/11/2001"));
        QVERIFY(copie().endsWith(QStringLiteral("Première date : Dimanche 18 novembre 2001\n"
                                                "Deuxième date : Jeudi 4 octobre 1582\n"
                                                "Temps écoulé entre les deux dates : -153072 jours")));
        // Reopening the counter takes the date selected then as the first
        // date, and its caption says so.
        w.clique("CmdCompteur");
        w.choisit(1, 10, 1582);
        w.clique("CmdCompteur");
        QCOMPARE(bouton(w.f, "CmdPremDate")->caption(), QStringLiteral("Première date : 1/10/1582"));
        QCOMPARE(bouton(w.f, "CmdDeuxDate")->caption(), QStringLiteral("Deuxième date : 4/10/1582"));
        QCOMPARE(w.ecart(), QStringLiteral("Temps écoulé entre les deux dates : 3 jours"));
    }

    void demarreSurLeCompteur()
    {
        // The first count runs from today, as the caption says.
        Fenetre w(QStringLiteral("AfficheCompteur"));
        QCOMPARE(bouton(w.f, "CmdPremDate")->caption(), QStringLiteral("Première date : 18/11/2001"));
        w.choisit(25, 12, 2001);
        w.clique("CmdDeuxDate");
        QCOMPARE(w.ecart(), QStringLiteral("Temps écoulé entre les deux dates : 37 jours"));
    }

    void vues_data()
    {
        QTest::addColumn<QString>("style"); // stored start-up view
        QTest::addColumn<bool>("compteur"); // what shows after the presses
        QTest::addColumn<bool>("lune");
        QTest::addColumn<QString>("appuis"); // C: counter button, L: Moon button
        QTest::newRow("au démarrage") << "" << false << false << "";
        QTest::newRow("compteur") << "" << true << false << "C";
        QTest::newRow("compteur puis lune") << "" << false << true << "CL";
        QTest::newRow("lune puis compteur") << "" << true << false << "LC";
        QTest::newRow("compteur refermé") << "" << false << false << "CC";
        QTest::newRow("démarre sur le compteur") << "AfficheCompteur" << true << false << "";
        QTest::newRow("démarre sur la lune, L") << "AffichePhasesLune" << false << false << "L";
    }

    void vues()
    {
        QFETCH(QString, style);
        QFETCH(bool, compteur);
        QFETCH(bool, lune);
        QFETCH(QString, appuis);
        Fenetre w(style);
        for (QChar c : appuis)
            w.clique(c == QLatin1Char('C') ? bouton(w.f, "CmdCompteur") : bouton(w.f, "CmdLune"));
        QCOMPARE(w.f.height(), compteur || lune ? 525 : 356);
        QCOMPARE(w.f.panneau().panneauOuvert, compteur || lune);
        if (compteur || lune) { // a closed panel keeps its last view below the edge
            QCOMPARE(bouton(w.f, "CmdPremDate")->isVisible(), compteur);
            QCOMPARE(controle(w.f, "FondTexteNBJ")->isVisible(), compteur);
            QCOMPARE(controle<ImageCiel>(w.f, "Image2")->isVisible(), lune);
        }
        // The bottom strip reads the Moon's phase only under the Moon.
        QCOMPARE(bouton(w.f, "Forme3")->isVisible(), lune);
        // The help button opens the counter's page while the counter shows.
        AidesDemandees aides(&w.f);
        w.clique("CmdAide");
        QCOMPARE(aides.sujets(), QList<int>{compteur ? 2 : 1});
    }

    // Grown near the bottom of the screen, it moves up just enough.
    void panneauDansLEcran()
    {
        Fenetre w;
        const QRect zone = w.f.screen()->availableGeometry();
        w.f.move(zone.left() + 10, zone.bottom() - 400);
        w.clique("CmdLune");
        QCOMPARE(w.f.geometry().bottom(), zone.bottom());
        QCOMPARE(w.f.x(), zone.left() + 10);
    }

    // An unset date counts as 30 December 1899.
    void dateVide() { QCOMPARE(Principal::differenceJours(std::nullopt, Dates::valeurDate(1, 1, 1900)), 2); }
};

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
