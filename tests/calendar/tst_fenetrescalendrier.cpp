#include "appearance/configure.h"
#include "base/chargement.h"
#include "base/parametres.h"
#include "base/twips.h"
#include "calendar/compteurvertical.h"
#include "calendar/fencalendrier.h"
#include "calendar/fenjourplus.h"
#include "calendar/fenminicalend.h"
#include "calendar/fenpaques.h"
#include "calendar/imagepremierplan.h"
#include "calendar/minicalend.h"
#include "calendar/textespaques.h"
#include "main/fenprin.h"
#include "support/fenprinchargee.h"
#include "ui/couleurqt.h"
#include "ui/styleliste.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {
enum class Encre { Vide, Noire, Rouge };

// What is drawn inside the pixel rectangle: nothing, black or red digits.
Encre encre(const QImage &image, const QRect &r)
{
    bool noire = false;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 90 && c.blue() < 90)
                return Encre::Rouge;
            noire = noire || (c.red() < 90 && c.green() < 90 && c.blue() < 90);
        }
    return noire ? Encre::Noire : Encre::Vide;
}

// One cell of the calendar grid, inside its lines.
Encre encreCase(const QImage &image, QPoint cellule)
{
    const QRectF r = Calendrier::caseGrille(cellule.x(), cellule.y());
    const double l = image.width() / Calendrier::EchelleGrille, h = image.height() / Calendrier::EchelleGrille;
    return encre(image, QRect(QPoint(int(r.left() * l) + 2, int(r.top() * h) + 2),
                              QPoint(int(r.right() * l) - 2, int(r.bottom() * h) - 2)));
}
double contraste(const QColor &a, const QColor &b)
{
    const auto l = [](const QColor &c) {
        const auto v = [](double x) { return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4); };
        return 0.2126 * v(c.redF()) + 0.7152 * v(c.greenF()) + 0.0722 * v(c.blueF()) + 0.05;
    };
    return std::max(l(a), l(b)) / std::min(l(a), l(b));
}

// The control drawn with the keyboard focus in its active window.
QImage avecFocus(QWidget *w)
{
    w->window()->show();
    w->window()->activateWindow();
    if (!QTest::qWaitForWindowActive(w->window()))
        return {};
    w->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    w->setFocus(Qt::TabFocusReason);
    return w->grab().toImage();
}

QStringList nomsDesCases(QWidget *w)
{
    QStringList noms;
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
    for (int k = 0; i && k < i->childCount(); ++k)
        noms << i->child(k)->text(QAccessible::Name);
    return noms;
}
} // namespace

// The calendar, Easter, weekday and mini-calendar windows, by mouse and
// keyboard, and their day grids as a screen reader reads them; today is
// 18 November 2001.
class TestFenetres : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // As the program does before its first window.
        Ui::installeStyleListe();
    }
    void calendrierHorlogeEtPremierPlan()
    {
        Banc banc;
        FenCalendrier f;
        // The clock line runs only while the window is shown.
        QVERIFY(!f.Timer1->isActive());
        f.show();
        QVERIFY(f.Timer1->isActive());
        banc.plateforme.horloge.setTime(QTime(9, 4, 3));
        f.Timer1Tic();
        QCOMPARE(f.AffHeure->text(), QStringLiteral("09:04:03"));
        // Over a day, its date, week and holiday come first: 1 November 2001 is
        // a Thursday, column 4 of the first week row.
        const QRect c = f.AffCalendrier->contentsRect();
        const QPointF centre = Calendrier::caseGrille(4, 1).center();
        QTest::mouseMove(f.AffCalendrier, c.topLeft()
                                              + QPoint(int(centre.x() * c.width() / Calendrier::EchelleGrille),
                                                       int(centre.y() * c.height() / Calendrier::EchelleGrille)));
        QCOMPARE(f.AffCalendrier->toolTip(),
                 QStringLiteral("Jeudi 1 novembre 2001\nSemaine 44, jour 305 de l'année\nJour férié : Toussaint\n"
                                "Double-clic ou Ctrl+E : éphéméride du jour\n"
                                "Cliquer pour conserver le calendrier au premier plan"));
        Parametres::courant().metInfoBulles(false);
        QTest::mouseMove(f.AffCalendrier, QPoint(30, 30));
        QCOMPARE(f.AffCalendrier->toolTip(), QString());
        QTest::mouseClick(f.AffCalendrier, Qt::MiddleButton);
        QVERIFY(f.estAuPremierPlan());
        f.close();
        QVERIFY(!f.Timer1->isActive());
    }
    void calendrierAnnee_data()
    {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<int>("compteur");
        QTest::addColumn<QString>("texte");
        QTest::newRow("au-delà de 9999") << "12000" << 9999 << " 9999";
        QTest::newRow("en deçà de -1900") << "-2500" << -1900 << " -1900";
        QTest::newRow("an 0") << "0" << 0 << " 0";
        QTest::newRow("lettres") << "abc" << 2001 << "abc";
    }
    void calendrierAnnee()
    {
        QFETCH(QString, tape);
        QFETCH(int, compteur);
        QFETCH(QString, texte);
        Banc banc;
        FenCalendrier f;
        f.AffAn->setText(tape);
        QCOMPARE(f.AffAn->text(), texte);
        QCOMPARE(f.ChangeAn->value(), compteur);
    }
    // March 2026 on six week rows, cells as (column, row): the first and last
    // days inked, the cells beside them empty, only the 18th in red.
    void calendrierPeint()
    {
        Banc banc;
        FenCalendrier f;
        f.AffMois->setCurrentIndex(2);
        f.AffAn->setText(QStringLiteral("2026"));
        const QImage image = f.AffCalendrier->grab().toImage();
        for (const QPoint &c : {QPoint(7, 1), QPoint(2, 6)})
            QCOMPARE(encreCase(image, c), Encre::Noire);
        for (const QPoint &c : {QPoint(6, 1), QPoint(3, 6)})
            QCOMPARE(encreCase(image, c), Encre::Vide);
        for (int c = 1; c <= 7; ++c)
            for (int r = 1; r <= 6; ++r)
                QCOMPARE(encreCase(image, {c, r}) == Encre::Rouge, QPoint(c, r) == QPoint(3, 4));
    }

    void paquesAnnee_data()
    {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<int>("texte");      // the year written back
        QTest::addColumn<QString>("paques"); // first line of the dates
        QTest::newRow("0, sous le minimum") << "0" << 1 << "dimanche 1 avril ";
        QTest::newRow("10000") << "10000" << 9999 << "dimanche 28 mars ";
        QTest::newRow("demi, au pair") << "2038,5" << 2038 << "dimanche 25 avril ";
    }
    void paquesAnnee()
    {
        QFETCH(QString, tape);
        QFETCH(int, texte);
        QFETCH(QString, paques);
        Banc banc;
        Parametres::courant().metInfoBulles(false);
        FenPaques f;
        f.TxtAnnee->setText(tape);
        QCOMPARE(f.TxtAnnee->text(), QStringLiteral(" %1").arg(texte));
        QCOMPARE(f.Label1->text().section(QChar(10), 0, 0), QStringLiteral("Pâques : ") + paques);
        QCOMPARE(f.Label1->text().count(QChar(10)), 4);
        QVERIFY(!f.TxtAnnee->toolTip().isEmpty()); // shown whatever the switch says
        // Orthodox Easter below the five lines, whole, clear of the reminder.
        const auto *orthodoxe = f.findChild<QLabel *>(QStringLiteral("LblOrthodoxe"));
        QCOMPARE(orthodoxe->text(), Calendrier::texteOrthodoxe(qint16(texte)));
        QVERIFY(orthodoxe->y() >= f.Label1->y() + 5 * f.Label1->fontMetrics().lineSpacing());
        QVERIFY(orthodoxe->y() + orthodoxe->fontMetrics().height() <= f.Label3->y());
        QVERIFY(orthodoxe->fontMetrics().horizontalAdvance(orthodoxe->text()) <= orthodoxe->width());
    }
    void paquesCompteur()
    {
        Banc banc;
        FenPaques f;
        const QPoint haut(f.ChangeAn->width() / 2, 2);
        f.TxtAnnee->setText(QStringLiteral("2025"));
        QTest::mouseClick(f.ChangeAn, Qt::LeftButton, {}, haut);
        QCOMPARE(f.TxtAnnee->text(), QStringLiteral(" 2026"));
        f.Label1->setText(QStringLiteral("témoin"));
        // The spin already holds 2026: nothing is rewritten nor refreshed.
        f.TxtAnnee->setText(QStringLiteral("2026"));
        QCOMPARE(f.TxtAnnee->text(), QStringLiteral("2026"));
        QCOMPARE(f.Label1->text(), QStringLiteral("témoin"));
        f.TxtAnnee->setText(QStringLiteral("9999"));
        QTest::mouseClick(f.ChangeAn, Qt::LeftButton, {}, haut);
        QCOMPARE(f.ChangeAn->value(), 9999);
    }

    void jourPlus_data()
    {
        QTest::addColumn<QString>("jour");
        QTest::addColumn<int>("mois");
        QTest::addColumn<QString>("annee");
        QTest::addColumn<QStringList>("montre"); // day, year, weekday
        QTest::newRow("jour 45 ramené à 31") << "45" << 12 << "9999" << QStringList{" 31", " 9999", " Vendredi "};
        QTest::newRow("an -2000 ramené à -1900") << "1" << 1 << "-2000" << QStringList{" 1", " -1900", " Mardi "};
        // Not a number: the weekday shown stays (18 January 2001 after the month).
        QTest::newRow("jour illisible") << "premier" << 1 << "2001" << QStringList{"premier", "2001", " Jeudi "};
    }
    void jourPlus()
    {
        QFETCH(QString, jour);
        QFETCH(int, mois);
        QFETCH(QString, annee);
        QFETCH(QStringList, montre);
        Banc banc;
        FenJourPlus f;
        f.AffMois->setCurrentIndex(mois - 1);
        f.AffAn->setText(annee);
        f.AffJour->setText(jour);
        QCOMPARE((QStringList{f.AffJour->text(), f.AffAn->text(), f.JourSemaine->text()}), montre);
    }

    void miniPages_data()
    {
        QTest::addColumn<QDate>("depart");
        QTest::addColumn<int>("sens"); // -1 lblPrev, 1 lblNext
        QTest::addColumn<QDate>("arrivee");
        QTest::newRow("vers le mois d'aujourd'hui") << QDate(2001, 10, 31) << 1 << QDate(2001, 11, 30);
        QTest::newRow("31 mars, février bissextile") << QDate(2000, 3, 31) << -1 << QDate(2000, 2, 29);
        QTest::newRow("novembre d'une autre année") << QDate(2002, 12, 5) << -1 << QDate(2002, 11, 5);
        QTest::newRow("janvier vers décembre") << QDate(2002, 1, 31) << -1 << QDate(2001, 12, 31);
        QTest::newRow("janvier 100, butée") << QDate(100, 1, 10) << -1 << QDate(100, 1, 10);
        QTest::newRow("vers décembre 9999") << QDate(9999, 11, 30) << 1 << QDate(9999, 12, 30);
        QTest::newRow("décembre 9999, butée") << QDate(9999, 12, 31) << 1 << QDate(9999, 12, 31);
    }
    void miniPages()
    {
        QFETCH(QDate, depart);
        QFETCH(int, sens);
        QFETCH(QDate, arrivee);
        Banc banc;
        FenMiniCalend f;
        f.ChangeDate(depart);
        QLabel *l = sens < 0 ? f.lblPrev : f.lblNext;
        QTest::mouseClick(l, Qt::RightButton); // only the left button pages
        QCOMPARE(f.DateCourante, depart);
        QTest::mouseClick(l, Qt::LeftButton);
        QCOMPARE(f.DateCourante, arrivee);
        QCOMPARE(f.lblMonth->text(), Calendrier::titreMiniCalend(arrivee));
        // Today's number is red in November 2001 only.
        const QImage image = f.picMonth->grab().toImage();
        QCOMPARE(encre(image, image.rect()) == Encre::Rouge, arrivee.year() == 2001 && arrivee.month() == 11);
    }
    void miniDoubleClic()
    {
        // Each press pages, the second of a double click too.
        Banc banc;
        FenMiniCalend f;
        for (QLabel *l : {f.lblNext, f.lblNext, f.lblPrev}) {
            QTest::mouseClick(l, Qt::LeftButton);
            QTest::mouseDClick(l, Qt::LeftButton);
            QTest::mouseRelease(l, Qt::LeftButton);
        }
        QCOMPARE(f.DateCourante, QDate(2002, 1, 18));
    }
    void miniInitiales_data()
    {
        QTest::addColumn<double>("points");
        QTest::newRow("9 points") << 9.0;
        QTest::newRow("14 points") << 14.0;
    }
    void miniInitiales()
    {
        // Each weekday initial stands centred over its own column of days.
        QFETCH(double, points);
        Banc banc;
        FenMiniCalend f;
        QFont police = f.Label1->font();
        police.setPointSizeF(points);
        f.Label1->setFont(police);
        const QImage image = f.Label1->grab().toImage();
        const QRgb fond = image.pixel(0, 0);
        QList<double> centres; // of each run of inked pixel columns
        int debut = -1;
        for (int x = 0; x <= image.width(); ++x) {
            bool encre = false;
            for (int y = 0; x < image.width() && y < image.height(); ++y)
                encre = encre || image.pixel(x, y) != fond;
            if (encre && debut < 0)
                debut = x;
            if (!encre && debut >= 0) {
                centres << (debut + x) / 2.0;
                debut = -1;
            }
        }
        QCOMPARE(centres.size(), 7);
        const int grille =
            f.picMonth->mapTo(&f, f.picMonth->contentsRect().topLeft()).x() - f.Label1->mapTo(&f, QPoint()).x();
        for (int c = 0; c < 7; ++c) {
            const double colonne = grille + (c + 0.5) * f.LargeurCase / 15.0;
            QVERIFY2(qAbs(centres[c] - colonne) <= 1.5,
                     qPrintable(QStringLiteral("%1 : %2 / %3").arg(c).arg(centres[c]).arg(colonne)));
        }
    }

    // A closed list shows "Visualisation, dossiers, etc." itself, flat.
    void listesALaCouleur()
    {
        FenPrinChargee p;
        FenCalendrier c;
        FenJourPlus j;
        for (QComboBox *l :
             {controle<QComboBox>(p.f, "LDAnnee"), controle<QComboBox>(p.f, "LDMois"), c.AffMois, j.AffMois}) {
            const QImage image = l->grab().toImage();
            for (const QPoint &pt : {QPoint(image.width() / 2, 2), QPoint(image.width() / 2, image.height() - 3)})
                QCOMPARE(image.pixelColor(pt), QColor(0, 210, 210));
        }
    }
    // The focus frame of a list stands out of the list's colour, whatever it is.
    void focusDesListes_data()
    {
        QTest::addColumn<QColor>("couleur");
        for (const QColor &c : {QColor(0, 210, 210), QColor(Qt::black), QColor(Qt::white), QColor(48, 140, 198),
                                QColor(118, 118, 118), QColor(119, 119, 119), QColor(255, 255, 0), QColor(0, 0, 255)})
            QTest::newRow(qPrintable(c.name())) << c;
    }
    void focusDesListes()
    {
        QFETCH(QColor, couleur);
        Banc banc;
        Parametres::courant().metCouleur(Couleurs::Visualisation, Ui::nombreVb(couleur));
        FenCalendrier c;
        const QImage image = avecFocus(c.AffMois);
        QVERIFY(!image.isNull());
        const int x = image.width() / 2;
        QCOMPARE(image.pixelColor(x, 4), couleur); // inside the frame, above the text
        for (const int y : {1, 2, image.height() - 2, image.height() - 3})
            QVERIFY2(contraste(image.pixelColor(x, y), couleur) >= 3, qPrintable(image.pixelColor(x, y).name()));
    }

    // The spin arrows and the scroll bars show where the keyboard is.
    void focusVisible()
    {
        Banc banc;
        FenPaques p;
        Configure d;
        for (QWidget *w : {static_cast<QWidget *>(p.ChangeAn), static_cast<QWidget *>(d.Rouge)}) {
            const QImage sans = w->grab().toImage();
            QVERIFY2(avecFocus(w) != sans, qPrintable(w->accessibleName()));
        }
    }

    void miniInfoBulleJour()
    {
        Banc banc;
        FenMiniCalend f;
        // 11 November 2001, a Sunday: column 0 of the third row.
        const QPoint cellule(f.LargeurCase / 2, 2 * f.HauteurCase + f.HauteurCase / 2);
        QTest::mouseMove(f.picMonth, f.picMonth->contentsRect().topLeft() + cellule / Base::TwipsParPixel);
        QCOMPARE(f.picMonth->toolTip().section(QLatin1Char('\n'), 0, 2),
                 QStringLiteral("Dimanche 11 novembre 2001\nSemaine 45, jour 315 de l'année\n"
                                "Jour férié : Armistice 1918"));
    }

    void pagesMiniCalend_data()
    {
        QTest::addColumn<int>("touche");
        QTest::addColumn<QString>("titre");
        for (int touche : {Qt::Key_PageUp, Qt::Key_Left, Qt::Key_Up})
            QTest::newRow(qPrintable(QKeySequence(touche).toString())) << touche << "octobre 2001";
        for (int touche : {Qt::Key_PageDown, Qt::Key_Right, Qt::Key_Down})
            QTest::newRow(qPrintable(QKeySequence(touche).toString())) << touche << "décembre 2001";
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
        QCOMPARE(jours[17], QStringLiteral("dimanche 18 novembre 2001, aujourd'hui"));
        QAccessibleInterface *i = QAccessible::queryAccessibleInterface(mini.picMonth);
        QCOMPARE(i->role(), QAccessible::Table);
        QCOMPARE(i->child(17)->role(), QAccessible::Cell);
        // The cell a point falls in is the day drawn there.
        QCOMPARE(i->childAt(i->child(4)->rect().center().x(), i->child(4)->rect().center().y()), i->child(4));
        QTest::keyClick(mini.picMonth, Qt::Key_PageDown);
        QCOMPARE(nomsDesCases(mini.picMonth).value(24), QStringLiteral("mardi 25 décembre 2001"));
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
        QAccessible::queryAccessibleInterface(f.picMonth)
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(f.estAuPremierPlan());
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
        FenPaques paques;
        QTest::keyClick(paques.TxtAnnee, Qt::Key_Up);
        QCOMPARE(paques.TxtAnnee->text().trimmed(), QStringLiteral("2002"));
    }

    // Letters typed on a closed month list pick the month they begin, blanks,
    // case and accents aside; one letter again goes on to the next month with it.
    void moisAuClavier_data()
    {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<int>("mois"); // from November
        QTest::newRow("mars") << "mars" << 3;
        QTest::newRow("d") << "d" << 12;
        QTest::newRow("j, en repartant de janvier") << "j" << 1;
        QTest::newRow("jj") << "jj" << 6;
        QTest::newRow("fev sans accent") << "fev" << 2;
        QTest::newRow("AOU en capitales") << "AOU" << 8;
        QTest::newRow("rien") << "x" << 11;
    }
    void moisAuClavier()
    {
        QFETCH(QString, tape);
        QFETCH(int, mois);
        FenPrinChargee p;
        FenCalendrier c;
        FenJourPlus j;
        for (QComboBox *l : {controle<QComboBox>(p.f, "LDMois"), c.AffMois, j.AffMois}) {
            QTest::keyClicks(l, tape);
            QCOMPARE(l->currentIndex() + 1, mois);
        }
        QCOMPARE(p.f.moisChoisi(), mois);
    }
};

QTEST_MAIN(TestFenetres)
#include "tst_fenetrescalendrier.moc"
