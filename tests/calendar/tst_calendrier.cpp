#include "calendar/grillecalendrier.h"
#include "calendar/jourplus.h"
#include "calendar/minicalend.h"
#include "calendar/textespaques.h"

#include <QTest>

// The calendar tools' arithmetic: weekdays, the month grid,
// the mini-calendar and the clamping of the boxes.
class TestCalendrier : public QObject
{
    Q_OBJECT
private slots:
    // Orthodox Easter, in the Julian calendar up to the reform's year (the
    // feasts that follow Easter are the dates' tests).
    void orthodoxe_data()
    {
        QTest::addColumn<int>("an");
        QTest::addColumn<QString>("ligne");
        QTest::newRow("2002") << 2002 << QStringLiteral("Pâques orthodoxe : 5 mai");
        QTest::newRow("1582") << 1582 << QStringLiteral("Pâques orthodoxe : 15 avril julien");
        QTest::newRow("1583") << 1583 << QStringLiteral("Pâques orthodoxe : 10 avril");
        QTest::newRow("an 0 refusé") << 0 << QString();
    }
    void orthodoxe()
    {
        QFETCH(int, an);
        QFETCH(QString, ligne);
        QCOMPARE(Calendrier::texteOrthodoxe(qint16(an)), ligne);
    }

    void jourSemaine_data()
    {
        QTest::addColumn<QString>("jour");
        QTest::addColumn<int>("indexMois");
        QTest::addColumn<QString>("annee");
        QTest::addColumn<QString>("nom"); // empty: the shown name is left as it is
        const auto ligne = [](const char *cas, const char *jour, int mois, const char *annee, const char *nom) {
            QTest::newRow(cas) << QString(jour) << mois << QString(annee) << QString(nom);
        };
        ligne("1 janvier 2000", " 1", 0, " 2000", " Samedi ");
        ligne("29 février 1900 = 1er mars", "29", 1, "1900", " Jeudi ");
        ligne("31 février 2001 = 3 mars", "31", 1, "2001", " Samedi ");
        ligne("année moins seul", "1", 0, "-", "");
        ligne("aucun mois", "1", -1, "2000", "");
    }
    void jourSemaine()
    {
        QFETCH(QString, jour);
        QFETCH(int, indexMois);
        QFETCH(QString, annee);
        QFETCH(QString, nom);
        QCOMPARE(Calendrier::texteJourSemaine(jour, indexMois, annee).value_or(QString()), nom);
    }

    void grille_data()
    {
        QTest::addColumn<int>("mois");
        QTest::addColumn<int>("annee");
        QTest::addColumn<QPoint>("premier"); // column, row of the 1st
        QTest::addColumn<QPoint>("dernier");
        QTest::newRow("février 2000") << 2 << 2000 << QPoint(2, 1) << QPoint(2, 5);
        QTest::newRow("février 1900") << 2 << 1900 << QPoint(4, 1) << QPoint(3, 5);
        QTest::newRow("octobre 1582 sans trou") << 10 << 1582 << QPoint(5, 1) << QPoint(7, 5);
        // The grid is proleptic Gregorian, with a year 0, to the ends of the year box.
        QTest::newRow("janvier 0, sixième ligne") << 1 << 0 << QPoint(6, 1) << QPoint(1, 6);
        QTest::newRow("décembre 9999") << 12 << 9999 << QPoint(3, 1) << QPoint(5, 5);
        QTest::newRow("février -1900 comme 2100") << 2 << -1900 << QPoint(1, 1) << QPoint(7, 4);
    }
    void grille()
    {
        QFETCH(int, mois);
        QFETCH(int, annee);
        QFETCH(QPoint, premier);
        QFETCH(QPoint, dernier);
        // Today being the 31st, only a 31-day month shows a red number.
        const auto m = Calendrier::grilleMois(mois, annee, 31);
        QCOMPARE(QPoint(m.jours.front().colonne, m.jours.front().ligne), premier);
        QCOMPARE(QPoint(m.jours.back().colonne, m.jours.back().ligne), dernier);
        for (const auto &c : m.jours)
            QCOMPARE(c.rouge, c.jour == 31);
    }
    // The windows check the clamping; here the reading's edges: a lone sign is
    // not a number, and halves go to the even number below zero too.
    void lectureDesBoites()
    {
        QVERIFY(!Calendrier::borneAnneeCalendrier(QStringLiteral("-")));
        const auto demi = Calendrier::borneAnneeJourPlus(QStringLiteral(" -1.5"));
        QVERIFY(demi && !demi->remplacement && demi->valeur == -2);
        // Half a year under the first is brought back, text and value, not left to the spin box.
        const auto sous = Calendrier::borneAnneePaques(QStringLiteral("0,5"));
        QVERIFY(sous && sous->remplacement == QStringLiteral("1") && sous->valeur == 1);
    }

    void miniCases_data()
    {
        QTest::addColumn<QDate>("courante");
        QTest::addColumn<QPoint>("premier"); // column, row
        QTest::addColumn<QPoint>("dernier");
        QTest::addColumn<int>("rouge"); // 0: none; today is 29 February 2000
        QTest::newRow("1er un dimanche") << QDate(2026, 3, 31) << QPoint(0, 0) << QPoint(2, 4) << 0;
        QTest::newRow("1er un samedi, sixième ligne") << QDate(2026, 8, 1) << QPoint(6, 0) << QPoint(1, 5) << 0;
        QTest::newRow("mois courant") << QDate(2000, 2, 10) << QPoint(2, 0) << QPoint(2, 4) << 29;
    }
    void miniCases()
    {
        QFETCH(QDate, courante);
        QFETCH(QPoint, premier);
        QFETCH(QPoint, dernier);
        QFETCH(int, rouge);
        const auto c = Calendrier::casesMiniCalend(courante, QDate(2000, 2, 29), {293, 195});
        QCOMPARE(int(c.size()), courante.daysInMonth());
        QCOMPARE(QPoint(c.front().colonne, c.front().ligne), premier);
        QCOMPARE(c.back().coin, QPoint(dernier.x() * 293, dernier.y() * 195));
        for (const auto &k : c)
            QCOMPARE(k.rouge, k.jour == rouge);
        // Inner size less one pixel, rounded half to even, then divided; no padded year.
        QCOMPARE(Calendrier::taillesCase({2044.5, 1184.5}, {15, 15}).largeur, 290);
        QCOMPARE(Calendrier::taillesCase({2037.5, 1184.5}, {15, 15}).largeur, 288);
        QCOMPARE(Calendrier::titreMiniCalend(QDate(100, 2, 15)), QStringLiteral("février 100"));
        QVERIFY(Calendrier::texteRappel().startsWith(QStringLiteral("Et pour mémoire : \n")));
    }
};

QTEST_GUILESS_MAIN(TestCalendrier)
#include "tst_calendrier.moc"
