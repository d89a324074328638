#include "app/chargement.h"
#include "app/conseils.h"
#include "app/partage.h"
#include "app/vantelbttn.h"
#include "appearance/configure.h"
#include "main/fenprin.h"
#include "moon/ciel.h"
#include "pastimes/fenboutils.h"
#include "support/fauxplateforme.h"
#include "support/principal.h"

#include <QApplication>
#include <QComboBox>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {
// Days whose buttons can be clicked, as "1".."31" flags.
QString motif(const FenPrin &f)
{
    QString s;
    for (auto *j : f.Jour)
        s += j->isEnabled() ? QLatin1Char('1') : QLatin1Char('.');
    return s;
}

// Tips windows on screen.
int conseilsVisibles()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        n += qobject_cast<Conseils *>(w) && w->isVisible();
    return n;
}
} // namespace

class TestFenPrin : public QObject
{
    Q_OBJECT
private slots:
    void premierChargement()
    {
        Banc banc;
        FenPrin f;
        bool splashFerme = false;
        QVERIFY(f.charge([&] { splashFerme = true; }));
        QVERIFY(splashFerme && f.isVisible());
        QCOMPARE(f.LDAnnee->count(), 401);
        QCOMPARE(QDate(f.AnneeChoisie(), f.MoisChoisi(), f.jourCourant()), QDate(2001, 11, 18));
        QCOMPARE(motif(f), QString(30, QLatin1Char('1')) + QLatin1Char('.'));
        QVERIFY(f.LDAnnee->isHidden() && f.LDMois->isHidden());
        QVERIFY(banc.plateforme.messages.isEmpty());
        // A first start shows the tips, once the main window is on screen, and stores the choice.
        QCOMPARE(conseilsVisibles(), 0);
        QTRY_COMPARE(conseilsVisibles(), 1);
        QCOMPARE(banc.reglages().lit(Cles::Conseils, Cles::ConseilDemarrage), Cles::Oui);
        // The default colours are painted, the lower strips the other way, yet
        // nothing about colours reaches the store until the user changes one.
        QCOMPARE(f.CmdDeplaceFen->gradientColorStart(), QColor(0, 128, 128));
        QCOMPARE(f.Forme[2]->gradientColorStart(), QColor(224, 224, 224));
        QVERIFY(!banc.reglages().contient(Couleurs::section(), Couleurs::definitions()[0].cle));
        // The lists drive the grid; the year alone refreshes it too, once start-up is over.
        f.LDMois->setCurrentIndex(1);
        f.LDAnnee->setCurrentIndex(2000 - 1700);
        QCOMPARE(motif(f), QString(29, QLatin1Char('1')) + "..");
        f.LDAnnee->setCurrentIndex(1900 - 1700);
        QCOMPARE(motif(f), QString(28, QLatin1Char('1')) + "...");
    }

    void chargementRefuse()
    {
        Banc banc;
        banc.reglages().ecrit(Cles::Ciel, Cles::Couleur, QStringLiteral("119,119,119"));
        FenPrin f;
        bool splashFerme = false;
        QVERIFY(!f.charge([&] { splashFerme = true; }));
        QVERIFY(splashFerme); // the message does not sit behind the splash
        QVERIFY(!f.isVisible());
        QCOMPARE(banc.plateforme.messages.size(), 1);
    }

    void configurationAppliqueeAussitot()
    {
        Banc banc;
        banc.reglages().ecrit(Cles::Conseils, Cles::ConseilDemarrage, Cles::Non);
        FenPrin f;
        QVERIFY(f.charge());
        bool vu = false;
        // The dialog runs its own loop: drive it from inside.
        QTimer::singleShot(0, [&] {
            auto *d = qobject_cast<Configure *>(QApplication::activeModalWidget());
            QVERIFY(d);
            vu = true;
            QTest::mouseClick(d->CmdCoulCiel, Qt::LeftButton);
            d->Rouge->setValue(10);
            d->Vert->setValue(20);
            d->Bleu->setValue(30);
            QTest::mouseClick(d->CmdCoulOK, Qt::LeftButton);
            d->ScrollDeb->setValue(1900);
            QTest::mouseClick(d->CmdOK, Qt::LeftButton);
        });
        QTest::mouseClick(f.CmdConfig, Qt::LeftButton);
        QVERIFY(vu);
        QCOMPARE(f.Image2->ciel(), QColor(10, 20, 30));
        QCOMPARE(f.Image1->ciel(), QColor(10, 20, 30));
        QCOMPARE(f.LDAnnee->itemText(0), QStringLiteral("1900"));
        QCOMPARE(QPoint(f.AnneeChoisie(), f.MoisChoisi()), QPoint(2001, 11)); // still on today
    }

    void reposPuisBoutons()
    {
        Banc banc;
        banc.reglages().ecrit(Cles::Conseils, Cles::ConseilDemarrage, Cles::Non);
        FenPrin f;
        QVERIFY(f.charge());
        QTest::mouseClick(f.Jour[4], Qt::LeftButton);
        QTest::mouseClick(f.CmdLune, Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(conseilsVisibles(), 0); // "Non" stored: no tips
        // With only the main window open nothing wakes the program up.
        for (QWidget *w : QApplication::allWidgets())
            for (QTimer *t : w->findChildren<QTimer *>())
                QVERIFY2(!t->isActive(), qPrintable(w->objectName()));
        QTest::mouseClick(f.CmdAnMois, Qt::LeftButton);
        QVERIFY(f.CmdAnMois->isHidden() && f.LDAnnee->isVisible() && f.LDMois->isVisible());
        QTest::mouseClick(f.CmdBOutils, Qt::LeftButton);
        QVERIFY(partage().bOutilsAffichee);
        QPointer<FenBOutils> boite = f.boiteOutils();
        QVERIFY(boite && boite->isVisible());
        QCOMPARE(boite->parentWidget(), &f); // owned: above the main window, minimised with it
        QTest::mouseClick(f.CmdBOutils, Qt::LeftButton);
        QVERIFY(!partage().bOutilsAffichee);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!boite);
        // The toolbox button's right button covers the lists again.
        QTest::mouseClick(f.CmdBOutils, Qt::RightButton);
        QVERIFY(f.CmdAnMois->isVisible() && !partage().bOutilsAffichee);
        QTest::mouseClick(f.CmdAide, Qt::LeftButton);
        QTest::mouseClick(f.CmdAide, Qt::RightButton);
        QCOMPARE(banc.plateforme.aides, (QList<int>{1, 0}));
    }
};

ZELUND_TEST(TestFenPrin)
#include "tst_fenprin.moc"
