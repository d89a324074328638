#include "app/chargement.h"
#include "app/demarrage.h"
#include "app/demarre2.h"
#include "app/dessindemarrage.h"
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

// Rounded to the nearest pixel, halves away from zero.
static_assert(px(0) == 0 && px(22) == 1 && px(23) == 2 && px(-23) == -2 && px(5040) == 336);

namespace {
// A window with a move button across its top, that notes when it is closed.
class FenetreTemoin : public FenetreZelund
{
public:
    explicit FenetreTemoin(QString nom = {}, QStringList *journal = nullptr)
        : m_nom(std::move(nom))
        , m_journal(journal)
    {
        setFixedSize(300, 100);
        bouton = creeBoutonDeplacement(QStringLiteral("Titre"), 0, 0, 4500, 315);
    }
    VantelBttn *bouton;

protected:
    void closeEvent(QCloseEvent *e) override
    {
        if (m_journal)
            *m_journal << m_nom;
        FenetreZelund::closeEvent(e);
    }

private:
    QString m_nom;
    QStringList *m_journal;
};

void envoie(QWidget *w, QEvent::Type type, QPoint local, Qt::MouseButton bouton, Qt::MouseButtons enfonces)
{
    QMouseEvent e(type, QPointF(local), QPointF(w->mapToGlobal(local)), bouton, enfonces, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
} // namespace

class TestChrome : public QObject
{
    Q_OBJECT
private slots:
    void fermeToutDuPlusRecent()
    {
        Banc banc;
        QStringList journal;
        for (const char *nom : {"principale", "boîte", "horloge"}) {
            auto *f = new FenetreTemoin(QString::fromUtf8(nom), &journal);
            f->setAttribute(Qt::WA_DeleteOnClose);
            if (nom[0] != 'b') // "boîte" stays loaded but hidden: it is closed too
                f->show();
        }
        FenetreZelund::fermeTout();
        QCOMPARE(journal, (QStringList{"horloge", "boîte", "principale"}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(FenetreZelund::chargees().isEmpty());
    }

    void centrage_data()
    {
        QTest::addColumn<QRect>("principale");
        QTest::addColumn<QSize>("propre");
        QTest::addColumn<QPoint>("attendu");
        QTest::newRow("plus grande") << QRect(100, 50, 336, 356) << QSize(500, 400) << QPoint(18, 28);
        QTest::newRow("moitiés exactes") << QRect(0, 0, 335, 355) << QSize(100, 100) << QPoint(118, 128);
        QTest::newRow("hors écran") << QRect(-300, -20, 336, 356) << QSize(100, 100) << QPoint(-182, 108);
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

    void infoBullesSuiventLInterrupteur()
    {
        Banc banc;
        VantelBttn bouton(QStringLiteral("x"));
        bouton.setInfoBulle(QStringLiteral("Fermer"));
        bouton.resize(40, 20);
        bouton.show();
        // Switched off, then on again while the pointer rests: the text follows at the next move.
        partage().infoBullesActives = false;
        QTest::mouseMove(&bouton, QPoint(8, 6));
        QCOMPARE(bouton.toolTip(), QString());
        partage().infoBullesActives = true;
        QTest::mouseMove(&bouton, QPoint(9, 7));
        QCOMPARE(bouton.toolTip(), QStringLiteral("Fermer"));
    }

    void deplacement_data()
    {
        QTest::addColumn<Qt::MouseButton>("bouton");
        QTest::newRow("gauche") << Qt::LeftButton;
        QTest::newRow("droit") << Qt::RightButton;
    }
    void deplacement()
    {
        QFETCH(Qt::MouseButton, bouton);
        Banc banc;
        FenetreTemoin f;
        f.move(100, 100);
        f.show();
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

    void degradeDuDemarrage()
    {
        const QImage image = Demarre2().grab().toImage();
        // Away from the frame, the first row is black and the last pure blue.
        QCOMPARE(image.pixelColor(100, 0), QColor(0, 0, 0));
        QCOMPARE(image.pixelColor(5, image.height() - 1), QColor(0, 0, 255));
        // The picture made at build time is the splash as drawn with its fonts, to the pixel.
        QCOMPARE(image.convertToFormat(QImage::Format_RGB32), dessineDemarrage(1));
    }

    void questionInstance_data()
    {
        QTest::addColumn<bool>("autre");
        QTest::addColumn<QList<Plateforme::Reponse>>("reponses");
        QTest::addColumn<bool>("continuer");
        QTest::newRow("seule") << false << QList<Plateforme::Reponse>{} << true;
        QTest::newRow("Entrée : non par défaut") << true << QList<Plateforme::Reponse>{} << false;
        QTest::newRow("oui") << true << QList<Plateforme::Reponse>{Plateforme::Reponse::Oui} << true;
    }
    void questionInstance()
    {
        QFETCH(bool, autre);
        QFETCH(QList<Plateforme::Reponse>, reponses);
        QFETCH(bool, continuer);
        Banc banc;
        banc.plateforme.autreInstance = autre;
        banc.plateforme.reponses.assign(reponses.begin(), reponses.end());
        QCOMPARE(Demarrage::continuerMalgreInstance(), continuer);
        // Asked once, as a yes/no question whose default is no (the fake answers it when nothing is queued).
        QCOMPARE(banc.plateforme.messages.size(), autre ? 1 : 0);
        QVERIFY(!autre || banc.plateforme.messages[0].boutons == Plateforme::Boutons::OuiNon);
        // Nothing is written when the user declines.
        QVERIFY(!banc.reglages().contient(Cles::AnneeDebut, Cles::Valeur));
    }
};

ZELUND_TEST(TestChrome)
#include "tst_chrome.moc"
