// Start-up as the user sees it: from launching the program to its main window
// mapped on the X server, against a separate bare Qt program showing one
// window of the same size, and against the same bare program showing an empty
// splash first, as the program must. All run as processes, in turn, with
// nothing changed in them: the map is watched from outside, through the X
// server. The settings are already stored, tips at start on, as after a first
// start. Prints the medians, quartiles and ratios, and the peak memory of the
// program and the bare window.
// Needs an X server with a window manager (Xvfb and openbox will do).
//   bench_demarrage [pairs [program [--cadre]]]
// --cadre gives the bare window the window manager's frame (the main window
// has none, so the borderless bare window is the closer match and the default).
#include "mesure.h"

#include "base/chargement.h"
#include "base/reglages.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <xcb/xcb.h>

extern char **environ;

namespace {

double maintenantMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

// Watches the X server for a top-level window with a given title being mapped.
class Guet
{
public:
    Guet()
        : m_c(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(m_c))
            return;
        m_racine = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
        const uint32_t masque = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_c, m_racine, XCB_CW_EVENT_MASK, &masque);
        m_nomNet = atome("_NET_WM_NAME");
        m_utf8 = atome("UTF8_STRING");
        xcb_flush(m_c);
    }
    ~Guet() { xcb_disconnect(m_c); }
    bool ok() const { return !xcb_connection_has_error(m_c); }

    // Milliseconds (monotonic clock) at which a window titled titre was
    // mapped, or a negative value after the time limit.
    double attendCarte(const QByteArray &titre, double limiteMs)
    {
        const double fin = maintenantMs() + limiteMs;
        for (;;) {
            while (xcb_generic_event_t *e = xcb_poll_for_event(m_c)) {
                const double t = maintenantMs();
                const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> garde(e, &std::free);
                switch (e->response_type & 0x7f) {
                case XCB_CREATE_NOTIFY: {
                    const auto *cn = reinterpret_cast<xcb_create_notify_event_t *>(e);
                    if (cn->parent != m_racine)
                        break;
                    // Follow the new window itself, wherever the window manager puts it.
                    const uint32_t masque = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
                    xcb_change_window_attributes(m_c, cn->window, XCB_CW_EVENT_MASK, &masque);
                    // Mapped already, before the request above reached the server?
                    auto *a = xcb_get_window_attributes_reply(m_c, xcb_get_window_attributes(m_c, cn->window), nullptr);
                    const bool visible = a && a->map_state != XCB_MAP_STATE_UNMAPPED;
                    std::free(a);
                    if (visible && titreDe(cn->window) == titre)
                        return t;
                    break;
                }
                case XCB_MAP_NOTIFY: {
                    const auto *mn = reinterpret_cast<xcb_map_notify_event_t *>(e);
                    if (titreDe(mn->window) == titre)
                        return t;
                    break;
                }
                default: break;
                }
            }
            if (xcb_connection_has_error(m_c))
                return -1;
            const double reste = fin - maintenantMs();
            if (reste <= 0)
                return -1;
            pollfd p{xcb_get_file_descriptor(m_c), POLLIN, 0};
            poll(&p, 1, int(reste) + 1);
        }
    }

private:
    xcb_atom_t atome(const char *nom)
    {
        auto *r = xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, 0, uint16_t(std::strlen(nom)), nom), nullptr);
        const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(r);
        return a;
    }
    QByteArray propriete(xcb_window_t w, xcb_atom_t nom, xcb_atom_t type)
    {
        auto *r = xcb_get_property_reply(m_c, xcb_get_property(m_c, 0, w, nom, type, 0, 256), nullptr);
        QByteArray texte;
        if (r)
            texte = QByteArray(static_cast<const char *>(xcb_get_property_value(r)), xcb_get_property_value_length(r));
        std::free(r);
        return texte;
    }
    QByteArray titreDe(xcb_window_t w)
    {
        const QByteArray net = propriete(w, m_nomNet, m_utf8);
        return net.isEmpty() ? propriete(w, XCB_ATOM_WM_NAME, XCB_ATOM_STRING) : net;
    }

    xcb_connection_t *m_c;
    xcb_window_t m_racine = 0;
    xcb_atom_t m_nomNet = XCB_ATOM_NONE;
    xcb_atom_t m_utf8 = XCB_ATOM_NONE;
};

struct Tour
{
    double ms = -1;
    double mio = 0; // peak resident memory
};

// Launches the program, times it to its window mapped, lets it settle (tips
// window, first paints), then ends it and reads its peak memory.
Tour lance(Guet &guet, const QByteArray &programme, const QByteArray &titre, const QByteArray &option = {})
{
    char *argv[] = {const_cast<char *>(programme.constData()),
                    option.isEmpty() ? nullptr : const_cast<char *>(option.constData()), nullptr};
    const double debut = maintenantMs();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ) != 0)
        return {};
    Tour tour;
    const double carte = guet.attendCarte(titre, 20000);
    if (carte >= 0)
        tour.ms = carte - debut;
    guet.attendCarte(QByteArray("\x01"), 400); // nothing has this title: just waits
    kill(pid, SIGTERM);
    int statut = 0;
    rusage usage{};
    while (wait4(pid, &statut, 0, &usage) < 0 && errno == EINTR) {
    }
    tour.mio = double(usage.ru_maxrss) / 1024.0;
    return tour;
}

QString resume(const QVector<double> &v, int decimales = 1)
{
    return QStringLiteral("median %1 (quartiles %2 – %3)")
        .arg(Mesure::mediane(v), 0, 'f', decimales)
        .arg(Mesure::quantile(v, 0.25), 0, 'f', decimales)
        .arg(Mesure::quantile(v, 0.75), 0, 'f', decimales);
}

QString charge()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    return QString::fromLatin1(f.readAll()).section(QLatin1Char(' '), 0, 2);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int paires = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    Guet guet;
    if (!guet.ok()) {
        std::fprintf(stderr, "no X server: run under Xvfb with a window manager (see README.md)\n");
        return 1;
    }

    // The settings a first start leaves behind, tips at start on.
    QTemporaryDir config, execution;
    {
        Reglages reglages(config.filePath(QStringLiteral("Zelund/Zelund.conf")));
        Base::chargeReglages(reglages, QDate::currentDate().year());
        reglages.ecrit(QStringLiteral("Conseils du jour"), QStringLiteral("Conseil au démarrage"),
                       QStringLiteral("Oui"));
    }
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    // Its own runtime folder, so the single-instance lock is only ever its own.
    qputenv("XDG_RUNTIME_DIR", execution.path().toLocal8Bit());

    // Another build of the program may be named, to compare two builds in the same conditions.
    const QByteArray zelund = argc > 2 ? QByteArray(argv[2]) : QByteArray(ZELUND_PROGRAMME), nu = ZELUND_NU;
    // The main window's title as the window manager sees it (the splash has a title of its own).
    const QByteArray titre = QByteArrayLiteral("Zelund");
    const QByteArray cadre = argc > 3 ? QByteArray(argv[3]) : QByteArray();
    QTextStream out(stdout);
    out << QStringLiteral("load before: %1\n").arg(charge()) << Qt::flush;
    QVector<double> tZ, tN, tE, mZ, mN, rapports;
    const QByteArray demarrage = QByteArrayLiteral("--demarrage");
    for (int i = 0; i < paires; ++i) {
        Tour z, n, e;
        // In turn, so a busy moment of the machine hits all alike.
        for (int k = 0; k < 3; ++k) {
            switch ((i + k) % 3) {
            case 0: z = lance(guet, zelund, titre); break;
            case 1: n = lance(guet, nu, "nu", cadre); break;
            default: e = lance(guet, nu, "nu", demarrage); break;
            }
        }
        if (z.ms < 0 || n.ms < 0 || e.ms < 0) {
            std::fprintf(stderr, "a window never showed (pair %d)\n", i + 1);
            return 1;
        }
        tZ << z.ms;
        tN << n.ms;
        tE << e.ms;
        mZ << z.mio;
        mN << n.mio;
        rapports << z.ms / n.ms;
    }
    out << QStringLiteral("load after: %1\n").arg(charge());
    out << QStringLiteral("launch to main window mapped, %1 rounds taken in turn (ms):\n").arg(paires);
    out << QStringLiteral("  zelund        %1\n").arg(resume(tZ));
    out << QStringLiteral("  bare Qt window %1\n").arg(resume(tN));
    out << QStringLiteral("  bare splash, then bare window %1\n").arg(resume(tE));
    out << QStringLiteral("  ratio of the medians %1; per pair: %2\n")
               .arg(Mesure::mediane(tZ) / Mesure::mediane(tN), 0, 'f', 2)
               .arg(resume(rapports, 2));
    out << QStringLiteral("  the least a splash costs: bare splash then window / bare window %1; zelund / that %2\n")
               .arg(Mesure::mediane(tE) / Mesure::mediane(tN), 0, 'f', 2)
               .arg(Mesure::mediane(tZ) / Mesure::mediane(tE), 0, 'f', 2);
    const double pz = Mesure::mediane(mZ), pn = Mesure::mediane(mN);
    out << QStringLiteral("peak resident memory: zelund %1 MiB, bare Qt window %2 MiB, difference %3 MiB\n")
               .arg(pz, 0, 'f', 1)
               .arg(pn, 0, 'f', 1)
               .arg(pz - pn, 0, 'f', 1);
    return 0;
}
