#include "dates/ephemeride.h"
#include "dates/lieux.h"

#include <QFile>
#include <QTest>
#include <QTimeZone>

namespace {

std::vector<Dates::Lieu> lieuxLivres()
{
    QFile f(QStringLiteral(ZELUND_LIEUX));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return Dates::lisLieux(QString::fromUtf8(f.readAll())).lieux;
}

} // namespace

class TstLieux : public QObject
{
    Q_OBJECT
private slots:
    // The shipped file: every line read, and a prefecture of each kind of
    // overseas territory found with its own zone.
    void fichierLivre()
    {
        QFile f(QStringLiteral(ZELUND_LIEUX));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const Dates::LectureLieux l = Dates::lisLieux(QString::fromUtf8(f.readAll()));
        QVERIFY2(l.lignesRefusees.isEmpty(), qPrintable(QString::number(l.lignesRefusees.value(0))));
        QVERIFY(l.lieux.size() >= 107);
        const QList<QPair<QString, QByteArray>> prefectures{
            {"Bobigny", "Europe/Paris"},     {"Ajaccio", "Europe/Paris"},   {"Basse-Terre", "America/Guadeloupe"},
            {"Mamoudzou", "Indian/Mayotte"}, {"Nouméa", "Pacific/Noumea"},  {"Mata-Utu", "Pacific/Wallis"},
            {"Marigot", "America/Marigot"},  {"Papeete", "Pacific/Tahiti"}, {"Cayenne", "America/Cayenne"},
        };
        for (const auto &[nom, fuseau] : prefectures) {
            const auto r = Dates::trouveLieu(l.lieux, nom);
            QVERIFY2(r.lieu && r.lieu->fuseau == fuseau, qPrintable(nom));
        }
    }

    void lignesRefusees_data()
    {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<bool>("lue");
        QTest::newRow("bonne") << "Lille;Nord;50.6292;3.0573;Europe/Paris" << true;
        QTest::newRow("bornes du globe") << "Pôle;;-90;-180;UTC" << true;
        QTest::newRow("champ manquant") << "Lille;Nord;50.6292;3.0573" << false;
        QTest::newRow("latitude 90,5") << "Lille;Nord;90.5;3.0573;Europe/Paris" << false;
        QTest::newRow("longitude 180,1") << "Lille;Nord;50;180.1;Europe/Paris" << false;
        QTest::newRow("fuseau inconnu") << "Lille;Nord;50.6292;3.0573;Europe/Lille" << false;
        QTest::newRow("sans nom") << ";Nord;50.6292;3.0573;Europe/Paris" << false;
    }

    void lignesRefusees()
    {
        QFETCH(QString, ligne);
        QFETCH(bool, lue);
        const Dates::LectureLieux l = Dates::lisLieux(QStringLiteral("# commentaire\n\n") + ligne + QLatin1Char('\n'));
        QCOMPARE(int(l.lieux.size()), lue ? 1 : 0);
        QCOMPARE(l.lignesRefusees, lue ? QList<int>{} : QList<int>{3});
    }

    void recherche_data()
    {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QString>("trouve");
        QTest::addColumn<int>("candidats");
        QTest::newRow("sans accent ni tiret") << "saint etienne" << QStringLiteral("Saint-Étienne (Loire)") << 0;
        QTest::newRow("homonymes") << "Saint-Pierre" << QString() << 2;
        QTest::newRow("début unique") << "stras" << QStringLiteral("Strasbourg (Bas-Rhin)") << 0;
        QTest::newRow("nom exact devant les débuts") << "Laval" << QStringLiteral("Laval (Mayenne)") << 0;
        QTest::newRow("début ambigu") << "Saint-L" << QString() << 2;
        QTest::newRow("inconnu") << "Tombouctou" << QString() << 0;
        QTest::newRow("vide") << " " << QString() << 0;
    }

    void recherche()
    {
        QFETCH(QString, saisie);
        QFETCH(QString, trouve);
        QFETCH(int, candidats);
        const Dates::Recherche r = Dates::trouveLieu(lieuxLivres(), saisie);
        QCOMPARE(r.lieu ? r.lieu->libelle() : QString(), trouve);
        QCOMPARE(int(r.candidats.size()), candidats);
    }

    void coordonnees_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QByteArray>("fuseau"); // empty: refused
        QTest::newRow("espaces et signes") << " -21.1 , +55.5 " << QByteArray("Indian/Reunion");
        QTest::newRow("loin de toute ville : la longitude") << "69.65,18.96" << QByteArray("UTC+01");
        QTest::newRow("méridien ouest") << "0,-180" << QByteArray("UTC-12");
        QTest::newRow("latitude 90,01") << "90.01,0" << QByteArray();
        QTest::newRow("longitude 181") << "0,181" << QByteArray();
        QTest::newRow("virgules décimales") << "48,85,2,35" << QByteArray();
        QTest::newRow("un seul nombre") << "48.85" << QByteArray();
    }

    void coordonnees()
    {
        QFETCH(QString, texte);
        QFETCH(QByteArray, fuseau);
        const auto lieu = Dates::lisCoordonnees(texte, lieuxLivres());
        QCOMPARE(lieu ? lieu->fuseau : QByteArray(), fuseau);
        if (lieu)
            QVERIFY(QTimeZone(lieu->fuseau).isValid());
    }

    // The text: the place, the zone with that day's summer time, and the
    // events in words where the Sun does not rise or set.
    void texte_data()
    {
        QTest::addColumn<QDate>("jour");
        QTest::addColumn<QString>("lieu");
        QTest::addColumn<QStringList>("lignes");
        QTest::newRow("Paris en hiver") << QDate(2001, 11, 18) << "Paris"
                                        << QStringList{
                                               "Éphéméride du dimanche 18 novembre 2001",
                                               "Lieu : Paris (Paris), 48° 51′ N, 2° 21′ E",
                                               "Heures de Europe/Paris (UTC+01:00, heure d'hiver)",
                                               "  Lever : 8 h 04",
                                               "  Midi solaire : 12 h 36, hauteur 21,8°",
                                               "  Coucher : 17 h 07",
                                               "  Durée du jour : 9 h 03 min (2 min 38 s de moins que la veille)",
                                               "  Lever : 11 h 27",
                                               "  Automne depuis le 23 septembre 2001 à 1 h 05"};
        QTest::newRow("passage à l'heure d'été")
            << QDate(2026, 3, 29) << "Paris" << QStringList{"Heures de Europe/Paris (UTC+02:00, heure d'été)"};
        QTest::newRow("zone sans heure d'été")
            << QDate(2026, 7, 1) << "Nouméa"
            << QStringList{"Heures de Pacific/Noumea (UTC+11:00)", "  Hiver depuis le 21 juin 2026 à 19 h 24"};
        QTest::newRow("jour polaire") << QDate(2026, 6, 21) << "69.65,18.96"
                                      << QStringList{"Lieu : 69° 39′ N, 18° 58′ E", "Heures en UTC+01:00",
                                                     "  Jour polaire : le Soleil ne se couche pas",
                                                     "  Durée du jour : 24 h 00 min (autant que la veille)"};
        QTest::newRow("nuit polaire") << QDate(2026, 12, 21) << "69.65,18.96"
                                      << QStringList{"  Nuit polaire : le Soleil ne se lève pas",
                                                     "  Durée du jour : 0 h 00 min (autant que la veille)"};
        // An IV began a day later than an III: the real equinox, not a fixed 22 September.
        QTest::newRow("an IV") << QDate(1795, 9, 23) << "Paris"
                               << QStringList{
                                      "Calendrier républicain : primidi 1er vendémiaire an IV (1re décade), Raisin"};
    }

    void texte()
    {
        QFETCH(QDate, jour);
        QFETCH(QString, lieu);
        QFETCH(QStringList, lignes);
        const auto lieux = lieuxLivres();
        const auto coordonnees = Dates::lisCoordonnees(lieu, lieux);
        const Dates::Lieu l = coordonnees ? *coordonnees : *Dates::trouveLieu(lieux, lieu).lieu;
        const QStringList texte = Dates::texteEphemeride(jour, l).split(QLatin1Char('\n'));
        for (const QString &ligne : lignes)
            QVERIFY2(texte.contains(ligne), qPrintable(ligne + QStringLiteral("\n\n") + texte.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TstLieux)
#include "tst_lieux.moc"
