#include "base/donnees.h"
#include "pastimes/apropos.h"
#include "pastimes/fen2001.h"
#include "pastimes/fen2010.h"
#include "pastimes/fenhorloge.h"
#include "pastimes/feninitialise.h"
#include "pastimes/fenloterie.h"
#include "pastimes/loterie.h"
#include "support/aidesdemandees.h"
#include "support/controle.h"
#include "support/fauxplateforme.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTimer>

namespace {
void supprimeFermees()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void avance(Apropos &a, int ticks)
{
    while (ticks--)
        a.defile();
}

// Whether rows haut to bas of the sheet hold a pixel of the text colour right of the icon.
bool texteEntre(const QImage &feuille, const QColor &texte, int haut, int bas)
{
    for (int y = qMax(0, haut); y < qMin(bas, feuille.height()); ++y)
        for (int x = 40; x < feuille.width(); ++x)
            if (feuille.pixelColor(x, y) == texte)
                return true;
    return false;
}

// A lottery window opened as the toolbox opens it, with a fresh draw; its
// timer is driven by hand. The bench takes the windows away.
struct Loterie7
{
    Banc banc;
    FenLoterie *f;
    Loterie7()
    {
        Loterie::tirage() = Loterie::Tirage{};
        f = FenLoterie::instance();
        f->show();
    }
    void tours(int n)
    {
        while (n--)
            f->tic();
    }
    void appuie(int n = 1)
    {
        while (n--)
            QTest::mouseClick(bouton(f, "CmdLanceBoule"), Qt::LeftButton);
    }
    QString legende() const { return bouton(f, "CmdLanceBoule")->caption(); }
    QList<int> numeros(int de, int n = -1) const { return f->numerosAffiches().mid(de, n); }
    // What balls de + 1 to 7 show, and how a screen reader reads them.
    QStringList vus(int de) const
    {
        QStringList v;
        for (int k = de + 1; k <= Loterie::MaxBoules; ++k)
            v << controle<QLabel>(f, QStringLiteral("Etiquette1_%1").arg(k))->text() + u'|'
                     + QAccessible::queryAccessibleInterface(controle(f, QStringLiteral("Boule%1").arg(k)))
                           ->text(QAccessible::Name);
        return v;
    }
    // Counts chosen in the set-up dialog, as a user does.
    static void choisit(int boules, int partants)
    {
        FenInitialise *d = FenInitialise::instance();
        controle<QScrollBar>(d, "VScroll1")->setValue(boules);
        controle<QScrollBar>(d, "VScroll2")->setValue(partants);
        QTest::mouseClick(bouton(d, "Command1"), Qt::LeftButton);
    }
};
} // namespace

// The pastime windows; today is 18 November 2001 at 21:05:07.
class TestFenetresLoisirs : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        // Tool windows outlive their toolbox: none may leak into the next test.
        FenetreZelund::fermeTout();
        supprimeFermees();
    }

    // The dial painted at load, then each tick reading the clock afresh and
    // waiting for the following second. Points in twips of the dial: one on a
    // hand, one where no hand passes.
    void horloge_data()
    {
        QTest::addColumn<QTime>("heure");
        QTest::addColumn<int>("attente");
        QTest::addColumn<QPoint>("surAiguille");
        QTest::addColumn<QPoint>("aVide");
        QTest::newRow("3 h pile : heures à droite") << QTime(15, 0) << 1000 << QPoint(1400, 1000) << QPoint(600, 1000);
        QTest::newRow("6 h 30, 999 ms : minutes en bas")
            << QTime(6, 30, 0, 999) << 1 << QPoint(1000, 1600) << QPoint(400, 1000);
    }
    void horloge()
    {
        QFETCH(QTime, heure);
        QFETCH(int, attente);
        QFETCH(QPoint, surAiguille);
        QFETCH(QPoint, aVide);
        Banc banc;
        banc.plateforme.horloge.setTime(heure);
        QPointer<FenHorloge> f = new FenHorloge;
        QWidget *cadran = controle(f, "FondHorloge");
        auto *minuterie = controle<QTimer>(f, "Timer1");
        const QImage image = cadran->grab().toImage();
        const auto pixel = [&](QPoint twips) { return image.pixelColor(twips.x() / 15, twips.y() / 15); };
        QCOMPARE(pixel(surAiguille), QColor(0, 128, 128)); // "Texte des boutons"
        QCOMPARE(pixel(aVide), QColor(0, 210, 210));       // "Visualisation, dossiers, etc."
        QVERIFY(!minuterie->isActive());                   // loaded, not yet shown: nothing runs
        f->show();
        QCOMPARE(minuterie->interval(), attente);
        const QTime suivante = heure.addMSecs(1000 - heure.msec());
        banc.plateforme.horloge.setTime(suivante);
        f->tic();
        QCOMPARE(minuterie->interval(), 1000);
        // A screen reader reads the time the dial shows, as text.
        QAccessibleInterface *lu = QAccessible::queryAccessibleInterface(cadran);
        QCOMPARE(lu->role(), QAccessible::StaticText);
        QCOMPARE(lu->text(QAccessible::Name), suivante.toString(QStringLiteral("H 'h' mm")));
        // Its close button, next to the dial by Tab, closes it from the keyboard.
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        QCOMPARE(QApplication::focusWidget(), cadran);
        QTest::keyClick(cadran, Qt::Key_Tab);
        QCOMPARE(QAccessible::queryAccessibleInterface(QApplication::focusWidget())->text(QAccessible::Name),
                 QStringLiteral("Fermer"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(!minuterie->isActive());
        supprimeFermees();
        QVERIFY(!f);
    }

    // Counting starts only when the toolbox asked for it; the close button
    // leaves the window's closed mark.
    void comptes_data()
    {
        QTest::addColumn<bool>("an2010");
        QTest::addColumn<QDateTime>("maintenant");
        QTest::addColumn<QString>("texte"); // empty: not started by the toolbox
        QTest::addColumn<bool>("compteEncore");
        QTest::newRow("2001, en 2200") << false << QDateTime(QDate(2200, 1, 1), QTime())
                                       << "72683 jours et des poussières..." << true;
        QTest::newRow("2010, on y est") << true << QDateTime(QDate(2010, 1, 1), QTime()) << "On y est ! ! !" << false;
        QTest::newRow("2010, pas lancé") << true << QDateTime(QDate(2005, 1, 1), QTime()) << "" << false;
    }
    void comptes()
    {
        QFETCH(bool, an2010);
        QFETCH(QDateTime, maintenant);
        QFETCH(QString, texte);
        QFETCH(bool, compteEncore);
        Banc banc;
        banc.plateforme.horloge = maintenant;
        QPointer<FenCompte> f = an2010 ? static_cast<FenCompte *>(new Fen2010) : new Fen2001;
        auto *affiche = controle<QLabel>(f, "AfficheTemps");
        auto *minuterie = controle<QTimer>(f, "Timer1");
        if (!texte.isEmpty())
            f->lance();
        f->show();
        // Empty during the first second; then a count every second.
        QVERIFY(affiche->text().isEmpty());
        QCOMPARE(minuterie->isActive(), !texte.isEmpty());
        f->tic(); // what the timer runs
        if (!texte.isEmpty())
            QCOMPARE(affiche->text(), texte);
        QCOMPARE(minuterie->isActive(), compteEncore);
        // Once arrived, showing the window again does not start it again.
        f->hide();
        f->show();
        QCOMPARE(minuterie->isActive(), compteEncore);
        QTest::mouseClick(bouton(f, "CmdFermer"), Qt::LeftButton);
        QVERIFY(!minuterie->isActive());
        supprimeFermees();
        QVERIFY(!f);
    }

    // The sheet scrolls up from an empty viewport; a click pauses it, the next
    // resumes where it stood; the cycle ends once the last line has left the
    // top, and starts over.
    void apropos()
    {
        Banc banc;
        Apropos a;
        auto *feuille = controle(a, "Image2");
        auto *defilement = controle<QTimer>(a, "Minuterie1");
        const int viewport = a.hauteurViewport();
        const int huit = QFontMetrics(FeuilleApropos::police(10), feuille).height();
        const QImage image = feuille->grab().toImage();
        const QColor texte = feuille->palette().color(QPalette::WindowText);
        QVERIFY(!texteEntre(image, texte, 0, viewport));
        QVERIFY(texteEntre(image, texte, viewport, viewport + huit * 2));
        a.show();
        QVERIFY(defilement->isActive());
        avance(a, 10);
        QCOMPARE(feuille->y(), -9); // the first tick shows the top of the sheet
        const int p = a.position();
        QTest::mouseClick(feuille, Qt::LeftButton, {}, QPoint(50, 5));
        QVERIFY(!defilement->isActive());
        QTest::mouseClick(feuille, Qt::LeftButton, {}, QPoint(50, 5));
        QVERIFY(defilement->isActive());
        avance(a, 1);
        QCOMPARE(feuille->y(), p);
        int dernier = 0;
        for (int t = 0; t < a.hauteurFeuille() && feuille->y() != 0; ++t) {
            dernier = feuille->y();
            avance(a, 1);
        }
        QVERIFY(dernier < -viewport);
        // The sheet's height is a multiple of the font's line height, so with
        // some fonts the foot of the last line still touches the top row or two.
        QVERIFY(!texteEntre(image, texte, -dernier + 3, -dernier + viewport));
        // Without a web site the button opens the help's contents.
        const QString site = Apropos::siteConfigure();
        AidesDemandees aides(&a);
        QTest::mouseClick(bouton(a, "CmdSite"), Qt::LeftButton);
        QCOMPARE(banc.plateforme.adresses, site.isEmpty() ? QStringList{} : QStringList{site});
        QCOMPARE(aides.sujets(), site.isEmpty() ? QList<int>{0} : QList<int>{});
        QTest::mouseClick(bouton(a, "CmdFermer"), Qt::LeftButton);
        QVERIFY(!a.isVisible() && !defilement->isActive());
    }

    // Presses between ticks stop the balls one after the other on distinct
    // numbers; the press after the last sets all spinning.
    void tirageComplet_data()
    {
        QTest::addColumn<int>("boules");
        QTest::addColumn<int>("partants");
        QTest::newRow("7 sur 49") << 7 << 49;
        QTest::newRow("7 sur 7") << 7 << 7;
        QTest::newRow("1 sur 49") << 1 << 49;
    }
    void tirageComplet()
    {
        QFETCH(int, boules);
        QFETCH(int, partants);
        Loterie7 l;
        l.choisit(boules, partants);
        for (int appui = 1; appui <= boules; ++appui) {
            l.tours(3);
            l.appuie();
            QCOMPARE(l.legende(), appui < boules ? QStringLiteral("Boule suivante") : QStringLiteral("Recommencer"));
        }
        const QList<int> tires = l.numeros(0, boules);
        l.tours(5); // every ball drawn is stopped: nothing moves
        QCOMPARE(l.numeros(0, boules), tires);
        QCOMPARE(QSet<int>(tires.begin(), tires.end()).size(), boules);
        QVERIFY(std::all_of(tires.begin(), tires.end(), [&](int x) { return x >= 1 && x <= partants; }));
        l.appuie();
        QCOMPARE(Loterie::tirage().arretees, Loterie::Arretees{});
    }
    // Fewer balls during a draw: those past the new count show no number and
    // are read as out of play; each ball is read once, its number with it. A
    // click on a ball reaches the panel beneath and shows zeros, which only
    // the balls still spinning replace.
    void moinsDeBoulesPuisZero()
    {
        Loterie7 l;
        l.tours(2);
        l.appuie(2); // balls 1 and 2 stopped, 3 to 7 spin
        l.choisit(3, 49);
        const QStringList horsJeu = {"|Boule 4 : hors jeu", "|Boule 5 : hors jeu", "|Boule 6 : hors jeu",
                                     "|Boule 7 : hors jeu"};
        QCOMPARE(l.vus(3), horsJeu);
        QAccessibleInterface *fond = QAccessible::queryAccessibleInterface(controle(l.f, "FondLoterie"));
        for (int i = 0; i < fond->childCount(); ++i)
            QCOMPARE(fond->child(i)->childCount(), 0);
        QCOMPARE(QAccessible::queryAccessibleInterface(controle(l.f, "Boule4"))->text(QAccessible::Description),
                 QStringLiteral("Au-delà des 3 boules tirées"));
        QTest::mouseClick(controle(l.f, "FondLoterie"), Qt::LeftButton, {}, QPoint(36, 32));
        QCOMPARE(l.numeros(0), QList<int>(7, 0));
        l.tours(20);
        QCOMPARE(l.vus(3), horsJeu);
        const int troisieme = l.numeros(2, 1).value(0);
        QCOMPARE(l.numeros(0), (QList<int>{0, 0, troisieme, 0, 0, 0, 0}));
        QVERIFY(troisieme != 0);
        l.appuie();
        QCOMPARE(l.legende(), QStringLiteral("Recommencer"));
        l.appuie();
        // Balls 4 to 7 were neither stopped nor drawn.
        QCOMPARE(Loterie::tirage().arretees, Loterie::Arretees{});
        l.choisit(7, 49);
        l.tours(1);
        QVERIFY(!l.numeros(3).contains(0));
    }
    // The stopped balls of a reopened window stand still on 1; each load
    // resets the counts: seven balls again.
    void arretsConservesALaReouverture()
    {
        Loterie7 l;
        l.tours(4);
        l.appuie(3);
        l.choisit(5, 20);
        QTest::mouseClick(bouton(l.f, "CmdFermer"), Qt::LeftButton);
        QVERIFY(!controle<QTimer>(l.f, "Minuterie1")->isActive());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!FenLoterie::existante());
        l.f = FenLoterie::instance();
        l.f->show();
        l.tours(5);
        QCOMPARE(l.numeros(0, 3), QList<int>(3, 1));
        l.appuie(4);
        QCOMPARE(l.legende(), QStringLiteral("Recommencer"));
    }
    // The set-up from the keyboard alone: opened from the lottery, each count
    // reached by Tab and set by keys, then back to the lottery, where 0 does
    // what a click on the background does. Escape leaves it as it opened.
    void auClavier_data()
    {
        QTest::addColumn<QString>("barre");
        QTest::addColumn<int>("touche");
        QTest::addColumn<QPoint>("comptes"); // balls, starters
        QTest::newRow("boules, gauche") << "VScroll1" << int(Qt::Key_Left) << QPoint(6, 49);
        QTest::newRow("partants, page suivante") << "VScroll2" << int(Qt::Key_PageDown) << QPoint(7, 39);
        QTest::newRow("partants, Échap") << "VScroll2" << int(Qt::Key_Home) << QPoint();
    }
    void auClavier()
    {
        QFETCH(QString, barre);
        QFETCH(int, touche);
        QFETCH(QPoint, comptes);
        Loterie7 l;
        l.f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(l.f));
        QTest::keyClick(controle(l.f, "CmdNouvelleDonne"), Qt::Key_Space);
        FenInitialise *d = FenInitialise::existante();
        QVERIFY(QTest::qWaitForWindowActive(d));
        const auto tabJusqua = [](QWidget *cible) {
            for (int i = 0; i < 5 && QApplication::focusWidget() != cible; ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), cible);
        };
        tabJusqua(controle(d, barre));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(touche));
        const auto valeurs = [d] {
            return controle<QLabel>(d, "Label3")->text() + controle<QLabel>(d, "Label4")->text();
        };
        if (comptes.isNull()) {
            QCOMPARE(valeurs(), QStringLiteral("77"));
            QTest::keyClick(d, Qt::Key_Escape);
            QCOMPARE(valeurs(), QStringLiteral("749"));
            comptes = QPoint(7, 49);
        } else {
            QCOMPARE(valeurs(), QStringLiteral("%1%2").arg(comptes.x()).arg(comptes.y()));
            tabJusqua(bouton(d, "Command1"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QVERIFY(!d->isVisible());
        QCOMPARE(QPoint(l.f->nbBoules(), l.f->nbPartants()), comptes);
        QVERIFY(QTest::qWaitForWindowActive(l.f));
        l.tours(1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_0);
        QCOMPARE(l.numeros(0), QList<int>(7, 0));
    }
    // Each load seeds from the clock: same instant, same draw.
    void graineDeLHorloge()
    {
        Loterie::tirage() = {};
        QList<QList<int>> tirages;
        for (int s : {7, 7, 8}) {
            Banc banc;
            banc.plateforme.horloge.setTime(QTime(21, 5, s, 530));
            FenLoterie::instance()->tic();
            tirages << FenLoterie::instance()->numerosAffiches();
        }
        QCOMPARE(tirages[0], tirages[1]);
        QVERIFY(tirages[0] != tirages[2]);
    }
};

QTEST_MAIN(TestFenetresLoisirs)
#include "tst_fenetresloisirs.moc"
