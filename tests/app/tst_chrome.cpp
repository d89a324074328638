#include "app/demarrage.h"
#include "app/demarre2.h"
#include "app/fenetre.h"
#include "app/partage.h"
#include "app/twips.h"
#include "app/vantelbttn.h"
#include "support/fauxplateforme.h"
#include "support/principal.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {
// A window that notes when it is closed.
class FenetreTemoin : public FenetreZelund
{
public:
    FenetreTemoin(QString nom, QStringList *journal)
        : m_nom(std::move(nom))
        , m_journal(journal)
    {
        setFixedSize(200, 100);
    }

protected:
    void closeEvent(QCloseEvent *e) override
    {
        *m_journal << m_nom;
        FenetreZelund::closeEvent(e);
    }

private:
    QString m_nom;
    QStringList *m_journal;
};
} // namespace

class TestChrome : public QObject
{
    Q_OBJECT
private slots:
    void fermeToutDuPlusRecent();
    void centrage_data();
    void centrage();
    void infoBullesSuiventLInterrupteur();
    void deplacement_data();
    void deplacement();
    void premierPlan();
    void degradeDuDemarrage();
    void questionInstance_data();
    void questionInstance();
    void conversionTwips_data();
    void conversionTwips();
};

void TestChrome::fermeToutDuPlusRecent()
{
    Banc banc;
    QStringList journal;
    auto *a = new FenetreTemoin(QStringLiteral("principale"), &journal);
    auto *b = new FenetreTemoin(QStringLiteral("boîte"), &journal);
    auto *c = new FenetreTemoin(QStringLiteral("horloge"), &journal);
    for (auto *f : {a, b, c})
        f->setAttribute(Qt::WA_DeleteOnClose);
    a->show();
    c->show();
    // A loaded but hidden window is closed too.
    QCOMPARE(FenetreZelund::chargees().size(), 3);
    FenetreZelund::fermeTout();
    QCOMPARE(journal, (QStringList{"horloge", "boîte", "principale"}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(FenetreZelund::chargees().isEmpty());
}

void TestChrome::centrage_data()
{
    QTest::addColumn<QRect>("principale");
    QTest::addColumn<QSize>("propre");
    QTest::addColumn<QPoint>("attendu");
    QTest::newRow("plus petite") << QRect(100, 50, 336, 356) << QSize(200, 100) << QPoint(168, 178);
    QTest::newRow("plus grande") << QRect(100, 50, 336, 356) << QSize(500, 400) << QPoint(18, 28);
    QTest::newRow("moitiés exactes") << QRect(0, 0, 335, 355) << QSize(100, 100) << QPoint(118, 128);
    QTest::newRow("hors écran") << QRect(-300, -20, 336, 356) << QSize(100, 100) << QPoint(-182, 108);
}

void TestChrome::centrage()
{
    QFETCH(QRect, principale);
    QFETCH(QSize, propre);
    QFETCH(QPoint, attendu);
    const Position p = centreSur(principale.x(), principale.y(), principale.width(), principale.height(),
                                 propre.width(), propre.height());
    QCOMPARE(QPoint(p.x, p.y), attendu);

    // And a tool window really moves there when asked.
    Banc banc;
    FenetreZelund fenPrin;
    fenPrin.setGeometry(principale);
    FenetreZelund::setPrincipale(&fenPrin);
    FenetreZelund outil;
    outil.setFixedSize(propre);
    outil.move(700, 700);
    outil.centreSurPrincipale();
    QCOMPARE(outil.pos(), attendu);
    FenetreZelund::setPrincipale(nullptr);
}

void TestChrome::infoBullesSuiventLInterrupteur()
{
    Banc banc;
    VantelBttn bouton(QStringLiteral("x"));
    bouton.setInfoBulle(QStringLiteral("Fermer"));
    bouton.resize(40, 20);
    bouton.show();
    QTest::mouseMove(&bouton, QPoint(5, 5));
    QCOMPARE(bouton.toolTip(), QStringLiteral("Fermer"));
    // Switched off while the pointer rests: the old text stays until it moves.
    partage().infoBullesActives = false;
    QCOMPARE(bouton.toolTip(), QStringLiteral("Fermer"));
    QTest::mouseMove(&bouton, QPoint(8, 6));
    QCOMPARE(bouton.toolTip(), QString());
    partage().infoBullesActives = true;
    QTest::mouseMove(&bouton, QPoint(9, 7));
    QCOMPARE(bouton.toolTip(), QStringLiteral("Fermer"));
    QCOMPARE(bouton.accessibleName(), QStringLiteral("x"));
}

void TestChrome::deplacement_data()
{
    QTest::addColumn<Qt::MouseButton>("bouton");
    QTest::newRow("gauche") << Qt::LeftButton;
    QTest::newRow("droit") << Qt::RightButton;
}

namespace {
class FenetreTitree : public FenetreZelund
{
public:
    FenetreTitree()
    {
        setFixedSize(300, 100);
        bouton = creeBoutonDeplacement(QStringLiteral("Titre"), 0, 0, 4500, 315);
    }
    VantelBttn *bouton;
};

void envoie(QWidget *w, QEvent::Type type, QPoint local, Qt::MouseButton bouton, Qt::MouseButtons enfonces)
{
    QMouseEvent e(type, QPointF(local), QPointF(w->mapToGlobal(local)), bouton, enfonces, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
} // namespace

void TestChrome::deplacement()
{
    QFETCH(Qt::MouseButton, bouton);
    Banc banc;
    FenetreTitree f;
    f.move(100, 100);
    f.show();
    QCOMPARE(f.windowTitle(), QStringLiteral("Titre"));
    QSignalSpy clics(f.bouton, &VantelBttn::clicked);
    // Offscreen, the window system refuses its own move: the window follows the mouse.
    envoie(f.bouton, QEvent::MouseButtonPress, QPoint(10, 5), bouton, bouton);
    envoie(f.bouton, QEvent::MouseMove, QPoint(40, 25), Qt::NoButton, bouton);
    QCOMPARE(f.pos(), QPoint(130, 120));
    envoie(f.bouton, QEvent::MouseButtonRelease, QPoint(40, 25), bouton, Qt::NoButton);
    envoie(f.bouton, QEvent::MouseMove, QPoint(80, 25), Qt::NoButton, Qt::NoButton);
    QCOMPARE(f.pos(), QPoint(130, 120));
    QCOMPARE(clics.count(), 0);
}

void TestChrome::premierPlan()
{
    Banc banc;
    FenetreZelund f;
    f.setFixedSize(100, 80);
    f.move(40, 30);
    f.show();
    f.basculePremierPlan(Qt::LeftButton);
    f.basculePremierPlan(Qt::MiddleButton);
    QVERIFY(f.estAuPremierPlan());
    QVERIFY(f.isVisible());
    QCOMPARE(f.pos(), QPoint(40, 30));
    f.basculePremierPlan(Qt::RightButton);
    QVERIFY(!f.estAuPremierPlan());
    QVERIFY(f.isVisible());
    // A sound for each press but the right one.
    QCOMPARE(banc.plateforme.sons, (QList<int>{19, 19}));
}

void TestChrome::degradeDuDemarrage()
{
    Demarre2 d;
    QCOMPARE(d.size(), QSize(471, 131));
    QCOMPARE(d.windowTitle(), QStringLiteral("Démarrage"));
    const QImage image = d.grab().toImage();
    // Away from the frame, the first rows are black and the last pure blue.
    QCOMPARE(image.pixelColor(100, 0), QColor(0, 0, 0));
    QCOMPARE(image.pixelColor(5, image.height() - 1).rgb(), QColor(0, 0, 255).rgb());
    QCOMPARE(image.pixelColor(5, image.height() / 2).blue(), 128);
    QCOMPARE(image.pixelColor(5, image.height() / 2).red(), 0);
}

void TestChrome::questionInstance_data()
{
    QTest::addColumn<bool>("autre");
    QTest::addColumn<QList<Plateforme::Reponse>>("reponses");
    QTest::addColumn<bool>("continuer");
    QTest::addColumn<int>("messages");
    QTest::newRow("seule") << false << QList<Plateforme::Reponse>{} << true << 0;
    QTest::newRow("Entrée : non par défaut") << true << QList<Plateforme::Reponse>{} << false << 1;
    QTest::newRow("oui") << true << QList<Plateforme::Reponse>{Plateforme::Reponse::Oui} << true << 1;
}

void TestChrome::questionInstance()
{
    QFETCH(bool, autre);
    QFETCH(QList<Plateforme::Reponse>, reponses);
    QFETCH(bool, continuer);
    QFETCH(int, messages);
    Banc banc;
    banc.plateforme.autreInstance = autre;
    banc.plateforme.reponses.assign(reponses.begin(), reponses.end());
    QCOMPARE(Demarrage::continuerMalgreInstance(), continuer);
    QCOMPARE(banc.plateforme.messages.size(), messages);
    if (messages) {
        const auto &m = banc.plateforme.messages.first();
        QCOMPARE(m.titre, QStringLiteral("Zelund +"));
        QCOMPARE(m.texte, QStringLiteral("Zelund + est déjà en cours d'exécution.\n"
                                         "Souhaitez-vous exécuter une nouvelle instance ?"));
        QCOMPARE(m.parDefaut, Plateforme::Reponse::Non);
        QCOMPARE(m.icone, Plateforme::Icone::Exclamation);
        QCOMPARE(m.boutons, Plateforme::Boutons::OuiNon);
    }
    // Nothing is written when the user declines.
    QVERIFY(banc.reglages().lit(QStringLiteral("Année de début"), QStringLiteral("Valeur")).isEmpty());
}

void TestChrome::conversionTwips_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("zéro") << 0 << 0;
    QTest::newRow("un pixel") << 15 << 1;
    QTest::newRow("fenêtre") << 5040 << 336;
    QTest::newRow("arrondi bas") << 22 << 1;
    QTest::newRow("arrondi haut") << 23 << 2;
    QTest::newRow("négatif") << -23 << -2;
}

void TestChrome::conversionTwips()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(px(twips), pixels);
}

ZELUND_TEST(TestChrome)
#include "tst_chrome.moc"
