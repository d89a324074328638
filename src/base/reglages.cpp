#include "base/reglages.h"

#include "base/ini.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>

namespace {

Reglages *installe_ = nullptr;

// Whether QSettings may be given the path, seen without opening it: QSettings
// opens the file blocking (a pipe would hold the start for ever) and saves by
// renaming over whatever a link points to (a device, when run as root). Nothing
// there yet, even in a folder still to be made, is a new store.
bool utilisable(const QString &chemin)
{
    const QByteArray nom = QFile::encodeName(chemin);
    struct stat infos;
    if (::stat(nom.constData(), &infos) == 0)
        return S_ISREG(infos.st_mode);
    // A folder that is a file or cannot be entered, a link to nothing: not a store.
    return errno == ENOENT && ::lstat(nom.constData(), &infos) != 0;
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
    if (utilisable(m_fichier))
        m_qt = std::make_unique<QSettings>(m_fichier, Ini::format());
    // No read permission: QSettings would start empty and save over the file.
    if (m_qt && m_qt->status() != QSettings::NoError)
        m_qt.reset();
}

Reglages::~Reglages() = default;

QString Reglages::lit(const QString &section, const QString &cle, const QString &defaut) const
{
    const QString c = chemin(section, cle);
    return m_qt ? m_qt->value(c, defaut).toString() : m_memoire.value(c, defaut);
}

bool Reglages::contient(const QString &section, const QString &cle) const
{
    const QString c = chemin(section, cle);
    return m_qt ? m_qt->contains(c) : m_memoire.contains(c);
}

// Checked again before each write, as something else may have taken the
// file's place since: the run then keeps its values in memory and leaves the
// path alone. Otherwise what another copy wrote meanwhile is read in.
bool Reglages::surFichier()
{
    if (m_qt && !utilisable(m_fichier)) {
        for (const QString &c : m_qt->allKeys())
            m_memoire.insert(c, m_qt->value(c).toString());
        m_qt.reset(); // nothing pending: it writes nothing as it goes
    }
    if (m_qt)
        m_qt->sync();
    return m_qt != nullptr;
}

void Reglages::ecrit(const QString &section, const QString &cle, const QString &texte)
{
    const Ecriture seule{section, cle, texte};
    ecrit(std::span(&seule, 1));
}

void Reglages::ecrit(std::span<const Ecriture> ecritures)
{
    const bool fichier = surFichier();
    bool change = false;
    for (const Ecriture &e : ecritures) {
        const QString c = chemin(e.section, e.cle);
        if (!fichier) {
            m_memoire.insert(c, e.texte);
        } else if (!m_qt->contains(c) || m_qt->value(c).toString() != e.texte) {
            // An unchanged value does not rewrite the file.
            m_qt->setValue(c, e.texte);
            change = true;
        }
    }
    if (change)
        m_qt->sync(); // under QSettings' lock, saved beside the file and renamed over it
}

void Reglages::effaceTout()
{
    if (surFichier()) {
        m_qt->clear();
        m_qt->sync();
    } else {
        m_memoire.clear();
    }
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
