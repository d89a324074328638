#pragma once

#include "ui/appliquecouleurs.h"
#include "ui/fenetre.h"

#include <array>
#include <functional>

class VantelBttn;

// What the toolbox and its tool windows share: the title and close buttons,
// seven frame strips along the edges, and what the close button reports
// before the window goes. They are destroyed when closed, and go back over
// the main window each time they are activated.
class FenOutil : public FenetreZelund
{
    Q_OBJECT
public:
    VantelBttn *CmdDeplaceFen = nullptr;
    VantelBttn *CmdFermer = nullptr;
    std::array<VantelBttn *, 8> Forme{}; // Forme[1] .. Forme[7]

    // The chrome's share of the colour scheme of any window framed like a tool window.
    static AffectationCouleurs couleursCadre(QWidget *fenetre, VantelBttn *deplacement, VantelBttn *fermer,
                                             const std::array<VantelBttn *, 8> &forme);

protected:
    // A window of largeur x hauteur twips titled titre; aLaFermeture runs when
    // the close button is pressed, just before the window closes.
    FenOutil(const QString &titre, int largeur, int hauteur, std::function<void()> aLaFermeture,
             QWidget *parent = nullptr);

    // The chrome's share of the colour scheme; each window adds its own controls.
    AffectationCouleurs couleursCadre();

    static QFont police(const QString &famille, double points, bool gras);
};
