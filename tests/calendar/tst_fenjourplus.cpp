#include "app/vantelbttn.h"
#include "calendar/compteurvertical.h"
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
    void chargement();
    void saisie_data();
    void saisie();
    void texteQuiNEstPasUnNombre();
    void flecheDuJour();
};

void TestFenJourPlus::chargement()
{
    Banc banc;
    FenJourPlus f;
    QCOMPARE(f.CmdDeplaceFen->caption(), QStringLiteral("Zelund - Jour de la semaine depuis -1900"));
    QCOMPARE(f.size(), QSize(397, 112));
    QCOMPARE(f.AffJour->text().trimmed(), QStringLiteral("18"));
    QCOMPARE(f.AffMois->currentIndex(), 10);
    QCOMPARE(f.AffAn->text().trimmed(), QStringLiteral("2001"));
    QCOMPARE(f.JourSemaine->text(), QStringLiteral(" Dimanche "));
}

void TestFenJourPlus::saisie_data()
{
    QTest::addColumn<QString>("jour");
    QTest::addColumn<int>("mois");
    QTest::addColumn<QString>("annee");
    QTest::addColumn<QString>("jourAffiche");
    QTest::addColumn<QString>("anneeAffichee");
    QTest::addColumn<QString>("nom");
    QTest::newRow("4 octobre 1582, julien") << "4" << 10 << "1582" << " 4" << " 1582" << " Jeudi ";
    QTest::newRow("15 octobre 1582") << "15" << 10 << "1582" << " 15" << " 1582" << " Vendredi ";
    QTest::newRow("31 février 2001, année déjà au compteur") << "31" << 2 << "2001" << " 31" << "2001" << " Samedi ";
    QTest::newRow("jour 45 ramené à 31") << "45" << 12 << "9999" << " 31" << " 9999" << " Vendredi ";
    QTest::newRow("jour 0 ramené à 1") << "0" << 1 << "0" << " 1" << " 0" << " Jeudi ";
    QTest::newRow("an -2000 ramené à -1900") << "1" << 1 << "-2000" << " 1" << " -1900" << " Mardi ";
    QTest::newRow("an 12000 ramené à 9999") << "31" << 12 << "12000" << " 31" << " 9999" << " Vendredi ";
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
    QCOMPARE(f.ChangeJour->value(), jourAffiche.toInt());
    QCOMPARE(f.JourSemaine->text(), nom);
}

void TestFenJourPlus::texteQuiNEstPasUnNombre()
{
    Banc banc;
    FenJourPlus f;
    f.AffAn->setText(QStringLiteral("-"));
    QCOMPARE(f.ChangeAn->value(), 2001);
    f.AffMois->setCurrentIndex(0);
    QCOMPARE(f.JourSemaine->text(), QStringLiteral(" Dimanche "));
    f.AffAn->setText(QStringLiteral("2001"));
    f.AffJour->setText(QStringLiteral("premier"));
    QCOMPARE(f.ChangeJour->value(), 18);
    QCOMPARE(f.JourSemaine->text(), QStringLiteral(" Jeudi ")); // 18 January 2001
}

void TestFenJourPlus::flecheDuJour()
{
    Banc banc;
    FenJourPlus f;
    const QPoint haut(f.ChangeJour->width() / 2, 2);
    f.AffMois->setCurrentIndex(1);
    f.AffJour->setText(QStringLiteral("30"));
    QTest::mouseClick(f.ChangeJour, Qt::LeftButton, {}, haut);
    QCOMPARE(f.AffJour->text(), QStringLiteral(" 31"));
    QTest::mouseClick(f.ChangeJour, Qt::LeftButton, {}, haut);
    QCOMPARE(f.AffJour->text(), QStringLiteral(" 31"));
}

ZELUND_TEST(TestFenJourPlus)
#include "tst_fenjourplus.moc"
