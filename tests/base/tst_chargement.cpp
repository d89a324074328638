#include "base/chargement.h"
#include "base/reglages.h"
#include "support/fauxplateforme.h"

#include <QTest>

class TestChargement : public QObject
{
    Q_OBJECT
private slots:
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
        QTest::newRow("virgules") << "119,119,119" << false;
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
        QTest::addColumn<QString>("fin");
        QTest::addColumn<int>("debutUtilise"); // 0: the load fails
        QTest::addColumn<int>("finUtilisee");
        QTest::newRow("1500 devient 1600") << "1500" << "2100" << 1600 << 2100;
        QTest::newRow("1501 gardé") << "1501" << "2100" << 1501 << 2100;
        QTest::newRow("12000 devient 9999") << "1700" << "12000" << 1700 << 9999;
        QTest::newRow("9999 gardé") << "1700" << "9999" << 1700 << 9999;
        QTest::newRow("inversées") << "2100" << "1700" << 0 << 0;
        QTest::newRow("sans l'année courante") << "1700" << "1999" << 0 << 0;
        QTest::newRow("pas un nombre") << "mil" << "2100" << 0 << 0;
        QTest::newRow("décimale") << "1700.5" << "2100" << 0 << 0;
        QTest::newRow("hors des entiers") << "1700" << "99999999999" << 0 << 0;
    }
    void annees()
    {
        QFETCH(QString, debut);
        QFETCH(QString, fin);
        QFETCH(int, debutUtilise);
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

    void valeurFautiveLaisseLeMagasinIntact_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("cle");
        QTest::addColumn<QString>("valeur");
        QTest::newRow("couleur texte") << Couleurs::section() << "Fin du dégradé" << "gris";
        QTest::newRow("couleur hors bornes") << Couleurs::section() << "Autres textes" << "&H1000000";
        QTest::newRow("ciel") << Cles::Ciel << Cles::Couleur << "119 119";
        QTest::newRow("étoiles") << Cles::Etoiles << Cles::Couleur << "255 255 300";
        QTest::newRow("année") << Cles::AnneeFin << Cles::Valeur << "deux mille";
    }
    void valeurFautiveLaisseLeMagasinIntact()
    {
        QFETCH(QString, section);
        QFETCH(QString, cle);
        QFETCH(QString, valeur);
        Banc banc;
        banc.reglages().ecrit(section, cle, valeur);
        QVERIFY(!Base::chargeReglages(banc.reglages(), 2026));
        QCOMPARE(banc.contenuFichier(), QStringList{section + QLatin1Char('/') + cle + QLatin1Char('=') + valeur});
    }

    void valeurAvecVirgulesEcriteALaMain()
    {
        // The ini format would read the commas as a list: the text must come through whole.
        Banc banc;
        QFile f(banc.fichierReglages());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Couleur%20du%20ciel]\nCouleur=119,119,119\n");
        f.close();
        Reglages relu(banc.fichierReglages());
        QCOMPARE(relu.lit(Cles::Ciel, Cles::Couleur), QStringLiteral("119,119,119"));
        QVERIFY(!Base::chargeReglages(relu, 2026));
    }
};

QTEST_GUILESS_MAIN(TestChargement)
#include "tst_chargement.moc"
