#include "main/compteur.h"
#include "main/grille.h"
#include "main/textedate.h"
#include "moon/phase.h"
#include "support/principal.h"

#include <QTest>

// The main window's arithmetic: the day grid, the date texts and the counter;
// the window tests drive the rest through clicks.
class TestCalculs : public QObject
{
    Q_OBJECT
private slots:
    // Enabled day buttons as 31 flags ('1' clickable, '.' not), and which side of
    // the reform the month lies on.
    void jours_data()
    {
        QTest::addColumn<int>("mois");
        QTest::addColumn<int>("annee");
        QTest::addColumn<QString>("attendu");
        QTest::addColumn<Periode>("periode");
        const QString j28(28, QLatin1Char('1'));
        QTest::newRow("février 2000") << 2 << 2000 << j28 + "1.." << Periode::Apres1582;
        QTest::newRow("février 1900") << 2 << 1900 << j28 + "..." << Periode::Apres1582;
        QTest::newRow("février 1500 (grégorien)") << 2 << 1500 << j28 + "..." << Periode::Avant1582;
        QTest::newRow("septembre 1582") << 9 << 1582 << j28 + "11." << Periode::AvantOctobre1582;
        const QString reforme = "1111" + QString(10, QLatin1Char('.')) + QString(17, QLatin1Char('1'));
        QTest::newRow("octobre 1582") << 10 << 1582 << reforme << Periode::Octobre1582;
        QTest::newRow("novembre 1582") << 11 << 1582 << j28 + "11." << Periode::Apres1582;
        QTest::newRow("octobre 1583") << 10 << 1583 << j28 + "111" << Periode::Apres1582;
    }
    void jours()
    {
        QFETCH(int, mois);
        QFETCH(int, annee);
        QFETCH(QString, attendu);
        QFETCH(Periode, periode);
        QString motif;
        for (bool actif : joursActifs(mois, annee))
            motif += actif ? QLatin1Char('1') : QLatin1Char('.');
        QCOMPARE(motif, attendu);
        QCOMPARE(periodeDuMois(mois, annee), periode);
    }

    // Empty caption: the day does not exist and nothing may be built from it.
    void legende_data()
    {
        QTest::addColumn<int>("jour");
        QTest::addColumn<int>("mois");
        QTest::addColumn<int>("annee");
        QTest::addColumn<QString>("attendue");
        QTest::newRow("4/10/1582 julien") << 4 << 10 << 1582 << "Jeudi 4 octobre 1582";
        // A disabled day re-selected after a change of month keeps the Julian rule.
        QTest::newRow("10/10/1582 julien") << 10 << 10 << 1582 << "Mercredi 10 octobre 1582";
        QTest::newRow("1/1/1582 julien") << 1 << 1 << 1582 << "Lundi 1 janvier 1582";
        QTest::newRow("1/11/1582") << 1 << 11 << 1582 << "Lundi 1 novembre 1582";
        QTest::newRow("31 avril") << 31 << 4 << 2001 << "";
        QTest::newRow("29/2/1500 grégorien") << 29 << 2 << 1500 << "";
        QTest::newRow("jour 0") << 0 << 1 << 2000 << "";
        QTest::newRow("mois 13") << 1 << 13 << 2000 << "";
        QTest::newRow("an 10000") << 1 << 1 << 10000 << "";
    }
    void legende()
    {
        QFETCH(int, jour);
        QFETCH(int, mois);
        QFETCH(int, annee);
        QFETCH(QString, attendue);
        const Periode periode = mois <= 12 ? periodeDuMois(mois, annee) : Periode::Apres1582;
        QCOMPARE(legendeJour(jour, mois, annee, periode).value_or(QString()), attendue);
        QCOMPARE(texteSelection(jour, mois, annee).has_value(), !attendue.isEmpty());
        // Today's caption is Gregorian even before the reform.
        if (jour == 4 && annee == 1582)
            QCOMPARE(legendeAujourdhui(QDate(annee, mois, jour)), QStringLiteral("Lundi 4 octobre 1582"));
    }

    void selectionIllisible()
    {
        // A selection text that names no real day changes nothing.
        const auto rien = [](const LegendesModifiees &l) {
            return !l.premiereDate && !l.deuxiemeDate && !l.anMois && !l.texteNBJ;
        };
        EtatCompteur etat;
        QVERIFY(rien(cliqueDeuxiemeDate(etat, {12, QStringLiteral("31/04/2001"), {}})));
        QVERIFY(rien(cliquePremiereDate(etat, {12, QStringLiteral("5/3/2002"), {}})));
        QVERIFY(!etat.premiereDate && !etat.deuxiemeDate && etat.textePremiere.isEmpty());
        // An unset date counts as 30 December 1899.
        QCOMPARE(differenceJours(std::nullopt, valeurSelection(QStringLiteral("01/01/1900"))), 2);
    }
};

ZELUND_TEST(TestCalculs)
#include "tst_calculs.moc"
