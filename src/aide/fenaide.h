#pragma once

#include "base/sujetaide.h"
#include "ui/fenetre.h"

#include <array>

class PageAide;
class QUrl;
class VantelBttn;

// The help viewer: one page a topic, and the contents. One window serves
// every request and is reused while it is open.
class FenAide : public FenetreZelund
{
    Q_OBJECT
public:
    explicit FenAide(QWidget *parent = nullptr);

    // Shows the viewer on a topic, creating it if need be.
    static FenAide *affiche(SujetAide sujet);
    // The open viewer, or nullptr.
    static FenAide *ouverte();

    void afficheSujet(SujetAide sujet);

private:
    Ui::Cadre m_cadre;
    void creeControles();
    void appliqueCouleurs();
    void lienClique(const QUrl &lien);

    PageAide *m_page = nullptr;
    VantelBttn *m_precedent = nullptr;
    VantelBttn *m_suivant = nullptr;
    VantelBttn *m_sommaire = nullptr;
};
