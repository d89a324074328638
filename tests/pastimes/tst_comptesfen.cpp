#include "app/partage.h"
#include "app/vantelbttn.h"
#include "pastimes/fen2001.h"
#include "pastimes/fen2010.h"
#include "support/fauxplateforme.h"
#include "support/principal.h"

#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {
FenCompte *cree(bool an2010)
{
    return an2010 ? static_cast<FenCompte *>(new Fen2010) : new Fen2001;
}
} // namespace

class TestComptesFen : public QObject
{
    Q_OBJECT
private slots:
    void textes_data()
    {
        QTest::addColumn<bool>("an2010");
        QTest::addColumn<QDateTime>("maintenant");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("compteEncore");
        const auto dt = [](int a, int m, int j, int h = 0, int mi = 0, int s = 0) {
            return QDateTime(QDate(a, m, j), QTime(h, mi, s));
        };
        // Far beyond 16 bits: no wrap-around.
        QTest::newRow("2001, en 2200") << false << dt(2200, 1, 1) << "72683 jours et des poussières..." << true;
        QTest::newRow("2010, dernière seconde")
            << true << dt(2009, 12, 31, 23, 59, 59) << "0 jour, 0 heure, 0 minute et 1 seconde" << true;
        QTest::newRow("2010, en 1900")
            << true << dt(1900, 1, 1, 12) << "40176 jours, 11 heures, 59 minutes et 60 secondes" << true;
        QTest::newRow("2010, on y est") << true << dt(2010, 1, 1) << "On y est ! ! !" << false;
    }
    void textes()
    {
        QFETCH(bool, an2010);
        QFETCH(QDateTime, maintenant);
        QFETCH(QString, texte);
        QFETCH(bool, compteEncore);
        Banc banc;
        banc.plateforme.horloge = maintenant;
        partage().lance2001 = partage().lance2010 = true;
        QPointer<FenCompte> f = cree(an2010);
        f->show();
        // Empty during the first second; then a count every second.
        QVERIFY(f->AfficheTemps->text().isEmpty());
        QVERIFY(f->Timer1->isActive());
        QCOMPARE(f->Timer1->interval(), 1000);
        f->tic(); // what the timer runs
        QCOMPARE(f->AfficheTemps->text(), texte);
        QCOMPARE(f->Timer1->isActive(), compteEncore);
        // Once arrived, showing the window again does not start it again.
        f->hide();
        f->show();
        QCOMPARE(f->Timer1->isActive(), compteEncore);
        f->close();
        QVERIFY(!f->Timer1->isActive());
    }
    void fermetureParSonBouton_data()
    {
        QTest::addColumn<bool>("an2010");
        QTest::addColumn<QString>("titre");
        QTest::newRow("2001") << false << "Zelund - Depuis le 3ème millénaire...";
        QTest::newRow("2010") << true << "Zelund - 2010 : Odyssée II";
    }
    void fermetureParSonBouton()
    {
        QFETCH(bool, an2010);
        QFETCH(QString, titre);
        Banc banc;
        partage().fen2001Fermee = partage().fen2010Fermee = false;
        QPointer<FenCompte> f = cree(an2010);
        QCOMPARE(f->CmdDeplaceFen->caption(), titre);
        f->show();
        QVERIFY(!f->Timer1->isActive()); // not started by the toolbox
        QTest::mouseClick(f->CmdFermer, Qt::LeftButton);
        QCOMPARE(partage().fen2010Fermee, an2010);
        QCOMPARE(partage().fen2001Fermee, !an2010);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!f);
    }
};

ZELUND_TEST(TestComptesFen)
#include "tst_comptesfen.moc"
