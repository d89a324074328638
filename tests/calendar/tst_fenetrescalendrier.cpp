#include "base/parametres.h"
#include "base/twips.h"
#include "calendar/fencalendrier.h"
#include "calendar/fenjourplus.h"
#include "calendar/fenminicalend.h"
#include "calendar/fenpaques.h"
#include "calendar/minicalend.h"
#include "calendar/textespaques.h"
#include "support/controle.h"
#include "support/fauxplateforme.h"
#include "ui/barrereglable.h"
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

QString texte(const QWidget &f, const char *nom)
{
    const auto *l = f.findChild<QLabel *>(nom);
    return l ? l->text() : controle<QLineEdit>(f, nom)->text();
}
void tape(const QWidget &f, const char *nom, const QString &texte)
{
    controle<QLineEdit>(f, nom)->setText(texte);
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
        auto *minuterie = controle<QTimer>(f, "Timer1");
        QVERIFY(!minuterie->isActive());
        banc.plateforme.horloge.setTime(QTime(9, 4, 3));
        f.show();
        QTRY_COMPARE(texte(f, "AffHeure"), QStringLiteral("09:04:03"));
        // Over a day, its date, week and holiday come first: 1 November 2001 is
        // a Thursday, column 4 of the first week row.
        auto *grille = controle(f, "AffCalendrier");
        const QRect c = grille->contentsRect();
        const QPointF centre = Calendrier::caseGrille(4, 1).center();
        QTest::mouseMove(grille, c.topLeft()
                                     + QPoint(int(centre.x() * c.width() / Calendrier::EchelleGrille),
                                              int(centre.y() * c.height() / Calendrier::EchelleGrille)));
        QCOMPARE(grille->toolTip(),
                 QStringLiteral("Jeudi 1 novembre 2001\nSemaine 44, jour 305 de l'année\nJour férié : Toussaint\n"
                                "Double-clic ou Ctrl+E : éphéméride du jour\n"
                                "Cliquer pour conserver le calendrier au premier plan"));
        Parametres::courant().metInfoBulles(false);
        QTest::mouseMove(grille, QPoint(30, 30));
        QCOMPARE(grille->toolTip(), QString());
        QTest::mouseClick(grille, Qt::MiddleButton);
        QVERIFY(f.estAuPremierPlan());
        f.close();
        QVERIFY(!minuterie->isActive());
    }
    // March 2026 on six week rows, cells as (column, row): the first and last
    // days inked, the cells beside them empty, only the 18th in red.
    void calendrierPeint()
    {
        Banc banc;
        FenCalendrier f;
        controle<QComboBox>(f, "AffMois")->setCurrentIndex(2);
        tape(f, "AffAn", QStringLiteral("2026"));
        const QImage image = controle(f, "AffCalendrier")->grab().toImage();
        for (const QPoint &c : {QPoint(7, 1), QPoint(2, 6)})
            QCOMPARE(encreCase(image, c), Encre::Noire);
        for (const QPoint &c : {QPoint(6, 1), QPoint(3, 6)})
            QCOMPARE(encreCase(image, c), Encre::Vide);
        for (int c = 1; c <= 7; ++c)
            for (int r = 1; r <= 6; ++r)
                QCOMPARE(encreCase(image, {c, r}) == Encre::Rouge, QPoint(c, r) == QPoint(3, 4));
    }

    // Orthodox Easter below the five dates, whole, clear of the reminder;
    // the year box's tooltip shown whatever the switch says.
    void paquesOrthodoxe()
    {
        Banc banc;
        Parametres::courant().metInfoBulles(false);
        FenPaques f;
        tape(f, "TxtAnnee", QStringLiteral("1582"));
        const auto *dates = controle<QLabel>(f, "Label1");
        QCOMPARE(dates->text().count(QChar(10)), 4);
        QVERIFY(!controle(f, "TxtAnnee")->toolTip().isEmpty());
        const auto *orthodoxe = controle<QLabel>(f, "LblOrthodoxe");
        QCOMPARE(orthodoxe->text(), Calendrier::texteOrthodoxe(1582));
        QVERIFY(orthodoxe->y() >= dates->y() + 5 * dates->fontMetrics().lineSpacing());
        QVERIFY(orthodoxe->y() + orthodoxe->fontMetrics().height() <= controle(f, "Label3")->y());
        QVERIFY(orthodoxe->fontMetrics().horizontalAdvance(orthodoxe->text()) <= orthodoxe->width());
    }
    // The upper arrow steps the year, up to the last.
    void paquesCompteur()
    {
        Banc banc;
        FenPaques f;
        auto *compteur = controle<QAbstractSlider>(f, "ChangeAn");
        tape(f, "TxtAnnee", QStringLiteral("9999"));
        QTest::mouseClick(compteur, Qt::LeftButton, {}, QPoint(compteur->width() / 2, 2));
        QCOMPARE(compteur->value(), 9999);
        tape(f, "TxtAnnee", QStringLiteral("2025"));
        QTest::mouseClick(compteur, Qt::LeftButton, {}, QPoint(compteur->width() / 2, 2));
        QCOMPARE(texte(f, "TxtAnnee"), QStringLiteral(" 2026"));
    }

    // What is typed in a year or day box is brought within its bounds (a
    // half to the even number) and the spin control and the window follow;
    // what is not a number leaves everything as it was.
    void boites_data()
    {
        QTest::addColumn<int>("fenetre");       // 0 the calendar, 1 Easter, 2 the weekday
        QTest::addColumn<QStringList>("tapes"); // control, text typed (a month list: its index)
        QTest::addColumn<QStringList>("lus");   // control, what it shows first
        const auto ligne = [](const char *nom, int fenetre, const QStringList &tapes, const QStringList &lus) {
            QTest::newRow(nom) << fenetre << tapes << lus;
        };
        ligne("calendrier, au-delà de 9999", 0, {"AffAn", "12000"}, {"AffAn", " 9999", "ChangeAn", "9999"});
        ligne("calendrier, en deçà de -1900", 0, {"AffAn", "-2500"}, {"AffAn", " -1900", "ChangeAn", "-1900"});
        ligne("calendrier, an 0", 0, {"AffAn", "0"}, {"AffAn", " 0", "ChangeAn", "0"});
        ligne("calendrier, lettres", 0, {"AffAn", "abc"}, {"AffAn", "abc", "ChangeAn", "2001"});
        ligne("Pâques, 0 sous le minimum", 1, {"TxtAnnee", "0"},
              {"TxtAnnee", " 1", "Label1", "Pâques : dimanche 1 avril \n"});
        ligne("Pâques, 10000", 1, {"TxtAnnee", "10000"},
              {"TxtAnnee", " 9999", "Label1", "Pâques : dimanche 28 mars \n"});
        ligne("Pâques, demi au pair", 1, {"TxtAnnee", "2038,5"},
              {"TxtAnnee", " 2038", "Label1", "Pâques : dimanche 25 avril \n"});
        ligne("jour 45 ramené à 31", 2, {"AffMois", "11", "AffAn", "9999", "AffJour", "45"},
              {"AffJour", " 31", "AffAn", " 9999", "JourSemaine", " Vendredi "});
        ligne("an -2000 ramené à -1900", 2, {"AffMois", "0", "AffAn", "-2000", "AffJour", "1"},
              {"AffJour", " 1", "AffAn", " -1900", "JourSemaine", " Mardi "});
        // Not a number: the weekday shown stays (18 January 2001 after the month).
        ligne("jour illisible", 2, {"AffMois", "0", "AffAn", "2001", "AffJour", "premier"},
              {"AffJour", "premier", "AffAn", "2001", "JourSemaine", " Jeudi "});
    }
    void boites()
    {
        QFETCH(int, fenetre);
        QFETCH(QStringList, tapes);
        QFETCH(QStringList, lus);
        Banc banc;
        const std::unique_ptr<QWidget> f(fenetre == 0   ? static_cast<QWidget *>(new FenCalendrier)
                                         : fenetre == 1 ? static_cast<QWidget *>(new FenPaques)
                                                        : static_cast<QWidget *>(new FenJourPlus));
        for (int i = 0; i < tapes.size(); i += 2)
            if (auto *liste = f->findChild<QComboBox *>(tapes[i]))
                liste->setCurrentIndex(tapes[i + 1].toInt());
            else
                tape(*f, qPrintable(tapes[i]), tapes[i + 1]);
        for (int i = 0; i < lus.size(); i += 2) {
            const auto *compteur = f->findChild<QAbstractSlider *>(lus[i]);
            const QString lu = compteur ? QString::number(compteur->value()) : texte(*f, qPrintable(lus[i]));
            QVERIFY2(lu.startsWith(lus[i + 1]), qPrintable(lus[i] + QStringLiteral(": ") + lu));
        }
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
        f.changeDate(depart);
        auto *l = controle(f, sens < 0 ? "lblPrev" : "lblNext");
        QTest::mouseClick(l, Qt::RightButton); // only the left button pages
        QCOMPARE(f.dateCourante(), depart);
        QTest::mouseClick(l, Qt::LeftButton);
        QCOMPARE(f.dateCourante(), arrivee);
        QCOMPARE(texte(f, "lblMonth"), Calendrier::titreMiniCalend(arrivee));
        // Today's number is red in November 2001 only.
        const QImage image = controle(f, "picMonth")->grab().toImage();
        QCOMPARE(encre(image, image.rect()) == Encre::Rouge, arrivee.year() == 2001 && arrivee.month() == 11);
    }
    void miniDoubleClic()
    {
        // Each press pages, the second of a double click too.
        Banc banc;
        FenMiniCalend f;
        for (const char *nom : {"lblNext", "lblNext", "lblPrev"}) {
            QTest::mouseClick(controle(f, nom), Qt::LeftButton);
            QTest::mouseDClick(controle(f, nom), Qt::LeftButton);
            QTest::mouseRelease(controle(f, nom), Qt::LeftButton);
        }
        QCOMPARE(f.dateCourante(), QDate(2002, 1, 18));
    }
    // A closed list shows "Visualisation, dossiers, etc." itself, flat; its
    // focus frame stands out of that colour, whatever it is. The spin arrows
    // and the scroll bars show where the keyboard is too.
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
        FenJourPlus j;
        const QImage liste = controle(j, "AffMois")->grab().toImage();
        for (const QPoint &pt : {QPoint(liste.width() / 2, 2), QPoint(liste.width() / 2, liste.height() - 3)})
            QCOMPARE(liste.pixelColor(pt), couleur);
        const QImage image = avecFocus(controle(c, "AffMois"));
        QVERIFY(!image.isNull());
        const int x = image.width() / 2;
        QCOMPARE(image.pixelColor(x, 4), couleur); // inside the frame, above the text
        for (const int y : {1, 2, image.height() - 2, image.height() - 3})
            QVERIFY2(contraste(image.pixelColor(x, y), couleur) >= 3, qPrintable(image.pixelColor(x, y).name()));
        QScrollBar barre(Qt::Horizontal);
        barre.resize(180, 20);
        BarreReglable::installe(&barre);
        for (QWidget *w : {controle(j, "ChangeAn"), static_cast<QWidget *>(&barre)}) {
            const QImage sans = w->grab().toImage();
            QVERIFY(avecFocus(w) != sans);
        }
    }

    void miniInfoBulleJour()
    {
        Banc banc;
        FenMiniCalend f;
        // 11 November 2001, a Sunday: column 0 of the third row.
        const Calendrier::TaillesCase t = f.taillesCase();
        auto *grille = controle<QFrame>(f, "picMonth");
        const QPoint cellule(t.largeur / 2, 2 * t.hauteur + t.hauteur / 2);
        QTest::mouseMove(grille, grille->contentsRect().topLeft() + cellule / Base::TwipsParPixel);
        QCOMPARE(grille->toolTip().section(QLatin1Char('\n'), 0, 2),
                 QStringLiteral("Dimanche 11 novembre 2001\nSemaine 45, jour 315 de l'année\n"
                                "Jour férié : Armistice 1918"));
    }

    // The keys that page the mini-calendar, the grid it reads as a table of
    // named days, and Space and the context-menu key that keep it on top or not.
    void miniAuClavier()
    {
        Banc banc;
        FenMiniCalend f;
        auto *grille = controle(f, "picMonth");
        const QString octobre = QStringLiteral("octobre 2001"), novembre = QStringLiteral("novembre 2001");
        const QList<int> touches{Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Left,
                                 Qt::Key_Right,  Qt::Key_Up,       Qt::Key_Down};
        for (int k = 0; k < touches.size(); ++k) {
            QTest::keyClick(grille, Qt::Key(touches[k]));
            QCOMPARE(texte(f, "lblMonth"), k % 2 ? QStringLiteral("novembre 2001") : QStringLiteral("octobre 2001"));
            QCOMPARE(grille->accessibleName(), texte(f, "lblMonth"));
        }
        QAccessibleInterface *i = QAccessible::queryAccessibleInterface(grille);
        QCOMPARE(i->role(), QAccessible::Table);
        QCOMPARE(i->childCount(), 30);
        QCOMPARE(i->child(17)->text(QAccessible::Name), QStringLiteral("dimanche 18 novembre 2001, aujourd'hui"));
        QCOMPARE(i->child(17)->role(), QAccessible::Cell);
        // The cell a point falls in is the day drawn there.
        QCOMPARE(i->childAt(i->child(4)->rect().center().x(), i->child(4)->rect().center().y()), i->child(4));
        QTest::keyClick(grille, Qt::Key_PageDown);
        QCOMPARE(i->child(24)->text(QAccessible::Name), QStringLiteral("mardi 25 décembre 2001"));
        QTest::keyClick(grille, Qt::Key_Space);
        QVERIFY(f.estAuPremierPlan());
        QCOMPARE(banc.plateforme.sons, QList<int>{19});
        QTest::keyClick(grille, Qt::Key_Menu);
        QVERIFY(!f.estAuPremierPlan());
        i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(f.estAuPremierPlan());
    }

    // The arrows typed in a day or year box step it, as its spin control does.
    void flechesDansLesBoites()
    {
        Banc banc;
        FenJourPlus f;
        QTest::keyClick(controle(f, "AffAn"), Qt::Key_Up);
        QCOMPARE(texte(f, "AffAn").trimmed(), QStringLiteral("2002"));
        QTest::keyClick(controle(f, "AffJour"), Qt::Key_Down);
        QCOMPARE(texte(f, "AffJour").trimmed(), QStringLiteral("17"));
        QCOMPARE(texte(f, "JourSemaine").trimmed(), QStringLiteral("Dimanche"));
        controle<QLineEdit>(f, "AffAn")->clear();
        QTest::keyClicks(controle(f, "AffAn"), QStringLiteral("1582"));
        QVERIFY(!texte(f, "JourSemaine").isEmpty());
        FenCalendrier cal;
        QTest::keyClick(controle(cal, "AffAn"), Qt::Key_Down);
        QCOMPARE(cal.moisAffiche()->jours.front().colonne, 3); // 1 November 2000, a Wednesday
        FenPaques paques;
        QTest::keyClick(controle(paques, "TxtAnnee"), Qt::Key_Up);
        QCOMPARE(texte(paques, "TxtAnnee").trimmed(), QStringLiteral("2002"));
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
        Banc banc;
        FenCalendrier c;
        FenJourPlus j;
        for (auto *l : {controle<QComboBox>(c, "AffMois"), controle<QComboBox>(j, "AffMois")}) {
            QTest::keyClicks(l, tape);
            QCOMPARE(l->currentIndex() + 1, mois);
        }
        QCOMPARE(c.moisAffiche()->jours.size(), std::size_t(QDate(2001, mois, 1).daysInMonth()));
    }
};

QTEST_MAIN(TestFenetres)
#include "tst_fenetrescalendrier.moc"
