#include "base/twips.h"
#include "support/fauxplateforme.h"
#include "ui/fenetre.h"
#include "ui/icones.h"
#include "ui/vantelbttn.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

// Rounded to the nearest pixel, halves away from zero.
static_assert(Base::px(0) == 0 && Base::px(22) == 1 && Base::px(23) == 2 && Base::px(-23) == -2
              && Base::px(5040) == 336);

namespace {
// A window with a move button across its top.
class FenetreTemoin : public FenetreZelund
{
public:
    FenetreTemoin()
    {
        setFixedSize(300, 100);
        bouton = construitCadre({QStringLiteral("Titre"), 4500, false, false, {}}).deplacement;
    }
    VantelBttn *bouton;
};

// A mouse event at a point of the screen.
void envoie(QWidget *w, QEvent::Type type, QPoint ecran, Qt::MouseButton bouton, Qt::MouseButtons enfonces)
{
    QMouseEvent e(type, QPointF(w->mapFromGlobal(ecran)), QPointF(ecran), bouton, enfonces, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

class TestChrome : public QObject
{
    Q_OBJECT
private slots:
    // The keys that press a button, one row a rule; 0: no button.
    void touches_data()
    {
        QTest::addColumn<int>("touche");
        QTest::addColumn<int>("modificateurs");
        QTest::addColumn<int>("bouton");
        QTest::newRow("espace") << int(Qt::Key_Space) << 0 << int(Qt::LeftButton);
        QTest::newRow("entrée") << int(Qt::Key_Return) << 0 << int(Qt::LeftButton);
        QTest::newRow("entrée du pavé") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << int(Qt::LeftButton);
        QTest::newRow("Maj+espace") << int(Qt::Key_Space) << int(Qt::ShiftModifier) << 0;
        QTest::newRow("menu") << int(Qt::Key_Menu) << 0 << int(Qt::RightButton);
        QTest::newRow("Maj+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier) << int(Qt::RightButton);
        QTest::newRow("F10") << int(Qt::Key_F10) << 0 << 0;
    }
    void touches()
    {
        QFETCH(int, touche);
        QFETCH(int, modificateurs);
        QFETCH(int, bouton);
        const QKeyEvent e(QEvent::KeyPress, touche, Qt::KeyboardModifiers(modificateurs));
        QCOMPARE(int(Ui::boutonDuClavier(&e).value_or(Qt::NoButton)), bouton);
    }
    void iconesDessinees_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QList<int>>("tailles");
        QTest::newRow("fenêtres") << "zelund" << QList<int>{16, 32, 48, 64};
        QTest::newRow("bouton") << "compteur" << QList<int>{35, 70};
        QTest::newRow("absente") << "absente" << QList<int>{};
    }
    void iconesDessinees()
    {
        // Every size drawn at build time, read back whole, smallest first.
        QFETCH(QString, nom);
        QFETCH(QList<int>, tailles);
        QList<int> lues;
        for (const QImage &image : Ui::imagesDessinees(nom + QStringLiteral(".argb"))) {
            QCOMPARE(image.width(), image.height());
            lues << image.width();
        }
        QCOMPARE(lues, tailles);
        QCOMPARE(Ui::iconeDessinee(nom).availableSizes().size(), tailles.size());
        // A file of several pictures is not one picture.
        QCOMPARE(Ui::imageDessinee(nom + QStringLiteral(".argb")).isNull(), tailles.size() != 1);
    }
    void fermeToutDuPlusRecent()
    {
        Banc banc;
        QStringList journal;
        for (const char *nom : {"principale", "boîte", "horloge"}) {
            auto *f = new FenetreZelund;
            f->setAttribute(Qt::WA_DeleteOnClose);
            connect(f, &QObject::destroyed, [&journal, nom] { journal << QString::fromUtf8(nom); });
            if (nom[0] != 'b') // "boîte" stays loaded but hidden: it is closed too
                f->show();
        }
        FenetreZelund::fermeTout();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(journal, (QStringList{"horloge", "boîte", "principale"}));
        QVERIFY(FenetreZelund::chargees().isEmpty());
    }

    void centrage_data()
    {
        QTest::addColumn<QRect>("principale");
        QTest::addColumn<QSize>("propre");
        QTest::addColumn<QPoint>("attendu");
        QTest::newRow("plus grande") << QRect(100, 50, 336, 356) << QSize(500, 400) << QPoint(18, 28);
        // The offscreen screen is 800 x 800: a window the centring would put
        // partly off it is kept inside, a taller one keeps its top on it.
        QTest::newRow("hors écran") << QRect(-300, -20, 336, 356) << QSize(100, 100) << QPoint(0, 108);
        QTest::newRow("en bas à droite") << QRect(600, 700, 336, 356) << QSize(100, 100) << QPoint(700, 700);
        QTest::newRow("plus haute que l'écran") << QRect(0, 0, 336, 525) << QSize(392, 900) << QPoint(0, 0);
    }

    void centrage()
    {
        QFETCH(QRect, principale);
        QFETCH(QSize, propre);
        QFETCH(QPoint, attendu);
        Banc banc;
        FenetreZelund fenPrin;
        fenPrin.setGeometry(principale);
        FenetreZelund::setPrincipale(&fenPrin);
        FenetreZelund outil;
        outil.setFixedSize(propre);
        outil.centreSurPrincipale();
        FenetreZelund::setPrincipale(nullptr);
        QCOMPARE(outil.pos(), attendu);
    }

    void deplacement_data()
    {
        QTest::addColumn<Qt::MouseButton>("bouton");
        QTest::addColumn<Qt::MouseButton>("autre");
        QTest::newRow("gauche") << Qt::LeftButton << Qt::RightButton;
        QTest::newRow("droit") << Qt::RightButton << Qt::LeftButton;
    }

    void deplacement()
    {
        QFETCH(Qt::MouseButton, bouton);
        QFETCH(Qt::MouseButton, autre);
        Banc banc;
        FenetreTemoin f;
        f.move(100, 100);
        f.show();
        QSignalSpy clics(f.bouton, &VantelBttn::clicked);
        const QPoint depart = f.bouton->mapToGlobal(QPoint(10, 5));
        // Offscreen, the window system refuses its own move: the window follows the mouse.
        envoie(f.bouton, QEvent::MouseButtonPress, depart, bouton, bouton);
        envoie(f.bouton, QEvent::MouseMove, depart + QPoint(30, 20), Qt::NoButton, bouton);
        QCOMPARE(f.pos(), QPoint(130, 120));
        // Only the button that started the move ends it.
        envoie(f.bouton, QEvent::MouseButtonPress, depart + QPoint(30, 20), autre, bouton | autre);
        envoie(f.bouton, QEvent::MouseButtonRelease, depart + QPoint(30, 20), autre, bouton);
        envoie(f.bouton, QEvent::MouseMove, depart + QPoint(40, 30), Qt::NoButton, bouton);
        QCOMPARE(f.pos(), QPoint(140, 130));
        envoie(f.bouton, QEvent::MouseButtonRelease, depart + QPoint(40, 30), bouton, Qt::NoButton);
        envoie(f.bouton, QEvent::MouseMove, depart + QPoint(90, 30), Qt::NoButton, Qt::NoButton);
        QCOMPARE(f.pos(), QPoint(140, 130));
        QCOMPARE(clics.count(), 0);
    }

    void premierPlan()
    {
        Banc banc;
        FenetreZelund f;
        f.move(40, 30);
        f.show();
        f.basculePremierPlan(Qt::LeftButton);
        f.basculePremierPlan(Qt::MiddleButton);
        QVERIFY(f.estAuPremierPlan() && f.isVisible());
        QCOMPARE(f.pos(), QPoint(40, 30));
        f.basculePremierPlan(Qt::RightButton);
        QVERIFY(!f.estAuPremierPlan() && f.isVisible());
        // A sound for each press but the right one.
        QCOMPARE(banc.plateforme.sons, (QList<int>{19, 19}));
    }
};

QTEST_MAIN(TestChrome)
#include "tst_chrome.moc"
