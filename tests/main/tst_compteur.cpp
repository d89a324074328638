#include "main/compteur.h"
#include "dates/jours.h"

#include <QTest>

// The counter's arithmetic; the window tests drive the rest through clicks.
class TestCompteur : public QObject
{
    Q_OBJECT
private slots:
    void selectionIllisible()
    {
        // A selection text that names no real day changes nothing.
        const auto rien = [](const Principal::LegendesModifiees &l) {
            return !l.premiereDate && !l.deuxiemeDate && !l.anMois && !l.texteNBJ;
        };
        Principal::EtatCompteur etat;
        QVERIFY(rien(Principal::cliqueDeuxiemeDate(etat, {12, QStringLiteral("31/04/2001"), {}})));
        QVERIFY(rien(Principal::cliquePremiereDate(etat, {12, QStringLiteral("5/3/2002"), {}})));
        QVERIFY(!etat.premiereDate && !etat.deuxiemeDate && etat.textePremiere.isEmpty());
        // An unset date counts as 30 December 1899.
        QCOMPARE(Principal::differenceJours(std::nullopt, Dates::valeurSelection(QStringLiteral("01/01/1900"))), 2);
    }
};

QTEST_GUILESS_MAIN(TestCompteur)
#include "tst_compteur.moc"
