#include "support/controle.h"
#include "support/fenprinchargee.h"
#include "ui/styleliste.h"

#include <QComboBox>
#include <QTest>

// The main window's year and month lists, drawn and typed in as the tools' lists are.
class TestListesPrin : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Ui::installeStyleListe(); }
    // A closed list shows "Visualisation, dossiers, etc." itself, flat.
    void aLaCouleur()
    {
        FenPrinChargee p;
        for (const char *nom : {"LDAnnee", "LDMois"}) {
            const QImage image = controle(p.f, nom)->grab().toImage();
            for (const QPoint &pt : {QPoint(image.width() / 2, 2), QPoint(image.width() / 2, image.height() - 3)})
                QCOMPARE(image.pixelColor(pt), QColor(0, 210, 210));
        }
    }
    // Letters typed pick the month they begin, accents aside; the window follows.
    void moisAuClavier()
    {
        FenPrinChargee p;
        auto *mois = controle<QComboBox>(p.f, "LDMois");
        QTest::keyClicks(mois, QStringLiteral("fev"));
        QCOMPARE(mois->currentIndex(), 1);
        QCOMPARE(p.f.selection()->mois, 2);
    }
};

QTEST_MAIN(TestListesPrin)
#include "tst_listesprin.moc"
