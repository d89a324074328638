#include "base/chargement.h"
#include "base/parametres.h"
#include "calendar/fencalendrier.h"
#include "calendar/fenephemeride.h"
#include "calendar/fenminicalend.h"
#include "dates/texte.h"
#include "support/cles.h"
#include "support/controle.h"
#include "support/fenprinchargee.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

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
        QTest::addColumn<bool>("clavier");   // Ctrl+E, else a double click (main window)
        QTest::addColumn<int>("aujourdhui"); // the day of November 2001 it is
        QTest::addColumn<QDate>("montre");   // the day chosen, or the month shown
        QTest::addColumn<QDate>("attendu");
        QTest::newRow("grille, double clic") << "grille" << false << 18 << QDate(2000, 2, 29) << QDate(2000, 2, 29);
        QTest::newRow("grille, réforme") << "grille" << true << 18 << QDate(1582, 10, 15) << QDate(1582, 10, 15);
        QTest::newRow("calendrier, 30 en février")
            << "calendrier" << true << 30 << QDate(2000, 2, 1) << QDate(2000, 2, 29);
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
            QTest::keyClick(f.findChild<QWidget *>("AffCalendrier"), Qt::Key_E, Qt::ControlModifier);
        } else {
            FenMiniCalend f;
            f.changeDate(montre);
            active(&f);
            QTest::keyClick(f.findChild<QWidget *>("picMonth"), Qt::Key_E, Qt::ControlModifier);
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
        QVERIFY(controle<QPlainTextEdit>(FenEphemeride::ouverte(), "TxtEphemeride")
                    ->toPlainText()
                    .startsWith(QStringLiteral("Éphéméride du mardi 1 janvier 2002\n")));
        QTest::mouseClick(bouton(p.f, "CmdDateJour"), Qt::LeftButton);
        QCOMPARE(FenEphemeride::ouverte()->jour(), QDate(2001, 11, 18));
        FenEphemeride::ouverte()->close();
        QTRY_VERIFY(!FenEphemeride::ouverte());
        p.choisit(2, 1, 2002);
        QVERIFY(!FenEphemeride::ouverte());
    }

    // Opened from a window kept on top, it comes above it with the keyboard;
    // from one that is not, it is not kept on top either.
    void auDessusDeSonOrigine()
    {
        FenPrinChargee p;
        FenCalendrier c;
        c.basculePremierPlan(Qt::LeftButton);
        active(&c);
        QTest::keyClick(controle(c, "AffCalendrier"), Qt::Key_E, Qt::ControlModifier);
        QVERIFY(FenEphemeride::ouverte()->estAuPremierPlan());
        QTRY_VERIFY(FenEphemeride::ouverte()->isActiveWindow());
        active(&p.f);
        QTest::keyClick(jour(p.f, 0), Qt::Key_E, Qt::ControlModifier);
        QVERIFY(!FenEphemeride::ouverte()->estAuPremierPlan());
        QTRY_VERIFY(FenEphemeride::ouverte()->isActiveWindow());
    }

    // Main window 336 x 500 px, almanac 480 x 600, 4 px apart; its title bar 21 px high.
    void placeACote_data()
    {
        QTest::addColumn<QRect>("principale");
        QTest::addColumn<QRect>("zone"); // the screen's available area
        QTest::addColumn<QPoint>("coin");
        const auto p = [](int x, int y) { return QRect(x, y, 336, 500); };
        QTest::newRow("à droite tout juste") << p(580, 100) << QRect(0, 0, 1400, 1024) << QPoint(920, 100);
        QTest::newRow("à gauche, un pixel de trop à droite")
            << p(581, 100) << QRect(0, 0, 1400, 1024) << QPoint(97, 100);
        QTest::newRow("glissée vers le haut") << p(100, 600) << QRect(0, 0, 1400, 1024) << QPoint(440, 424);
        QTest::newRow("dessous tout juste") << p(344, 0) << QRect(0, 0, 1024, 1104) << QPoint(344, 504);
        QTest::newRow("dessus tout juste") << p(344, 604) << QRect(0, 0, 1024, 1104) << QPoint(344, 0);
        QTest::newRow("nulle part : à droite, sous la barre")
            << p(300, 100) << QRect(0, 0, 1024, 768) << QPoint(544, 125);
        QTest::newRow("nulle part : à gauche, sous la barre")
            << p(400, 100) << QRect(0, 0, 1024, 768) << QPoint(0, 125);
        QTest::newRow("zone sous un tableau de bord") << p(300, 30) << QRect(0, 30, 1024, 738) << QPoint(544, 55);
    }
    void placeACote()
    {
        QFETCH(QRect, principale);
        QFETCH(QRect, zone);
        QFETCH(QPoint, coin);
        const QRect place(FenEphemeride::placeACote(principale, QSize(480, 600), zone), QSize(480, 600));
        QCOMPARE(place.topLeft(), coin);
        QVERIFY(zone.contains(place));
        QVERIFY(!place.intersects(QRect(principale.topLeft(), QSize(principale.width(), 21))));
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
    }
    void lieu()
    {
        QFETCH(QString, saisie);
        QFETCH(QString, boite);
        QFETCH(QString, refus);
        QFETCH(QString, nom);
        Banc banc;
        FenEphemeride *f = FenEphemeride::montre(QDate(2001, 11, 18));
        // The "..." button read by what it does.
        QCOMPARE(QAccessible::queryAccessibleInterface(bouton(f, "CmdListeLieux"))->text(QAccessible::Name),
                 QStringLiteral("Choisir le lieu dans la liste des villes"));
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
