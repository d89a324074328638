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

#include <QComboBox>
#include <QScrollBar>
#include <QApplication>
#include <QTest>
#include <QTimer>

class TestFenPrin : public QObject
{
    Q_OBJECT
private slots:
    void premierChargement();
    void chargementRefuse();
    void conseilsAuDemarrage_data();
    void conseilsAuDemarrage();
    void configurationAppliqueeAussitot();
    void grilleSuitLesListes_data();
    void grilleSuitLesListes();
    void couleursParDefaut();
    void boutonAnMoisMontreLesListes();
    void boutonBoiteOutils();
    void aideSelonLeBouton();
    void aucuneMinuterieAuRepos();
};

namespace {
// Days whose buttons can be clicked, as "1".."31" flags.
QString motif(const FenPrin &f)
{
    QString s;
    for (auto *j : f.Jour)
        s += j->isEnabled() ? QLatin1Char('1') : QLatin1Char('.');
    return s;
}
} // namespace

void TestFenPrin::premierChargement()
{
    Banc banc;
    FenPrin f;
    bool splashFerme = false;
    QVERIFY(f.charge([&] { splashFerme = true; }));
    QVERIFY(splashFerme);
    QVERIFY(f.isVisible());
    QCOMPARE(f.size(), QSize(336, 356));
    QCOMPARE(f.windowTitle(), QStringLiteral("Zelund"));
    QCOMPARE(f.CmdDeplaceFen->caption(), QStringLiteral("Zelund"));
    QCOMPARE(f.LDAnnee->count(), 401);
    QCOMPARE(f.LDAnnee->itemText(0), QStringLiteral("1700"));
    QCOMPARE(f.AnneeChoisie(), 2001);
    QCOMPARE(f.MoisChoisi(), 11);
    QCOMPARE(f.LDMois->itemText(1), QStringLiteral(" Février"));
    QCOMPARE(f.jourCourant(), 18);
    QCOMPARE(motif(f), QString(30, QLatin1Char('1')) + QLatin1Char('.'));
    QVERIFY(f.LDAnnee->isHidden());
    QVERIFY(f.LDMois->isHidden());
    QVERIFY(f.CmdAnMois->caption().isEmpty());
    QCOMPARE(banc.reglages().lit(Cles::StyleSection, Cles::Style), QStringLiteral("Normal"));
    QVERIFY(banc.plateforme.messages.isEmpty());
}

void TestFenPrin::chargementRefuse()
{
    Banc banc;
    banc.reglages().ecrit(Cles::Ciel, Cles::Couleur, QStringLiteral("119,119,119"));
    FenPrin f;
    bool splashFerme = false;
    QVERIFY(!f.charge([&] { splashFerme = true; }));
    QVERIFY(splashFerme); // the message does not sit behind the splash
    QVERIFY(!f.isVisible());
    QCOMPARE(banc.plateforme.messages.size(), 1);
    const auto &m = banc.plateforme.messages.first();
    QCOMPARE(m.titre, QStringLiteral("Zelund - Erreur !"));
    QCOMPARE(m.icone, Plateforme::Icone::Critique);
    QCOMPARE(m.boutons, Plateforme::Boutons::Ok);
    QCOMPARE(m.texte, QStringLiteral("Dans la doc, je vous ai dit d'entrer des valeurs correctes si vous modifiez "
                                     "vous-même les paramètres dans la base du registre.\n"
                                     "Vous n'avez plus qu'à recommencer..."));
}

void TestFenPrin::conseilsAuDemarrage_data()
{
    QTest::addColumn<QString>("stocke");
    QTest::addColumn<bool>("ouverts");
    QTest::newRow("premier démarrage") << QString() << true;
    QTest::newRow("Oui") << QStringLiteral("Oui") << true;
    QTest::newRow("Non") << QStringLiteral("Non") << false;
}

void TestFenPrin::conseilsAuDemarrage()
{
    QFETCH(QString, stocke);
    QFETCH(bool, ouverts);
    Banc banc;
    if (!stocke.isNull())
        banc.reglages().ecrit(Cles::Conseils, Cles::ConseilDemarrage, stocke);
    FenPrin f;
    QVERIFY(f.charge());
    int visibles = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<Conseils *>(w) && w->isVisible())
            ++visibles;
    QCOMPARE(visibles, ouverts ? 1 : 0);
    // A first start leaves the choice in the store for the next one.
    QCOMPARE(banc.reglages().lit(Cles::Conseils, Cles::ConseilDemarrage), stocke.isNull() ? Cles::Oui : stocke);
}

void TestFenPrin::configurationAppliqueeAussitot()
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
    QCOMPARE(f.AnneeChoisie(), 2001); // still on today
    QCOMPARE(f.MoisChoisi(), 11);
}

void TestFenPrin::grilleSuitLesListes_data()
{
    QTest::addColumn<int>("annee");
    QTest::addColumn<int>("mois");
    QTest::addColumn<QString>("attendu");
    const QString j28(28, QLatin1Char('1'));
    QTest::newRow("février 2000") << 2000 << 2 << j28 + "1..";
    QTest::newRow("février 1900") << 1900 << 2 << j28 + "...";
    QTest::newRow("octobre 1582") << 1582 << 10 << "1111.........." + QString(17, QLatin1Char('1'));
    QTest::newRow("novembre 1582") << 1582 << 11 << j28 + "11.";
}

void TestFenPrin::grilleSuitLesListes()
{
    QFETCH(int, annee);
    QFETCH(int, mois);
    QFETCH(QString, attendu);
    Banc banc;
    banc.reglages().ecrit(Cles::AnneeDebut, Cles::Valeur, QStringLiteral("1582"));
    FenPrin f;
    QVERIFY(f.charge());
    f.LDAnnee->setCurrentIndex(annee - 1582);
    f.LDMois->setCurrentIndex(mois - 1);
    QCOMPARE(motif(f), attendu);
    // Choosing the year alone refreshes the grid too, once start-up is over.
    f.LDMois->setCurrentIndex(1);
    f.LDAnnee->setCurrentIndex(2000 - 1582);
    QCOMPARE(motif(f), QString(29, QLatin1Char('1')) + "..");
}

void TestFenPrin::couleursParDefaut()
{
    Banc banc;
    FenPrin f;
    QVERIFY(f.charge());
    const QColor sarcelle(0, 128, 128);
    const QColor gris(224, 224, 224);
    QCOMPARE(f.CmdDeplaceFen->gradientColorStart(), sarcelle);
    QCOMPARE(f.CmdDeplaceFen->gradientColorEnd(), gris);
    QCOMPARE(f.CmdDeplaceFen->forecolor(), sarcelle);
    // The lower strips run the other way.
    QCOMPARE(f.Forme[2]->gradientColorStart(), gris);
    QCOMPARE(f.Forme[2]->gradientColorEnd(), sarcelle);
    QCOMPARE(f.Jour[0]->forecolor(), QColor(255, 255, 255));
    QCOMPARE(f.Jour[0]->highlightColor(), QColor(0x6C, 0xFF, 0xDE));
    QCOMPARE(f.palette().color(QPalette::Window), sarcelle);
    QCOMPARE(f.LDAnnee->palette().color(QPalette::Base), QColor(0, 0xD2, 0xD2));
    // Nothing about colours reaches the store until the user changes one.
    QVERIFY(!banc.reglages().contient(Couleurs::section(), Couleurs::definitions()[0].cle));
}

void TestFenPrin::boutonAnMoisMontreLesListes()
{
    Banc banc;
    FenPrin f;
    QVERIFY(f.charge());
    QTest::mouseClick(f.CmdAnMois, Qt::LeftButton);
    QVERIFY(f.CmdAnMois->isHidden());
    QVERIFY(f.LDAnnee->isVisible());
    QVERIFY(f.LDMois->isVisible());
    // The toolbox button's right button covers the lists again.
    QTest::mouseClick(f.CmdBOutils, Qt::RightButton);
    QVERIFY(f.CmdAnMois->isVisible());
    QVERIFY(!partage().bOutilsAffichee);
}

void TestFenPrin::boutonBoiteOutils()
{
    Banc banc;
    FenPrin f;
    QVERIFY(f.charge());
    QTest::mouseClick(f.CmdBOutils, Qt::LeftButton);
    QVERIFY(partage().bOutilsAffichee);
    QPointer<FenBOutils> boite = f.boiteOutils();
    QVERIFY(boite && boite->isVisible());
    QCOMPARE(boite->parentWidget(), &f); // owned: above the main window, minimised with it
    QTest::mouseClick(f.CmdBOutils, Qt::LeftButton);
    QVERIFY(!partage().bOutilsAffichee);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!boite);
}

void TestFenPrin::aideSelonLeBouton()
{
    Banc banc;
    FenPrin f;
    QVERIFY(f.charge());
    QTest::mouseClick(f.CmdAide, Qt::LeftButton);
    QTest::mouseClick(f.CmdAide, Qt::RightButton);
    QCOMPARE(banc.plateforme.aides, (QList<int>{1, 0}));
}

void TestFenPrin::aucuneMinuterieAuRepos()
{
    Banc banc;
    banc.reglages().ecrit(Cles::Conseils, Cles::ConseilDemarrage, Cles::Non);
    FenPrin f;
    QVERIFY(f.charge());
    QTest::mouseClick(f.Jour[4], Qt::LeftButton);
    QTest::mouseClick(f.CmdLune, Qt::LeftButton);
    QCoreApplication::processEvents();
    // With only the main window open nothing wakes the program up.
    for (QWidget *w : QApplication::allWidgets())
        for (QTimer *t : w->findChildren<QTimer *>())
            QVERIFY2(!t->isActive(), qPrintable(w->objectName()));
}

ZELUND_TEST(TestFenPrin)
#include "tst_fenprin.moc"
