#pragma once

#include "ui/appliquecouleurs.h"
#include "ui/fenetre.h"

#include <functional>

class VantelBttn;

// What the toolbox and its tool windows share: the title and close buttons,
// seven frame strips along the edges, and what the close button reports
// before the window goes. They are destroyed when closed, and go back over
// the main window each time they are activated.
class FenOutil : public FenetreZelund
{
    Q_OBJECT
protected:
    // A window of largeur x hauteur twips titled titre; aLaFermeture runs when
    // the close button is pressed, just before the window closes.
    FenOutil(const QString &titre, int largeur, int hauteur, std::function<void()> aLaFermeture,
             QWidget *parent = nullptr);
    // The same, framed as cadre tells, hauteur twips high.
    FenOutil(const Ui::DescriptionCadre &cadre, int hauteur, std::function<void()> aLaFermeture,
             QWidget *parent = nullptr);

    // The chrome's share of the colour scheme; each window adds its own controls.
    AffectationCouleurs couleursCadre();

    static QFont police(const QString &famille, double points, bool gras);

private:
    Ui::Cadre m_cadre;
};
