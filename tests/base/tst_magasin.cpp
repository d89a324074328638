#include "base/chargement.h"
#include "base/fichierreglages.h"
#include "base/reglages.h"
#include "support/cles.h"
#include "support/fauxplateforme.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace {

constexpr uid_t Personne = 65534;
const QByteArray Bulles = "[Affichage%20des%20info-bulles]\nValeur=";

// What stands at a path, the path itself, never followed, and the bytes of a file.
struct Etat
{
    struct stat s = {};
    QByteArray octets;
};

Etat etat(const QString &chemin)
{
    Etat e;
    QFile f(chemin);
    if (::lstat(QFile::encodeName(chemin).constData(), &e.s) == 0 && S_ISREG(e.s.st_mode)
        && f.open(QIODevice::ReadOnly))
        e.octets = f.readAll();
    return e;
}

void ecritOctets(const QString &chemin, const QByteArray &octets)
{
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(octets), octets.size());
}

void metTube(const QString &chemin)
{
    QVERIFY(QFile::remove(chemin));
    QCOMPARE(::mkfifo(QFile::encodeName(chemin).constData(), 0600), 0);
}

// Runs f as the ordinary user 65534 when the tests run as root, and returns
// its result (0 to 255).
int commeUtilisateur(const std::function<int()> &f)
{
    if (::geteuid() != 0)
        return f();
    const pid_t enfant = ::fork();
    if (enfant == 0) {
        const bool ok = ::setgroups(0, nullptr) == 0 && ::setgid(Personne) == 0 && ::setuid(Personne) == 0;
        ::_exit(ok ? f() : 255);
    }
    int statut = 0;
    ::waitpid(enfant, &statut, 0);
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : 255;
}

} // namespace

// The store on a real disk, as other programs, links, pipes, owners and sizes
// make it: nothing written over what another program wrote, nothing opened
// that could block, nothing taken from its owner.
class TestMagasin : public QObject
{
    Q_OBJECT

    FauxPlateforme m_plateforme;
    std::unique_ptr<QTemporaryDir> m_dossier;
    QString m_chemin;

private slots:
    void init()
    {
        m_plateforme.messages.clear();
        Plateforme::installe(&m_plateforme);
        m_dossier = std::make_unique<QTemporaryDir>();
        m_chemin = m_dossier->filePath(QStringLiteral("Zelund.conf"));
    }
    void cleanup()
    {
        FichierReglages::pointDeTest = nullptr;
        Plateforme::installe(nullptr);
    }

    // Each value is put in the file where Qt's ini writer puts it, the file
    // kept byte for byte what Qt writes after each change.
    void placeCommeQt()
    {
        const QString qt = m_dossier->filePath(QStringLiteral("qt.conf"));
        Reglages reglages(m_chemin);
        const QStringList suite = {"M/k", "M/a",       "M/z",   "M/m", "A b/x",         "A/y",   "Z/1",
                                   "M/k", "General/g", "Été/é", "M/a", "/sans section", "a/b/c", "M/a b"};
        for (int i = 0; i < suite.size(); ++i) {
            const qsizetype barre = suite[i].indexOf(u'/');
            const QString valeur = QString::number(i) + (i % 2 ? " , x" : "");
            QSettings(qt, QSettings::IniFormat).setValue(suite[i], valeur);
            reglages.ecrit(suite[i].left(barre), suite[i].mid(barre + 1), valeur);
            QCOMPARE(etat(m_chemin).octets, etat(qt).octets);
        }
    }

    void deuxiemeEcrivain_data()
    {
        QTest::addColumn<bool>("absent");      // no store at start
        QTest::addColumn<bool>("auRenommage"); // the other program writes just before the rename, else before the write
        QTest::newRow("même taille, même date (cp -p)") << false << false;
        QTest::newRow("réécrit juste avant le renommage") << false << true;
        QTest::newRow("créé juste avant le renommage") << true << true;
    }
    // Another program's value stays beside this run's change.
    void deuxiemeEcrivain()
    {
        QFETCH(bool, absent);
        QFETCH(bool, auRenommage);
        if (!absent)
            ecritOctets(m_chemin, Bulles + "Oui\n");
        Reglages reglages(m_chemin);
        const auto ecritAutre = [&] {
            if (absent) {
                ecritOctets(m_chemin, Bulles + "Non\n");
                return;
            }
            struct stat avant;
            QCOMPARE(::stat(QFile::encodeName(m_chemin).constData(), &avant), 0);
            ecritOctets(m_chemin, Bulles + "Non\n"); // in place, same size
            const struct timespec dates[2] = {avant.st_atim, avant.st_mtim};
            QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(m_chemin).constData(), dates, 0), 0);
        };
        if (auRenommage)
            FichierReglages::pointDeTest = [&](FichierReglages::Etape e) {
                if (e == FichierReglages::Etape::Renommage && std::exchange(auRenommage, false))
                    ecritAutre();
            };
        else
            ecritAutre();
        reglages.ecrit(Cles::AnneeFin, Cles::Valeur, QStringLiteral("3000"));
        QCOMPARE(etat(m_chemin).octets, QByteArray("[Affichage%20des%20info-bulles]\nValeur=Non\n\n"
                                                   "[Ann%E9e%20de%20fin]\nValeur=3000\n"));
        QVERIFY(m_plateforme.messages.isEmpty());
    }

    void tube_data()
    {
        QTest::addColumn<bool>("auDepart"); // else at a write
        QTest::addColumn<bool>("lien");     // the store is a link to the file the pipe replaces
        QTest::newRow("au départ") << true << false;
        QTest::newRow("à une écriture") << false << false;
        QTest::newRow("derrière un lien, à une écriture") << false << true;
    }
    // A pipe put in the file's place between the checks and the opening.
    void tube()
    {
        QFETCH(bool, auDepart);
        QFETCH(bool, lien);
        const QString fichier = lien ? m_dossier->filePath(QStringLiteral("cible")) : m_chemin;
        ecritOctets(fichier, Bulles + "Oui\n");
        QVERIFY(!lien || QFile::link(fichier, m_chemin));
        bool fait = false;
        const auto pose = [&] {
            FichierReglages::pointDeTest = [&](FichierReglages::Etape e) {
                if (e == FichierReglages::Etape::Ouverture && !std::exchange(fait, true))
                    metTube(fichier);
            };
        };
        // Were the pipe opened blocking, this frees it after a while.
        std::atomic<bool> fini = false;
        std::thread secours([&] {
            for (int i = 0; i < 200 && !fini; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            if (!fini)
                ::close(::open(QFile::encodeName(fichier).constData(), O_WRONLY | O_NONBLOCK));
        });
        QElapsedTimer chrono;
        chrono.start();
        if (auDepart)
            pose();
        Reglages reglages(m_chemin);
        QCOMPARE(reglages.illisible(), auDepart);
        pose();
        reglages.ecrit(Cles::InfoBulles, Cles::Valeur, Cles::Non);
        reglages.ecrit(Cles::AnneeFin, Cles::Valeur, QStringLiteral("3000"));
        const qint64 duree = chrono.elapsed();
        fini = true;
        secours.join();
        QVERIFY2(duree < 1000, qPrintable(QString::number(duree)));
        QVERIFY(S_ISFIFO(etat(fichier).s.st_mode));
        QVERIFY(!lien || QFile::symLinkTarget(m_chemin) == fichier);
        QCOMPARE(reglages.lit(Cles::InfoBulles, Cles::Valeur), Cles::Non); // kept for the run
        // Told at start by the main window; a write that fails later is said once.
        QCOMPARE(m_plateforme.messages.size(), auDepart ? 0 : 1);
    }

    void proprietaire_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("aUnAutre");      // the store belongs to user 65534 and root writes it
        QTest::addColumn<bool>("parSonProprio"); // then, or else, its owner writes it
        QTest::addColumn<bool>("ecrit");
        QTest::newRow("0640 à soi") << 0640 << false << false << true;
        QTest::newRow("0644 d'un autre, root puis lui") << 0644 << true << true << true;
        QTest::newRow("0444 d'un autre, par root") << 0444 << true << false << true;
        QTest::newRow("0000 d'un autre, par root") << 0000 << true << false << true;
        QTest::newRow("0444 à son propriétaire") << 0444 << false << true << false;
    }
    // A replaced store keeps its owner, group and mode; one its owner cannot
    // write is left as it is, and said once.
    void proprietaire()
    {
        QFETCH(int, mode);
        QFETCH(bool, aUnAutre);
        QFETCH(bool, parSonProprio);
        QFETCH(bool, ecrit);
        const bool root = ::geteuid() == 0;
        if (aUnAutre && !root)
            QSKIP("only root can give the store to another user");
        ecritOctets(m_chemin, Bulles + "Oui\n");
        const QByteArray nom = QFile::encodeName(m_chemin);
        if (root && (aUnAutre || parSonProprio)) {
            const QByteArray dossier = QFile::encodeName(m_dossier->path());
            QVERIFY(::chown(nom.constData(), Personne, Personne) == 0
                    && ::chown(dossier.constData(), Personne, Personne) == 0);
        }
        QCOMPARE(::chmod(nom.constData(), mode_t(mode)), 0);
        const Etat avant = etat(m_chemin);
        const bool premier = aUnAutre || !parSonProprio; // written first by this process
        if (premier)
            Reglages(m_chemin).ecrit(Cles::AnneeFin, Cles::Valeur, QStringLiteral("3000"));
        if (parSonProprio) {
            const int r = commeUtilisateur([&] {
                Reglages reglages(m_chemin);
                reglages.ecrit(Cles::InfoBulles, Cles::Valeur, Cles::Non);
                reglages.ecrit(Cles::InfoBulles, Cles::Valeur, QStringLiteral("non"));
                return int(m_plateforme.messages.size());
            });
            QCOMPARE(r, ecrit ? 0 : 1);
        }
        const Etat apres = etat(m_chemin);
        QCOMPARE(apres.s.st_uid, avant.s.st_uid);
        QCOMPARE(apres.s.st_gid, avant.s.st_gid);
        QCOMPARE(apres.s.st_mode, avant.s.st_mode);
        if (!ecrit)
            QCOMPARE(apres.s.st_ino, avant.s.st_ino);
        const QByteArray bulles = parSonProprio ? "non" : "Oui";
        const QByteArray attendu =
            QByteArray(Bulles + bulles) + (premier ? "\n\n[Ann%E9e%20de%20fin]\nValeur=3000\n" : "\n");
        QCOMPARE(apres.octets, ecrit ? attendu : avant.octets);
    }

    void taille_data()
    {
        QTest::addColumn<qint64>("depart");  // the store's size at start
        QTest::addColumn<qint64>("ensuite"); // its size when the run writes, grown by another program
        QTest::addColumn<bool>("illisible");
        QTest::addColumn<bool>("ecrit");
        const qint64 max = FichierReglages::TailleMax;
        QTest::newRow("1 Mio") << max << max << false << true;
        QTest::newRow("1 Mio et un octet") << max + 1 << max + 1 << true << false;
        QTest::newRow("passé 1 Mio pendant la course") << max << max + 1 << false << false;
    }
    // Over a megabyte the store is not the program's: it is never written.
    void taille()
    {
        QFETCH(qint64, depart);
        QFETCH(qint64, ensuite);
        QFETCH(bool, illisible);
        QFETCH(bool, ecrit);
        // One section of many keys, its last value making the size.
        const auto magasin = [](qint64 taille) {
            QByteArray o = "[S]\n";
            for (int i = 0; o.size() < taille - 40; ++i)
                o += "c" + QByteArray::number(i) + "=v\n";
            return o + "z=" + QByteArray(taille - o.size() - 3, 'x') + '\n';
        };
        ecritOctets(m_chemin, magasin(depart));
        Reglages reglages(m_chemin);
        QCOMPARE(reglages.illisible(), illisible);
        if (ensuite != depart)
            ecritOctets(m_chemin, magasin(ensuite)); // another program makes it grow
        const Etat avant = etat(m_chemin);
        QCOMPARE(qint64(avant.octets.size()), ensuite);
        reglages.ecrit(QStringLiteral("S"), QStringLiteral("z"), QStringLiteral("court"));
        const Etat apres = etat(m_chemin);
        if (!ecrit)
            QCOMPARE(apres.s.st_ino, avant.s.st_ino);
        QCOMPARE(apres.octets.endsWith("z=court\n"), ecrit);
        QCOMPARE(m_plateforme.messages.size(), !ecrit && !illisible ? 1 : 0);
    }
};

QTEST_MAIN(TestMagasin)
#include "tst_magasin.moc"
