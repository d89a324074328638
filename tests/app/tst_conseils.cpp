#include "app/alea.h"
#include "app/chargement.h"
#include "app/conseils.h"
#include "app/conseilscalc.h"
#include "app/donnees.h"
#include "app/fenaide.h"
#include "app/partage.h"
#include "app/vantelbttn.h"
#include "support/fauxplateforme.h"
#include "support/principal.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

namespace {
// Points the data folder elsewhere for the life of the object.
class DossierDonnees
{
public:
    DossierDonnees()
        : m_ancien(qgetenv("ZELUND_DONNEES"))
    {
        qputenv("ZELUND_DONNEES", m_dossier.path().toLocal8Bit());
    }
    ~DossierDonnees() { qputenv("ZELUND_DONNEES", m_ancien); }
    void ecrit(const QString &nom, const QByteArray &octets)
    {
        QFile f(m_dossier.filePath(nom));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(octets);
    }

private:
    QByteArray m_ancien;
    QTemporaryDir m_dossier;
};

// Run outside ctest, the tests find the build tree's data beside themselves.
void trouveDonneesDuBuild()
{
    if (!qEnvironmentVariableIsEmpty("ZELUND_DONNEES"))
        return;
    const QDir build(QCoreApplication::applicationDirPath() + QStringLiteral("/../../share/zelund"));
    if (build.exists())
        qputenv("ZELUND_DONNEES", build.absolutePath().toLocal8Bit());
}

// A seed whose first draw opens the tips on tip number voulu of nombre.
quint32 graineOuvrantSur(int voulu, int nombre)
{
    for (quint32 graine = 0;; ++graine) {
        Alea::initialise(graine);
        if (CalculConseils::premier(Alea::suivant(), nombre) == voulu) {
            Alea::initialise(graine);
            return graine;
        }
    }
}
} // namespace

class TestConseils : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { trouveDonneesDuBuild(); }
    void decoupe_data();
    void decoupe();
    void decode_data();
    void decode();
    void premier_data();
    void premier();
    void lectureImpossible();
    void fichierLivre();
    void fichier_data();
    void fichier();
    void pagination();
    void caseACocher_data();
    void caseACocher();
};

void TestConseils::decoupe_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QStringList>("conseils");
    QTest::newRow("vide") << "" << QStringList{};
    QTest::newRow("une ligne sans fin") << "a" << QStringList{"a"};
    QTest::newRow("LF") << "a\nb\nc\n" << QStringList{"a", "b", "c"};
    QTest::newRow("CRLF") << "a\r\nb\r\n" << QStringList{"a", "b"};
    QTest::newRow("CR seul") << "a\rb" << QStringList{"a", "b"};
    QTest::newRow("lignes vides") << "a\r\n\r\nb\n\n" << QStringList{"a", "", "b", ""};
    QTest::newRow("une fin de ligne") << "\r\n" << QStringList{""};
}

void TestConseils::decoupe()
{
    QFETCH(QString, texte);
    QFETCH(QStringList, conseils);
    QCOMPARE(CalculConseils::decoupe(texte), conseils);
}

void TestConseils::decode_data()
{
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QString>("texte");
    QTest::newRow("UTF-8") << QByteArray("\xc3\xa9t\xc3\xa9 \xe2\x82\xac") << QStringLiteral("été €");
    QTest::newRow("UTF-8 avec BOM") << QByteArray("\xef\xbb\xbf\xc3\xa0") << QStringLiteral("à");
    QTest::newRow("Windows-1252") << QByteArray("\xe9t\xe9 \x80 \x96\x9c\xff") << QStringLiteral("été € –œÿ");
    // One stray byte is enough to read the whole file as Windows-1252.
    QTest::newRow("mélange") << QByteArray("\xc3\xa9 \xe9") << QStringLiteral("Ã© é");
    QTest::newRow("ASCII") << QByteArray("OK") << QStringLiteral("OK");
}

void TestConseils::decode()
{
    QFETCH(QByteArray, octets);
    QFETCH(QString, texte);
    QCOMPARE(CalculConseils::decode(octets), texte);
}

void TestConseils::premier_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("nombre");
    QTest::addColumn<int>("attendu");
    QTest::newRow("r = 0") << 0.0 << 3 << 1;
    QTest::newRow("deuxième tiers") << 0.34 << 3 << 2;
    QTest::newRow("juste sous 1") << std::nextafter(1.0, 0.0) << 3 << 3;
    QTest::newRow("juste sous 1, grande liste") << std::nextafter(1.0, 0.0) << 1000000 << 1000000;
    QTest::newRow("un seul") << 0.9 << 1 << 1;
    QTest::newRow("aucun") << 0.5 << 0 << 0;
}

void TestConseils::premier()
{
    QFETCH(double, r);
    QFETCH(int, nombre);
    QFETCH(int, attendu);
    QCOMPARE(CalculConseils::premier(r, nombre), attendu);
}

void TestConseils::lectureImpossible()
{
    QTemporaryDir dossier;
    QVERIFY(!CalculConseils::lis(QString()));
    QVERIFY(!CalculConseils::lis(dossier.filePath(QStringLiteral("absent.txt"))));
    QVERIFY(!CalculConseils::lis(dossier.path())); // a folder is no tips file
}

void TestConseils::fichierLivre()
{
    // The file installed with the program: real tips, readable, one a line.
    const auto conseils = CalculConseils::lis(cheminDonnees(QStringLiteral("Conseils.txt")));
    QVERIFY(conseils);
    QVERIFY(conseils->size() >= 25);
    for (const QString &c : *conseils) {
        QVERIFY(!c.trimmed().isEmpty());
        QVERIFY2(!c.contains(QChar::ReplacementCharacter), qPrintable(c));
    }
}

void TestConseils::fichier_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<int>("nombre");
    QTest::addColumn<QString>("affiche");
    QTest::newRow("une ligne") << QByteArray("Seul conseil\r\n") << 1 << "Seul conseil";
    QTest::newRow("vide") << QByteArray() << 0 << "";
    QTest::newRow("Windows-1252, CRLF") << QByteArray("Cliquez sur l'ann\xe9\x65\r\n") << 1 << "Cliquez sur l'année";
    QTest::newRow("balises en clair") << QByteArray("<b>gras</b>\n") << 1 << "<b>gras</b>";
}

void TestConseils::fichier()
{
    QFETCH(QByteArray, contenu);
    QFETCH(int, nombre);
    QFETCH(QString, affiche);
    Banc banc;
    DossierDonnees donnees;
    donnees.ecrit(QStringLiteral("Conseils.txt"), contenu);
    Conseils c;
    QCOMPARE(c.Tips().size(), nombre);
    QCOMPARE(c.lblTipText->text(), affiche);
    QCOMPARE(c.lblTipText->textFormat(), Qt::PlainText);
    // Paging a list of one or none changes nothing visible.
    QTest::mouseClick(c.CmdNextTip, Qt::LeftButton);
    QTest::mouseClick(c.CmdNextTip, Qt::LeftButton);
    QCOMPARE(c.lblTipText->text(), affiche);

    // No file at all: the message, and nothing to page.
    DossierDonnees sansFichier;
    Conseils absent;
    QCOMPARE(absent.lblTipText->text(),
             QStringLiteral("Le fichier Conseils.txt n'a pas été trouvé.\n\n"
                            "Vous n'auriez pas dû le supprimer du dossier de Zelund +"));
    QVERIFY(absent.Tips().isEmpty());
}

void TestConseils::pagination()
{
    Banc banc;
    DossierDonnees donnees;
    donnees.ecrit(QStringLiteral("Conseils.txt"), "un\r\ndeux\r\ntrois\r\n");
    graineOuvrantSur(3, 3);
    Conseils c;
    QCOMPARE(c.lblTipText->text(), QStringLiteral("trois"));
    QStringList vus;
    for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(c.CmdNextTip, Qt::LeftButton);
        vus << c.lblTipText->text();
    }
    QCOMPARE(vus, (QStringList{"un", "deux", "trois", "un"}));
    c.show();
    QTest::mouseClick(c.CmdOK, Qt::LeftButton);
    QVERIFY(!c.isVisible());
}

void TestConseils::caseACocher_data()
{
    QTest::addColumn<QString>("stocke"); // empty: nothing in the store
    QTest::addColumn<bool>("coche");
    QTest::newRow("premier démarrage") << "" << true;
    QTest::newRow("oui") << "Oui" << true;
    QTest::newRow("non") << "Non" << false;
}

void TestConseils::caseACocher()
{
    QFETCH(QString, stocke);
    QFETCH(bool, coche);
    Banc banc;
    if (!stocke.isEmpty())
        banc.reglages().ecrit(Cles::Conseils, Cles::ConseilDemarrage, stocke);
    Conseils c;
    QCOMPARE(c.chkLoadTipsAtStartup->isChecked(), coche);
    // A checked box is written back at load; an unchecked one leaves the store alone.
    QCOMPARE(banc.reglages().contient(Cles::Conseils, Cles::ConseilDemarrage), coche || !stocke.isEmpty());
    const QString attendu = coche ? Cles::Oui : Cles::Non;
    QCOMPARE(partage().conseilDemarrage, attendu);

    c.show();
    QTest::mouseClick(c.chkLoadTipsAtStartup, Qt::LeftButton);
    const QString inverse = coche ? Cles::Non : Cles::Oui;
    QCOMPARE(banc.reglages().lit(Cles::Conseils, Cles::ConseilDemarrage), inverse);
    QCOMPARE(partage().conseilDemarrage, inverse);
}

class TestFenAide : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { trouveDonneesDuBuild(); }
    void cleanup();
    void sujets_data();
    void sujets();
    void navigation();
    void liensValides();
    void aideAbsente();
    void depuisUnDialogueModal();
};

void TestFenAide::cleanup()
{
    delete FenAide::ouverte();
}

void TestFenAide::sujets_data()
{
    QTest::addColumn<int>("contexte");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("titre");
    QTest::newRow("sommaire") << 0 << "index.html" << "Aide de Zelund +";
    QTest::newRow("fenêtre principale") << 1 << "sujet1.html" << "La fenêtre principale";
    QTest::newRow("compteur") << 2 << "sujet2.html" << "Le compteur de jours";
    QTest::newRow("configuration") << 3 << "sujet3.html" << "La configuration";
    QTest::newRow("boîte à outils") << 4 << "sujet4.html" << "La boîte à outils";
}

void TestFenAide::sujets()
{
    QFETCH(int, contexte);
    QFETCH(QString, page);
    QFETCH(QString, titre);
    Banc banc;
    // One viewer answers every request.
    FenAide *premiere = FenAide::affiche(contexte == 0 ? 1 : 0);
    FenAide *f = FenAide::affiche(contexte);
    QCOMPARE(f, premiere);
    QVERIFY(f->isVisible());
    QCOMPARE(f->Texte->source(), QUrl::fromLocalFile(cheminAide(contexte)));
    QCOMPARE(f->Texte->source().fileName(), page);
    QCOMPARE(f->Texte->documentTitle(), titre);
}

void TestFenAide::navigation()
{
    Banc banc;
    FenAide *f = FenAide::affiche(2);
    QVERIFY(!f->CmdPrecedent->isEnabled());
    QTest::mouseClick(f->CmdSommaire, Qt::LeftButton);
    QCOMPARE(f->Texte->source().fileName(), QStringLiteral("index.html"));
    QVERIFY(f->CmdPrecedent->isEnabled());
    QTest::mouseClick(f->CmdPrecedent, Qt::LeftButton);
    QCOMPARE(f->Texte->source().fileName(), QStringLiteral("sujet2.html"));
    QTest::mouseClick(f->CmdSuivant, Qt::LeftButton);
    QCOMPARE(f->Texte->source().fileName(), QStringLiteral("index.html"));
    // Closing frees the viewer; the next request opens a fresh one.
    QTest::mouseClick(f->CmdFermer, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!FenAide::ouverte());
}

void TestFenAide::liensValides()
{
    // Every link of every page leads to a page that is installed.
    const QRegularExpression lien(QStringLiteral("href=\"([^\"#]+)"));
    for (int contexte = 0; contexte <= 4; ++contexte) {
        QFile f(cheminAide(contexte));
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
        const QString html = QString::fromUtf8(f.readAll());
        const QDir dossier = QFileInfo(f).dir();
        for (const auto &m : lien.globalMatch(html))
            QVERIFY2(dossier.exists(m.captured(1)), qPrintable(f.fileName() + " -> " + m.captured(1)));
    }
}

void TestFenAide::aideAbsente()
{
    Banc banc;
    DossierDonnees vide;
    FenAide *f = FenAide::affiche(1);
    QVERIFY(f->Texte->source().isEmpty());
    QVERIFY(f->Texte->toPlainText().startsWith(QStringLiteral("Aide introuvable")));
}

void TestFenAide::depuisUnDialogueModal()
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
    QCOMPARE(f->Texte->source().fileName(), QStringLiteral("sujet3.html"));
    QCOMPARE(FenAide::affiche(0), f);
    delete dialogue;
    QVERIFY(!FenAide::ouverte());
}

ZELUND_TEST(TestConseils)
ZELUND_TEST(TestFenAide)
#include "tst_conseils.moc"
