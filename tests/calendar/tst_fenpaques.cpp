#include "app/partage.h"
#include "calendar/compteurvertical.h"
#include "calendar/fenpaques.h"
#include "support/fauxplateforme.h"
#include "support/principal.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

class TestFenPaques : public QObject
{
    Q_OBJECT
private slots:
    void boiteAnnee_data();
    void boiteAnnee();
    void anneeDuCompteurTapee();
};

void TestFenPaques::boiteAnnee_data()
{
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("paques"); // first line of the dates
    QTest::newRow("au chargement") << " 2001" << " 2001" << "Pâques : dimanche 15 avril ";
    QTest::newRow("2002") << "2002" << " 2002" << "Pâques : dimanche 31 mars ";
    QTest::newRow("zéro") << "0" << " 1" << "Pâques : dimanche 1 avril ";
    QTest::newRow("négatif") << "-40" << " 1" << "Pâques : dimanche 1 avril ";
    QTest::newRow("10000") << "10000" << " 9999" << "Pâques : dimanche 28 mars ";
    QTest::newRow("demi, au pair") << "2038,5" << " 2038" << "Pâques : dimanche 25 avril ";
    QTest::newRow("lettres") << "abc" << "abc" << "Pâques : dimanche 15 avril ";
}

void TestFenPaques::boiteAnnee()
{
    QFETCH(QString, tape);
    QFETCH(QString, texte);
    QFETCH(QString, paques);
    Banc banc;
    partage().infoBullesActives = false;
    FenPaques f;
    f.TxtAnnee->setText(tape);
    QCOMPARE(f.TxtAnnee->text(), texte);
    QCOMPARE(f.Label1->text().section(QChar(10), 0, 0), paques);
    QCOMPARE(f.Label1->text().count(QChar(10)), 4);
    // Shown whatever the switch says.
    QCOMPARE(f.TxtAnnee->toolTip(), QStringLiteral("Choisir l'année"));
}

void TestFenPaques::anneeDuCompteurTapee()
{
    Banc banc;
    FenPaques f;
    const QPoint haut(f.ChangeAn->width() / 2, 2);
    f.TxtAnnee->setText(QStringLiteral("2025"));
    QTest::mouseClick(f.ChangeAn, Qt::LeftButton, {}, haut);
    QCOMPARE(f.TxtAnnee->text(), QStringLiteral(" 2026"));
    f.Label1->setText(QStringLiteral("témoin"));
    // The spin already holds 2026: nothing is rewritten nor refreshed.
    f.TxtAnnee->setText(QStringLiteral("2026"));
    QCOMPARE(f.TxtAnnee->text(), QStringLiteral("2026"));
    QCOMPARE(f.Label1->text(), QStringLiteral("témoin"));
    // The upper arrow stops at 9999.
    f.TxtAnnee->setText(QStringLiteral("9999"));
    QTest::mouseClick(f.ChangeAn, Qt::LeftButton, {}, haut);
    QCOMPARE(f.ChangeAn->value(), 9999);
}

ZELUND_TEST(TestFenPaques)
#include "tst_fenpaques.moc"
