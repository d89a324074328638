#include "dates/calendrier.h"
#include "dates/infojour.h"
#include "dates/jours.h"
#include "dates/navigation.h"
#include "dates/noms.h"
#include "dates/paques.h"
#include "dates/semaine.h"
#include "dates/texte.h"

#include <QCalendar>
#include <QLocale>
#include <QTest>

Q_DECLARE_METATYPE(Dates::JourMoisAn)

// The calendar rules against a second computation over whole cycles, then
// tables whose rows are the edges: the reform, the first and last years, the
// ends of months, ISO weeks, and the keyboard's date moves.
class TestDates : public QObject
{
    Q_OBJECT
private slots:
    // Every day of two 400-year cycles, around the year 0 and around the reform,
    // and the ends of every year offered, against Qt's Gregorian and Julian
    // calendars (which have no year 0: year 0 is their 1 BC). A day past its
    // month's end is the next month's, and counts as written for the reform
    // (31 September 1582 is Julian); before it the main window's value is ten
    // days on. Weekdays: 1 = Monday, the calculator's 0 = Sunday, Julian before
    // the reform; the caption's is ten days on.
    void toutLeCalendrier()
    {
        const QCalendar julien(QCalendar::System::Julian);
        const auto verifie = [&](int j, int m, int a) {
            const int qtAn = a <= 0 ? a - 1 : a;
            const QDate g = QDate(qtAn, m, 1).addDays(j - 1), jj = QDate(qtAn, m, 1, julien).addDays(j - 1);
            const bool avant = g < QDate(1582, 10, 15);
            const Dates::JourMoisAn r = Dates::dateDeValeur(Dates::valeurDate(j, m, a));
            const qint64 jg = g.toJulianDay(), zero = 2415019;
            const qint64 retour = QDate(r.annee <= 0 ? r.annee - 1 : r.annee, r.mois, r.jour).toJulianDay();
            using namespace Dates;
            const auto obtenu =
                QList<qint64>({jourJulien(j, m, a), valeurDate(j, m, a) + zero, valeurSelection(j, m, a) + zero,
                               jourJulienDuCalendrierJulien(j, m, a), colonneLundi(j, m, a), jourSemaineDecale(j, m, a),
                               CalculeJour(j, m, a), avantLaReforme(j, m, a), retour});
            const auto attendu =
                QList<qint64>({jg, jg, jg + (avant ? 10 : 0), jj.toJulianDay(), g.dayOfWeek(),
                               g.addDays(10).dayOfWeek(), (avant ? jj : g).dayOfWeek() % 7, avant, jg});
            return obtenu == attendu;
        };
        const auto date = [](int j, int m, int a) { return QStringLiteral("%1/%2/%3").arg(j).arg(m).arg(a).toUtf8(); };
        for (const auto &[debut, fin] : {std::pair{-200, 200}, std::pair{1400, 1800}})
            for (int a = debut; a < fin; ++a)
                for (int m = 1; m <= 12; ++m)
                    for (int j = 1; j <= 31; ++j)
                        if (!verifie(j, m, a))
                            QFAIL(date(j, m, a).constData());
        for (int a = -1900; a <= 9999; ++a) {
            QCOMPARE(Dates::estBissextileGregorien(a), QDate::isLeapYear(a <= 0 ? a - 1 : a));
            for (int m = 1; m <= 12; ++m)
                QCOMPARE(Dates::longueurMois(m, a), QDate(a <= 0 ? a - 1 : a, m, 1).daysInMonth());
            for (const auto &[j, m] : {std::pair{1, 1}, {28, 2}, {29, 2}, {1, 3}, {31, 12}})
                if (!verifie(j, m, a))
                    QFAIL(date(j, m, a).constData());
        }
    }

    // Easter by another rule (Oudin's) for every year offered, and the feasts
    // that follow it on their weekdays.
    void paquesChaqueAnnee()
    {
        for (int an = Dates::PaquesAnneeMin; an <= Dates::PaquesAnneeMax; ++an) {
            const int g = an % 19, c = an / 100;
            const int h = (c - c / 4 - (8 * c + 13) / 25 + 19 * g + 15) % 30;
            const int i = h - (h / 28) * (1 - (29 / (h + 1)) * ((21 - g) / 11));
            const int l = i - (an + an / 4 + i + 2 - c + c / 4) % 7;
            const int mois = 3 + (l + 40) / 44;
            const QDate paques(an, mois, l + 28 - 31 * (mois / 4));
            const auto feries = Dates::joursFeriesMobiles(qint16(an));
            QVERIFY(feries);
            QList<int> semaine, ecart;
            for (const Dates::JourFerie &f : *feries) {
                semaine << f.date.dayOfWeek();
                ecart << paques.daysTo(f.date);
            }
            QCOMPARE(Dates::fPaques(qint16(an)), paques);
            QCOMPARE(semaine, (QList{7, 1, 4, 7, 1}));
            QCOMPARE(ecart, (QList{0, 1, 39, 49, 50}));
        }
    }

    // The names against the French locale's own.
    void noms()
    {
        const QLocale fr(QLocale::French);
        QStringList mois;
        for (int m = 1; m <= 12; ++m) {
            QCOMPARE(Dates::nomMois(m), fr.monthName(m));
            mois << u' ' + fr.monthName(m).at(0).toUpper() + fr.monthName(m).mid(1);
        }
        QCOMPARE(Dates::textesListeMois(), mois);
        for (int j = 1; j <= 7; ++j) {
            const QString nom = fr.dayName(j);
            QCOMPARE(Dates::nomJour(j), nom);
            QCOMPARE(Dates::nomColonne(j), fr.dayName(j, QLocale::ShortFormat).toUpper());
            QCOMPARE(Dates::nomJourSemaine(j % 7), u' ' + nom.at(0).toUpper() + nom.mid(1) + u' ');
        }
        QCOMPARE(Dates::nomMois(13) + Dates::nomJour(0) + Dates::nomJour(8), QString());
    }

    void paques_data()
    {
        QTest::addColumn<int>("an");
        QTest::addColumn<QString>("paques"); // "" when the year is refused
        QTest::newRow("an 0 refusé") << 0 << "";
        // No year digits left behind, nor a clipped month, for a year below 1000.
        QTest::newRow("an 5") << 5 << "dimanche 17 avril ";
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
        QTest::newRow("février 1900") << 2 << 1900 << j28 + "..." << Dates::Periode::Apres1582;
        QTest::newRow("février 1500 (grégorien)") << 2 << 1500 << j28 + "..." << Dates::Periode::Avant1582;
        QTest::newRow("septembre 1582") << 9 << 1582 << j28 + "11." << Dates::Periode::AvantOctobre1582;
        const QString reforme = "1111" + QString(10, QLatin1Char('.')) + QString(17, QLatin1Char('1'));
        QTest::newRow("octobre 1582") << 10 << 1582 << reforme << Dates::Periode::Octobre1582;
        QTest::newRow("novembre 1582") << 11 << 1582 << j28 + "11." << Dates::Periode::Apres1582;
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
        QCOMPARE(Dates::estDateValide(jour, mois, annee), !attendue.isEmpty());
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
        QTest::newRow("vers la dernière année") << J{31, 12, 2099} << 1 << 0 << J{1, 1, 2100};
        QTest::newRow("bout de la liste") << J{31, 12, 2100} << 1 << 0 << J{0, 0, 0};
        QTest::newRow("vers la première année") << J{3, 1, 1501} << -7 << 0 << J{27, 12, 1500};
        QTest::newRow("début de la liste") << J{3, 1, 1500} << -7 << 0 << J{0, 0, 0};
        QTest::newRow("mois bissextile") << J{31, 3, 2000} << 0 << -1 << J{29, 2, 2000};
        QTest::newRow("mois de la réforme") << J{10, 9, 1582} << 0 << 1 << J{4, 10, 1582};
        QTest::newRow("mois suivant, année suivante") << J{15, 12, 2001} << 0 << 1 << J{15, 1, 2002};
        QTest::newRow("année après un 29 février") << J{29, 2, 2000} << 0 << 12 << J{28, 2, 2001};
        QTest::newRow("année hors liste") << J{15, 6, 1500} << 0 << -12 << J{0, 0, 0};
        QTest::newRow("dernière année") << J{15, 12, 2099} << 0 << 1 << J{15, 1, 2100};
        QTest::newRow("année après la liste") << J{15, 6, 2100} << 0 << 12 << J{0, 0, 0};
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

    // The ISO week and the day of the year of every day of 1500 to 2500,
    // against Qt's proleptic Gregorian calendar.
    void semaine()
    {
        for (QDate jour(1500, 1, 1); jour.year() <= 2500; jour = jour.addDays(1)) {
            int anneeSemaine = 0;
            const int semaine = jour.weekNumber(&anneeSemaine);
            if (Dates::semaineIso(jour) != Dates::SemaineIso{semaine, anneeSemaine}
                || Dates::jourDeLAnnee(jour.day(), jour.month(), jour.year()) != jour.dayOfYear())
                QFAIL(qPrintable(jour.toString(Qt::ISODate)));
        }
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
            << QStringLiteral("Vendredi 15 octobre 1582\nSemaine 41, jour 288 de l'année");
        QTest::newRow("31/12/1582") << 31 << 12 << 1582 << "Vendredi 31 décembre 1582\nSemaine 52, jour 355 de l'année"
                                    << QStringLiteral("Vendredi 31 décembre 1582\nSemaine 52, jour 365 de l'année");
        QTest::newRow("veille julienne") << 4 << 10 << 1582
                                         << "Jeudi 4 octobre 1582\nJour 277 de l'année\nCalendrier julien"
                                         << QStringLiteral("Lundi 4 octobre 1582\nJour 277 de l'année");
        QTest::newRow("an 100 sans zéro")
            << 1 << 1 << 100 << "Lundi 1 janvier 100\nJour 1 de l'année\nCalendrier julien"
            << QStringLiteral("Vendredi 1 janvier 100\nJour 1 de l'année");
        QTest::newRow("an 0 bissextile") << 1 << 3 << 0 << ""
                                         << QStringLiteral("Mercredi 1 mars 0\nJour 61 de l'année");
        QTest::newRow("année négative") << 31 << 12 << -1900 << ""
                                        << QStringLiteral("Vendredi 31 décembre -1900\nJour 365 de l'année");
        QTest::newRow("29/02/-1900 n'existe pas") << 29 << 2 << -1900 << QString() << QString();
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
