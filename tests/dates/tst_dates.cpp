#include "dates/calendrier.h"
#include "dates/infojour.h"
#include "dates/jours.h"
#include "dates/navigation.h"
#include "dates/noms.h"
#include "dates/paques.h"
#include "dates/semaine.h"
#include "dates/texte.h"

#include <QTest>

Q_DECLARE_METATYPE(Dates::JourMoisAn)

// The calendar rules, each table's rows being the edges: the reform, the first
// and last years, the ends of months, ISO weeks, and the keyboard's date moves.
// The rules that must agree share a row.
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
        QTest::addColumn<Dates::JourMoisAn>("date");
        QTest::addColumn<bool>("julien");
        QTest::addColumn<int>("valeur");
        QTest::addColumn<QList<int>>("semaine"); // weekday: Gregorian, caption's, calculator's
        using J = Dates::JourMoisAn;
        QTest::newRow("4/10/1582, dernier jour julien") << J{4, 10, 1582} << true << -115859 << QList{1, 4, 4};
        QTest::newRow("5/10/1582, jour retiré") << J{5, 10, 1582} << true << -115858 << QList{2, 5, 5};
        QTest::newRow("14/10/1582, veille") << J{14, 10, 1582} << true << -115849 << QList{4, 7, 0};
        QTest::newRow("15/10/1582, premier grégorien") << J{15, 10, 1582} << false << -115858 << QList{5, 5, 5};
        QTest::newRow("31/9/1582 = 1/10, julien") << J{31, 9, 1582} << true << -115862 << QList{5, 1, 1};
        // Before 1500 the true Julian calendar drifts from the ten-day gap.
        QTest::newRow("31/12/1000") << J{31, 12, 1000} << true << -328342 << QList{3, 6, 2};
        QTest::newRow("1/1/100, première année") << J{1, 1, 100} << true << -657424 << QList{5, 1, 3};
        QTest::newRow("30/12/1899, jour 0") << J{30, 12, 1899} << false << 0 << QList{6, 6, 6};
        QTest::newRow("29/2/1900 = 1/3") << J{29, 2, 1900} << false << 61 << QList{4, 4, 4};
        QTest::newRow("31/12/9999, dernière année") << J{31, 12, 9999} << false << 2958465 << QList{5, 5, 5};
        QTest::newRow("1/1/0") << J{1, 1, 0} << true << -693949 << QList{6, 2, 4};
        QTest::newRow("1/1/-1900, première du calculateur") << J{1, 1, -1900} << true << -1387909 << QList{5, 1, 2};
    }
    void bornes()
    {
        QFETCH(Dates::JourMoisAn, date);
        QFETCH(bool, julien);
        QFETCH(int, valeur);
        QFETCH(QList<int>, semaine);
        const auto [jour, mois, annee] = date;
        QCOMPARE(Dates::avantLaReforme(jour, mois, annee), julien);
        QCOMPARE(Dates::valeurSelection(jour, mois, annee), valeur);
        const int gregorien = Dates::colonneLundi(jour, mois, annee), legende = semaine[1];
        QCOMPARE((QList{gregorien, julien ? Dates::jourSemaineDecale(jour, mois, annee) : gregorien,
                        Dates::CalculeJour(jour, mois, annee)}),
                 semaine);
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
        QTest::addColumn<Dates::JourMoisAn>("date");
        QTest::addColumn<QString>("attendue");
        using J = Dates::JourMoisAn;
        QTest::newRow("4/10/1582 julien") << J{4, 10, 1582} << "Jeudi 4 octobre 1582";
        // A disabled day re-selected after a change of month keeps the Julian rule.
        QTest::newRow("10/10/1582 julien") << J{10, 10, 1582} << "Mercredi 10 octobre 1582";
        QTest::newRow("1/1/1582 julien") << J{1, 1, 1582} << "Lundi 1 janvier 1582";
        QTest::newRow("31 avril") << J{31, 4, 2001} << "";
        QTest::newRow("29/2/1500 grégorien") << J{29, 2, 1500} << "";
        QTest::newRow("jour 0") << J{0, 1, 2000} << "";
        QTest::newRow("mois 13") << J{1, 13, 2000} << "";
        QTest::newRow("an 10000") << J{1, 1, 10000} << "";
    }
    void legende()
    {
        QFETCH(Dates::JourMoisAn, date);
        QFETCH(QString, attendue);
        const auto [jour, mois, annee] = date;
        const Dates::Periode periode = mois <= 12 ? Dates::periodeDuMois(mois, annee) : Dates::Periode::Apres1582;
        QCOMPARE(Dates::legendeJour(jour, mois, annee, periode).value_or(QString()), attendue);
        QCOMPARE(Dates::texteSelection(jour, mois, annee).has_value(), !attendue.isEmpty());
        // Today's caption is Gregorian even before the reform.
        if (jour == 4 && annee == 1582)
            QCOMPARE(Dates::legendeAujourdhui(QDate(annee, mois, jour)), QStringLiteral("Lundi 4 octobre 1582"));
    }
    // A day or a week across months, years and the reform, a month or a year
    // onto a shorter month, and the ends of the year list.
    void voisins_data()
    {
        QTest::addColumn<Dates::JourMoisAn>("depart");
        QTest::addColumn<int>("pas");                   // days
        QTest::addColumn<int>("nbMois");                // months, when pas is 0
        QTest::addColumn<Dates::JourMoisAn>("arrivee"); // day 0: no move
        using J = Dates::JourMoisAn;
        QTest::newRow("début d'année") << J{1, 1, 2002} << -1 << 0 << J{31, 12, 2001};
        QTest::newRow("par-dessus la réforme") << J{4, 10, 1582} << 1 << 0 << J{15, 10, 1582};
        QTest::newRow("avant la réforme") << J{15, 10, 1582} << -1 << 0 << J{4, 10, 1582};
        QTest::newRow("semaine avant la réforme") << J{15, 10, 1582} << -7 << 0 << J{28, 9, 1582};
        QTest::newRow("février 1500, grille grégorienne") << J{28, 2, 1500} << 1 << 0 << J{1, 3, 1500};
        QTest::newRow("29 février 2000") << J{28, 2, 2000} << 1 << 0 << J{29, 2, 2000};
        QTest::newRow("bout de la liste") << J{31, 12, 2100} << 1 << 0 << J{0, 0, 0};
        QTest::newRow("début de la liste") << J{3, 1, 1500} << -7 << 0 << J{0, 0, 0};
        QTest::newRow("mois bissextile") << J{31, 3, 2000} << 0 << -1 << J{29, 2, 2000};
        QTest::newRow("mois de la réforme") << J{10, 9, 1582} << 0 << 1 << J{4, 10, 1582};
        QTest::newRow("mois suivant, année suivante") << J{15, 12, 2001} << 0 << 1 << J{15, 1, 2002};
        QTest::newRow("année après un 29 février") << J{29, 2, 2000} << 0 << 12 << J{28, 2, 2001};
        QTest::newRow("année hors liste") << J{15, 6, 1500} << 0 << -12 << J{0, 0, 0};
    }
    void voisins()
    {
        QFETCH(Dates::JourMoisAn, depart);
        QFETCH(int, pas);
        QFETCH(int, nbMois);
        QFETCH(Dates::JourMoisAn, arrivee);
        const auto obtenu =
            pas ? Dates::jourVoisin(depart, pas, 1500, 2100) : Dates::moisVoisin(depart, nbMois, 1500, 2100);
        QCOMPARE(obtenu.value_or(Dates::JourMoisAn{0, 0, 0}), arrivee);
    }

    void semaine_data()
    {
        QTest::addColumn<QDate>("jour");
        QTest::addColumn<int>("semaine");
        QTest::addColumn<int>("anneeSemaine");
        QTest::addColumn<int>("jourAnnee");
        QTest::newRow("31/12/2004, 53e semaine") << QDate(2004, 12, 31) << 53 << 2004 << 366;
        QTest::newRow("01/01/2005 encore en 2004") << QDate(2005, 1, 1) << 53 << 2004 << 1;
        QTest::newRow("03/01/2005 lundi") << QDate(2005, 1, 3) << 1 << 2005 << 3;
        QTest::newRow("29/12/2008 déjà en 2009") << QDate(2008, 12, 29) << 1 << 2009 << 364;
        QTest::newRow("03/01/2010 dimanche") << QDate(2010, 1, 3) << 53 << 2009 << 3;
        QTest::newRow("31/12/1900 non bissextile") << QDate(1900, 12, 31) << 1 << 1901 << 365;
        QTest::newRow("01/03/2024 après le 29 février") << QDate(2024, 3, 1) << 9 << 2024 << 61;
        QTest::newRow("15/10/1582 premier jour grégorien") << QDate(1582, 10, 15) << 41 << 1582 << 288;
    }
    void semaine()
    {
        QFETCH(QDate, jour);
        QFETCH(int, semaine);
        QFETCH(int, anneeSemaine);
        QFETCH(int, jourAnnee);
        QCOMPARE(Dates::semaineIso(jour), (Dates::SemaineIso{semaine, anneeSemaine}));
        QCOMPARE(Dates::jourDeLAnnee(jour.day(), jour.month(), jour.year()), jourAnnee);
    }

    void ferie_data()
    {
        QTest::addColumn<QDate>("jour");
        QTest::addColumn<QString>("nom");
        QTest::newRow("14 juillet") << QDate(2026, 7, 14) << "Fête nationale";
        QTest::newRow("veille") << QDate(2026, 7, 13) << QString();
        QTest::newRow("Pâques 2002") << QDate(2002, 3, 31) << "Pâques";
        QTest::newRow("Pâques le plus tardif, 2038") << QDate(2038, 6, 14) << "Lundi de Pentecôte";
        QTest::newRow("Ascension le 1er mai 2008") << QDate(2008, 5, 1) << "Fête du Travail, Ascension";
        // Each holiday from the year of its law, 8 May but from 1959 to 1981.
        QTest::newRow("Toussaint avant le Concordat") << QDate(1801, 11, 1) << QString();
        QTest::newRow("Toussaint du Concordat") << QDate(1802, 11, 1) << "Toussaint";
        QTest::newRow("8 mai 1800") << QDate(1800, 5, 8) << QString();
        QTest::newRow("8 mai, dernière année") << QDate(1958, 5, 8) << "Victoire 1945";
        QTest::newRow("8 mai supprimé") << QDate(1959, 5, 8) << QString();
        QTest::newRow("8 mai, encore supprimé") << QDate(1981, 5, 8) << QString();
        QTest::newRow("8 mai rétabli") << QDate(1982, 5, 8) << "Victoire 1945";
        QTest::newRow("1er mai 1946") << QDate(1946, 5, 1) << QString();
        QTest::newRow("1er mai 1947") << QDate(1947, 5, 1) << "Fête du Travail";
        QTest::newRow("Lundi de Pâques 1885") << QDate(1885, 4, 6) << QString();
        QTest::newRow("Lundi de Pâques 1886") << QDate(1886, 4, 26) << "Lundi de Pâques";
        QTest::newRow("Armistice 1921") << QDate(1921, 11, 11) << QString();
        QTest::newRow("Saint-Étienne, hors d'Alsace-Moselle") << QDate(2026, 12, 26) << QString();
    }
    void ferie()
    {
        QFETCH(QDate, jour);
        QFETCH(QString, nom);
        QCOMPARE(Dates::jourFerie(jour).value_or(QString()), nom);
    }

    // The text of a day's tooltip, in the main window's grid (Julian before
    // the reform, ten days fewer in 1582) and in the calendars (Gregorian in
    // every year, year 0 and below included). The ISO week is Gregorian only.
    void infoJour_data()
    {
        QTest::addColumn<int>("jour");
        QTest::addColumn<int>("mois");
        QTest::addColumn<int>("annee");
        QTest::addColumn<QString>("grille");
        QTest::addColumn<QString>("calendrier");
        const QString an2005 =
            "Samedi 1 janvier 2005\nSemaine 53 de 2004, jour 1 de l'année\nJour férié : Jour de l'an";
        QTest::newRow("semaine de l'année d'avant") << 1 << 1 << 2005 << an2005 << an2005;
        QTest::newRow("premier jour grégorien")
            << 15 << 10 << 1582 << "Vendredi 15 octobre 1582\nSemaine 41, jour 278 de l'année"
            << "Vendredi 15 octobre 1582\nSemaine 41, jour 288 de l'année";
        QTest::newRow("31/12/1582") << 31 << 12 << 1582 << "Vendredi 31 décembre 1582\nSemaine 52, jour 355 de l'année"
                                    << "Vendredi 31 décembre 1582\nSemaine 52, jour 365 de l'année";
        QTest::newRow("veille julienne") << 4 << 10 << 1582
                                         << "Jeudi 4 octobre 1582\nJour 277 de l'année\nCalendrier julien"
                                         << "Lundi 4 octobre 1582\nJour 277 de l'année";
        QTest::newRow("an 100 sans zéro")
            << 1 << 1 << 100 << "Lundi 1 janvier 100\nJour 1 de l'année\nCalendrier julien"
            << "Vendredi 1 janvier 100\nJour 1 de l'année";
        QTest::newRow("an 0 bissextile") << 1 << 3 << 0 << ""
                                         << "Mercredi 1 mars 0\nJour 61 de l'année";
        QTest::newRow("année négative") << 31 << 12 << -1900 << ""
                                        << "Vendredi 31 décembre -1900\nJour 365 de l'année";
        QTest::newRow("29/02/-1900 n'existe pas") << 29 << 2 << -1900 << ""
                                                  << "";
    }
    void infoJour()
    {
        QFETCH(int, jour);
        QFETCH(int, mois);
        QFETCH(int, annee);
        QFETCH(QString, grille);
        QFETCH(QString, calendrier);
        const Dates::Periode periode = Dates::periodeDuMois(mois, annee);
        QCOMPARE(Dates::infoJourGrille(jour, mois, annee, periode).value_or(QString()), grille);
        QCOMPARE(Dates::infoJour(jour, mois, annee).value_or(QString()), calendrier);
    }
};

QTEST_GUILESS_MAIN(TestDates)
#include "tst_dates.moc"
