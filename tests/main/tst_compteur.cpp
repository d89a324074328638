#include "main/compteur.h"
#include "moon/phase.h"
#include "support/principal.h"

#include <QTest>

// The counter's arithmetic; the selection tests drive the rest through clicks.
class TestCompteur : public QObject
{
    Q_OBJECT
private slots:
    void difference_data()
    {
        QTest::addColumn<QString>("premiere"); // empty: never set
        QTest::addColumn<QString>("deuxieme");
        QTest::addColumn<int>("jours");
        QTest::newRow("à travers la réforme") << "04/10/1582" << "15/10/1582" << 1;
        QTest::newRow("négative") << "01/02/2002" << "01/01/2002" << -31;
        QTest::newRow("même date") << "18/11/2001" << "18/11/2001" << 0;
        QTest::newRow("première vide") << "" << "01/01/1900" << 2;
    }
    void difference()
    {
        QFETCH(QString, premiere);
        QFETCH(QString, deuxieme);
        QFETCH(int, jours);
        QCOMPARE(differenceJours(valeurSelection(premiere), valeurSelection(deuxieme)), jours);
    }

    void selectionIllisible()
    {
        // A selection text that names no real day changes nothing.
        const auto rien = [](const LegendesModifiees &l) {
            return !l.premiereDate && !l.deuxiemeDate && !l.anMois && !l.texteNBJ;
        };
        EtatCompteur etat;
        QVERIFY(rien(cliqueDeuxiemeDate(etat, {12, QStringLiteral("31/04/2001"), {}})));
        QVERIFY(rien(cliquePremiereDate(etat, {12, QStringLiteral("5/3/2002"), {}})));
        QVERIFY(!etat.premiereDate && !etat.deuxiemeDate && etat.textePremiere.isEmpty());
    }
};

ZELUND_TEST(TestCompteur)
#include "tst_compteur.moc"
