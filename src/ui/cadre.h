#pragma once

#include <QList>
#include <QRect>
#include <QString>

struct AffectationCouleurs;
class VantelBttn;

namespace Ui {

// One strip of a window's frame: its number (its object name is "Forme"
// followed by it), where it lies in twips, and whether its gradient runs from
// the end colour to the start colour.
struct Bande
{
    int numero = 0;
    QRect place;
    bool inverse = false;
};

// What a window's frame is made of: a title bar along the top edge, the drag
// button across it up to the buttons at its right end, then the strips, made
// in the order given (a later one lies over an earlier one).
struct DescriptionCadre
{
    QString titre;
    int largeur = 0; // twips
    bool fermer = true;
    bool reduire = false;
    QList<Bande> bandes;
};

// The controls a window's frame was built into.
struct Cadre
{
    VantelBttn *deplacement = nullptr;
    VantelBttn *reduire = nullptr;
    VantelBttn *fermer = nullptr;
    struct Bandeau
    {
        int numero = 0;
        VantelBttn *bouton = nullptr;
        bool inverse = false;
    };
    QList<Bandeau> bandes; // in the order of the description

    VantelBttn *bande(int numero) const;
    // The frame's share of a colour scheme: the gradients of its buttons and
    // strips, the caption and highlight colours of its buttons.
    void ajouteCouleurs(AffectationCouleurs &a) const;
};

// The frame of the tool windows: under the title bar a strip, two along each
// side, two along the bottom, across a window of largeur x hauteur twips.
DescriptionCadre cadreOutil(const QString &titre, int largeur, int hauteur);

} // namespace Ui
