#include "base/chargement.h"
#include "base/parametres.h"
#include "base/reglages.h"
#include "support/cles.h"
#include "support/fauxplateforme.h"
#include "support/octets.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// The settings file: read and written as QSettings does, values kept as text;
// and the checks of the values read.
class TestReglages : public QObject
{
    Q_OBJECT
private slots:
    // The same bytes as QSettings for the same value, and its files read back.
    void commeQSettings_data()
    {
        QTest::addColumn<QStringList>("ecrit"); // section, key, value
        QTest::newRow("accents") << QStringList{Cles::SectionCouleurs, "'Lumière' des boutons", "&HDEFF6C"};
        QTest::newRow("virgules") << QStringList{Cles::Etoiles, Cles::Couleur, "119,119,119"};
        QTest::newRow("blancs autour") << QStringList{Cles::AnneeDebut, Cles::Valeur, " 1700 "};
        QTest::newRow("signes") << QStringList{"a;b=c", "d/e", "x;y=z \"q\" \\ #"};
        QTest::newRow("arobase") << QStringList{Cles::AnneeFin, Cles::Valeur, "@Variant(2100)"};
        QTest::newRow("contrôles") << QStringList{"Été", "clé", "a\tb\nc\0011d"}; // \001 then "1d"
        QTest::newRow("hors du latin") << QStringList{"Ciel ✓", "😀", "œ ✓ 😀"};
        QTest::newRow("vide") << QStringList{Cles::StyleSection, Cles::Style, ""};
    }
    void commeQSettings()
    {
        QFETCH(QStringList, ecrit);
        const QString &section = ecrit[0], &cle = ecrit[1], &valeur = ecrit[2];
        QTemporaryDir dossier;
        const QString qt = dossier.filePath("qt.conf"), nous = dossier.filePath("nous.conf");
        const auto qtEcrit = [&](const QString &s, const QString &c, const QString &v) {
            QSettings(qt, QSettings::IniFormat).setValue(s + u'/' + c, v);
        };
        qtEcrit(section, cle, valeur);
        Reglages(nous).ecrit(section, cle, valeur);
        QCOMPARE(octets(nous), octets(qt));
        QCOMPARE(Reglages(qt).lit(section, cle), valeur);
        // A value changed in a file of two sections keeps the other and its place.
        qtEcrit(QStringLiteral("Autre section"), QStringLiteral("Clé"), QStringLiteral("1 2 3"));
        QFile::remove(nous);
        QVERIFY(QFile::copy(qt, nous));
        qtEcrit(section, cle, QStringLiteral("changée"));
        Reglages(nous).ecrit(section, cle, QStringLiteral("changée"));
        QCOMPARE(octets(nous), octets(qt));
    }

    // Qt's typed notation is text like any other: never decoded, refused where
    // a number is needed, and the store is left as it was.
    void valeursTypees_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QByteArray>("ecrit"); // the file, as it stands
        QTest::addColumn<bool>("charge");
        QTest::addColumn<QString>("texte"); // the value read
        const QByteArray debut = "[Ann%E9e%20de%20d%E9but]\nValeur=", fin = "[Ann%E9e%20de%20fin]\nValeur=",
                         bulles = "[Affichage%20des%20info-bulles]\nValeur=";
        const char entier[] = "@Variant(\0\0\0\x02\0\0\0\x06\xa4)"; // the number 1700, as QSettings writes it
        QTest::newRow("variant") << Cles::AnneeDebut << debut + "@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x6\\xa4)\n"
                                 << false << QString::fromLatin1(entier, sizeof entier - 1);
        QTest::newRow("octets") << Cles::AnneeFin << fin + "@ByteArray(2100)\n" << false << "@ByteArray(2100)";
        QTest::newRow("invalide") << Cles::AnneeFin << fin + "@Invalid()\n" << false << "@Invalid()";
        QTest::newRow("rectangle") << Cles::AnneeFin << fin + "@Rect(0 0 1 1)\n" << false << "@Rect(0 0 1 1)";
        QTest::newRow("info-bulles") << Cles::InfoBulles << bulles + "@ByteArray(Oui)\n" << true << "@ByteArray(Oui)";
        QTest::newRow("arobase échappée") << Cles::InfoBulles << bulles + "@@Oui\n" << true << "@Oui";
        // The ini format would read the commas as a list: the text must come through whole.
        QTest::newRow("virgules écrites à la main")
            << Cles::Ciel << QByteArray("[Couleur%20du%20ciel]\nCouleur=119,119,119\n") << false << "119,119,119";
    }
    void valeursTypees()
    {
        QFETCH(QString, section);
        QFETCH(QByteArray, ecrit);
        QFETCH(bool, charge);
        QFETCH(QString, texte);
        Banc banc;
        ecritOctets(banc.fichierReglages(), ecrit);
        Reglages reglages(banc.fichierReglages());
        QCOMPARE(reglages.lit(section, section == Cles::Ciel ? Cles::Couleur : Cles::Valeur), texte);
        const auto v = Base::chargeReglages(reglages, 2026);
        QCOMPARE(v.has_value(), charge);
        if (v)
            QVERIFY(!v->infoBullesActives()); // only "Oui" itself turns them on
        else
            QCOMPARE(banc.octets(), ecrit);
    }

    void premierDemarrage()
    {
        Banc banc;
        const auto v = Base::chargeReglages(banc.reglages(), 2026);
        QVERIFY(v && v->infoBullesActives());
        QCOMPARE(QPoint(v->anneeDebut, v->anneeFin), QPoint(1700, 2100));
        // Exactly the five missing values are written back; a second start reads them.
        const QStringList attendu = {"Année de début/Valeur=1700", "Année de fin/Valeur=2100",
                                     "Couleur des étoiles/Couleur=255 255 255", "Couleur du ciel/Couleur=119 119 119",
                                     "Style d'affichage au démarrage/Style=Normal"};
        QCOMPARE(banc.contenuFichier(), attendu);
        QVERIFY(Base::chargeReglages(banc.reglages(), 2026));
        QCOMPARE(banc.contenuFichier(), attendu);
    }

    void couleurs_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("attendu"); // -1: refused
        QTest::newRow("hex") << "&H808000" << 0x808000;
        QTest::newRow("hex minuscule") << "&hdeff6c" << 0xDEFF6C;
        QTest::newRow("décimal blancs") << " 16777215 " << 16777215;
        QTest::newRow("vide") << "" << -1;
        QTest::newRow("hex vide") << "&H" << -1;
        QTest::newRow("hex signé") << "&H-10" << -1;
        QTest::newRow("hex 0x") << "&H0x10" << -1;
        QTest::newRow("trop grand") << "16777216" << -1;
        QTest::newRow("hex trop grand") << "&H1000000" << -1;
        QTest::newRow("hex hors des 64 bits") << "&H1FFFFFFFFFFFFFFFF" << -1;
        QTest::newRow("négatif") << "-1" << -1;
        QTest::newRow("virgule") << "12,5" << -1;
    }
    void couleurs()
    {
        QFETCH(QString, texte);
        QFETCH(int, attendu);
        QCOMPARE(Couleurs::lisNombre(texte).value_or(-1), static_cast<quint32>(attendu));
    }

    // Sound values read back to the same text.
    void rgb_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("valide");
        QTest::newRow("bornes") << "0 255 0" << true;
        QTest::newRow("quatre parts") << "1 2 3 4" << false;
        QTest::newRow("espace en tête") << " 1 2 3" << false;
        QTest::newRow("lettre") << "1 x 3" << false;
        QTest::newRow("256") << "256 0 0" << false;
        QTest::newRow("négatif") << "0 -1 0" << false;
    }
    void rgb()
    {
        QFETCH(QString, texte);
        QFETCH(bool, valide);
        const auto v = Base::lisRgb(texte);
        QCOMPARE(v.has_value(), valide);
        if (v)
            QCOMPARE(Base::texteRgb(*v), texte);
    }

    void annees_data()
    {
        QTest::addColumn<QString>("debut");
        QTest::addColumn<int>("debutUtilise"); // 0: the load fails
        QTest::addColumn<QString>("fin");
        QTest::addColumn<int>("finUtilisee");
        QTest::newRow("1500 devient 1600") << "1500" << 1600 << "2100" << 2100;
        QTest::newRow("1501 gardé") << "1501" << 1501 << "2100" << 2100;
        QTest::newRow("12000 devient 9999") << "1700" << 1700 << "12000" << 9999;
        QTest::newRow("9999 gardé") << "1700" << 1700 << "9999" << 9999;
        QTest::newRow("inversées") << "2100" << 0 << "1700" << 0;
        QTest::newRow("sans l'année courante") << "1700" << 0 << "1999" << 0;
        QTest::newRow("pas un nombre") << "mil" << 0 << "2100" << 0;
        QTest::newRow("décimale") << "1700.5" << 0 << "2100" << 0;
        QTest::newRow("hors des entiers") << "1700" << 0 << "99999999999" << 0;
    }
    void annees()
    {
        QFETCH(QString, debut);
        QFETCH(int, debutUtilise);
        QFETCH(QString, fin);
        QFETCH(int, finUtilisee);
        Banc banc;
        banc.reglages().ecrit(Cles::AnneeDebut, Cles::Valeur, debut);
        banc.reglages().ecrit(Cles::AnneeFin, Cles::Valeur, fin);
        const auto v = Base::chargeReglages(banc.reglages(), 2026);
        QCOMPARE(v ? QPoint(v->anneeDebut, v->anneeFin) : QPoint(), QPoint(debutUtilise, finUtilisee));
        // The corrections last for the run only.
        QCOMPARE(banc.relu(Cles::AnneeDebut, Cles::Valeur), debut);
        QCOMPARE(banc.relu(Cles::AnneeFin, Cles::Valeur), fin);
    }

    // The almanac's place: Paris when nothing is stored, else what the
    // chooser wrote, read back whole; nothing written at load.
    void lieu_data()
    {
        QTest::addColumn<QStringList>("ecrit"); // name, latitude, longitude, zone as stored; empty: nothing
        QTest::addColumn<QString>("lu");        // label, coordinates, zone
        QTest::newRow("absent") << QStringList{} << "Paris 48.8566 2.3522 Europe/Paris";
        QTest::newRow("ville") << QStringList{"Fort-de-France (Martinique)", "14.6161", "-61.0588",
                                              "America/Martinique"}
                               << "Fort-de-France (Martinique) 14.6161 -61.0588 America/Martinique";
        QTest::newRow("pôle, sans nom") << QStringList{"", "-90", "180", "Pacific/Auckland"}
                                        << " -90.0000 180.0000 Pacific/Auckland";
    }
    void lieu()
    {
        QFETCH(QStringList, ecrit);
        QFETCH(QString, lu);
        Banc banc;
        const QStringList cles{Cles::Nom, Cles::Latitude, Cles::Longitude, Cles::Fuseau};
        for (qsizetype i = 0; i < ecrit.size(); ++i)
            banc.reglages().ecrit(Cles::Lieu, cles[i], ecrit[i]);
        const QStringList avant = banc.contenuFichier();
        const auto v = Base::chargeReglages(banc.reglages(), 2026);
        QVERIFY(v);
        QCOMPARE(QStringLiteral("%1 %2 %3 %4")
                     .arg(v->lieu.libelle(), QString::number(v->lieu.latitude, 'f', 4),
                          QString::number(v->lieu.longitude, 'f', 4), QString::fromUtf8(v->lieu.fuseau)),
                 lu);
        QCOMPARE(banc.contenuFichier().filter(Cles::Lieu), avant.filter(Cles::Lieu));
    }

    void valeurFautiveLaisseLeMagasinIntact_data()
    {
        QTest::addColumn<QStringList>("ecrit"); // section, key, value
        QTest::newRow("couleur texte") << QStringList{Cles::SectionCouleurs, "Fin du dégradé", "gris"};
        QTest::newRow("couleur hors bornes") << QStringList{Cles::SectionCouleurs, "Autres textes", "&H1000000"};
        QTest::newRow("ciel") << QStringList{Cles::Ciel, Cles::Couleur, "119 119"};
        QTest::newRow("étoiles") << QStringList{Cles::Etoiles, Cles::Couleur, "255 255 300"};
        QTest::newRow("année") << QStringList{Cles::AnneeFin, Cles::Valeur, "deux mille"};
        QTest::newRow("région inconnue") << QStringList{Cles::Calculs, Cles::Region, "Alsace"};
        QTest::newRow("unité inconnue") << QStringList{Cles::Calculs, Cles::Unite, "Heures"};
        QTest::newRow("latitude hors bornes") << QStringList{Cles::Lieu, Cles::Latitude, "90.5"};
        QTest::newRow("longitude à virgule") << QStringList{Cles::Lieu, Cles::Longitude, "2,35"};
        QTest::newRow("longitude vide") << QStringList{Cles::Lieu, Cles::Longitude, ""};
        QTest::newRow("fuseau inconnu") << QStringList{Cles::Lieu, Cles::Fuseau, "Europe/Lutece"};
    }
    void valeurFautiveLaisseLeMagasinIntact()
    {
        QFETCH(QStringList, ecrit);
        Banc banc;
        banc.reglages().ecrit(ecrit[0], ecrit[1], ecrit[2]);
        QVERIFY(!Base::chargeReglages(banc.reglages(), 2026));
        QCOMPARE(banc.contenuFichier(), QStringList{ecrit[0] + u'/' + ecrit[1] + u'=' + ecrit[2]});
    }
};

QTEST_MAIN(TestReglages)
#include "tst_reglages.moc"
