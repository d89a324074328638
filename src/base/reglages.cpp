#include "base/reglages.h"

namespace {
Reglages *installe_ = nullptr;
}

Reglages::Reglages()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("Zelund"), QStringLiteral("Zelund")))
{
}

Reglages::Reglages(const QString &fichier)
    : m_settings(std::make_unique<QSettings>(fichier, QSettings::IniFormat))
{
}

QString Reglages::chemin(const QString &section, const QString &cle)
{
    return section + QLatin1Char('/') + cle;
}

QString Reglages::lit(const QString &section, const QString &cle, const QString &defaut) const
{
    const QVariant valeur = m_settings->value(chemin(section, cle), defaut);
    // A hand-edited value with commas comes back split into a list; put it
    // together again so the load checks see the text the user wrote.
    if (valeur.typeId() == QMetaType::QStringList)
        return valeur.toStringList().join(QLatin1Char(','));
    return valeur.toString();
}

bool Reglages::contient(const QString &section, const QString &cle) const
{
    return m_settings->contains(chemin(section, cle));
}

void Reglages::ecrit(const QString &section, const QString &cle, const QString &texte)
{
    const Ecriture seule{section, cle, texte};
    ecrit(std::span(&seule, 1));
}

void Reglages::ecrit(std::span<const Ecriture> ecritures)
{
    for (const Ecriture &e : ecritures)
        m_settings->setValue(chemin(e.section, e.cle), e.texte);
    m_settings->sync();
}

void Reglages::effaceTout()
{
    m_settings->clear();
    m_settings->sync();
}

QString Reglages::fichier() const
{
    return m_settings->fileName();
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
