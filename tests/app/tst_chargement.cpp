#include "app/chargement.h"
#include "app/reglages.h"
#include "support/fauxplateforme.h"
#include "support/principal.h"

#include <QRandomGenerator>
#include <QTest>

class TestChargement : public QObject
{
    Q_OBJECT
private slots:
    void premierDemarrage();
    void couleurs_data();
    void couleurs();
    void rgb_data();
    void rgb();
    void annees_data();
    void annees();
    void valeurFautiveLaisseLeMagasinIntact_data();
    void valeurFautiveLaisseLeMagasinIntact();
    void valeurAvecVirgulesEcriteALaMain();
    void robustesse();
};

void TestChargement::premierDemarrage()
{
    Banc banc;
    const auto v = chargeReglages(banc.reglages(), 2026);
    QVERIFY(v);
    QCOMPARE(v->anneeDebut, 1700);
    QCOMPARE(v->anneeFin, 2100);
    QCOMPARE(v->style, QStringLiteral("Normal"));
    QVERIFY(v->styleManquant);
    QVERIFY(v->infoBullesActives());
    QCOMPARE(v->couleurs.valeur[Couleurs::DebutDegrade], 0x808000u);
    QCOMPARE(v->couleurs.texte[Couleurs::DebutDegrade], QStringLiteral("&H808000"));

    QSettings brut(banc.fichierReglages(), QSettings::IniFormat);
    QStringList cles = brut.allKeys();
    cles.sort();
    QCOMPARE(cles, (QStringList{QStringLiteral("Année de début/Valeur"),
                                QStringLiteral("Année de fin/Valeur"),
                                QStringLiteral("Couleur des étoiles/Couleur"),
                                QStringLiteral("Couleur du ciel/Couleur"),
                                QStringLiteral("Style d'affichage au démarrage/Style")}));
    QCOMPARE(brut.value(QStringLiteral("Couleur du ciel/Couleur")).toString(), QStringLiteral("119 119 119"));
    QCOMPARE(brut.value(QStringLiteral("Couleur des étoiles/Couleur")).toString(), QStringLiteral("255 255 255"));

    // A second start reads them back and writes nothing new.
    const auto encore = chargeReglages(banc.reglages(), 2026);
    QVERIFY(encore);
    QVERIFY(!encore->styleManquant);
}

void TestChargement::couleurs_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("attendu"); // -1: refused
    QTest::newRow("hex défaut") << "&H808000" << 0x808000;
    QTest::newRow("hex minuscule") << "&hdeff6c" << 0xDEFF6C;
    QTest::newRow("décimal") << "8421376" << 8421376;
    QTest::newRow("décimal blancs") << " 16777215 " << 16777215;
    QTest::newRow("zéro") << "0" << 0;
    QTest::newRow("vide") << "" << -1;
    QTest::newRow("lettres") << "bleu" << -1;
    QTest::newRow("hex vide") << "&H" << -1;
    QTest::newRow("hex signé") << "&H-10" << -1;
    QTest::newRow("hex 0x") << "&H0x10" << -1;
    QTest::newRow("trop grand") << "16777216" << -1;
    QTest::newRow("hex trop grand") << "&H1000000" << -1;
    QTest::newRow("négatif") << "-1" << -1;
    QTest::newRow("virgule") << "12,5" << -1;
}

void TestChargement::couleurs()
{
    QFETCH(QString, texte);
    QFETCH(int, attendu);
    const auto n = Couleurs::lisNombre(texte);
    if (attendu < 0)
        QVERIFY(!n);
    else
        QCOMPARE(n, std::optional<quint32>(static_cast<quint32>(attendu)));
}

void TestChargement::rgb_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("valide");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::newRow("défaut") << "119 119 119" << true << 119 << 119 << 119;
    QTest::newRow("bornes") << "0 255 0" << true << 0 << 255 << 0;
    QTest::newRow("virgules") << "119,119,119" << false << 0 << 0 << 0;
    QTest::newRow("une espace") << "119 119" << false << 0 << 0 << 0;
    QTest::newRow("quatre parts") << "1 2 3 4" << false << 0 << 0 << 0;
    QTest::newRow("espace en tête") << " 1 2 3" << false << 0 << 0 << 0;
    QTest::newRow("lettre") << "1 x 3" << false << 0 << 0 << 0;
    QTest::newRow("256") << "256 0 0" << false << 0 << 0 << 0;
    QTest::newRow("négatif") << "0 -1 0" << false << 0 << 0 << 0;
}

void TestChargement::rgb()
{
    QFETCH(QString, texte);
    QFETCH(bool, valide);
    const auto v = lisRgb(texte);
    QCOMPARE(v.has_value(), valide);
    if (valide) {
        QFETCH(int, r);
        QFETCH(int, g);
        QFETCH(int, b);
        QCOMPARE(*v, (Rgb{r, g, b}));
        QCOMPARE(texteRgb(*v), texte);
    }
}

void TestChargement::annees_data()
{
    QTest::addColumn<QString>("debut");
    QTest::addColumn<QString>("fin");
    QTest::addColumn<int>("debutUtilise"); // 0: the load fails
    QTest::addColumn<int>("finUtilisee");
    QTest::newRow("1500 devient 1600") << "1500" << "2100" << 1600 << 2100;
    QTest::newRow("1501 gardé") << "1501" << "2100" << 1501 << 2100;
    QTest::newRow("12000 devient 9999") << "1700" << "12000" << 1700 << 9999;
    QTest::newRow("9999 gardé") << "1700" << "9999" << 1700 << 9999;
    QTest::newRow("négatif") << "-40" << "2100" << 1600 << 2100;
    QTest::newRow("inversées") << "2100" << "1700" << 0 << 0;
    QTest::newRow("sans l'année courante") << "1700" << "1999" << 0 << 0;
    QTest::newRow("pas un nombre") << "mil" << "2100" << 0 << 0;
    QTest::newRow("décimale") << "1700.5" << "2100" << 0 << 0;
    QTest::newRow("hors des entiers") << "1700" << "99999999999" << 0 << 0;
}

void TestChargement::annees()
{
    QFETCH(QString, debut);
    QFETCH(QString, fin);
    QFETCH(int, debutUtilise);
    QFETCH(int, finUtilisee);
    Banc banc;
    banc.reglages().ecrit(Cles::AnneeDebut, Cles::Valeur, debut);
    banc.reglages().ecrit(Cles::AnneeFin, Cles::Valeur, fin);
    const auto v = chargeReglages(banc.reglages(), 2026);
    if (debutUtilise == 0) {
        QVERIFY(!v);
        return;
    }
    QVERIFY(v);
    QCOMPARE(v->anneeDebut, debutUtilise);
    QCOMPARE(v->anneeFin, finUtilisee);
    // The corrections last for the run only.
    QCOMPARE(banc.reglages().lit(Cles::AnneeDebut, Cles::Valeur), debut);
    QCOMPARE(banc.reglages().lit(Cles::AnneeFin, Cles::Valeur), fin);
}

void TestChargement::valeurFautiveLaisseLeMagasinIntact_data()
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

void TestChargement::valeurFautiveLaisseLeMagasinIntact()
{
    QFETCH(QString, section);
    QFETCH(QString, cle);
    QFETCH(QString, valeur);
    Banc banc;
    banc.reglages().ecrit(section, cle, valeur);
    QVERIFY(!chargeReglages(banc.reglages(), 2026));
    QSettings brut(banc.fichierReglages(), QSettings::IniFormat);
    QCOMPARE(brut.allKeys().size(), 1);
}

void TestChargement::valeurAvecVirgulesEcriteALaMain()
{
    Banc banc;
    {
        QFile f(banc.fichierReglages());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Couleur%20du%20ciel]\nCouleur=119,119,119\n");
    }
    Reglages relu(banc.fichierReglages());
    QCOMPARE(relu.lit(Cles::Ciel, Cles::Couleur), QStringLiteral("119,119,119"));
    QVERIFY(!chargeReglages(relu, 2026));
}

namespace {
QString valeurAuHasard(QRandomGenerator &g)
{
    static const QStringList morceaux = {
        "", " ", "  ", "0", "1", "7", "9", "255", "256", "-", "+", "&H", "&h", "FF", "ff", "G",
        "1700", "2100", "9999", "1501", "99999999999999999999", "2147483648", "-2147483649",
        ",", ".", "e", "1e5", "\t", "é", "日", "\u00A0", "0x", "\n", "NaN", "∞"};
    QString t;
    const int n = g.bounded(6);
    for (int i = 0; i < n; ++i) {
        if (g.bounded(4) == 0)
            t += QChar(static_cast<char16_t>(g.bounded(1, 0xD7FF)));
        else
            t += morceaux[g.bounded(static_cast<int>(morceaux.size()))];
    }
    return t;
}
} // namespace

void TestChargement::robustesse()
{
    QRandomGenerator g(20011118);
    for (int i = 0; i < 10000; ++i) {
        const QString v = valeurAuHasard(g);
        if (const auto c = Couleurs::lisNombre(v))
            QVERIFY2(*c <= 0xFFFFFF, qPrintable(v));
        if (const auto rgb = lisRgb(v + QLatin1Char(' ') + valeurAuHasard(g)))
            QVERIFY(rgb->r >= 0 && rgb->r <= 255 && rgb->g >= 0 && rgb->g <= 255 && rgb->b >= 0
                    && rgb->b <= 255);
        lisAnnee(v);
    }
    // Whole loads, a few hundred of them, with every value drawn at random.
    for (int i = 0; i < 300; ++i) {
        Banc banc;
        for (const auto &d : Couleurs::definitions())
            if (g.bounded(3) == 0)
                banc.reglages().ecrit(Couleurs::section(), d.cle, valeurAuHasard(g));
        banc.reglages().ecrit(Cles::Ciel, Cles::Couleur, valeurAuHasard(g));
        banc.reglages().ecrit(Cles::AnneeDebut, Cles::Valeur, valeurAuHasard(g));
        const auto v = chargeReglages(banc.reglages(), 2026);
        if (v) {
            QVERIFY(v->anneeDebut <= 2026 && 2026 <= v->anneeFin);
            QVERIFY(v->anneeDebut >= 1501);
        } else {
            QVERIFY(!banc.reglages().contient(Cles::Etoiles, Cles::Couleur));
        }
    }
}

ZELUND_TEST(TestChargement)
#include "tst_chargement.moc"
