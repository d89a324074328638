#include "aide/conseils.h"
#include "aide/fenaide.h"
#include "aide/listeconseils.h"
#include "base/alea.h"
#include "base/chargement.h"
#include "base/donnees.h"
#include "base/parametres.h"
#include "support/cles.h"
#include "support/controle.h"
#include "support/fauxplateforme.h"
#include "ui/vantelbttn.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <sys/stat.h>

namespace {
// Points the data folder at a new one, holding at most a tips file.
struct DossierDonnees : QTemporaryDir
{
    const QByteArray ancien = qgetenv("ZELUND_DONNEES");
    explicit DossierDonnees(const std::optional<QByteArray> &conseils = std::nullopt)
    {
        qputenv("ZELUND_DONNEES", path().toLocal8Bit());
        QFile f(chemin());
        if (conseils && f.open(QIODevice::WriteOnly))
            f.write(*conseils);
    }
    ~DossierDonnees() { qputenv("ZELUND_DONNEES", ancien); }
    QString chemin() const { return filePath(QStringLiteral("Conseils.txt")); }
};
} // namespace

// The tips, their window, the help viewer and the texts both show.
class TestAide : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { delete FenAide::ouverte(); }

    void lecture_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QStringList>("conseils");
        QTest::newRow("vide") << QByteArray() << QStringList{};
        QTest::newRow("LF") << QByteArray("a\nb\nc\n") << QStringList{"a", "b", "c"};
        QTest::newRow("CRLF, sans fin") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("CR seul") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("lignes vides") << QByteArray("a\r\n\r\nb\n\n") << QStringList{"a", "", "b", ""};
        QTest::newRow("UTF-8 avec BOM") << QByteArray("\xef\xbb\xbf\xc3\xa9t\xc3\xa9 \xe2\x82\xac")
                                        << QStringList{"été €"};
        QTest::newRow("Windows-1252") << QByteArray("\xe9t\xe9 \x80 \x96\x9c\xff\r\n") << QStringList{"été € –œÿ"};
        // One stray byte is enough to read the whole file as Windows-1252.
        QTest::newRow("mélange") << QByteArray("\xc3\xa9 \xe9") << QStringList{"Ã© é"};
    }
    void lecture()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QStringList, conseils);
        DossierDonnees d(octets);
        QCOMPARE(ListeConseils::lis(d.chemin()), conseils);
    }

    void fichiersLivres_data()
    {
        QTest::addColumn<QString>("fichier");
        // The tips installed with the program: real tips, readable, one a line.
        const auto conseils = ListeConseils::lis(Base::cheminDonnees(QStringLiteral("Conseils.txt")));
        QVERIFY(conseils && conseils->size() >= 25);
        for (const QString &c : *conseils)
            QVERIFY2(!c.trimmed().isEmpty() && !c.contains(QChar::ReplacementCharacter), qPrintable(c));
        for (int sujet = 0; sujet <= 4; ++sujet)
            QVERIFY(QFileInfo::exists(Base::cheminAide(SujetAide(sujet))));
        QTest::newRow("Conseils.txt") << QStringLiteral("Conseils.txt");
        // Every page installed, so that a new one is checked too.
        const QStringList pages = QDir(Base::cheminDonnees(QStringLiteral("aide"))).entryList({"*.html"});
        QVERIFY(pages.size() >= 6);
        for (const QString &page : pages)
            QTest::newRow(qPrintable(page)) << QStringLiteral("aide/") + page;
    }
    // Every link leads to a page that is installed. A no-break space inside « »
    // and before : ; ! ?, so that none of them starts a line, and « never ends one.
    void fichiersLivres()
    {
        QFETCH(QString, fichier);
        QFile f(Base::cheminDonnees(fichier));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QString texte = QString::fromUtf8(f.readAll());
        for (const auto &m : QRegularExpression(QStringLiteral("href=\"([^\"#]+)")).globalMatch(texte))
            QVERIFY2(QFileInfo(f).dir().exists(m.captured(1)), qPrintable(m.captured(1)));
        texte.remove(
            QRegularExpression(QStringLiteral("<style>.*</style>"), QRegularExpression::DotMatchesEverythingOption));
        texte.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
        texte.replace(QStringLiteral("&nbsp;"), QChar(0xA0));
        const QRegularExpression espace(QStringLiteral("[ \\t\\r\\n][:;!?»]|«[ \\t\\r\\n]"));
        const auto faute = espace.match(texte);
        QVERIFY2(!faute.hasMatch(), qPrintable(texte.mid(qMax(0, int(faute.capturedStart()) - 30), 40)));
    }

    void fenetre_data()
    {
        QTest::addColumn<std::optional<QByteArray>>("contenu");
        QTest::addColumn<QStringList>("vus"); // at opening, then after each "next"
        const QString absent = QStringLiteral("Le fichier Conseils.txt n'a pas été trouvé.\n\n"
                                              "Vous n'auriez pas dû le supprimer du dossier de Zelund +");
        QTest::newRow("trois lignes") << std::optional(QByteArray("un\r\ndeux\r\ntrois\r\n"))
                                      << QStringList{"trois", "un", "deux", "trois", "un"};
        QTest::newRow("une ligne") << std::optional(QByteArray("Seul conseil\r\n")) << QStringList(2, "Seul conseil");
        QTest::newRow("vide") << std::optional(QByteArray()) << QStringList(2, "");
        QTest::newRow("absent") << std::optional<QByteArray>() << QStringList(2, absent);
    }
    void fenetre()
    {
        QFETCH(std::optional<QByteArray>, contenu);
        QFETCH(QStringList, vus);
        Banc banc;
        DossierDonnees d(contenu);
        // Seed 1's first draw opens a list of three on its last tip.
        Alea::initialise(1);
        QCOMPARE(ListeConseils::premier(Alea::suivant(), 3), 3);
        Alea::initialise(1);
        Conseils c;
        auto *texte = controle<QLabel>(c, "lblTipText");
        QStringList affiches{texte->text()};
        while (affiches.size() < vus.size()) {
            QTest::mouseClick(bouton(c, "CmdNextTip"), Qt::LeftButton);
            affiches << texte->text();
        }
        QCOMPARE(affiches, vus);
        QCOMPARE(texte->textFormat(), Qt::PlainText); // a tip shows its markup as typed
    }

    void caseACocher_data()
    {
        QTest::addColumn<QString>("stocke"); // empty: nothing in the store
        QTest::addColumn<bool>("coche");
        QTest::newRow("premier démarrage") << "" << true;
        QTest::newRow("oui") << "Oui" << true;
        QTest::newRow("non") << "Non" << false;
        QTest::newRow("autre texte, laissé") << "non" << false;
    }
    void caseACocher()
    {
        QFETCH(QString, stocke);
        QFETCH(bool, coche);
        Banc banc;
        if (!stocke.isEmpty())
            banc.reglages().ecrit(Cles::Conseils, Cles::ConseilDemarrage, stocke);
        const auto fichier = [&] {
            struct stat s = {};
            stat(QFile::encodeName(banc.fichierReglages()).constData(), &s);
            return std::pair(s.st_ino, s.st_mtim.tv_nsec);
        };
        const auto avant = fichier();
        Conseils c;
        auto *caseDemarrage = controle<QCheckBox>(c, "chkLoadTipsAtStartup");
        QCOMPARE(caseDemarrage->isChecked(), coche);
        // A first start stores the checked box; a stored choice is not written again.
        QCOMPARE(banc.relu(Cles::Conseils, Cles::ConseilDemarrage), coche ? Cles::Oui : stocke);
        QCOMPARE(fichier() == avant, !stocke.isEmpty());
        QCOMPARE(Parametres::courant().conseilDemarrage(), coche);
        c.show();
        QTest::mouseClick(caseDemarrage, Qt::LeftButton);
        const QString inverse = coche ? Cles::Non : Cles::Oui;
        QCOMPARE(banc.relu(Cles::Conseils, Cles::ConseilDemarrage), inverse);
        QCOMPARE(Parametres::courant().conseilDemarrage(), !coche);
        QTest::mouseClick(bouton(c, "CmdOK"), Qt::LeftButton);
        QVERIFY(!c.isVisible());
    }

    void navigation()
    {
        Banc banc;
        FenAide *f = FenAide::affiche(SujetAide::Compteur);
        auto *page = controle<QTextBrowser>(f, "Texte");
        QCOMPARE(page->source().fileName(), QStringLiteral("sujet2.html"));
        QVERIFY(!page->documentTitle().isEmpty()); // the page itself, not an error text
        QVERIFY(!bouton(f, "CmdPrecedent")->isEnabled());
        QTest::mouseClick(bouton(f, "CmdSommaire"), Qt::LeftButton);
        QCOMPARE(page->source().fileName(), QStringLiteral("index.html"));
        QTest::mouseClick(bouton(f, "CmdPrecedent"), Qt::LeftButton);
        QCOMPARE(page->source().fileName(), QStringLiteral("sujet2.html"));
        // One viewer answers every request.
        QCOMPARE(FenAide::affiche(SujetAide::Sommaire), f);
        QVERIFY(f->isVisible());
        QCOMPARE(page->source().fileName(), QStringLiteral("index.html"));
        // Closing frees the viewer; the next request opens a fresh one.
        QTest::mouseClick(bouton(f, "CmdFermer"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!FenAide::ouverte());
    }

    void depuisUnDialogueModal()
    {
        Banc banc;
        FenAide::affiche(SujetAide::FenetrePrincipale);
        // A modal dialog blocks every window outside it: the viewer its help
        // opens belongs to it, and goes with it.
        auto *dialogue = new QWidget(nullptr, Qt::Window);
        dialogue->setWindowModality(Qt::ApplicationModal);
        dialogue->show();
        FenAide *f = FenAide::affiche(SujetAide::Configuration);
        QCOMPARE(f->parentWidget(), dialogue);
        QVERIFY(f->isWindow());
        QCOMPARE(FenAide::affiche(SujetAide::Sommaire), f);
        delete dialogue;
        QVERIFY(!FenAide::ouverte());
    }
};

QTEST_MAIN(TestAide)
#include "tst_aide.moc"
