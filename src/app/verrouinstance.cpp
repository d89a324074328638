#include "app/verrouinstance.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

VerrouInstance::~VerrouInstance()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool VerrouInstance::prend(const QString &chemin)
{
    if (m_fd >= 0)
        return true;
    // Close-on-exec: the programs the menu starts must not keep the lock.
    const int fd = ::open(QFile::encodeName(chemin).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return true;
    int r;
    do {
        r = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (r < 0 && errno == EINTR);
    if (r < 0) {
        const bool tenu = errno == EWOULDBLOCK;
        ::close(fd);
        return !tenu;
    }
    m_fd = fd;
    return true;
}

QString VerrouInstance::chemin()
{
    QString dossier = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dossier.isEmpty())
        dossier = QDir::tempPath();
    return dossier + QStringLiteral("/zelund-%1.lock").arg(QString::fromLocal8Bit(qgetenv("USER")));
}
