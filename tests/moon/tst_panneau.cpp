#include "moon/panneau.h"
#include "support/principal.h"

#include <QTest>

Q_DECLARE_METATYPE(EtatPanneau)

class TestPanneau : public QObject
{
    Q_OBJECT
private slots:
    void transitions_data();
    void transitions();
    void dispositions();
};

void TestPanneau::transitions_data()
{
    QTest::addColumn<QString>("appuis"); // C: counter button, L: Moon button
    QTest::addColumn<EtatPanneau>("attendu");
    QTest::newRow("compteur") << "C" << EtatPanneau::compteur();
    QTest::newRow("lune") << "L" << EtatPanneau::lune();
    QTest::newRow("compteur refermé") << "CC" << EtatPanneau::ferme();
    QTest::newRow("lune refermée") << "LL" << EtatPanneau::ferme();
    QTest::newRow("compteur puis lune") << "CL" << EtatPanneau::lune();
    QTest::newRow("lune puis compteur") << "LC" << EtatPanneau::compteur();
    QTest::newRow("C L L") << "CLL" << EtatPanneau::ferme();
    QTest::newRow("L C C") << "LCC" << EtatPanneau::ferme();
}

void TestPanneau::transitions()
{
    QFETCH(QString, appuis);
    QFETCH(EtatPanneau, attendu);
    EtatPanneau e;
    for (QChar c : appuis) {
        e = c == QLatin1Char('C') ? appuiCompteur(e) : appuiLune(e);
        // Never both views, and a view only while the panel is open.
        QVERIFY(!(e.compteurVisible && e.luneVisible));
        QVERIFY(e.panneauOuvert || (!e.compteurVisible && !e.luneVisible));
    }
    QCOMPARE(e, attendu);
}

void TestPanneau::dispositions()
{
    QCOMPARE(disposition(false).hauteurFenetre, 5340);
    QCOMPARE(disposition(true).hauteurFenetre, 7875);
    // The strips stay stacked in both layouts: the lower side strips end
    // where the bottom strips start, and the last strip follows them.
    for (bool ouverte : {false, true}) {
        const DispositionCadre d = disposition(ouverte);
        QCOMPARE(d.hautForme7, d.hautForme3 + 315);
        QCOMPARE(d.hautForme2 + d.hauteurForme2, d.hautForme3);
        QCOMPARE(d.hautForme6 + d.hauteurForme6, d.hautForme3);
    }
}

ZELUND_TEST(TestPanneau)
#include "tst_panneau.moc"
