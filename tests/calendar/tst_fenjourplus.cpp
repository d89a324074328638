#include "calendar/fenjourplus.h"
#include "support/fauxplateforme.h"
#include "support/principal.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

class TestFenJourPlus : public QObject
{
    Q_OBJECT
private slots:
    void saisie_data();
    void saisie();
};

void TestFenJourPlus::saisie_data()
{
    QTest::addColumn<QString>("jour");
    QTest::addColumn<int>("mois");
    QTest::addColumn<QString>("annee");
    QTest::addColumn<QString>("jourAffiche");
    QTest::addColumn<QString>("anneeAffichee");
    QTest::addColumn<QString>("nom");
    QTest::newRow("aujourd'hui") << "18" << 11 << "2001" << "18" << "2001" << " Dimanche ";
    QTest::newRow("4 octobre 1582, julien") << "4" << 10 << "1582" << " 4" << " 1582" << " Jeudi ";
    QTest::newRow("15 octobre 1582") << "15" << 10 << "1582" << " 15" << " 1582" << " Vendredi ";
    QTest::newRow("jour 45 ramené à 31") << "45" << 12 << "9999" << " 31" << " 9999" << " Vendredi ";
    QTest::newRow("jour 0 ramené à 1") << "0" << 1 << "0" << " 1" << " 0" << " Jeudi ";
    // Not a number: the weekday shown stays (18 January 2001 after the month).
    QTest::newRow("année illisible") << "5" << 1 << "-" << " 5" << "-" << " Jeudi ";
    QTest::newRow("jour illisible") << "premier" << 1 << "2001" << "premier" << "2001" << " Jeudi ";
    QTest::newRow("an -2000 ramené à -1900") << "1" << 1 << "-2000" << " 1" << " -1900" << " Mardi ";
}

void TestFenJourPlus::saisie()
{
    QFETCH(QString, jour);
    QFETCH(int, mois);
    QFETCH(QString, annee);
    QFETCH(QString, jourAffiche);
    QFETCH(QString, anneeAffichee);
    QFETCH(QString, nom);
    Banc banc;
    FenJourPlus f;
    f.AffMois->setCurrentIndex(mois - 1);
    f.AffAn->setText(annee);
    f.AffJour->setText(jour);
    QCOMPARE(f.AffJour->text(), jourAffiche);
    QCOMPARE(f.AffAn->text(), anneeAffichee);
    QCOMPARE(f.JourSemaine->text(), nom);
}

ZELUND_TEST(TestFenJourPlus)
#include "tst_fenjourplus.moc"
