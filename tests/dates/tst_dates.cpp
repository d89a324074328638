#include "dates/calendrier.h"
#include "dates/jours.h"
#include "dates/noms.h"
#include "dates/paques.h"
#include "dates/semaine.h"
#include "dates/texte.h"

#include <QTest>

// The calendar rules, each table's rows being the edges: the reform, the first
// and last years, the ends of months. The rules that must agree share a row.
class TestDates : public QObject
{
    Q_OBJECT
private slots:
    // One date per row, seen by every rule: the reform (Julian up to
    // 14 October 1582 as written), the day count (the main window's value is ten
    // days on before the reform), and the three weekday rules (1 = Monday for
    // the Gregorian one and the caption's, 0 = Sunday for the calculator's).
    void bornes_data()
    {
        QTest::addColumn<int>("jour");
        QTest::addColumn<int>("mois");
        QTest::addColumn<int>("annee");
        QTest::addColumn<bool>("julien");
        QTest::addColumn<int>("valeur");
        QTest::addColumn<int>("gregorien");
        QTest::addColumn<int>("legende");
        QTest::addColumn<int>("calculateur");
        QTest::newRow("4/10/1582, dernier jour julien") << 4 << 10 << 1582 << true << -115859 << 1 << 4 << 4;
        QTest::newRow("5/10/1582, jour retiré") << 5 << 10 << 1582 << true << -115858 << 2 << 5 << 5;
        QTest::newRow("14/10/1582, veille") << 14 << 10 << 1582 << true << -115849 << 4 << 7 << 0;
        QTest::newRow("15/10/1582, premier grégorien") << 15 << 10 << 1582 << false << -115858 << 5 << 5 << 5;
        QTest::newRow("31/9/1582 = 1/10, julien") << 31 << 9 << 1582 << true << -115862 << 5 << 1 << 1;
        // Before 1500 the true Julian calendar drifts from the ten-day gap.
        QTest::newRow("31/12/1000") << 31 << 12 << 1000 << true << -328342 << 3 << 6 << 2;
        QTest::newRow("1/1/100, première année") << 1 << 1 << 100 << true << -657424 << 5 << 1 << 3;
        QTest::newRow("30/12/1899, jour 0") << 30 << 12 << 1899 << false << 0 << 6 << 6 << 6;
        QTest::newRow("29/2/1900 = 1/3") << 29 << 2 << 1900 << false << 61 << 4 << 4 << 4;
        QTest::newRow("31/12/9999, dernière année") << 31 << 12 << 9999 << false << 2958465 << 5 << 5 << 5;
        QTest::newRow("1/1/0") << 1 << 1 << 0 << true << -693949 << 6 << 2 << 4;
        QTest::newRow("1/1/-1900, première du calculateur") << 1 << 1 << -1900 << true << -1387909 << 5 << 1 << 2;
    }
    void bornes()
    {
        QFETCH(int, jour);
        QFETCH(int, mois);
        QFETCH(int, annee);
        QFETCH(bool, julien);
        QFETCH(int, valeur);
        QFETCH(int, gregorien);
        QFETCH(int, legende);
        QFETCH(int, calculateur);
        QCOMPARE(Dates::avantLaReforme(jour, mois, annee), julien);
        QCOMPARE(Dates::valeurSelection(jour, mois, annee), valeur);
        QCOMPARE(Dates::colonneLundi(jour, mois, annee), gregorien);
        QCOMPARE(julien ? Dates::jourSemaineDecale(jour, mois, annee) : gregorien, legende);
        QCOMPARE(Dates::CalculeJour(jour, mois, annee), calculateur);
        // The one day count: date values and Julian Day Numbers differ by a constant,
        // and a value converts back to the date, a day past the month's end carried on.
        const int brute = Dates::valeurDate(jour, mois, annee);
        QCOMPARE(Dates::jourJulien(jour, mois, annee), brute + 2415019);
        const auto d = Dates::dateDeValeur(brute);
        QCOMPARE(Dates::valeurDate(d.jour, d.mois, d.annee), brute);
        QVERIFY(d.jour <= Dates::longueurMois(d.mois, d.annee));
        // The caption writes the weekday its rule gives.
        const auto texte = Dates::legendeJour(jour, mois, annee, Dates::periodeDuMois(mois, annee));
        if (texte)
            QVERIFY(texte->startsWith(Dates::nomJour(legende), Qt::CaseInsensitive));
    }

    void paques_data()
    {
        QTest::addColumn<int>("an");
        QTest::addColumn<QString>("paques"); // "" when the year is refused
        QTest::newRow("an 0 refusé") << 0 << "";
        QTest::newRow("an 1") << 1 << "dimanche 1 avril ";
        // No year digits left behind, nor a clipped month, for a year below 1000.
        QTest::newRow("an 5") << 5 << "dimanche 17 avril ";
        QTest::newRow("1818 au plus tôt") << 1818 << "dimanche 22 mars ";
        QTest::newRow("1943 au plus tard") << 1943 << "dimanche 25 avril ";
        QTest::newRow("9999") << 9999 << "dimanche 28 mars ";
        QTest::newRow("an 10000 refusé") << 10000 << "";
    }
    void paques()
    {
        QFETCH(int, an);
        QFETCH(QString, paques);
        const QDate p = Dates::fPaques(qint16(an));
        QCOMPARE(p.isValid() ? Dates::AffJour(p) : QString(), paques);
    }
    // Enabled day buttons as 31 flags ('1' clickable, '.' not), and which side of
    // the reform the month lies on.
    void jours_data()
    {
        QTest::addColumn<int>("mois");
        QTest::addColumn<int>("annee");
        QTest::addColumn<QString>("attendu");
        QTest::addColumn<Dates::Periode>("periode");
        const QString j28(28, QLatin1Char('1'));
        QTest::newRow("février 2000") << 2 << 2000 << j28 + "1.." << Dates::Periode::Apres1582;
        QTest::newRow("février 1900") << 2 << 1900 << j28 + "..." << Dates::Periode::Apres1582;
        QTest::newRow("février 1500 (grégorien)") << 2 << 1500 << j28 + "..." << Dates::Periode::Avant1582;
        QTest::newRow("septembre 1582") << 9 << 1582 << j28 + "11." << Dates::Periode::AvantOctobre1582;
        const QString reforme = "1111" + QString(10, QLatin1Char('.')) + QString(17, QLatin1Char('1'));
        QTest::newRow("octobre 1582") << 10 << 1582 << reforme << Dates::Periode::Octobre1582;
        QTest::newRow("novembre 1582") << 11 << 1582 << j28 + "11." << Dates::Periode::Apres1582;
        QTest::newRow("octobre 1583") << 10 << 1583 << j28 + "111" << Dates::Periode::Apres1582;
    }
    void jours()
    {
        QFETCH(int, mois);
        QFETCH(int, annee);
        QFETCH(QString, attendu);
        QFETCH(Dates::Periode, periode);
        QString motif;
        for (bool actif : Dates::joursActifs(mois, annee))
            motif += actif ? QLatin1Char('1') : QLatin1Char('.');
        QCOMPARE(motif, attendu);
        QCOMPARE(Dates::periodeDuMois(mois, annee), periode);
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
        const Dates::Periode periode = mois <= 12 ? Dates::periodeDuMois(mois, annee) : Dates::Periode::Apres1582;
        QCOMPARE(Dates::legendeJour(jour, mois, annee, periode).value_or(QString()), attendue);
        QCOMPARE(Dates::texteSelection(jour, mois, annee).has_value(), !attendue.isEmpty());
        // Today's caption is Gregorian even before the reform.
        if (jour == 4 && annee == 1582)
            QCOMPARE(Dates::legendeAujourdhui(QDate(annee, mois, jour)), QStringLiteral("Lundi 4 octobre 1582"));
    }
};

QTEST_GUILESS_MAIN(TestDates)
#include "tst_dates.moc"
