#include "appearance/config.h"
#include "appearance/configure.h"
#include "base/chargement.h"
#include "base/partage.h"
#include "support/fauxplateforme.h"
#include "ui/vantelbttn.h"
#include "ui/vantelpanel.h"

#include <QApplication>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

namespace {
// Sky, stars, first year, last year, style; an empty text stays missing.
void stocke(Reglages &r, const QStringList &cinq)
{
    const auto ecritures = Config::Ecritures({});
    for (qsizetype i = 0; i < cinq.size(); ++i)
        if (!cinq[i].isEmpty())
            r.ecrit(ecritures[std::size_t(i)].section, ecritures[std::size_t(i)].cle, cinq[i]);
}

QStringList stockees(const Reglages &r)
{
    QStringList s;
    for (const auto &e : Config::Ecritures({}))
        s << r.lit(e.section, e.cle);
    return s;
}

} // namespace

// The configuration dialog: what it opens on, its colour editor, the year
// bars, and what each way out leaves in the store and the shared values.
class TestConfigure : public QObject
{
    Q_OBJECT
private slots:
    void ouverture_data()
    {
        QTest::addColumn<QStringList>("store");
        QTest::addColumn<QStringList>("montre"); // sky text, star text, first year, last year
        QTest::addColumn<int>("option");
        const QString gris = QStringLiteral("119 119 119"), blanc = QStringLiteral("255 255 255");
        QTest::newRow("valeurs lues") << QStringList{"10 20 30", "200 210  220", "1800", "2200", "AfficheCompteur"}
                                      << QStringList{"10 20 30", "200 210  220", "1800", "2200"} << 1;
        QTest::newRow("1450 -> 1600, 12000 -> 9999") << QStringList{"", "", "1450", "12000", "AffichePhasesLune"}
                                                     << QStringList{gris, blanc, "1600", "9999"} << 2;
        QTest::newRow("plage sans aujourd'hui")
            << QStringList{"", "", "2050", "1900", ""} << QStringList{gris, blanc, "2001", "2001"} << -1;
        QTest::newRow("illisibles") << QStringList{"119,119,119", "1 2 300", "mil", "", "normal"}
                                    << QStringList{gris, blanc, "1700", "2100"} << -1;
    }

    // What the dialog shows, and the range the main window will take back.
    void ouverture()
    {
        QFETCH(QStringList, store);
        QFETCH(QStringList, montre);
        QFETCH(int, option);
        Banc banc;
        stocke(banc.reglages(), store);
        Configure d;
        const QStringList vus = {d.TextCiel->caption(), d.TextLune->caption(), d.TextAnDeb->caption(),
                                 d.TextAnFin->caption()};
        QCOMPARE(vus, montre);
        QCOMPARE(QPoint(partage().anneeDebut, partage().anneeFin), QPoint(montre[2].toInt(), montre[3].toInt()));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(d.AffDemOpt[i]->isChecked(), i == option);
    }

    void edition()
    {
        Banc banc;
        stocke(banc.reglages(), {"", "200 100 50"});
        Configure d;
        d.Vert->setValue(7); // no edit under way: only the preview moves, the colour's OK is refused
        QTest::mouseClick(d.CmdCoulOK, Qt::LeftButton);
        QCOMPARE(d.TextCoul->caption(), QStringLiteral("0 7 0"));
        QTest::mouseClick(d.CmdCoulLune, Qt::LeftButton);
        QTest::mouseClick(d.CmdCoulCiel, Qt::LeftButton); // refused while the Moon's colour is edited
        d.Bleu->setValue(5);
        QCOMPARE(d.CoulReg->backcolor(), QColor(200, 100, 5));
        QCOMPARE(d.TextLune->caption(), QStringLiteral("200 100 50")); // not before the colour's OK
        QTest::mouseClick(d.CmdCoulOK, Qt::LeftButton);
        QCOMPARE(d.TextLune->caption(), QStringLiteral("200 100 5"));
        QCOMPARE(d.CoulLune->backcolor(), QColor(200, 100, 5));
        // The year bars snap to the current year as they move.
        d.ScrollDeb->setValue(2500);
        d.ScrollFin->setValue(1990);
        QCOMPARE(d.TextAnDeb->caption() + d.TextAnFin->caption(), QStringLiteral("20012001"));
        QCOMPARE(partage().anneeDebut, 1700);               // the shared range moves only with OK
        QCOMPARE(Config::CaleAnneeDebut(1600, 1400), 1501); // a clock outside the bars' range
        QCOMPARE(Config::CaleAnneeFin(9000, 10000), 9999);
        QTest::mouseClick(d.CmdAide, Qt::LeftButton);
        QTest::mouseClick(d.CmdAide, Qt::RightButton);
        QCOMPARE(banc.plateforme.aides, (QList<int>{3, 0}));
    }

    void ok()
    {
        Banc banc;
        stocke(banc.reglages(), {"", "255 255  255", "1450", "", "Normal"});
        Configure d;
        QTest::mouseClick(d.CmdCoulCiel, Qt::LeftButton);
        d.Rouge->setValue(9);
        QTest::mouseClick(d.CmdOK, Qt::LeftButton); // refused while editing
        QVERIFY(!banc.present(Cles::Ciel, Cles::Couleur));
        QTest::mouseClick(d.CmdCoulOK, Qt::LeftButton);
        QTest::mouseClick(d.CmdCoulLune, Qt::LeftButton);
        d.Vert->setValue(8);
        QTest::mouseClick(d.CmdCoulOK, Qt::LeftButton);
        QTest::mouseClick(d.AffDemOpt[2], Qt::LeftButton);
        d.ScrollFin->setValue(3000);
        QTest::mouseClick(d.CmdOK, Qt::LeftButton);

        // Every value the dialog shows, stored as the file spells it and taken by the run.
        QCOMPARE(banc.contenuFichier(),
                 (QStringList{"Année de début/Valeur=1600", "Année de fin/Valeur=3000",
                              "Couleur des étoiles/Couleur=255 8 255", "Couleur du ciel/Couleur=9 119 119",
                              "Style d'affichage au démarrage/Style=AffichePhasesLune"}));
        QCOMPARE(partage().ciel, (Base::Rgb{9, 119, 119}));
        QCOMPARE(partage().etoiles, (Base::Rgb{255, 8, 255}));
        QCOMPARE(QPoint(partage().anneeDebut, partage().anneeFin), QPoint(1600, 3000));
    }

    void sortieSansEcrire_data()
    {
        QTest::addColumn<bool>("annuler"); // otherwise closed while a colour is being edited
        QTest::newRow("Annuler") << true;
        QTest::newRow("Fermer pendant une édition") << false;
    }

    void sortieSansEcrire()
    {
        QFETCH(bool, annuler);
        Banc banc;
        const QStringList avant = {"1 2 3", "", "1450", "2300", ""};
        stocke(banc.reglages(), avant);
        partage().etoiles = Base::Rgb{4, 5, 6};
        Configure d;
        d.show();
        QTest::mouseClick(d.CmdCoulLune, Qt::LeftButton);
        d.Rouge->setValue(99);
        if (annuler)
            QTest::mouseClick(d.CmdCoulOK, Qt::LeftButton);
        d.ScrollDeb->setValue(1900);
        QTest::mouseClick(annuler ? d.CmdAnnul : d.CmdFermer, Qt::LeftButton);

        QVERIFY(!d.isVisible());
        QCOMPARE(stockees(Reglages(banc.fichierReglages())), avant);
        // The main window keeps its colours and takes the range the dialog read.
        QCOMPARE(partage().ciel, (Base::Rgb{119, 119, 119}));
        QCOMPARE(partage().etoiles, (Base::Rgb{4, 5, 6}));
        QCOMPARE(QPoint(partage().anneeDebut, partage().anneeFin), QPoint(1600, 2300));
    }

    // The focus starts on the first control; Escape cancels, Return keeps the edits.
    void auClavier()
    {
        Banc banc;
        {
            Configure d;
            d.ScrollFin->setValue(2500);
            QTest::keyClick(&d, Qt::Key_Escape);
            QVERIFY(!d.isVisible());
            QVERIFY(!banc.reglages().contient(Cles::AnneeFin, Cles::Valeur));
        }
        Configure d;
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(QApplication::focusWidget(), d.CmdCoulCiel);
        QTest::keyClick(d.CmdCoulCiel, Qt::Key_Space);
        QTest::keyClick(d.Rouge, Qt::Key_End);
        QTest::keyClick(d.Rouge, Qt::Key_Return); // OK is refused while editing: Return confirms the colour
        QVERIFY(d.isVisible());
        QCOMPARE(d.TextCiel->caption(), QStringLiteral("255 119 119"));
        QTest::keyClick(d.ScrollFin, Qt::Key_PageDown);
        QTest::keyClick(d.ScrollFin, Qt::Key_Return);
        QVERIFY(!d.isVisible());
        QCOMPARE(stockees(banc.reglages()).mid(0, 4), (QStringList{"255 119 119", "255 255 255", "1700", "2200"}));
    }
};

QTEST_MAIN(TestConfigure)
#include "tst_configure.moc"
