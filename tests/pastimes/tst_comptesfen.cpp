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

class TestComptesFen : public QObject
{
    Q_OBJECT
private slots:
    void textes_data();
    void textes();
    void sansDrapeauPasDeCompte();
    void fermetureParSonBouton_data();
    void fermetureParSonBouton();
};

namespace {
FenCompte *cree(bool an2010)
{
    if (an2010)
        return new Fen2010;
    return new Fen2001;
}
} // namespace

void TestComptesFen::textes_data()
{
    QTest::addColumn<bool>("an2010");
    QTest::addColumn<QDateTime>("maintenant");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("compteEncore");
    const auto dt = [](int a, int m, int j, int h = 0, int mi = 0, int s = 0) {
        return QDateTime(QDate(a, m, j), QTime(h, mi, s));
    };
    QTest::newRow("2001, premier jour") << false << dt(2001, 1, 1, 23, 59, 59) << "0 jours et des poussières..." << true;
    QTest::newRow("2001, un jour") << false << dt(2001, 1, 2) << "1 jours et des poussières..." << true;
    QTest::newRow("2001, avant") << false << dt(2000, 12, 31) << "-1 jours et des poussières..." << true;
    // Far beyond 16 bits: no wrap-around.
    QTest::newRow("2001, en 2200") << false << dt(2200, 1, 1) << "72683 jours et des poussières..." << true;
    QTest::newRow("2010, dernière seconde")
        << true << dt(2009, 12, 31, 23, 59, 59) << "0 jour, 0 heure, 0 minute et 1 seconde" << true;
    QTest::newRow("2010, minute pile")
        << true << dt(2009, 12, 31, 22, 58) << "0 jour, 1 heure, 1 minute et 60 secondes" << true;
    QTest::newRow("2010, en 1900")
        << true << dt(1900, 1, 1, 12) << "40176 jours, 11 heures, 59 minutes et 60 secondes" << true;
    QTest::newRow("2010, on y est") << true << dt(2010, 1, 1) << "On y est ! ! !" << false;
    QTest::newRow("2010, bien après") << true << dt(2026, 7, 9, 9, 3, 2) << "On y est ! ! !" << false;
}

void TestComptesFen::textes()
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
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!f);
}

void TestComptesFen::sansDrapeauPasDeCompte()
{
    Banc banc;
    partage().lance2010 = true; // the other window's flag
    Fen2001 f;
    f.show();
    QVERIFY(!f.Timer1->isActive());
}

void TestComptesFen::fermetureParSonBouton_data()
{
    QTest::addColumn<bool>("an2010");
    QTest::addColumn<QString>("titre");
    QTest::newRow("2001") << false << "Zelund - Depuis le 3ème millénaire...";
    QTest::newRow("2010") << true << "Zelund - 2010 : Odyssée II";
}

void TestComptesFen::fermetureParSonBouton()
{
    QFETCH(bool, an2010);
    QFETCH(QString, titre);
    Banc banc;
    partage().fen2001Fermee = partage().fen2010Fermee = false;
    partage().lance2001 = partage().lance2010 = true;
    QPointer<FenCompte> f = cree(an2010);
    QCOMPARE(f->CmdDeplaceFen->caption(), titre);
    f->show();
    QTest::mouseClick(f->CmdFermer, Qt::LeftButton);
    QCOMPARE(partage().fen2010Fermee, an2010);
    QCOMPARE(partage().fen2001Fermee, !an2010);
    QVERIFY(!f->Timer1->isActive());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!f);
}

ZELUND_TEST(TestComptesFen)
#include "tst_comptesfen.moc"
