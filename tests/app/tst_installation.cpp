#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Sortie
{
    int code = -1;
    QString texte;
};

Sortie lance(const QString &programme, const QStringList &arguments,
             const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programme, arguments);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit)
        return {};
    return {p.exitCode(), QString::fromUtf8(p.readAll())};
}

} // namespace

// The program installed into a prefix of its own, then started there with
// the build and source folders hidden; the Debian package's files and
// dependencies; the desktop file, the AppStream file and the manual page.
class TestInstallation : public QObject
{
    Q_OBJECT
    QTemporaryDir m_prefixe;
    QTemporaryDir m_paquet;

private slots:
    void initTestCase()
    {
        const Sortie s =
            lance(QStringLiteral(ZELUND_CMAKE), {"--install", ZELUND_CONSTRUCTION, "--prefix", m_prefixe.path()});
        QVERIFY2(s.code == 0, qPrintable(s.texte));
    }

    void fichiers_data()
    {
        QTest::addColumn<QString>("chemin");
        QTest::newRow("le programme") << QStringLiteral("bin/zelund");
        QTest::newRow("le module du son, là où le programme le cherche")
            << QStringLiteral(ZELUND_LIBDIR "/zelund/libzelund_son.so");
        QTest::newRow("les villes de l'éphéméride") << QStringLiteral("share/zelund/Lieux.txt");
        QTest::newRow("les conseils") << QStringLiteral("share/zelund/Conseils.txt");
        QTest::newRow("l'aide") << QStringLiteral("share/zelund/aide/index.html");
        QTest::newRow("le menu des applications") << QStringLiteral("share/applications/zelund.desktop");
        QTest::newRow("l'icône") << QStringLiteral("share/icons/hicolor/scalable/apps/zelund.svg");
        QTest::newRow("AppStream") << QStringLiteral("share/metainfo/fr.zelund.Zelund.metainfo.xml");
        QTest::newRow("la page de manuel") << QStringLiteral("share/man/man1/zelund.1.gz");
    }
    void fichiers()
    {
        QFETCH(QString, chemin);
        QVERIFY2(QFile::exists(m_prefixe.filePath(chemin)), qPrintable(chemin));
    }

    // Started from the prefix with no build folder, no source folder and no
    // data folder elsewhere: the towns of the almanac are read from the
    // prefix's share/zelund.
    void depuisLePrefixe_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("l'éphéméride d'une ville du fichier")
            << QStringList{"--ephemeride", "24/06/2002", "--lieu", "Brest"} << QStringLiteral("Brest (Finistère)");
        QTest::newRow("l'export iCalendar") << QStringList{"--ics", "2002"} << QStringLiteral("UID:2002-noel@zelund");
    }
    void depuisLePrefixe()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, attendu);
        if (lance(QStringLiteral("unshare"), {"-m", "true"}).code != 0)
            QSKIP("unshare -m refusé ici : il faut être root pour cacher les dossiers.");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *v : {"ZELUND_DONNEES", "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(v));
        QTemporaryDir vide;
        env.insert(QStringLiteral("XDG_DATA_DIRS"), vide.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), vide.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), vide.path());
        // Empty folders mounted over the build, then over the sources (which
        // may hold it), in a mount namespace of the test's own.
        const QString cache = QStringLiteral("for d in \"$2\" \"$1\"; do mount -t tmpfs none \"$d\" || exit 99; done; "
                                             "shift 2; exec \"$@\"");
        const Sortie s = lance(QStringLiteral("unshare"),
                               QStringList{"-m", "sh", "-c", cache, "sh", ZELUND_SOURCES, ZELUND_CONSTRUCTION,
                                           m_prefixe.filePath("bin/zelund")}
                                   + arguments,
                               env);
        QVERIFY2(s.code == 0 && s.texte.contains(attendu), qPrintable(s.texte.left(2000)));
    }

    void validateurs_data()
    {
        QTest::addColumn<QString>("programme");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("desktop-file-validate") << QStringLiteral("desktop-file-validate")
                                               << QStringList{m_prefixe.filePath("share/applications/zelund.desktop")};
        QTest::newRow("appstreamcli validate")
            << QStringLiteral("appstreamcli")
            << QStringList{"validate", "--no-net", m_prefixe.filePath("share/metainfo/fr.zelund.Zelund.metainfo.xml")};
    }
    void validateurs()
    {
        QFETCH(QString, programme);
        QFETCH(QStringList, arguments);
        const Sortie s = lance(programme, arguments);
        QVERIFY2(s.code == 0, qPrintable(s.texte));
    }

    // Every option zelund --help names has its entry in the manual page.
    void manuel()
    {
        const Sortie aide = lance(QStringLiteral(ZELUND_CONSTRUCTION "/bin/zelund"), {"--help"});
        QCOMPARE(aide.code, 0);
        QFile f(QStringLiteral(ZELUND_SOURCES "/resources/zelund.1"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(f.readAll()).remove(u'\\');
        static const QRegularExpression option(QStringLiteral("(?<![\\w-])(--?[a-z][a-z-]*)"));
        int options = 0;
        for (const QRegularExpressionMatch &m : option.globalMatch(aide.texte)) {
            QVERIFY2(page.contains(m.captured(1)), qPrintable(m.captured(1)));
            ++options;
        }
        QVERIFY(options >= 12);
    }

    // The package holds the same files under /usr and depends on the Qt
    // libraries the program and its sound module link, and on the SVG
    // plugins that draw its icons.
    void paquet_data() { fichiers_data(); }
    void paquet()
    {
        QFETCH(QString, chemin);
        static const Sortie contenu = [this] {
            QProcess cpack;
            cpack.setWorkingDirectory(QStringLiteral(ZELUND_CONSTRUCTION));
            cpack.start(QStringLiteral(ZELUND_CPACK), {"-G", "DEB", "-B", m_paquet.path()});
            if (!cpack.waitForFinished(300000) || cpack.exitCode() != 0)
                return Sortie{-1, QString::fromUtf8(cpack.readAll())};
            const QStringList debs = QDir(m_paquet.path()).entryList({"zelund_*.deb"});
            if (debs.size() != 1)
                return Sortie{-1, debs.join(u' ')};
            const QString deb = m_paquet.filePath(debs.first());
            const Sortie liste = lance(QStringLiteral("dpkg-deb"), {"-c", deb});
            const Sortie depend = lance(QStringLiteral("dpkg-deb"), {"-f", deb, "Depends"});
            return Sortie{liste.code | depend.code, liste.texte + QStringLiteral("\nDepends: ") + depend.texte};
        }();
        QVERIFY2(contenu.code == 0, qPrintable(contenu.texte));
        QVERIFY2(contenu.texte.contains(QStringLiteral(" ./usr/") + chemin + u'\n'), qPrintable(contenu.texte));
        for (const char *bibliotheque : {"libqt6widgets6", "libqt6multimedia6", "libqt6svg6"})
            QVERIFY2(contenu.texte.contains(QLatin1String(bibliotheque)), bibliotheque);
    }
};

QTEST_GUILESS_MAIN(TestInstallation)
#include "tst_installation.moc"
