#include "aide/fenaide.h"
#include "base/donnees.h"
#include "base/partage.h"
#include "ui/vantelbttn.h"
#include "support/fauxplateforme.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

class TestFenAide : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { delete FenAide::ouverte(); }

    void navigation()
    {
        Banc banc;
        FenAide *f = FenAide::affiche(2);
        QCOMPARE(f->Texte->source().fileName(), QStringLiteral("sujet2.html"));
        QVERIFY(!f->Texte->documentTitle().isEmpty()); // the page itself, not an error text
        QVERIFY(!f->CmdPrecedent->isEnabled());
        QTest::mouseClick(f->CmdSommaire, Qt::LeftButton);
        QCOMPARE(f->Texte->source().fileName(), QStringLiteral("index.html"));
        QTest::mouseClick(f->CmdPrecedent, Qt::LeftButton);
        QCOMPARE(f->Texte->source().fileName(), QStringLiteral("sujet2.html"));
        // One viewer answers every request.
        QCOMPARE(FenAide::affiche(0), f);
        QVERIFY(f->isVisible());
        QCOMPARE(f->Texte->source().fileName(), QStringLiteral("index.html"));
        // Closing frees the viewer; the next request opens a fresh one.
        QTest::mouseClick(f->CmdFermer, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!FenAide::ouverte());
    }

    void liensValides()
    {
        // Every link of every page leads to a page that is installed.
        const QRegularExpression lien(QStringLiteral("href=\"([^\"#]+)"));
        for (int contexte = 0; contexte <= 4; ++contexte) {
            QFile f(Base::cheminAide(contexte));
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
            for (const auto &m : lien.globalMatch(QString::fromUtf8(f.readAll())))
                QVERIFY2(QFileInfo(f).dir().exists(m.captured(1)), qPrintable(f.fileName() + " -> " + m.captured(1)));
        }
    }

    void depuisUnDialogueModal()
    {
        Banc banc;
        FenAide::affiche(1);
        // A modal dialog blocks every window outside it: the viewer its help
        // opens belongs to it, and goes with it.
        auto *dialogue = new QWidget(nullptr, Qt::Window);
        dialogue->setWindowModality(Qt::ApplicationModal);
        dialogue->show();
        FenAide *f = FenAide::affiche(3);
        QCOMPARE(f->parentWidget(), dialogue);
        QVERIFY(f->isWindow());
        QCOMPARE(FenAide::affiche(0), f);
        delete dialogue;
        QVERIFY(!FenAide::ouverte());
    }
};

QTEST_MAIN(TestFenAide)
#include "tst_fenaide.moc"
