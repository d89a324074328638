#pragma once

#include "base/couleurs.h"

#include <QList>

class QColor;
class QWidget;
class VantelBttn;
class VantelPanel;

// Which controls of a window take which of the seven interface colours.
struct AffectationCouleurs
{
    QWidget *fenetre = nullptr;
    QList<VantelBttn *> degrade;        // start colour at gradientcolorstart
    QList<VantelBttn *> degradeInverse; // start colour at gradientcolorend
    QList<VantelPanel *> panneaux;
    QList<VantelPanel *> panneauxInverses;
    QList<QWidget *> texteBoutons;  // "Texte des boutons"
    QList<VantelBttn *> lumiere;    // "'Lumière' des boutons"
    QList<QWidget *> autresTextes;  // "Autres textes"
    QList<QWidget *> visualisation; // "Visualisation, dossiers, etc." as background
    QList<QWidget *> fondFenetre;   // other controls taking "Fond des fenêtres" as background
};

namespace Ui {

// Gradients first (start colour, then end colour), then texts, highlight and backgrounds.
void appliqueCouleurs(const AffectationCouleurs &a, const Couleurs::Schema &s);

// The foreground or background of any control: custom controls, labels,
// lists, text boxes, lines and pictures alike.
void metCouleurTexte(QWidget *w, const QColor &c);
void metCouleurFond(QWidget *w, const QColor &c);

} // namespace Ui
