#include "ui/cadre.h"

#include "ui/appliquecouleurs.h"
#include "ui/vantelbttn.h"

namespace Ui {

VantelBttn *Cadre::bande(int numero) const
{
    for (const Bandeau &b : bandes)
        if (b.numero == numero)
            return b.bouton;
    return nullptr;
}

void Cadre::ajouteCouleurs(AffectationCouleurs &a) const
{
    for (VantelBttn *b : {deplacement, reduire, fermer}) {
        if (!b)
            continue;
        a.degrade << b;
        a.texteBoutons << b;
        a.lumiere << b;
    }
    for (const Bandeau &b : bandes)
        (b.inverse ? a.degradeInverse : a.degrade) << b.bouton;
}

DescriptionCadre cadreOutil(const QString &titre, int largeur, int hauteur)
{
    constexpr int Barre = 315; // title bar and horizontal strips
    constexpr int Cote = 600;  // side strips
    const int cotes = hauteur - 2 * Cote;
    const int moitie = cotes / 2;
    return {titre,
            largeur,
            true,
            false,
            {{1, {0, Barre - 15, largeur, Barre}, true},
             {2, {0, Cote, Cote, moitie}, false},
             {3, {0, Cote + moitie, Cote, cotes - moitie}, true},
             {4, {largeur - Cote, Cote, Cote, moitie}, false},
             {5, {largeur - Cote, Cote + moitie, Cote, cotes - moitie}, true},
             {7, {0, hauteur - 2 * Barre, largeur, Barre}, false},
             {6, {0, hauteur - Barre, largeur, Barre}, true}}};
}

} // namespace Ui
