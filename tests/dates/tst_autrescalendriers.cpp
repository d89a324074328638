#include "dates/autrescalendriers.h"
#include "dates/hebraique.h"
#include "dates/hegire.h"
#include "dates/jours.h"
#include "dates/paques.h"
#include "dates/republicain.h"

#include <QTest>

Q_DECLARE_METATYPE(Dates::JourMoisAn)

namespace {

using J = Dates::JourMoisAn;

qint64 jj(const J &d)
{
    return Dates::jourJulien(d.jour, d.mois, d.annee);
}

// The years as they began, an I to an XIV: the sextile years III, VII and XI
// end a day later.
qint64 anneesHistoriques(int annee)
{
    static const int septembre[] = {22, 22, 22, 23, 22, 22, 22, 23, 23, 23, 23, 24, 23, 23};
    if (annee < 1792 || annee > 1805)
        return 0;
    return Dates::jourJulien(septembre[annee - 1792], 9, annee);
}

// A stand-in that begins every year on 22 September.
qint64 vingtDeuxSeptembre(int annee)
{
    return Dates::jourJulien(22, 9, annee);
}

// d is the day after avant: the next day of the month, or the first of
// another month after a month's last days (the complementary days' fifth on).
template<typename D>
bool suit(const D &d, const D &avant)
{
    if (d.annee == avant.annee && d.mois == avant.mois)
        return d.jour == avant.jour + 1;
    return d.jour == 1 && d.mois != avant.mois && avant.jour >= (avant.mois == 13 ? 5 : 28);
}

} // namespace

// The day in the other calendars: each row one day at an edge, read through
// the lines the almanac shows.
class TestAutresCalendriers : public QObject
{
    Q_OBJECT
private slots:
    void jours_data()
    {
        QTest::addColumn<J>("date"); // Gregorian
        QTest::addColumn<QString>("julien");
        QTest::addColumn<QString>("iso");
        QTest::addColumn<QString>("hebreu");
        QTest::addColumn<QString>("hegire"); // "" before its epoch
        const auto ligne = [](const char *cas, J date, const char *julien, const char *iso, const char *hebreu,
                              const char *hegire) {
            QTest::newRow(cas) << date << QString(julien) << QString(iso) << QString(hebreu) << QString(hegire);
        };
        // The range's ends.
        ligne("1/1/-1900, premier jour", {1, 1, -1900}, "vendredi 18 janvier -1900", "-1901-W53-5", "16 Chevat 1860",
              "");
        ligne("31/12/9999, dernier jour", {31, 12, 9999}, "vendredi 19 octobre 9999", "9999-W52-5", "28 Hechvan 13760",
              "2 Rabia ath-thani 9666");
        // The reform: Julian 4 October then Gregorian 15 October.
        ligne("14/10/1582, 4 octobre julien", {14, 10, 1582}, "jeudi 4 octobre 1582", "1582-W41-4", "18 Tichri 5343",
              "16 Ramadan 990");
        ligne("29/2/1900 julien", {13, 3, 1900}, "mardi 29 février 1900", "1900-W11-2", "12 Adar II 5660",
              "11 Dhou al-qi'da 1317");
        // The Hegira: 16 July 622 (Julian) is 1 Mouharram 1, the day before has none.
        ligne("veille de l'Hégire", {18, 7, 622}, "jeudi 15 juillet 622", "0622-W29-4", "2 Av 4382", "");
        ligne("1/1/1 de l'Hégire", {19, 7, 622}, "vendredi 16 juillet 622", "0622-W29-5", "3 Av 4382",
              "1er Mouharram 1");
        ligne("30 Dhou al-hijja, année abondante", {7, 7, 2024}, "dimanche 24 juin 2024", "2024-W27-7",
              "1er Tamouz 5784", "30 Dhou al-hijja 1445");
        // The Hebrew new year moved by each postponement, months of either length.
        ligne("Tichri 5766 reporté au mardi", {4, 10, 2005}, "mardi 21 septembre 2005", "2005-W40-2", "1er Tichri 5766",
              "1er Ramadan 1426");
        ligne("Tichri 5718 reporté au jeudi", {26, 9, 1957}, "jeudi 13 septembre 1957", "1957-W39-4", "1er Tichri 5718",
              "1er Rabia al-awal 1377");
        ligne("30 Hechvan, année abondante", {1, 12, 2024}, "dimanche 18 novembre 2024", "2024-W48-7",
              "30 Hechvan 5785", "29 Joumada al-oula 1446");
        ligne("29 Kislev, année défective", {15, 12, 2020}, "mardi 2 décembre 2020", "2020-W51-2", "29 Kislev 5781",
              "29 Rabia ath-thani 1442");
        ligne("Adar I", {10, 2, 2024}, "samedi 28 janvier 2024", "2024-W06-6", "1er Adar I 5784", "30 Rajab 1445");
        ligne("29 Adar, année commune", {29, 3, 2025}, "samedi 16 mars 2025", "2025-W13-6", "29 Adar 5785",
              "29 Ramadan 1446");
    }
    void jours()
    {
        QFETCH(J, date);
        QFETCH(QString, julien);
        QFETCH(QString, iso);
        QFETCH(QString, hebreu);
        QFETCH(QString, hegire);
        const auto texte = Dates::texteAutresCalendriers(Dates::valeurDate(date.jour, date.mois, date.annee), {});
        QVERIFY(texte);
        const QStringList lignes = texte->split(QChar(10));
        QCOMPARE(lignes.mid(1, 4),
                 (QStringList{QStringLiteral("Calendrier julien : ") + julien, QStringLiteral("Semaine ISO : ") + iso,
                              QStringLiteral("Jour julien : %1").arg(jj(date)),
                              QStringLiteral("Calendrier hébraïque : ") + hebreu}));
        QCOMPARE(lignes.value(5), hegire.isEmpty() ? QString()
                                                   : QStringLiteral("Calendrier musulman (tabulaire) : ") + hegire
                                                         + QStringLiteral(" de l'Hégire"));
        QCOMPARE(lignes.size(), hegire.isEmpty() ? 5 : 6);
    }

    // The Gregorian line, proleptic before the reform, and the days outside the range.
    void texte()
    {
        QVERIFY(Dates::texteAutresCalendriers(Dates::valeurDate(15, 10, 1582), {})
                    ->startsWith(QStringLiteral("Calendrier grégorien : vendredi 15 octobre 1582\n")));
        QVERIFY(Dates::texteAutresCalendriers(Dates::valeurDate(14, 10, 1582), {})
                    ->startsWith(QStringLiteral("Calendrier grégorien (proleptique) : jeudi 14 octobre 1582\n")));
        QVERIFY(!Dates::texteAutresCalendriers(Dates::valeurDate(31, 12, -1901), {}));
        QVERIFY(!Dates::texteAutresCalendriers(Dates::valeurDate(1, 1, 10000), {}));
    }

    // The years as the Republic began them, each year on its equinox day.
    void republicain_data()
    {
        QTest::addColumn<J>("date");
        QTest::addColumn<QString>("republicain"); // "" before an I
        QTest::newRow("veille de l'an I") << J{21, 9, 1792} << "";
        QTest::newRow("1er vendémiaire an I") << J{22, 9, 1792} << "primidi 1er vendémiaire an I (1re décade), Raisin";
        QTest::newRow("6e sansculottide de l'an III sextile")
            << J{22, 9, 1795} << "6e jour complémentaire an III, Jour de la Révolution";
        QTest::newRow("30 fructidor an X") << J{17, 9, 1802} << "décadi 30 fructidor an X (3e décade), Panier";
        QTest::newRow("1er jour complémentaire an X")
            << J{18, 9, 1802} << "1er jour complémentaire an X, Jour de la Vertu";
        QTest::newRow("1er vendémiaire an XII, un 24 septembre")
            << J{24, 9, 1803} << "primidi 1er vendémiaire an XII (1re décade), Raisin";
        QTest::newRow("10 nivôse an XIV, dernier jour en usage")
            << J{31, 12, 1805} << "décadi 10 nivôse an XIV (1re décade), Fléau";
        QTest::newRow("an XIV sans son année suivante") << J{21, 9, 1806} << "";
    }
    void republicain()
    {
        QFETCH(J, date);
        QFETCH(QString, republicain);
        const auto texte =
            Dates::texteAutresCalendriers(Dates::valeurDate(date.jour, date.mois, date.annee), anneesHistoriques);
        const QString ligne = texte->section(QChar(10), 6, 6);
        QCOMPARE(ligne, republicain.isEmpty() ? QString() : QStringLiteral("Calendrier républicain : ") + republicain);
    }

    void chiffresRomains_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("romain");
        QTest::newRow("444") << 444 << "CDXLIV";
        QTest::newRow("1999") << 1999 << "MCMXCIX";
    }
    void chiffresRomains()
    {
        QFETCH(int, n);
        QFETCH(QString, romain);
        QCOMPARE(Dates::chiffresRomains(n), romain);
    }

    // Orthodox Easter by the Julian computus, in the Julian calendar.
    void paquesOrthodoxe_data()
    {
        QTest::addColumn<int>("an");
        QTest::addColumn<J>("julien");
        QTest::newRow("an 0 refusé") << 0 << J{};
        QTest::newRow("an 1") << 1 << J{27, 3, 1};
        QTest::newRow("2002, 5 mai grégorien") << 2002 << J{22, 4, 2002};
        QTest::newRow("9999") << 9999 << J{15, 4, 9999};
        QTest::newRow("10000 refusé") << 10000 << J{};
    }
    void paquesOrthodoxe()
    {
        QFETCH(int, an);
        QFETCH(J, julien);
        const auto p = Dates::paquesOrthodoxe(an);
        QCOMPARE(p ? Dates::dateJulienne(*p) : J{}, julien);
    }

    // Every day of the range into each calendar and back, each day the one
    // after the day before.
    void allerRetour()
    {
        QCOMPARE(Dates::jourJulien(Dates::DateHebraique{1, 7, 1}), 347998);
        const qint64 debut = jj({1, 1, -1900}), fin = jj({31, 12, 9999});
        auto g = Dates::dateGregorienne(debut - 1), j = Dates::dateJulienne(debut - 1);
        auto h = Dates::dateHebraique(debut - 1);
        Dates::DateHegire m;
        Dates::DateRepublicaine r;
        for (qint64 n = debut; n <= fin; ++n) {
            const auto g2 = Dates::dateGregorienne(n), j2 = Dates::dateJulienne(n);
            const auto h2 = Dates::dateHebraique(n);
            if (!suit(g2, g) || !suit(j2, j) || !suit(h2, h) || jj(g2) != n
                || Dates::jourJulienDuCalendrierJulien(j2.jour, j2.mois, j2.annee) != n || Dates::jourJulien(h2) != n)
                QFAIL(qPrintable(QStringLiteral("jour julien %1").arg(n)));
            if (const auto m2 = Dates::dateHegire(n)) {
                if ((m.annee && !suit(*m2, m)) || Dates::jourJulien(*m2) != n)
                    QFAIL(qPrintable(QStringLiteral("hégire, jour julien %1").arg(n)));
                m = *m2;
            }
            if (const auto r2 = Dates::dateRepublicaine(n, vingtDeuxSeptembre)) {
                if ((r.annee && !suit(*r2, r)) || Dates::jourJulien(*r2, vingtDeuxSeptembre) != n)
                    QFAIL(qPrintable(QStringLiteral("républicain, jour julien %1").arg(n)));
                r = *r2;
            }
            g = g2, j = j2, h = h2;
        }
        QCOMPARE(m.annee, 9666);
        QCOMPARE(r.annee, 8208);
    }
};

QTEST_APPLESS_MAIN(TestAutresCalendriers)
#include "tst_autrescalendriers.moc"
