#include "app/demarrage.h"

#include "app/demarre2.h"
#include "base/plateforme.h"
#include "main/fenprin.h"

Demarrage::Demarrage(std::optional<Dates::JourMoisAn> dateDemarrage)
    : m_demarre2(std::make_unique<Demarre2>()),
      m_dateDemarrage(dateDemarrage)
{
    connect(m_demarre2.get(), &Demarre2::chargeFenPrin, this, &Demarrage::charge);
}

Demarrage::~Demarrage() = default;

bool Demarrage::continuerMalgreInstance()
{
    Plateforme &p = Plateforme::courante();
    if (!p.autreInstanceActive())
        return true;
    const QString texte = QStringLiteral("Zelund + est déjà en cours d'exécution.") + QChar(10)
                          + QStringLiteral("Souhaitez-vous exécuter une nouvelle instance ?");
    return p.message(texte, Plateforme::Boutons::OuiNon, Plateforme::Icone::Exclamation, QStringLiteral("Zelund +"),
                     Plateforme::Reponse::Non)
           == Plateforme::Reponse::Oui;
}

bool Demarrage::lance(std::function<void(bool)> fin)
{
    if (!continuerMalgreInstance())
        return false;
    m_fin = std::move(fin);
    m_demarre2->show();
    m_demarre2->lanceMinuterie();
    return true;
}

void Demarrage::charge()
{
    if (m_fenPrin)
        return; // loading a loaded window does nothing
    m_fenPrin = new FenPrin;
    m_fenPrin->setAttribute(Qt::WA_DeleteOnClose);
    const bool ok = m_fenPrin->charge(
        [this] {
            // Called from the splash's own signal: hide it now, delete it once that returns.
            m_demarre2->hide();
            m_demarre2.release()->deleteLater();
        },
        m_dateDemarrage);
    if (!ok) {
        delete m_fenPrin;
        m_fenPrin = nullptr;
    }
    if (m_fin)
        m_fin(ok);
}
