#include "base/chargement.h"
#include "base/parametres.h"
#include "base/twips.h"
#include "calendar/fencalendrier.h"
#include "calendar/fenephemeride.h"
#include "calendar/fenminicalend.h"
#include "dates/texte.h"
#include "support/cles.h"
#include "support/fenprinchargee.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// The middle of a day's cell in a calendar window's grid, in the widget.
QPoint centreJour(const FenCalendrier &f, int jour)
{
    const QRect c = f.findChild<QWidget *>("AffCalendrier")->contentsRect();
    for (const auto &k : f.moisAffiche()->jours)
        if (k.jour == jour) {
            const QPointF m = Calendrier::caseGrille(k.colonne, k.ligne).center();
            return c.topLeft()
                   + QPoint(int(m.x() * c.width() / Calendrier::EchelleGrille),
                            int(m.y() * c.height() / Calendrier::EchelleGrille));
        }
    return {};
}

QPoint centreJour(const FenMiniCalend &f, int jour)
{
    const Calendrier::TaillesCase t = f.taillesCase();
    for (const auto &k : Calendrier::casesMiniCalend(f.dateCourante(), QDate(2001, 11, 18), t))
        if (k.jour == jour)
            return f.findChild<QFrame *>("picMonth")->contentsRect().topLeft()
                   + (k.coin + QPoint(t.largeur / 2, t.hauteur / 2)) / Base::TwipsParPixel;
    return {};
}

void active(QWidget *w)
{
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

} // namespace

// The almanac window: opened on the right day from every day grid, following
// the main window's choice, and its place chosen or refused in place.
class TestFenEphemeride : public QObject
{
    Q_OBJECT
private slots:
    void ouverture_data()
    {
        QTest::addColumn<QString>("fenetre");
        QTest::addColumn<bool>("clavier");   // Ctrl+E, else a double click
        QTest::addColumn<int>("aujourdhui"); // the day of November 2001 it is
        QTest::addColumn<QDate>("montre");   // the day chosen, or the month shown
        QTest::addColumn<QDate>("attendu");
        QTest::newRow("grille, double clic") << "grille" << false << 18 << QDate(2000, 2, 29) << QDate(2000, 2, 29);
        QTest::newRow("grille, réforme") << "grille" << true << 18 << QDate(1582, 10, 15) << QDate(1582, 10, 15);
        QTest::newRow("calendrier, double clic")
            << "calendrier" << false << 18 << QDate(2001, 11, 1) << QDate(2001, 11, 1);
        QTest::newRow("calendrier, 30 en février")
            << "calendrier" << true << 30 << QDate(2000, 2, 1) << QDate(2000, 2, 29);
        QTest::newRow("mini, double clic") << "mini" << false << 18 << QDate(2001, 11, 11) << QDate(2001, 11, 11);
        QTest::newRow("mini, 30 en février") << "mini" << true << 30 << QDate(2002, 2, 1) << QDate(2002, 2, 28);
    }
    void ouverture()
    {
        QFETCH(QString, fenetre);
        QFETCH(bool, clavier);
        QFETCH(int, aujourdhui);
        QFETCH(QDate, montre);
        QFETCH(QDate, attendu);
        FenPrinChargee p;
        p.banc.plateforme.horloge.setDate(QDate(2001, 11, aujourdhui));
        if (fenetre == QLatin1String("grille")) {
            p.choisit(montre.day(), montre.month(), montre.year());
            QWidget *jour = ::jour(p.f, montre.day() - 1);
            active(&p.f);
            clavier ? QTest::keyClick(jour, Qt::Key_E, Qt::ControlModifier) : QTest::mouseDClick(jour, Qt::LeftButton);
        } else if (fenetre == QLatin1String("calendrier")) {
            FenCalendrier f;
            f.findChild<QComboBox *>("AffMois")->setCurrentIndex(montre.month() - 1);
            f.findChild<QLineEdit *>("AffAn")->setText(QString::number(montre.year()));
            active(&f);
            clavier ? QTest::keyClick(f.findChild<QWidget *>("AffCalendrier"), Qt::Key_E, Qt::ControlModifier)
                    : QTest::mouseDClick(f.findChild<QWidget *>("AffCalendrier"), Qt::LeftButton, {},
                                         centreJour(f, montre.day()));
        } else {
            FenMiniCalend f;
            f.changeDate(montre);
            active(&f);
            clavier ? QTest::keyClick(f.findChild<QWidget *>("picMonth"), Qt::Key_E, Qt::ControlModifier)
                    : QTest::mouseDClick(f.findChild<QWidget *>("picMonth"), Qt::LeftButton, {},
                                         centreJour(f, montre.day()));
        }
        FenEphemeride *e = FenEphemeride::ouverte();
        QVERIFY(e);
        QCOMPARE(e->jour(), attendu);
        QVERIFY(e->findChild<QPlainTextEdit *>("TxtEphemeride")
                    ->toPlainText()
                    .startsWith(QStringLiteral("Éphéméride du ")
                                + *Dates::dateLongue(attendu.day(), attendu.month(), attendu.year())));
    }

    // Open, it follows the main window's day, by key and by the today button;
    // closed, a new day does not bring it back.
    void suitLeJourChoisi()
    {
        FenPrinChargee p;
        p.choisit(31, 12, 2001);
        FenEphemeride::montre(p.f.jourSelection());
        active(&p.f);
        QTest::keyClick(jour(p.f, 30), Qt::Key_Right);
        QCOMPARE(FenEphemeride::ouverte()->jour(), QDate(2002, 1, 1));
        QTest::mouseClick(bouton(p.f, "CmdDateJour"), Qt::LeftButton);
        QCOMPARE(FenEphemeride::ouverte()->jour(), QDate(2001, 11, 18));
        FenEphemeride::ouverte()->close();
        QTRY_VERIFY(!FenEphemeride::ouverte());
        p.choisit(2, 1, 2002);
        QVERIFY(!FenEphemeride::ouverte());
    }

    void lieu_data()
    {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QString>("boite");
        QTest::addColumn<QString>("refus"); // its start
        QTest::addColumn<QString>("nom");   // stored; "-": nothing stored
        QTest::newRow("ville sans accents") << "saint etienne"
                                            << "Saint-Étienne (Loire)"
                                            << ""
                                            << "Saint-Étienne (Loire)";
        QTest::newRow("outre-mer") << "Cayenne"
                                   << "Cayenne (Guyane)"
                                   << ""
                                   << "Cayenne (Guyane)";
        QTest::newRow("coordonnées") << "-90,180"
                                     << "-90.0000,180.0000"
                                     << ""
                                     << "";
        QTest::newRow("latitude hors bornes") << "90.5,2"
                                              << "90.5,2"
                                              << "Coordonnées « 90.5,2 » refusées"
                                              << "-";
        QTest::newRow("inconnu") << "Atlantide"
                                 << "Atlantide"
                                 << "Lieu « Atlantide » inconnu"
                                 << "-";
        QTest::newRow("ambigu") << "Saint"
                                << "Saint"
                                << "Lieu « Saint » ambigu"
                                << "-";
    }
    void lieu()
    {
        QFETCH(QString, saisie);
        QFETCH(QString, boite);
        QFETCH(QString, refus);
        QFETCH(QString, nom);
        Banc banc;
        FenEphemeride *f = FenEphemeride::montre(QDate(2001, 11, 18));
        auto *texte = f->findChild<QPlainTextEdit *>("TxtEphemeride");
        const QString avant = texte->toPlainText();
        auto *lieu = f->findChild<QLineEdit *>("TxtLieu");
        lieu->setText(saisie);
        QTest::keyClick(lieu, Qt::Key_Return);
        QCOMPARE(lieu->text(), boite);
        const QString dit = f->findChild<QLabel *>("LblRefusLieu")->text();
        QVERIFY2(refus.isEmpty() ? dit.isEmpty() : dit.startsWith(refus), qPrintable(dit));
        QCOMPARE(banc.present(Cles::Lieu, Cles::Nom) ? banc.relu(Cles::Lieu, Cles::Nom) : QStringLiteral("-"), nom);
        // What was written is what the next start reads.
        const auto v = Base::chargeReglages(banc.reglages(), 2001);
        QVERIFY(v);
        QCOMPARE(v->lieu.libelle(), Parametres::courant().lieu().libelle());
        QCOMPARE(QPointF(v->lieu.latitude, v->lieu.longitude),
                 QPointF(Parametres::courant().lieu().latitude, Parametres::courant().lieu().longitude));
        // The almanac is told again for a new place only.
        QCOMPARE(texte->toPlainText() == avant, !refus.isEmpty());
    }
};

QTEST_MAIN(TestFenEphemeride)
#include "tst_fenephemeride.moc"
