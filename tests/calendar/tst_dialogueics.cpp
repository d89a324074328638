#include "calendar/dialogueics.h"
#include "calendar/fencalendrier.h"
#include "dates/exportics.h"
#include "moon/phasesics.h"
#include "support/fauxplateforme.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

// The export dialog: what it writes, what it refuses with a message and
// leaves untouched, and Ctrl+I from the perpetual calendar, even in its year box.
class TestDialogueIcs : public QObject
{
    Q_OBJECT
private slots:
    void exporte_data()
    {
        QTest::addColumn<QString>("fichier"); // in a temporary folder holding "ancien.ics" and "dossier"
        QTest::addColumn<int>("debut");
        QTest::addColumn<int>("fin");
        QTest::addColumn<int>("touche");
        QTest::addColumn<QString>("message"); // empty: none
        QTest::newRow("écrit") << "nouveau.ics" << 2002 << 2003 << int(Qt::Key_Return) << "";
        QTest::newRow("remplace un fichier") << "ancien.ics" << 2002 << 2002 << int(Qt::Key_Return) << "";
        QTest::newRow("dossier introuvable")
            << "dossier/x.ics" << 2002 << 2002 << int(Qt::Key_Return) << "n'a pas pu être écrit";
        QTest::newRow("au-delà des années offertes")
            << "ancien.ics" << 2999 << 3001 << int(Qt::Key_Return) << "l'export va de 1000 à 3000";
        QTest::newRow("à l'envers") << "ancien.ics" << 2003 << 2002 << int(Qt::Key_Return) << "vient après";
        QTest::newRow("sans fichier") << "" << 2002 << 2002 << int(Qt::Key_Return) << "Choisissez le fichier";
        QTest::newRow("annulé") << "ancien.ics" << 2002 << 2002 << int(Qt::Key_Escape) << "";
    }
    void exporte()
    {
        QFETCH(QString, fichier);
        QFETCH(int, debut);
        QFETCH(int, fin);
        QFETCH(int, touche);
        QFETCH(QString, message);
        Banc banc;
        QTemporaryDir dossier;
        QFile ancien(dossier.filePath("ancien.ics"));
        QVERIFY(ancien.open(QIODevice::WriteOnly) && ancien.write("ancien") == 6);
        ancien.close();
        QFile occupe(dossier.filePath("dossier")); // a file where a folder is expected
        QVERIFY(occupe.open(QIODevice::WriteOnly));
        occupe.close();

        DialogueIcs d(2001, Lune::phasesIcs());
        d.findChild<QSpinBox *>("AnneeDebutIcs")->setValue(debut);
        d.findChild<QSpinBox *>("AnneeFinIcs")->setValue(fin);
        const QString chemin = fichier.isEmpty() ? QString() : dossier.filePath(fichier);
        d.findChild<QLineEdit *>("FichierIcs")->setText(chemin);
        d.show();
        QTest::keyClick(d.findChild<QSpinBox *>("AnneeDebutIcs"), Qt::Key(touche));

        const bool ecrit = message.isEmpty() && touche == Qt::Key_Return;
        QCOMPARE(banc.plateforme.messages.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY2(banc.plateforme.messages[0].texte.contains(message),
                     qPrintable(banc.plateforme.messages[0].texte));
        QCOMPARE(d.isVisible(), !message.isEmpty());
        QFile f(chemin);
        const QByteArray attendu = ecrit                     ? Dates::calendrierIcs(debut, fin, Dates::Region::France,
                                                                                    banc.plateforme.horloge.toUTC(), Lune::phasesIcs())
                                   : fichier == "ancien.ics" ? QByteArray("ancien")
                                                             : QByteArray();
        QCOMPARE(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(), attendu);
        // Nothing but the file asked for: no temporary file left behind.
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files).size(), 2 + (ecrit && fichier == "nouveau.ics"));
    }

    void raccourci()
    {
        Banc banc;
        FenCalendrier f;
        f.setPhasesIcs(Lune::phasesIcs());
        f.show();
        QApplication::setActiveWindow(&f);
        QVERIFY(QTest::qWaitForWindowActive(&f));
        auto *annee = f.findChild<QLineEdit *>();
        annee->setFocus();
        QTest::keyClick(annee, Qt::Key_I, Qt::ControlModifier);
        auto *d = f.findChild<DialogueIcs *>("DialogueIcs");
        QVERIFY(d && d->isVisible());
        QCOMPARE(d->findChild<QSpinBox *>("AnneeDebutIcs")->value(), banc.plateforme.horloge.date().year());
        QVERIFY(d->findChild<QLineEdit *>("FichierIcs")->text().endsWith("zelund-2001.ics"));
    }
};

QTEST_MAIN(TestDialogueIcs)
#include "tst_dialogueics.moc"
