#include "app/application.h"
#include "app/demarrage.h"
#include "app/demarre2.h"
#include "dessins/dessindemarrage.h"
#include "support/fauxplateforme.h"

#include <QColorDialog>
#include <QFileInfo>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>
#include <optional>

class TestDemarrage : public QObject
{
    Q_OBJECT
private slots:
    // Arguments, QT_QPA_PLATFORM, DISPLAY, WAYLAND_DISPLAY, and the choice.
    void plateformePreferee_data()
    {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<QByteArrayList>("environnement");
        QTest::addColumn<QByteArray>("attendu");
        const QByteArrayList seul{"zelund"};
        QTest::newRow("X11") << seul << QByteArrayList{{}, ":0", {}} << QByteArray("xcb;wayland");
        QTest::newRow("Wayland et XWayland")
            << seul << QByteArrayList{{}, ":1", "wayland-0"} << QByteArray("xcb;wayland");
        QTest::newRow("Wayland seul") << seul << QByteArrayList{{}, {}, "wayland-0"} << QByteArray("wayland");
        QTest::newRow("rien") << seul << QByteArrayList{{}, {}, {}} << QByteArray();
        QTest::newRow("variable") << seul << QByteArrayList{"wayland", ":0", "wayland-0"} << QByteArray();
        QTest::newRow("-platform") << QByteArrayList{"zelund", "-platform", "wayland"} << QByteArrayList{{}, ":0", {}}
                                   << QByteArray();
        QTest::newRow("--platform") << QByteArrayList{"zelund", "--platform", "offscreen"}
                                    << QByteArrayList{{}, ":0", {}} << QByteArray();
    }
    void plateformePreferee()
    {
        QFETCH(QByteArrayList, arguments);
        QFETCH(QByteArrayList, environnement);
        QFETCH(QByteArray, attendu);
        QCOMPARE(App::plateformePreferee(arguments, environnement[0], environnement[1], environnement[2]), attendu);
    }

    void choixPlateformeEnArgument()
    {
        const QByteArray variable = qgetenv("QT_QPA_PLATFORM");
        const QByteArray display = qgetenv("DISPLAY");
        qunsetenv("QT_QPA_PLATFORM");
        qputenv("DISPLAY", ":5");
        QByteArray nom("zelund"), option("-x");
        char *argv[] = {nom.data(), option.data(), nullptr};
        App::ArgumentsQt a(2, argv);
        QStringList lus;
        for (int i = 0; i <= a.argc; ++i)
            lus << (a.argv()[i] ? QString::fromLocal8Bit(a.argv()[i]) : QStringLiteral("<fin>"));
        // The choice reaches Qt alone: programs started later find the environment as it was.
        const bool variableAjoutee = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
        qputenv("QT_QPA_PLATFORM", variable);
        display.isNull() ? qunsetenv("DISPLAY") : qputenv("DISPLAY", display);
        QCOMPARE(lus, (QStringList{"zelund", "-platform", "xcb;wayland", "-x", "<fin>"}));
        QVERIFY(!variableAjoutee);
    }

    void titresSansNomAjoute()
    {
        const QString nom = QCoreApplication::applicationName();
        const QString organisation = QCoreApplication::organizationName();
        App::nommeApplication();
        // Qt appends a display name of its own to every title, message boxes included.
        const QString affiche = QGuiApplication::applicationDisplayName();
        const QString programme = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName(nom);
        QCoreApplication::setOrganizationName(organisation);
        QCOMPARE(programme, QStringLiteral("Zelund"));
        QCOMPARE(affiche, programme);
    }

    void dialoguesDeQtEnFrancais()
    {
        QTranslator *traducteur = App::installeTraductionsQt();
        QVERIFY2(traducteur, "Qt's French translations (qt6-translations-l10n) are missing");
        // The colour picker's title, the scroll bars' menu.
        const QString titreCouleurs = QColorDialog().windowTitle();
        const QString defilement = QScrollBar::tr("Scroll here");
        QCoreApplication::removeTranslator(traducteur);
        delete traducteur;
        QCOMPARE(titreCouleurs, QStringLiteral("Sélectionner une couleur"));
        QCOMPARE(defilement, QStringLiteral("Défiler jusqu'ici"));
    }

    void degradeDuDemarrage()
    {
        const QImage image = Demarre2().grab().toImage();
        // Away from the frame, the first row is black and the last pure blue.
        QCOMPARE(image.pixelColor(100, 0), QColor(0, 0, 0));
        QCOMPARE(image.pixelColor(5, image.height() - 1), QColor(0, 0, 255));
        // The picture made at build time is the splash as drawn with its fonts, to the pixel.
        QCOMPARE(image.convertToFormat(QImage::Format_RGB32), Dessins::dessineDemarrage(1));
    }

    void chargeUneFoisPeint()
    {
        // The main window loads once the timer has fired and the splash has
        // been painted: a window system slower than the timer never leaves
        // the splash unpainted.
        Demarre2 demarre2;
        QSignalSpy charge(&demarre2, &Demarre2::chargeFenPrin);
        demarre2.lanceMinuterie();
        QTest::qWait(30);
        QCOMPARE(charge.size(), 0);
        demarre2.show();
        QTRY_COMPARE(charge.size(), 1);
        demarre2.update();
        QTest::qWait(30);
        QCOMPARE(charge.size(), 1); // once
    }

    // Another copy running (alone, the whole start's test sees no question).
    void questionInstance_data()
    {
        QTest::addColumn<bool>("continuer"); // answered yes, else Return on the default
        QTest::newRow("Entrée : non par défaut") << false;
        QTest::newRow("oui") << true;
    }

    void questionInstance()
    {
        QFETCH(bool, continuer);
        Banc banc;
        banc.plateforme.autreInstance = true;
        if (continuer)
            banc.plateforme.reponses = {Plateforme::Reponse::Oui};
        Demarrage demarrage;
        std::optional<bool> charge;
        QCOMPARE(demarrage.lance([&charge](bool ok) { charge = ok; }), continuer);
        // Asked once, as a yes/no question whose default is no (the fake answers it when nothing is queued).
        QCOMPARE(banc.plateforme.messages.size(), 1);
        QCOMPARE(banc.plateforme.messages[0].boutons, Plateforme::Boutons::OuiNon);
        if (continuer)
            QTRY_VERIFY(charge == true);
        else
            QTest::qWait(50); // time for the splash's timer, were it running
        // Declined: no window and not one byte written; otherwise the first start's values.
        QCOMPARE(demarrage.fenPrin() != nullptr, continuer);
        QVERIFY(continuer || !demarrage.demarre2()->isVisible());
        QCOMPARE(banc.octets().contains("[Couleur%20du%20ciel]\nCouleur=119 119 119\n"), continuer);
        QCOMPARE(QFileInfo::exists(banc.fichierReglages()), continuer);
    }
};

QTEST_MAIN(TestDemarrage)
#include "tst_demarrage.moc"
