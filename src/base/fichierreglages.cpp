#include "base/fichierreglages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void etape(FichierReglages::Etape e)
{
    if (FichierReglages::pointDeTest)
        FichierReglages::pointDeTest(e);
}

bool memeInstant(const struct timespec &a, const struct timespec &b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// Whether the file at chemin is still, to the nanosecond, the one that was read.
bool inchange(const QByteArray &chemin, const FichierReglages::Lecture &lu)
{
    struct stat s;
    return ::lstat(chemin.constData(), &s) == 0 && S_ISREG(s.st_mode) && s.st_dev == lu.dev && s.st_ino == lu.ino
           && s.st_size == lu.taille && memeInstant(s.st_mtim, lu.modifie) && memeInstant(s.st_ctim, lu.change);
}

QString resolu(const QByteArray &chemin)
{
    char *r = ::realpath(chemin.constData(), nullptr);
    const QString resultat = r ? QFile::decodeName(r) : QString();
    std::free(r);
    return resultat;
}

// Every byte from an open descriptor, or false past the size limit or on an error.
bool litTout(int fd, QByteArray &octets)
{
    octets.resize(FichierReglages::TailleMax + 1);
    qsizetype lus = 0;
    while (lus < octets.size()) {
        const ssize_t n = ::read(fd, octets.data() + lus, size_t(octets.size() - lus));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        lus += n;
    }
    octets.truncate(lus);
    return lus <= FichierReglages::TailleMax;
}

bool ecritTout(int fd, const QByteArray &octets)
{
    qsizetype faits = 0;
    while (faits < octets.size()) {
        const ssize_t n = ::write(fd, octets.constData() + faits, size_t(octets.size() - faits));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        faits += n;
    }
    return true;
}

} // namespace

FichierReglages::FichierReglages(const QString &chemin)
    : m_chemin(chemin)
{
}

FichierReglages::Lecture FichierReglages::lis() const
{
    Lecture lu;
    const QByteArray nom = QFile::encodeName(m_chemin);
    struct stat vu;
    if (::stat(nom.constData(), &vu) != 0) {
        // Nothing there, even in a folder still to be made, is a new store; a
        // link to nothing or a folder that is a file is not one.
        if (errno == ENOENT && ::lstat(nom.constData(), &vu) != 0) {
            lu.etat = Etat::Absent;
            lu.cible = m_chemin;
        }
        return lu;
    }
    if (!S_ISREG(vu.st_mode) || vu.st_size > TailleMax)
        return lu;
    // A link is opened at the target seen now; a link put there later is refused.
    struct stat lien;
    const bool estLien = ::lstat(nom.constData(), &lien) == 0 && S_ISLNK(lien.st_mode);
    const QString cible = estLien ? resolu(nom) : m_chemin;
    if (cible.isEmpty())
        return lu;
    etape(Etape::Ouverture);
    const int fd =
        ::open(QFile::encodeName(cible).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return lu;
    struct stat ouvert;
    const bool regulier = ::fstat(fd, &ouvert) == 0 && S_ISREG(ouvert.st_mode) && ouvert.st_dev == vu.st_dev
                          && ouvert.st_ino == vu.st_ino;
    const bool ok = regulier && litTout(fd, lu.octets);
    ::close(fd);
    if (!ok)
        return lu;
    lu.etat = Etat::Lu;
    lu.cible = cible;
    lu.dev = ouvert.st_dev;
    lu.ino = ouvert.st_ino;
    lu.taille = ouvert.st_size;
    lu.modifie = ouvert.st_mtim;
    lu.change = ouvert.st_ctim;
    lu.proprietaire = ouvert.st_uid;
    lu.groupe = ouvert.st_gid;
    lu.mode = ouvert.st_mode & 07777;
    return lu;
}

FichierReglages::Remplacement FichierReglages::remplace(const Lecture &lu, const QByteArray &octets) const
{
    // Never a store this program would refuse to read.
    if (lu.etat == Etat::Refuse || octets.size() > TailleMax)
        return Remplacement::Refuse;
    const QByteArray cible = QFile::encodeName(lu.cible);
    const bool existe = lu.etat == Etat::Lu;
    // A file its mode keeps from this user is left as it is.
    if (existe && ::faccessat(AT_FDCWD, cible.constData(), W_OK, AT_EACCESS) != 0)
        return Remplacement::Refuse;
    const QFileInfo infos(lu.cible);
    if (!existe && !QDir().mkpath(infos.absolutePath()))
        return Remplacement::Refuse;
    const QByteArray provisoire =
        QFile::encodeName(infos.absolutePath() + QStringLiteral("/.") + infos.fileName() + u'.'
                          + QString::number(QRandomGenerator::global()->generate64(), 36));
    // A new store gets the mode the user's umask gives.
    const int fd =
        ::open(provisoire.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, existe ? 0600 : 0666);
    if (fd < 0)
        return Remplacement::Refuse;
    bool ok = ecritTout(fd, octets);
    if (ok && existe) {
        struct stat s;
        ok = ::fstat(fd, &s) == 0;
        if (ok && (s.st_uid != lu.proprietaire || s.st_gid != lu.groupe))
            ok = ::fchown(fd, lu.proprietaire, lu.groupe) == 0;
        ok = ok && ::fchmod(fd, lu.mode) == 0;
    }
    ok = ::fdatasync(fd) == 0 && ok;
    ::close(fd);
    Remplacement resultat = ok ? Remplacement::Fait : Remplacement::Refuse;
    if (ok) {
        etape(Etape::Renommage);
        if (existe) {
            if (!inchange(cible, lu))
                resultat = Remplacement::Change;
            else if (::rename(provisoire.constData(), cible.constData()) != 0)
                resultat = Remplacement::Refuse;
        } else if (::link(provisoire.constData(), cible.constData()) != 0) {
            // Never over anything put there meanwhile: a store another program
            // created is read in, a link is not written through.
            resultat = errno == EEXIST ? Remplacement::Change : Remplacement::Refuse;
        }
    }
    if (resultat != Remplacement::Fait || !existe)
        ::unlink(provisoire.constData());
    return resultat;
}
