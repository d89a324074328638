#include "base/partage.h"
#include "calendar/compteurvertical.h"
#include "calendar/fencalendrier.h"
#include "calendar/fenjourplus.h"
#include "calendar/fenminicalend.h"
#include "calendar/imagepremierplan.h"
#include "support/fauxplateforme.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {
QStringList nomsDesCases(QWidget *w)
{
    QStringList noms;
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
    for (int k = 0; i && k < i->childCount(); ++k)
        noms << i->child(k)->text(QAccessible::Name);
    return noms;
}
} // namespace

// The calendar tools from the keyboard, and their day grids as a screen
// reader reads them; today is 18 November 2001.
class TestClavierCalendrier : public QObject
{
    Q_OBJECT
private slots:
    void pagesMiniCalend_data()
    {
        QTest::addColumn<int>("touche");
        QTest::addColumn<QString>("titre");
        QTest::newRow("page précédente") << int(Qt::Key_PageUp) << "octobre 2001";
        QTest::newRow("gauche") << int(Qt::Key_Left) << "octobre 2001";
        QTest::newRow("haut") << int(Qt::Key_Up) << "octobre 2001";
        QTest::newRow("page suivante") << int(Qt::Key_PageDown) << "décembre 2001";
        QTest::newRow("droite") << int(Qt::Key_Right) << "décembre 2001";
        QTest::newRow("bas") << int(Qt::Key_Down) << "décembre 2001";
    }
    void pagesMiniCalend()
    {
        QFETCH(int, touche);
        QFETCH(QString, titre);
        Banc banc;
        FenMiniCalend f;
        QTest::keyClick(f.picMonth, Qt::Key(touche));
        QCOMPARE(f.lblMonth->text(), titre);
        QCOMPARE(f.picMonth->accessibleName(), titre);
    }

    void grillesNommees()
    {
        Banc banc;
        FenMiniCalend mini;
        const QStringList jours = nomsDesCases(mini.picMonth);
        QCOMPARE(jours.size(), 30);
        QCOMPARE(jours[4], QStringLiteral("lundi 5 novembre 2001"));
        QCOMPARE(jours[17], QStringLiteral("dimanche 18 novembre 2001, aujourd'hui"));
        QAccessibleInterface *i = QAccessible::queryAccessibleInterface(mini.picMonth);
        QCOMPARE(i->role(), QAccessible::Table);
        QCOMPARE(i->child(17)->role(), QAccessible::Cell);
        // The cell a point falls in is the day drawn there.
        QCOMPARE(i->childAt(i->child(4)->rect().center().x(), i->child(4)->rect().center().y()), i->child(4));
        QTest::keyClick(mini.picMonth, Qt::Key_PageDown);
        QCOMPARE(nomsDesCases(mini.picMonth).value(24), QStringLiteral("mardi 25 décembre 2001"));

        FenCalendrier cal;
        cal.AffAn->setText(QStringLiteral("1900"));
        const QStringList calendrier = nomsDesCases(cal.AffCalendrier);
        QCOMPARE(calendrier.size(), 30);
        QCOMPARE(calendrier[0], QStringLiteral("jeudi 1 novembre 1900"));
    }

    // Space keeps the window on top with its sound, the context-menu key releases it.
    void premierPlanAuClavier()
    {
        Banc banc;
        FenMiniCalend f;
        QTest::keyClick(f.picMonth, Qt::Key_Space);
        QVERIFY(f.estAuPremierPlan());
        QCOMPARE(banc.plateforme.sons, QList<int>{19});
        QTest::keyClick(f.picMonth, Qt::Key_Menu);
        QVERIFY(!f.estAuPremierPlan());
        QAccessible::queryAccessibleInterface(f.picMonth)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        QVERIFY(f.estAuPremierPlan());
    }

    // The arrows typed in a day or year box step it, as its spin control does.
    void flechesDansLesBoites()
    {
        Banc banc;
        FenJourPlus f;
        QTest::keyClick(f.AffAn, Qt::Key_Up);
        QCOMPARE(f.AffAn->text().trimmed(), QStringLiteral("2002"));
        QTest::keyClick(f.AffJour, Qt::Key_Down);
        QCOMPARE(f.AffJour->text().trimmed(), QStringLiteral("17"));
        QCOMPARE(f.JourSemaine->text().trimmed(), QStringLiteral("Dimanche"));
        f.AffAn->clear();
        QTest::keyClicks(f.AffAn, QStringLiteral("1582"));
        QVERIFY(!f.JourSemaine->text().isEmpty());
        FenCalendrier cal;
        QTest::keyClick(cal.AffAn, Qt::Key_Down);
        QCOMPARE(cal.moisAffiche()->jours.front().colonne, 3); // 1 November 2000, a Wednesday
    }
};

QTEST_MAIN(TestClavierCalendrier)
#include "tst_claviercalendrier.moc"
