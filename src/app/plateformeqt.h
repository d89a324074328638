#pragma once

#include "app/verrouinstance.h"
#include "base/plateforme.h"

// The desktop as the program really meets it.
class PlateformeQt : public Plateforme
{
public:
    PlateformeQt();
    ~PlateformeQt() override;

    QDateTime maintenant() const override;
    bool autreInstanceActive() override;
    Reponse message(const QString &texte, Boutons boutons, Icone icone, const QString &titre,
                    Reponse parDefaut) override;
    bool lanceProgramme(const QString &programme, const QStringList &arguments) override;
    bool programmeDisponible(const QString &programme) const override;
    void copiePressePapiers(const QString &texte) override;
    void joueSon(int numero) override;
    std::optional<quint32> choisitCouleur(quint32 depart) override;
    bool ouvreAdresse(const QString &adresse) override;
    std::optional<QString> choisitFichierEcrit(const QString &titre, const QString &depart,
                                               const QString &filtre) override;

private:
    VerrouInstance m_verrou;
};
