#include "base/reglages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

Reglages *installe_ = nullptr;

enum class Etat { Lu, Absent, Illisible };

// Reads the store without ever blocking: only a regular file (or a link to
// one) is opened, and opened so that a pipe swapped in meanwhile cannot hold
// the start. A missing file, or a missing folder, is an empty store.
Etat litFichier(const QString &chemin, QByteArray &donnees)
{
    donnees.clear();
    const QByteArray nom = QFile::encodeName(chemin);
    struct stat infos;
    if (::stat(nom.constData(), &infos) != 0) {
        if (errno != ENOENT)
            return Etat::Illisible; // the folder is a file, no access, a loop of links
        // A link to nothing is still something in the store's place.
        return ::lstat(nom.constData(), &infos) == 0 ? Etat::Illisible : Etat::Absent;
    }
    if (!S_ISREG(infos.st_mode))
        return Etat::Illisible;
    const int fd = ::open(nom.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? Etat::Absent : Etat::Illisible;
    QFile f;
    if (::fstat(fd, &infos) != 0 || !S_ISREG(infos.st_mode)
        || !f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Etat::Illisible;
    }
    donnees = f.readAll();
    return f.error() == QFileDevice::NoError ? Etat::Lu : Etat::Illisible;
}

QString chemin(const QString &section, const QString &cle)
{
    return section + QLatin1Char('/') + cle;
}

} // namespace

Reglages::Reglages()
    : Reglages(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
               + QStringLiteral("/Zelund/Zelund.conf"))
{
}

Reglages::Reglages(const QString &fichier)
    : m_fichier(QFileInfo(fichier).absoluteFilePath())
{
    QByteArray donnees;
    const Etat etat = litFichier(m_fichier, donnees);
    m_illisible = etat == Etat::Illisible;
    charge(Ini::lis(donnees));
}

void Reglages::charge(Ini::Contenu contenu)
{
    m_contenu.clear();
    m_index.clear();
    for (Ini::Entree &e : contenu) {
        const auto deja = m_index.constFind(e.chemin);
        if (deja != m_index.cend()) {
            m_contenu[*deja].brut = std::move(e.brut); // the last one counts
        } else {
            m_index.insert(e.chemin, qsizetype(m_contenu.size()));
            m_contenu.push_back(std::move(e));
        }
    }
}

QString Reglages::lit(const QString &section, const QString &cle, const QString &defaut) const
{
    const auto i = m_index.constFind(chemin(section, cle));
    return i == m_index.cend() ? defaut : Ini::texte(m_contenu[*i].brut);
}

bool Reglages::contient(const QString &section, const QString &cle) const
{
    return m_index.contains(chemin(section, cle));
}

template<typename Changement>
void Reglages::enregistre(Changement change)
{
    // The lock QSettings takes too, so that another copy's write is not lost.
    QLockFile verrou(m_fichier + QStringLiteral(".lock"));
    QByteArray avant;
    bool ecrire = !m_illisible && QDir().mkpath(QFileInfo(m_fichier).absolutePath()) && verrou.tryLock(5000);
    if (ecrire) {
        if (litFichier(m_fichier, avant) == Etat::Illisible)
            m_illisible = true;
        else
            charge(Ini::lis(avant)); // what another copy wrote meanwhile stays
        ecrire = !m_illisible;
    }
    // The run goes on with the change even when the file cannot take it.
    change();
    if (!ecrire)
        return;
    const QByteArray apres = Ini::ecris(m_contenu);
    if (apres == avant)
        return;
    // Written beside the file and renamed over it: only ever a regular file.
    QSaveFile sortie(m_fichier);
    if (sortie.open(QIODevice::WriteOnly) && sortie.write(apres) == apres.size())
        sortie.commit();
}

void Reglages::ecrit(const QString &section, const QString &cle, const QString &texte)
{
    const Ecriture seule{section, cle, texte};
    ecrit(std::span(&seule, 1));
}

void Reglages::ecrit(std::span<const Ecriture> ecritures)
{
    enregistre([this, ecritures] {
        for (const Ecriture &e : ecritures) {
            const QString c = chemin(e.section, e.cle);
            const auto i = m_index.constFind(c);
            if (i != m_index.cend()) {
                m_contenu[*i].brut = Ini::brut(e.texte);
            } else {
                m_index.insert(c, qsizetype(m_contenu.size()));
                m_contenu.push_back({c, Ini::brut(e.texte)});
            }
        }
    });
}

void Reglages::effaceTout()
{
    enregistre([this] {
        m_contenu.clear();
        m_index.clear();
    });
}

QString Reglages::fichier() const
{
    return m_fichier;
}

Reglages &Reglages::courant()
{
    if (!installe_) {
        static Reglages utilisateur;
        return utilisateur;
    }
    return *installe_;
}

void Reglages::installe(Reglages *reglages)
{
    installe_ = reglages;
}
