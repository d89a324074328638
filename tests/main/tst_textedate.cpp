#include "main/textedate.h"
#include "support/principal.h"

#include <QTest>

class TestTexteDate : public QObject
{
    Q_OBJECT
private slots:
    // Empty caption: the day does not exist and nothing may be built from it.
    void legende_data()
    {
        QTest::addColumn<int>("jour");
        QTest::addColumn<int>("mois");
        QTest::addColumn<int>("annee");
        QTest::addColumn<QString>("attendue");
        QTest::newRow("18/11/2001") << 18 << 11 << 2001 << "Dimanche 18 novembre 2001";
        QTest::newRow("15/10/1582") << 15 << 10 << 1582 << "Vendredi 15 octobre 1582";
        QTest::newRow("4/10/1582 julien") << 4 << 10 << 1582 << "Jeudi 4 octobre 1582";
        // A disabled day re-selected after a change of month keeps the Julian rule.
        QTest::newRow("10/10/1582 julien") << 10 << 10 << 1582 << "Mercredi 10 octobre 1582";
        QTest::newRow("1/1/1582 julien") << 1 << 1 << 1582 << "Lundi 1 janvier 1582";
        QTest::newRow("1/11/1582") << 1 << 11 << 1582 << "Lundi 1 novembre 1582";
        QTest::newRow("25/12/1582") << 25 << 12 << 1582 << "Samedi 25 décembre 1582";
        QTest::newRow("29/2/2000") << 29 << 2 << 2000 << "Mardi 29 février 2000";
        QTest::newRow("31 avril") << 31 << 4 << 2001 << "";
        QTest::newRow("29/2/1500 grégorien") << 29 << 2 << 1500 << "";
        QTest::newRow("jour 0") << 0 << 1 << 2000 << "";
        QTest::newRow("mois 13") << 1 << 13 << 2000 << "";
        QTest::newRow("an 10000") << 1 << 1 << 10000 << "";
    }

    void legende()
    {
        QFETCH(int, jour);
        QFETCH(int, mois);
        QFETCH(int, annee);
        QFETCH(QString, attendue);
        const Periode periode = mois <= 12 ? periodeDuMois(mois, annee) : Periode::Apres1582;
        QCOMPARE(legendeJour(jour, mois, annee, periode).value_or(QString()), attendue);
        QCOMPARE(texteSelection(jour, mois, annee).has_value(), !attendue.isEmpty());
        QCOMPARE(dateLongue(jour, mois, annee).has_value(), !attendue.isEmpty());
        // Today's caption, like the long date, is Gregorian even before the reform.
        if (jour == 4 && annee == 1582) {
            QCOMPARE(legendeAujourdhui(QDate(annee, mois, jour)), QStringLiteral("Lundi 4 octobre 1582"));
            QCOMPARE(dateLongue(jour, mois, annee), QStringLiteral("lundi 4 octobre 1582"));
        }
    }

    void textesDeLaSelection_data()
    {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("court"); // empty: refused
        QTest::newRow("zéros de tête") << "05/03/2002" << "5/3/2002";
        QTest::newRow("an 100") << "01/01/0100" << "1/1/100";
        QTest::newRow("déjà court") << "5/3/2002" << "";
        QTest::newRow("tirets") << "05-03-2002" << "";
        QTest::newRow("signe") << "+5/03/2002" << "";
        QTest::newRow("trop long") << "05/03/20021" << "";
        QTest::newRow("31 avril") << "31/04/2002" << "";
    }

    void textesDeLaSelection()
    {
        QFETCH(QString, selection);
        QFETCH(QString, court);
        QCOMPARE(texteCourt(selection).value_or(QString()), court);
        // Whatever is read back writes out the same text.
        if (const auto date = lisSelection(selection))
            QCOMPARE(texteSelection(date->jour, date->mois, date->annee), selection);
    }
};

ZELUND_TEST(TestTexteDate)
#include "tst_textedate.moc"
