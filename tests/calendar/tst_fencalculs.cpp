#include "calendar/fencalculs.h"
#include "support/cles.h"
#include "support/fauxplateforme.h"
#include "ui/vantelbttn.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

namespace {
const QString Ajout = QStringLiteral("samedi 16 février 2002");
const QString Ecart = QStringLiteral("0 jour\nsoit 0 semaine et 0 jour\nsoit 0 mois et 0 jour\n"
                                     "Jours ouvrés\u00a0: 0\u00a0; jours ouvrables\u00a0: 0");
const QString JourOuvre = QStringLiteral("vendredi 30 novembre 2001");

QStringList resultats(const QWidget &f)
{
    QStringList r;
    for (const char *nom : {"LblAjout", "LblEcart", "LblJourOuvre"})
        r << f.findChild<QLabel *>(nom)->text();
    return r;
}
} // namespace

// The date calculations window from 18 November 2001 (a Sunday): 90 days
// later, the gap to the same day, the 10th working day after.
class TestFenCalculs : public QObject
{
    Q_OBJECT
private slots:
    void saisie_data()
    {
        QTest::addColumn<QString>("boite");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QStringList>("attendu"); // the three results
        QTest::newRow("date de fin") << "TxtFin" << QStringLiteral("25/12/2001")
                                     << QStringList{Ajout,
                                                    "37 jours\nsoit 5 semaines et 2 jours\nsoit 1 mois et 7 jours\n"
                                                    "Jours ouvrés\u00a0: 26\u00a0; jours ouvrables\u00a0: 31",
                                                    JourOuvre};
        QTest::newRow("nombre illisible")
            << "TxtNombre" << QStringLiteral("dix")
            << QStringList{"«\u00a0dix\u00a0» n'est pas un nombre entier.", Ecart, JourOuvre};
        QTest::newRow("résultat hors des années")
            << "TxtNombre" << QStringLiteral("10000000")
            << QStringList{"Le résultat sort des années -1900 à 9999.", Ecart, JourOuvre};
        QTest::newRow("jour du trou de 1582")
            << "TxtFin" << QStringLiteral("10/10/1582") << QStringList{Ajout, "Le 10/10/1582 n'existe pas.", JourOuvre};
        QTest::newRow("rang 0") << "TxtRang" << QStringLiteral("0")
                                << QStringList{Ajout, Ecart,
                                               "Le rang est compté à partir de 1 (ou de -1 pour remonter)."};
        const QString inexistante = QStringLiteral("Le 31/02/2001 n'existe pas.");
        QTest::newRow("date inexistante")
            << "TxtDate" << QStringLiteral("31/02/2001") << QStringList{inexistante, inexistante, inexistante};
        const QString vide = QStringLiteral("Entrez une date (JJ/MM/AAAA).");
        QTest::newRow("date vide") << "TxtDate" << QString() << QStringList{vide, vide, vide};
    }
    void saisie()
    {
        QFETCH(QString, boite);
        QFETCH(QString, texte);
        QFETCH(QStringList, attendu);
        Banc banc;
        FenCalculs f(Dates::JourMoisAn{18, 11, 2001});
        QCOMPARE(resultats(f), (QStringList{Ajout, Ecart, JourOuvre}));
        auto *b = f.findChild<QLineEdit *>(boite);
        b->selectAll();
        QTest::keyClicks(b, texte);
        if (texte.isEmpty())
            QTest::keyClick(b, Qt::Key_Delete);
        QCOMPARE(resultats(f), attendu);
    }

    void uniteEtRegionRetenues()
    {
        Banc banc;
        {
            FenCalculs f(Dates::JourMoisAn{18, 11, 2001});
            f.findChild<QComboBox *>("LDUnite")->setCurrentIndex(2);
            auto *nombre = f.findChild<QLineEdit *>("TxtNombre");
            nombre->setText(QStringLiteral("-6"));
            QCOMPARE(resultats(f).first(), QStringLiteral("vendredi 18 mai 2001"));
            f.findChild<QLineEdit *>("TxtFin")->setText(QStringLiteral("27/12/2026"));
            const QString france = resultats(f)[1];
            QTest::mouseClick(f.findChild<QCheckBox *>("CaseAlsace"), Qt::LeftButton);
            QVERIFY(resultats(f)[1] != france);
            // The copy is what is shown.
            QTest::mouseClick(f.findChild<VantelBttn *>("CmdCopier"), Qt::LeftButton);
            QCOMPARE(banc.plateforme.pressePapiers, QStringList{resultats(f).join(QChar(10))});
        }
        QCOMPARE(banc.relu(Cles::Calculs, Cles::Unite), QStringLiteral("Mois"));
        QCOMPARE(banc.relu(Cles::Calculs, Cles::Region), QStringLiteral("Alsace-Moselle"));
        // Without a date, or on a day that never was, the window starts from today.
        FenCalculs g(Dates::JourMoisAn{10, 10, 1582});
        QCOMPARE(g.findChild<QLineEdit *>("TxtDate")->text(), QStringLiteral("18/11/2001"));
        QCOMPARE(g.findChild<QComboBox *>("LDUnite")->currentIndex(), 2);
        QVERIFY(g.findChild<QCheckBox *>("CaseAlsace")->isChecked());
    }

    // The calendar button from the keyboard: one day on from 4 October 1582
    // is 15 October, whichever calendar the picker shows.
    void calendrierAuClavier()
    {
        Banc banc;
        FenCalculs f(Dates::JourMoisAn{4, 10, 1582});
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        auto *choix = f.findChild<VantelBttn *>("CmdChoixDate");
        choix->setFocus();
        QTest::keyClick(choix, Qt::Key_Space);
        QCalendarWidget *calendrier = nullptr;
        QTRY_VERIFY((calendrier = f.findChild<QCalendarWidget *>("ChoixDate")) && calendrier->isVisible());
        QWidget *jours = calendrier->focusProxy() ? calendrier->focusProxy() : calendrier;
        QTest::keyClick(jours, Qt::Key_Right);
        QTest::keyClick(jours, Qt::Key_Return);
        QCOMPARE(f.findChild<QLineEdit *>("TxtDate")->text(), QStringLiteral("15/10/1582"));
    }
};

QTEST_MAIN(TestFenCalculs)
#include "tst_fencalculs.moc"
