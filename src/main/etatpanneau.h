#pragma once

// The main window's lower panel: closed, or open on the counter or the Moon.
struct EtatPanneau
{
    bool panneauOuvert = false;
    bool compteurVisible = false;
    bool luneVisible = false;
    bool operator==(const EtatPanneau &) const = default;

    static EtatPanneau ferme() { return {}; }
    static EtatPanneau compteur() { return {true, true, false}; }
    static EtatPanneau lune() { return {true, false, true}; }
};

namespace Principal {

// A press on the counter button or on the Moon button: the shown view's
// button closes the panel, the other one opens its own view.
EtatPanneau appuiCompteur(EtatPanneau e);
EtatPanneau appuiLune(EtatPanneau e);

// Where the frame strips go and how tall the window is, in twips.
struct DispositionCadre
{
    int hautForme3;
    int hautForme8;
    int hautForme7;
    int hauteurForme1;
    int hauteurForme5;
    int hauteurForme2;
    int hauteurForme6;
    int hautForme2;
    int hautForme6;
    int hauteurFenetre;
};

DispositionCadre disposition(bool ouverte);

} // namespace Principal
