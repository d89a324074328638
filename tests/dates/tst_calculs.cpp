#include "dates/calculs.h"

#include <QCalendar>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

Q_DECLARE_METATYPE(Dates::JourMoisAn)
Q_DECLARE_METATYPE(Dates::Unite)
Q_DECLARE_METATYPE(Dates::Regle)
Q_DECLARE_METATYPE(Dates::Region)

using Dates::JourMoisAn;

namespace {
// Qt's own calendars, independent of the rules under test: Julian before
// the reform, Gregorian after; Qt has no year 0.
JourMoisAn dateQt(qint64 numero)
{
    const QCalendar c(numero < 2299161 ? QCalendar::System::Julian : QCalendar::System::Gregorian);
    const QCalendar::YearMonthDay p = c.partsFromDate(QDate::fromJulianDay(numero));
    return {p.day, p.month, p.year < 0 ? p.year + 1 : p.year};
}

// Day by day: the weekday from Qt, the holidays straight from the table.
qint64 compteJourParJour(qint64 debut, qint64 fin, Dates::Regle regle, Dates::Region region)
{
    qint64 n = 0;
    for (qint64 j = std::min(debut, fin); j <= std::max(debut, fin); ++j) {
        const QDate d = QDate::fromJulianDay(j);
        if (d.dayOfWeek() > (regle == Dates::Regle::Ouvres ? 5 : 6))
            continue;
        bool ferie = false;
        for (const Dates::Ferie &f : Dates::Feries)
            ferie = ferie
                    || (Dates::ferieEn(f, d.year(), region)
                        && (f.mois ? d.month() == f.mois && d.day() == f.jour
                                   : Dates::fPaques(qint16(d.year())).addDays(f.jour) == d));
        n += ferie ? 0 : 1;
    }
    return n;
}
} // namespace

// A date plus a period, the time between two dates and the working days, in
// the program's calendar: the 1582 gap, month ends, leap days, the years
// offered, holidays on weekends and both regions.
class TestCalculs : public QObject
{
    Q_OBJECT
private slots:
    void ajoute_data()
    {
        QTest::addColumn<JourMoisAn>("depart");
        QTest::addColumn<int>("nombre");
        QTest::addColumn<Dates::Unite>("unite");
        QTest::addColumn<JourMoisAn>("arrivee"); // {0, 0, 0}: refused
        QTest::addColumn<bool>("raccourci");
        QTest::addColumn<bool>("reforme");
        using U = Dates::Unite;
        const auto ligne = [](const char *cas, JourMoisAn depart, int nombre, Dates::Unite unite, JourMoisAn arrivee,
                              bool raccourci, bool reforme) {
            QTest::newRow(cas) << depart << nombre << unite << arrivee << raccourci << reforme;
        };
        ligne("réforme, un jour après", {4, 10, 1582}, 1, U::Jours, {15, 10, 1582}, false, false);
        ligne("réforme, un jour avant", {15, 10, 1582}, -1, U::Jours, {4, 10, 1582}, false, false);
        ligne("mois tombant dans le trou", {10, 9, 1582}, 1, U::Mois, {15, 10, 1582}, false, true);
        ligne("31 janvier + 1 mois", {31, 1, 2001}, 1, U::Mois, {28, 2, 2001}, true, false);
        ligne("31 janvier + 1 mois, bissextile", {31, 1, 2004}, 1, U::Mois, {29, 2, 2004}, true, false);
        ligne("29 février + 1 an", {29, 2, 2004}, 1, U::Annees, {28, 2, 2005}, true, false);
        ligne("29 février julien de 1500 + 200 ans", {29, 2, 1500}, 200, U::Annees, {28, 2, 1700}, true, false);
        ligne("an 0 bissextile", {28, 2, 0}, 1, U::Jours, {29, 2, 0}, false, false);
        ligne("décembre - 12 mois, avant l'an 0", {5, 12, -1}, -12, U::Mois, {5, 12, -2}, false, false);
        ligne("première date, + 1 semaine", {1, 1, -1900}, 1, U::Semaines, {8, 1, -1900}, false, false);
        ligne("jusqu'à la première année", {1, 1, 2000}, -3900, U::Annees, {1, 1, -1900}, false, false);
        ligne("avant la première date", {1, 1, -1900}, -1, U::Jours, {}, false, false);
        ligne("après la dernière date", {31, 12, 9999}, 1, U::Jours, {}, false, false);
        ligne("après la dernière année", {1, 12, 9999}, 1, U::Mois, {}, false, false);
        ligne("nombre trop grand", {1, 1, 2000}, 2000000000, U::Semaines, {}, false, false);
        ligne("départ dans le trou", {10, 10, 1582}, 1, U::Jours, {}, false, false);
        ligne("départ 31 février", {31, 2, 2001}, 1, U::Jours, {}, false, false);
        ligne("29 février 1900 grégorien", {29, 2, 1900}, 1, U::Jours, {}, false, false);
    }
    void ajoute()
    {
        QFETCH(JourMoisAn, depart);
        QFETCH(int, nombre);
        QFETCH(Dates::Unite, unite);
        QFETCH(JourMoisAn, arrivee);
        QFETCH(bool, raccourci);
        QFETCH(bool, reforme);
        const auto a = Dates::ajoute(depart, nombre, unite);
        QCOMPARE(a.has_value(), arrivee.mois != 0);
        if (!a)
            return;
        QCOMPARE(a->date, arrivee);
        QCOMPARE(a->raccourci, raccourci);
        QCOMPARE(a->reforme, reforme);
    }

    void ecart_data()
    {
        QTest::addColumn<JourMoisAn>("debut");
        QTest::addColumn<JourMoisAn>("fin");
        QTest::addColumn<QList<qint64>>("attendu"); // days, weeks and days, months and days
        const auto ligne = [](const char *cas, JourMoisAn debut, JourMoisAn fin, QList<qint64> attendu) {
            QTest::newRow(cas) << debut << fin << attendu;
        };
        ligne("réforme", {4, 10, 1582}, {15, 10, 1582}, {1, 0, 1, 0, 1});
        ligne("31 janvier au 28 février", {31, 1, 2001}, {28, 2, 2001}, {28, 4, 0, 1, 0});
        ligne("31 janvier au 1er mars, bissextile", {31, 1, 2004}, {1, 3, 2004}, {30, 4, 2, 1, 1});
        ligne("à rebours", {18, 11, 2001}, {18, 10, 2001}, {-31, 4, 3, 1, 0});
        ligne("toute la plage", {1, 1, -1900}, {31, 12, 9999}, {4346401, 620914, 3, 142799, 30});
    }
    void ecart()
    {
        QFETCH(JourMoisAn, debut);
        QFETCH(JourMoisAn, fin);
        QFETCH(QList<qint64>, attendu);
        const auto e = Dates::ecart(debut, fin);
        QVERIFY(e);
        QCOMPARE((QList<qint64>{e->jours, e->semaines, e->joursApresSemaines, e->mois, e->joursApresMois}), attendu);
    }

    void ouvres_data()
    {
        QTest::addColumn<JourMoisAn>("debut");
        QTest::addColumn<JourMoisAn>("fin");
        QTest::addColumn<Dates::Region>("region");
        QTest::addColumn<QList<qint64>>("attendu"); // ouvrés, ouvrables
        using R = Dates::Region;
        const auto ligne = [](const char *cas, JourMoisAn debut, JourMoisAn fin, Dates::Region region,
                              QList<qint64> attendu) { QTest::newRow(cas) << debut << fin << region << attendu; };
        ligne("une semaine", {5, 1, 2026}, {11, 1, 2026}, R::France, {5, 6});
        ligne("à rebours", {11, 1, 2026}, {5, 1, 2026}, R::France, {5, 6});
        ligne("un jour férié seul", {14, 7, 2026}, {14, 7, 2026}, R::France, {0, 0});
        ligne("un lundi seul", {13, 7, 2026}, {13, 7, 2026}, R::France, {1, 1});
        ligne("réforme", {4, 10, 1582}, {15, 10, 1582}, R::France, {2, 2});
    }
    void ouvres()
    {
        QFETCH(JourMoisAn, debut);
        QFETCH(JourMoisAn, fin);
        QFETCH(Dates::Region, region);
        QFETCH(QList<qint64>, attendu);
        QCOMPARE((QList<qint64>{*Dates::joursOuvres(debut, fin, Dates::Regle::Ouvres, region),
                                *Dates::joursOuvres(debut, fin, Dates::Regle::Ouvrables, region)}),
                 attendu);
    }

    void jourOuvre_data()
    {
        QTest::addColumn<JourMoisAn>("depart");
        QTest::addColumn<int>("rang");
        QTest::addColumn<Dates::Regle>("regle");
        QTest::addColumn<Dates::Region>("region");
        QTest::addColumn<JourMoisAn>("arrivee"); // {0, 0, 0}: none
        using R = Dates::Region;
        using G = Dates::Regle;
        const auto ligne = [](const char *cas, JourMoisAn depart, int rang, Dates::Regle regle, Dates::Region region,
                              JourMoisAn arrivee) {
            QTest::newRow(cas) << depart << rang << regle << region << arrivee;
        };
        ligne("vendredi, ouvré suivant", {9, 1, 2026}, 1, G::Ouvres, R::France, {12, 1, 2026});
        ligne("vendredi, ouvrable suivant", {9, 1, 2026}, 1, G::Ouvrables, R::France, {10, 1, 2026});
        ligne("veille du Vendredi saint, France", {2, 4, 2026}, 1, G::Ouvres, R::France, {3, 4, 2026});
        ligne("veille du Vendredi saint, Alsace-Moselle", {2, 4, 2026}, 1, G::Ouvres, R::AlsaceMoselle, {7, 4, 2026});
        ligne("lundi de Pâques, ouvré précédent", {6, 4, 2026}, -1, G::Ouvres, R::France, {3, 4, 2026});
        ligne("réforme", {4, 10, 1582}, 1, G::Ouvres, R::France, {15, 10, 1582});
        ligne("rang 0", {9, 1, 2026}, 0, G::Ouvres, R::France, {});
        ligne("dernier jour ouvré", {30, 12, 9999}, 1, G::Ouvres, R::France, {31, 12, 9999});
        ligne("au-delà du dernier jour", {30, 12, 9999}, 2, G::Ouvres, R::France, {});
        ligne("avant le premier jour", {1, 1, -1900}, -1, G::Ouvrables, R::France, {});
    }
    void jourOuvre()
    {
        QFETCH(JourMoisAn, depart);
        QFETCH(int, rang);
        QFETCH(Dates::Regle, regle);
        QFETCH(Dates::Region, region);
        QFETCH(JourMoisAn, arrivee);
        QCOMPARE(Dates::jourOuvre(depart, rang, regle, region).value_or(JourMoisAn{}), arrivee);
    }

    // Random days and spans across the whole range, checked against Qt's
    // calendars and a count day by day.
    void auHasard()
    {
        QRandomGenerator alea(20261207);
        const qint64 premier = *Dates::numeroJour({1, 1, Dates::CalculAnneeMin});
        const qint64 dernier = *Dates::numeroJour({31, 12, Dates::CalculAnneeMax});
        // Most pairs among the years of holidays, where the counts differ.
        const qint64 debutFeries = *Dates::numeroJour({1, 1, 1780});
        for (int i = 0; i < 400; ++i) {
            const qint64 bas = i % 4 ? debutFeries : premier;
            const qint64 a = bas + qint64(alea.bounded(double(dernier - bas)));
            const JourMoisAn d = dateQt(a);
            QCOMPARE(Dates::dateDuNumero(a).value_or(JourMoisAn{}), d);
            QCOMPARE(Dates::numeroJour(d).value_or(0), a);
            const qint64 b = std::min(dernier, a + alea.bounded(1, 1500));
            const auto regle = i % 2 ? Dates::Regle::Ouvres : Dates::Regle::Ouvrables;
            const auto region = i % 3 ? Dates::Region::France : Dates::Region::AlsaceMoselle;
            const qint64 n = compteJourParJour(a, b, regle, region);
            QCOMPARE(Dates::joursOuvresEntre(a, b, regle, region), n);
            if (n == 0 || a == premier)
                continue;
            const JourMoisAn veille = dateQt(a - 1);
            const auto ouvre = Dates::jourOuvre(veille, n, regle, region);
            QVERIFY(ouvre);
            const qint64 o = *Dates::numeroJour(*ouvre);
            QVERIFY(o <= b && compteJourParJour(a, o, regle, region) == n
                    && compteJourParJour(o, o, regle, region) == 1);
        }
    }
    // Every span from 1780 to the end of a year, against a count year by
    // year: the weekdays from Qt, the holidays straight from the table.
    void anneesEntieres_data()
    {
        QTest::addColumn<Dates::Regle>("regle");
        QTest::addColumn<Dates::Region>("region");
        QTest::newRow("ouvrés") << Dates::Regle::Ouvres << Dates::Region::France;
        QTest::newRow("ouvrables") << Dates::Regle::Ouvrables << Dates::Region::France;
        QTest::newRow("ouvrés Alsace-Moselle") << Dates::Regle::Ouvres << Dates::Region::AlsaceMoselle;
        QTest::newRow("ouvrables Alsace-Moselle") << Dates::Regle::Ouvrables << Dates::Region::AlsaceMoselle;
    }
    void anneesEntieres()
    {
        QFETCH(Dates::Regle, regle);
        QFETCH(Dates::Region, region);
        const int limite = regle == Dates::Regle::Ouvres ? 5 : 6;
        qint64 attendu = 0;
        for (int an = 1780; an <= Dates::CalculAnneeMax; ++an) {
            const QDate janvier(an, 1, 1);
            for (int j = 0; j < 7; ++j)
                attendu += janvier.addDays(j).dayOfWeek() <= limite ? (janvier.daysInYear() - j + 6) / 7 : 0;
            QSet<qint64> feries;
            for (const Dates::Ferie &f : Dates::Feries) {
                const QDate d = f.mois ? QDate(an, f.mois, f.jour) : Dates::fPaques(qint16(an)).addDays(f.jour);
                if (Dates::ferieEn(f, an, region) && d.dayOfWeek() <= limite)
                    feries.insert(d.toJulianDay());
            }
            attendu -= feries.size();
            QCOMPARE(Dates::joursOuvres({1, 1, 1780}, {31, 12, an}, regle, region).value_or(-1), attendu);
        }
    }
};

QTEST_GUILESS_MAIN(TestCalculs)
#include "tst_calculs.moc"
