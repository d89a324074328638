#include "dates/infojour.h"

#include <QTest>

class TstInfoJour : public QObject
{
    Q_OBJECT

private slots:
    void semaine_data();
    void semaine();
    void ferie_data();
    void ferie();
    void texte_data();
    void texte();
};

void TstInfoJour::semaine_data()
{
    QTest::addColumn<QDate>("jour");
    QTest::addColumn<int>("semaine");
    QTest::addColumn<int>("anneeSemaine");
    QTest::addColumn<int>("jourAnnee");
    QTest::newRow("31/12/2004, 53e semaine") << QDate(2004, 12, 31) << 53 << 2004 << 366;
    QTest::newRow("01/01/2005 encore en 2004") << QDate(2005, 1, 1) << 53 << 2004 << 1;
    QTest::newRow("03/01/2005 lundi") << QDate(2005, 1, 3) << 1 << 2005 << 3;
    QTest::newRow("29/12/2008 déjà en 2009") << QDate(2008, 12, 29) << 1 << 2009 << 364;
    QTest::newRow("03/01/2010 dimanche") << QDate(2010, 1, 3) << 53 << 2009 << 3;
    QTest::newRow("31/12/1900 non bissextile") << QDate(1900, 12, 31) << 1 << 1901 << 365;
    QTest::newRow("01/03/2024 après le 29 février") << QDate(2024, 3, 1) << 9 << 2024 << 61;
    QTest::newRow("15/10/1582 premier jour grégorien") << QDate(1582, 10, 15) << 41 << 1582 << 288;
}

void TstInfoJour::semaine()
{
    QFETCH(QDate, jour);
    QFETCH(int, semaine);
    QFETCH(int, anneeSemaine);
    QFETCH(int, jourAnnee);
    QCOMPARE(Dates::semaineIso(jour), (Dates::SemaineIso{semaine, anneeSemaine}));
    QCOMPARE(Dates::jourDeLAnnee(jour), jourAnnee);
}

void TstInfoJour::ferie_data()
{
    QTest::addColumn<QDate>("jour");
    QTest::addColumn<QString>("nom");
    QTest::newRow("14 juillet") << QDate(2026, 7, 14) << "Fête nationale";
    QTest::newRow("veille") << QDate(2026, 7, 13) << QString();
    QTest::newRow("Pâques 2002") << QDate(2002, 3, 31) << "Pâques";
    QTest::newRow("Lundi de Pentecôte 2002") << QDate(2002, 5, 20) << "Lundi de Pentecôte";
    QTest::newRow("Pâques le plus tardif, 2038") << QDate(2038, 6, 14) << "Lundi de Pentecôte";
    QTest::newRow("Ascension le 1er mai 2008") << QDate(2008, 5, 1) << "Fête du Travail, Ascension";
    QTest::newRow("11 novembre") << QDate(1918, 11, 11) << "Armistice 1918";
    QTest::newRow("Toussaint 1582") << QDate(1582, 11, 1) << "Toussaint";
    QTest::newRow("avant la réforme") << QDate(1582, 8, 15) << QString();
}

void TstInfoJour::ferie()
{
    QFETCH(QDate, jour);
    QFETCH(QString, nom);
    QCOMPARE(Dates::jourFerie(jour).value_or(QString()), nom);
}

void TstInfoJour::texte_data()
{
    QTest::addColumn<QDate>("jour");
    QTest::addColumn<int>("periode");
    QTest::addColumn<QString>("texte");
    const int apres = int(Dates::Periode::Apres1582);
    QTest::newRow("fête") << QDate(2026, 7, 14) << apres
                          << "Mardi 14 juillet 2026\nSemaine 29, jour 195 de l'année\nJour férié : Fête nationale";
    QTest::newRow("semaine de l'année d'avant")
        << QDate(2005, 1, 1) << apres
        << "Samedi 1 janvier 2005\nSemaine 53 de 2004, jour 1 de l'année\nJour férié : Jour de l'an";
    QTest::newRow("jour ordinaire") << QDate(2001, 11, 18) << apres
                                    << "Dimanche 18 novembre 2001\nSemaine 46, jour 322 de l'année";
    QTest::newRow("réforme, grille principale")
        << QDate(1582, 10, 15) << int(Dates::Periode::Octobre1582)
        << "Vendredi 15 octobre 1582\nSemaine 41, jour 288 de l'année";
    QTest::newRow("veille julienne") << QDate(1582, 10, 4) << int(Dates::Periode::Octobre1582)
                                     << "Jeudi 4 octobre 1582\nCalendrier julien";
    QTest::newRow("1582, grille principale") << QDate(1582, 1, 1) << int(Dates::Periode::AvantOctobre1582)
                                             << "Lundi 1 janvier 1582\nCalendrier julien";
}

void TstInfoJour::texte()
{
    QFETCH(QDate, jour);
    QFETCH(int, periode);
    QFETCH(QString, texte);
    QCOMPARE(Dates::infoJourGrille(jour.day(), jour.month(), jour.year(), Dates::Periode(periode)).value_or(QString()),
             texte);
    // The calendars count Gregorian days for every year: no week before the reform.
    const auto calendrier = Dates::infoJour(jour);
    QVERIFY(calendrier);
    QCOMPARE(calendrier->contains(QStringLiteral("Semaine")), jour >= Dates::debutGregorien());
}

QTEST_GUILESS_MAIN(TstInfoJour)
#include "tst_infojour.moc"
