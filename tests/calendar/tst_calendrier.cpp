#include "calendar/grillecalendrier.h"
#include "calendar/jourplus.h"
#include "calendar/minicalend.h"
#include "calendar/paques.h"
#include "support/principal.h"

#include <QTest>

// The calendar tools' arithmetic: movable holidays, weekdays, the month grid,
// the mini-calendar and the clamping of the boxes.
class TestCalendrier : public QObject
{
    Q_OBJECT
private slots:
    void feries_data()
    {
        QTest::addColumn<int>("an");
        QTest::addColumn<QString>("jours"); // Easter, its Monday, Ascension, Whit Sunday and Monday
        QTest::newRow("2002") << 2002 << "31/3 1/4 9/5 19/5 20/5";
        QTest::newRow("2026") << 2026 << "5/4 6/4 14/5 24/5 25/5";
        QTest::newRow("1818 au plus tôt") << 1818 << "22/3 23/3 30/4 10/5 11/5";
        QTest::newRow("2285 au plus tôt") << 2285 << "22/3 23/3 30/4 10/5 11/5";
        QTest::newRow("1943 au plus tard") << 1943 << "25/4 26/4 3/6 13/6 14/6";
        QTest::newRow("2038 au plus tard") << 2038 << "25/4 26/4 3/6 13/6 14/6";
        QTest::newRow("2008, Ascension le 1er mai") << 2008 << "23/3 24/3 1/5 11/5 12/5";
        QTest::newRow("an 1") << 1 << "1/4 2/4 10/5 20/5 21/5";
        QTest::newRow("an 9999") << 9999 << "28/3 29/3 6/5 16/5 17/5";
        QTest::newRow("an 0 refusé") << 0 << "";
    }
    void feries()
    {
        QFETCH(int, an);
        QFETCH(QString, jours);
        QStringList dates;
        if (const auto feries = joursFeriesMobiles(qint16(an)))
            for (const auto &f : *feries)
                dates << f.date.toString(QStringLiteral("d/M"));
        QCOMPARE(dates.join(QLatin1Char(' ')), jours);
    }
    // A Sunday from 22 March to 25 April, whatever the year the box accepts.
    void paquesChaqueAnnee()
    {
        for (int an = PaquesAnneeMin; an <= PaquesAnneeMax; ++an) {
            const QDate p = fPaques(qint16(an));
            QVERIFY2(p.dayOfWeek() == 7 && p >= QDate(an, 3, 22) && p <= QDate(an, 4, 25),
                     qPrintable(QString::number(an)));
        }
        // No year digits left behind, nor a clipped month, for a year below 1000.
        QCOMPARE(AffJour(fPaques(5)), QStringLiteral("dimanche 17 avril "));
    }

    void jourSemaine_data()
    {
        QTest::addColumn<QString>("jour");
        QTest::addColumn<int>("indexMois");
        QTest::addColumn<QString>("annee");
        QTest::addColumn<QString>("nom"); // empty: the shown name is left as it is
        QTest::newRow("4 octobre 1582, julien") << "4" << 9 << "1582" << " Jeudi ";
        QTest::newRow("10 octobre 1582, julien") << "10" << 9 << "1582" << " Mercredi ";
        QTest::newRow("15 octobre 1582, grégorien") << "15" << 9 << "1582" << " Vendredi ";
        QTest::newRow("1 janvier 2000") << " 1" << 0 << " 2000" << " Samedi ";
        QTest::newRow("31 décembre 9999") << "31" << 11 << "9999" << " Vendredi ";
        QTest::newRow("1 janvier 1") << "1" << 0 << "1" << " Samedi ";
        QTest::newRow("1 janvier 0") << "1" << 0 << "0" << " Jeudi ";
        QTest::newRow("31 décembre -1") << "31" << 11 << "-1" << " Mercredi ";
        QTest::newRow("1 janvier -1900") << "1" << 0 << "-1900" << " Mardi ";
        QTest::newRow("29 février 1900 = 1er mars") << "29" << 1 << "1900" << " Jeudi ";
        QTest::newRow("31 février 2001 = 3 mars") << "31" << 1 << "2001" << " Samedi ";
        QTest::newRow("année moins seul") << "1" << 0 << "-" << "";
        QTest::newRow("aucun mois") << "1" << -1 << "2000" << "";
    }
    void jourSemaine()
    {
        QFETCH(QString, jour);
        QFETCH(int, indexMois);
        QFETCH(QString, annee);
        QFETCH(QString, nom);
        QCOMPARE(texteJourSemaine(jour, indexMois, annee).value_or(QString()), nom);
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
        QTest::newRow("mars 2026, sixième ligne") << 3 << 2026 << QPoint(7, 1) << QPoint(2, 6);
        QTest::newRow("février -1900 comme 2100") << 2 << -1900 << QPoint(1, 1) << QPoint(7, 4);
    }
    void grille()
    {
        QFETCH(int, mois);
        QFETCH(int, annee);
        QFETCH(QPoint, premier);
        QFETCH(QPoint, dernier);
        // Today being the 31st, only a 31-day month shows a red number.
        const auto m = grilleMois(mois, annee, 31);
        QCOMPARE(QPoint(m.jours.front().colonne, m.jours.front().ligne), premier);
        QCOMPARE(QPoint(m.jours.back().colonne, m.jours.back().ligne), dernier);
        for (const auto &c : m.jours)
            QCOMPARE(c.rouge, c.jour == 31);
    }
    // Every month the year box accepts, against Qt's proleptic Gregorian
    // calendar, which has no year 0: year y <= 0 is its year y - 1.
    void grilleAccordAvecQt()
    {
        for (int annee = CalendrierAnneeMin; annee <= CalendrierAnneeMax; ++annee)
            for (int mois = 1; mois <= 12; ++mois) {
                const QDate premier(annee <= 0 ? annee - 1 : annee, mois, 1);
                const auto m = grilleMois(mois, annee, 0);
                QCOMPARE(int(m.jours.size()), premier.daysInMonth());
                QCOMPARE(m.colonnePremier, premier.dayOfWeek());
            }
    }

    void bornes_data()
    {
        QTest::addColumn<int>("boite"); // 0 calendar year, 1 Easter year, 2 weekday day, 3 weekday year
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("remplacement"); // "?": not a number; empty: the text stays
        QTest::addColumn<int>("valeur");
        QTest::newRow("calendrier 12000") << 0 << "12000" << "9999" << 9999;
        QTest::newRow("calendrier -2500") << 0 << "-2500" << "-1900" << -1900;
        QTest::newRow("calendrier moins seul") << 0 << "-" << "?" << 0;
        QTest::newRow("Pâques 0") << 1 << "0" << "1" << 1;
        QTest::newRow("jour 45") << 2 << "45" << "31" << 31;
        QTest::newRow("année -2000") << 3 << "-2000" << "-1900" << -1900;
        QTest::newRow("année compteur, demi") << 3 << " -1.5" << "" << -2;
    }
    void bornes()
    {
        QFETCH(int, boite);
        QFETCH(QString, texte);
        QFETCH(QString, remplacement);
        QFETCH(int, valeur);
        const auto b = boite == 0 ? borneAnneeCalendrier(texte) : boite == 1 ? borneAnneePaques(texte)
                       : boite == 2 ? borneJour(texte) : borneAnneeJourPlus(texte);
        QCOMPARE(b ? b->remplacement.value_or(QString()) : QStringLiteral("?"), remplacement);
        QCOMPARE(b ? b->valeur : 0, valeur);
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
        QTest::newRow("même mois, autre année") << QDate(2001, 2, 1) << QPoint(4, 0) << QPoint(3, 4) << 0;
    }
    void miniCases()
    {
        QFETCH(QDate, courante);
        QFETCH(QPoint, premier);
        QFETCH(QPoint, dernier);
        QFETCH(int, rouge);
        const auto c = casesMiniCalend(courante, QDate(2000, 2, 29), {293, 195});
        QCOMPARE(int(c.size()), courante.daysInMonth());
        QCOMPARE(QPoint(c.front().colonne, c.front().ligne), premier);
        QCOMPARE(c.back().coin, QPoint(dernier.x() * 293, dernier.y() * 195));
        QCOMPARE(positionNumeroMini(c.back(), {293, 195}, {100, 45}), c.back().coin + QPointF(96.5, 75));
        for (const auto &k : c)
            QCOMPARE(k.rouge, k.jour == rouge);
        // Inner size less one pixel, rounded half to even, then divided; no padded year.
        QCOMPARE(taillesCase({2044.5, 1184.5}, {15, 15}).largeur, 290);
        QCOMPARE(taillesCase({2037.5, 1184.5}, {15, 15}).largeur, 288);
        QCOMPARE(titreMiniCalend(QDate(100, 2, 15)), QStringLiteral("février 100"));
    }
    void miniPages_data()
    {
        QTest::addColumn<QDate>("depart");
        QTest::addColumn<int>("sens");
        QTest::addColumn<QDate>("attendue"); // invalid: no change
        QTest::newRow("31 janvier 2001") << QDate(2001, 1, 31) << 1 << QDate(2001, 2, 28);
        QTest::newRow("31 janvier 2000") << QDate(2000, 1, 31) << 1 << QDate(2000, 2, 29);
        QTest::newRow("janvier vers décembre") << QDate(2002, 1, 31) << -1 << QDate(2001, 12, 31);
        QTest::newRow("janvier 100, butée") << QDate(100, 1, 15) << -1 << QDate();
        QTest::newRow("décembre 9999, butée") << QDate(9999, 12, 31) << 1 << QDate();
    }
    void miniPages()
    {
        QFETCH(QDate, depart);
        QFETCH(int, sens);
        QFETCH(QDate, attendue);
        QCOMPARE(pageMois(depart, sens).value_or(QDate()), attendue);
    }
};

ZELUND_TEST(TestCalendrier)
#include "tst_calendrier.moc"
