#include "support/fauxplateforme.h"

#include "base/parametres.h"
#include "ui/fenetre.h"

#include <QFile>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// QSettings shares what it read of a file among all its objects on that path
// in the process, the writer's included: the file is read back through a copy
// under a new name, so that only its bytes count.
template<typename Lecture>
auto litCopie(const QString &fichier, Lecture lecture)
{
    QTemporaryDir dossier;
    const QString copie = dossier.filePath(QStringLiteral("copie.conf"));
    QFile::copy(fichier, copie);
    return lecture(copie);
}

} // namespace

QStringList FauxPlateforme::commandes() const
{
    QStringList lignes;
    for (const auto &l : lancements)
        lignes << (QStringList{l.programme} + l.arguments).join(QLatin1Char(' '));
    return lignes;
}

Banc::Banc()
    : m_avant(FenetreZelund::chargees())
{
    m_reglages = std::make_unique<Reglages>(fichierReglages());
    Plateforme::installe(&plateforme);
    Reglages::installe(m_reglages.get());
    Parametres::courant().remetDefauts();
}

Banc::~Banc()
{
    // Windows the program opened by itself during the test (a tips window at
    // load, a tool window) go with it; their owners take their own children.
    QList<QPointer<FenetreZelund>> restantes;
    for (FenetreZelund *f : FenetreZelund::chargees())
        if (!m_avant.contains(f) && !f->parentWidget())
            restantes << f;
    for (const auto &f : restantes)
        delete f.data();
    Plateforme::installe(nullptr);
    Reglages::installe(nullptr);
    Parametres::courant().remetDefauts();
}

QString Banc::fichierReglages() const
{
    return m_dossier.filePath(QStringLiteral("Zelund.conf"));
}

QString Banc::relu(const QString &section, const QString &cle) const
{
    return litCopie(fichierReglages(), [&](const QString &copie) { return Reglages(copie).lit(section, cle); });
}

bool Banc::present(const QString &section, const QString &cle) const
{
    return litCopie(fichierReglages(), [&](const QString &copie) { return Reglages(copie).contient(section, cle); });
}

QByteArray Banc::octets() const
{
    QFile f(fichierReglages());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList Banc::contenuFichier() const
{
    return litCopie(fichierReglages(), [](const QString &copie) {
        QSettings brut(copie, QSettings::IniFormat);
        QStringList lignes;
        for (const QString &cle : brut.allKeys())
            lignes << cle + QLatin1Char('=') + brut.value(cle).toString();
        lignes.sort();
        return lignes;
    });
}
