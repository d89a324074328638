#include "base/reglages.h"

#include "base/chargement.h"
#include "base/ini.h"
#include "base/plateforme.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace {

Reglages *installe_ = nullptr;

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
    : m_fichier(QFileInfo(fichier).absoluteFilePath()),
      m_disque(m_fichier)
{
    const FichierReglages::Lecture lu = m_disque.lis();
    m_illisible = lu.etat == FichierReglages::Etat::Refuse;
    if (lu.etat == FichierReglages::Etat::Lu)
        m_valeurs = Ini::lis(lu.octets);
}

QString Reglages::lit(const QString &section, const QString &cle, const QString &defaut) const
{
    return m_valeurs.value(chemin(section, cle), defaut);
}

bool Reglages::contient(const QString &section, const QString &cle) const
{
    return m_valeurs.contains(chemin(section, cle));
}

void Reglages::ecrit(const QString &section, const QString &cle, const QString &texte)
{
    const Ecriture seule{section, cle, texte};
    ecrit(std::span(&seule, 1));
}

void Reglages::ecrit(std::span<const Ecriture> ecritures)
{
    for (const Ecriture &e : ecritures) {
        m_valeurs.insert(chemin(e.section, e.cle), e.texte);
        m_enAttente.insert(chemin(e.section, e.cle), e.texte);
    }
    enregistre();
}

void Reglages::effaceTout()
{
    m_valeurs.clear();
    m_enAttente.clear();
    m_effacementEnAttente = true;
    enregistre();
}

// The file as it stands now with this run's changes on it, every other byte
// kept. A value already there does not rewrite it; a file that changes while
// it is replaced is read again, as another copy may just have written.
void Reglages::enregistre(bool creer)
{
    if (m_illisible)
        return; // the run was told at start that nothing would be kept
    for (int essai = 0; essai < 3; ++essai) {
        const FichierReglages::Lecture lu = m_disque.lis();
        if (lu.etat == FichierReglages::Etat::Refuse)
            break;
        QByteArray octets = m_effacementEnAttente ? QByteArray() : lu.octets;
        for (auto i = m_enAttente.cbegin(); i != m_enAttente.cend(); ++i)
            octets = Ini::change(octets, i.key(), i.value());
        const bool rien = octets == lu.octets && (lu.etat == FichierReglages::Etat::Lu || !creer);
        const auto r = rien ? FichierReglages::Remplacement::Fait : m_disque.remplace(lu, octets);
        if (r == FichierReglages::Remplacement::Refuse)
            break;
        if (r == FichierReglages::Remplacement::Fait) {
            m_enAttente.clear();
            m_effacementEnAttente = false;
            return;
        }
    }
    echec();
}

// Said once: the run keeps its changes and writes them with the next write that succeeds.
void Reglages::echec()
{
    if (m_echecDit)
        return;
    m_echecDit = true;
    Plateforme::courante().message(Base::messageReglagesNonEcrits(m_fichier), Plateforme::Boutons::Ok,
                                   Plateforme::Icone::Exclamation, Base::titreErreur(), Plateforme::Reponse::Ok);
}

void Reglages::relit()
{
    if (m_illisible)
        return;
    const FichierReglages::Lecture lu = m_disque.lis();
    if (lu.etat == FichierReglages::Etat::Refuse)
        return;
    m_valeurs = m_effacementEnAttente ? Ini::Valeurs() : Ini::lis(lu.octets);
    m_valeurs.insert(m_enAttente);
}

bool Reglages::cree()
{
    if (m_illisible)
        return false;
    // Made like any change is written, with whatever this run has not written yet.
    const auto avant = m_disque.lis().etat;
    if (avant == FichierReglages::Etat::Absent)
        enregistre(true);
    else if (avant == FichierReglages::Etat::Refuse)
        echec();
    return m_disque.lis().etat == FichierReglages::Etat::Lu;
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
