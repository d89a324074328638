#include "dates/exportics.h"
#include "dates/saisons.h"
#include "moon/phasesics.h"
#include "moon/phasesvraies.h"

#include <QSet>
#include <QTest>
#include <libical/ical.h>
#include <memory>

Q_DECLARE_METATYPE(Dates::Region)

namespace {

using Calendrier = std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)>;

// Read by libical, not by the code under test.
Calendrier lis(const QByteArray &texte)
{
    return Calendrier(icalparser_parse_string(texte.constData()), &icalcomponent_free);
}

QDateTime instantIcal(const icaltimetype &t)
{
    return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second), QTimeZone::utc());
}

QString texteIcal(const char *texte)
{
    return QString::fromUtf8(texte ? texte : "");
}

// Every physical line: CRLF ended, at most 75 octets, whole UTF-8 sequences.
void verifieLignes(const QByteArray &texte)
{
    QVERIFY(texte.endsWith("\r\n"));
    for (const QByteArray &ligne : texte.chopped(1).split('\n')) {
        QVERIFY2(ligne.endsWith('\r'), ligne.constData());
        const QByteArray contenu = ligne.chopped(1);
        QVERIFY2(contenu.size() <= 75, contenu.constData());
        QVERIFY2(!contenu.contains('\r'), contenu.constData());
        QCOMPARE(QString::fromUtf8(contenu).toUtf8(), contenu);
    }
}

// The holiday of the table named so, if it was one of the region that year.
std::optional<QDate> ferie(const QString &nom, int annee, Dates::Region region)
{
    for (const Dates::Ferie &f : Dates::Feries)
        if (QString::fromUtf16(f.nom) == nom && Dates::ferieEn(f, annee, region))
            return Dates::dateFerie(f, annee);
    return std::nullopt;
}

int nombreFeries(int annee, Dates::Region region)
{
    int n = 0;
    for (const Dates::Ferie &f : Dates::Feries)
        n += Dates::ferieEn(f, annee, region) ? 1 : 0;
    return n;
}

} // namespace

// The iCalendar file read back by libical and held against the holiday
// table, the true Moon and the seasons; its lines, escapes and folds.
class TestExportIcs : public QObject
{
    Q_OBJECT
private slots:
    void evenements_data()
    {
        QTest::addColumn<int>("debut");
        QTest::addColumn<int>("fin");
        QTest::addColumn<Dates::Region>("region");
        using R = Dates::Region;
        QTest::newRow("2002, France") << 2002 << 2002 << R::France;
        QTest::newRow("2002, Alsace-Moselle : Vendredi saint et Saint-Étienne") << 2002 << 2002 << R::AlsaceMoselle;
        QTest::newRow("2008 : Ascension le 1er mai, deux fériés le même jour") << 2008 << 2008 << R::France;
        QTest::newRow("1958-1960 : le 8 mai supprimé en 1959") << 1958 << 1960 << R::France;
        QTest::newRow("1801-1802 : les fêtes du Concordat commencent") << 1801 << 1802 << R::France;
        QTest::newRow("1999-2000 : les phases de part et d'autre du numéro 0") << 1999 << 2000 << R::France;
        QTest::newRow("1000 : première année, aucun férié") << 1000 << 1000 << R::AlsaceMoselle;
        QTest::newRow("3000 : dernière année") << 3000 << 3000 << R::AlsaceMoselle;
    }
    void evenements()
    {
        QFETCH(int, debut);
        QFETCH(int, fin);
        QFETCH(Dates::Region, region);
        const QDateTime horodatage(QDate(2026, 12, 7), QTime(15, 4, 5), QTimeZone::utc());
        const QByteArray texte = Dates::calendrierIcs(debut, fin, region, horodatage, Lune::phasesIcs());
        verifieLignes(texte);
        const Calendrier c = lis(texte);
        QVERIFY(c);
        QCOMPARE(icalcomponent_isa(c.get()), ICAL_VCALENDAR_COMPONENT);
        QCOMPARE(icalcomponent_count_errors(c.get()), 0);
        const bool conforme = icalrestriction_check(c.get());
        QVERIFY2(conforme, icalcomponent_as_ical_string(c.get()));
        const auto propriete = [&c](icalproperty_kind genre) {
            icalproperty *p = icalcomponent_get_first_property(c.get(), genre);
            return p ? texteIcal(icalproperty_get_value_as_string(p)) : QString();
        };
        QCOMPARE(propriete(ICAL_VERSION_PROPERTY), QStringLiteral("2.0"));
        QVERIFY(!propriete(ICAL_PRODID_PROPERTY).isEmpty());

        QSet<QString> uids;
        QList<QDateTime> phases, saisons;
        int feries = 0;
        qint64 precedent = std::numeric_limits<qint64>::min();
        for (icalcomponent *e = icalcomponent_get_first_component(c.get(), ICAL_VEVENT_COMPONENT); e;
             e = icalcomponent_get_next_component(c.get(), ICAL_VEVENT_COMPONENT)) {
            const QString uid = texteIcal(icalcomponent_get_uid(e));
            QVERIFY2(!uids.contains(uid), qPrintable(uid));
            uids << uid;
            QCOMPARE(instantIcal(icalcomponent_get_dtstamp(e)), horodatage);
            const QString nom = texteIcal(icalcomponent_get_summary(e));
            const icaltimetype t = icalcomponent_get_dtstart(e);
            const QDateTime debutEvenement = instantIcal(t);
            QVERIFY2(debutEvenement.toMSecsSinceEpoch() >= precedent, qPrintable(nom));
            precedent = debutEvenement.toMSecsSinceEpoch();
            if (t.is_date) {
                const auto jour = ferie(nom, t.year, region);
                QVERIFY2(jour, qPrintable(nom));
                QCOMPARE(debutEvenement.date(), *jour);
                QCOMPARE(instantIcal(icalcomponent_get_dtend(e)).date(), jour->addDays(1));
                ++feries;
                continue;
            }
            QVERIFY(icaltime_is_utc(t));
            QCOMPARE(t.second, 0);
            (nom.startsWith(u"Équinoxe") || nom.startsWith(u"Solstice") ? saisons : phases) << debutEvenement;
        }
        int attendus = 0;
        for (int annee = debut; annee <= fin; ++annee)
            attendus += nombreFeries(annee, region);
        QCOMPARE(feries, attendus);

        // Every principal phase and every season of the years, to the minute.
        const QDateTime ouverture(QDate(debut, 1, 1), QTime(0, 0), QTimeZone::utc());
        const QDateTime cloture(QDate(fin + 1, 1, 1), QTime(0, 0), QTimeZone::utc());
        qsizetype i = 0;
        for (const Lune::InstantPhase &p : Lune::phasesApres(ouverture.addMSecs(-1), 60 * (fin - debut + 1))) {
            if (p.utc >= cloture)
                break;
            QVERIFY2(i < phases.size(), qPrintable(p.utc.toString(Qt::ISODate)));
            QVERIFY2(qAbs(phases[i++].secsTo(p.utc)) <= 30, qPrintable(p.utc.toString(Qt::ISODate)));
        }
        QCOMPARE(i, phases.size());
        QCOMPARE(saisons.size(), 4 * (fin - debut + 1));
        for (int annee = debut; annee <= fin; ++annee)
            for (int p = 0; p < 4; ++p)
                QVERIFY(
                    qAbs(saisons[(annee - debut) * 4 + p].secsTo(Dates::instantSaison(annee, Dates::PointSaison(p))))
                    <= 30);
    }

    // A UID stays the same from one export to the next, whatever the range
    // and the region, so that importing again replaces rather than doubles.
    void uidsStables()
    {
        const auto uids = [](int debut, int fin, Dates::Region region) {
            QSet<QString> s;
            for (const Dates::EvenementIcs &e : Dates::evenementsIcs(debut, fin, region, Lune::phasesIcs()))
                if (e.jour.year() == 2002 || e.instant.date().year() == 2002)
                    s << e.uid;
            return s;
        };
        const QSet<QString> seule = uids(2002, 2002, Dates::Region::France);
        QCOMPARE(uids(2001, 2003, Dates::Region::France), seule);
        QVERIFY(uids(2002, 2002, Dates::Region::AlsaceMoselle).contains(seule));
    }

    void texteEchappePlie_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::newRow("virgule, point-virgule, barre oblique inverse")
            << QStringLiteral("Pâques, Pentecôte; C:\\fêtes\\");
        QTest::newRow("retour à la ligne") << QStringLiteral("une ligne\nune autre");
        QTest::newRow("75 octets tout juste") << QString(67, u'a');
        QTest::newRow("76 octets") << QString(68, u'a');
        QTest::newRow("é à cheval sur le 75e octet") << QString(66, u'a') + QStringLiteral("éééé");
        QTest::newRow("€ de trois octets sur la coupure") << QString(65, u'b') + QString(40, u'€');
        QTest::newRow("300 octets accentués") << QStringLiteral("Équinoxe de décembre, ").repeated(12).chopped(2);
    }
    void texteEchappePlie()
    {
        QFETCH(QString, texte);
        QByteArray ics = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//essai//FR\r\nBEGIN:VEVENT\r\n";
        ics += Dates::ligneIcs("SUMMARY:" + Dates::echappeIcs(texte).toUtf8());
        ics += "END:VEVENT\r\nEND:VCALENDAR\r\n";
        verifieLignes(ics);
        const Calendrier c = lis(ics);
        QVERIFY(c);
        icalcomponent *e = icalcomponent_get_first_component(c.get(), ICAL_VEVENT_COMPONENT);
        QVERIFY(e);
        QCOMPARE(texteIcal(icalcomponent_get_summary(e)), texte);
    }

    void refus_data()
    {
        QTest::addColumn<int>("debut");
        QTest::addColumn<int>("fin");
        QTest::addColumn<bool>("refuse");
        QTest::newRow("1000 à 3000, tout ce qui est offert") << 1000 << 3000 << false;
        QTest::newRow("999, avant la première") << 999 << 1000 << true;
        QTest::newRow("3001, après la dernière") << 3000 << 3001 << true;
        QTest::newRow("une seule année") << 2002 << 2002 << false;
        QTest::newRow("à l'envers") << 2003 << 2002 << true;
    }
    void refus()
    {
        QFETCH(int, debut);
        QFETCH(int, fin);
        QFETCH(bool, refuse);
        const Dates::PhasesIcs lune = Lune::phasesIcs();
        QCOMPARE(Dates::refusAnneesIcs(debut, fin, lune).has_value(), refuse);
        QCOMPARE(Dates::evenementsIcs(debut, fin, Dates::Region::France, lune).empty(), refuse);
    }
};

QTEST_GUILESS_MAIN(TestExportIcs)
#include "tst_exportics.moc"
