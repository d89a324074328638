#include "support/fauxplateforme.h"

#include "app/fenetre.h"
#include "app/partage.h"

#include <QPointer>

Plateforme::Reponse FauxPlateforme::message(const QString &texte, Boutons boutons, Icone icone,
                                            const QString &titre, Reponse parDefaut)
{
    messages << Message{texte, boutons, icone, titre, parDefaut};
    if (reponses.empty())
        return parDefaut;
    const Reponse r = reponses.front();
    reponses.pop_front();
    return r;
}

bool FauxPlateforme::lanceProgramme(const QString &programme, const QStringList &arguments)
{
    if (!programmeDisponible(programme))
        return false;
    lancements << Lancement{programme, arguments};
    return true;
}

bool FauxPlateforme::programmeDisponible(const QString &programme) const
{
    return programmesPresents.contains(programme);
}

std::optional<quint32> FauxPlateforme::choisitCouleur(quint32 depart)
{
    departsCouleur << depart;
    if (couleursChoisies.empty())
        return std::nullopt;
    const auto c = couleursChoisies.front();
    couleursChoisies.pop_front();
    return c;
}

bool FauxPlateforme::ouvreAdresse(const QString &adresse)
{
    adresses << adresse;
    return true;
}

Banc::Banc()
    : m_avant(FenetreZelund::chargees())
{
    m_reglages = std::make_unique<Reglages>(fichierReglages());
    Plateforme::installe(&plateforme);
    Reglages::installe(m_reglages.get());
    partage() = Partage{};
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
    partage() = Partage{};
}

QString Banc::fichierReglages() const
{
    return m_dossier.filePath(QStringLiteral("Zelund.conf"));
}
