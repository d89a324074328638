#pragma once

#include "ui/fenetre.h"

#include <array>

class QTextBrowser;
class QUrl;
class VantelBttn;

// The help viewer: one page a topic, and the contents. One window serves
// every request and is reused while it is open.
class FenAide : public FenetreZelund
{
    Q_OBJECT
public:
    explicit FenAide(QWidget *parent = nullptr);

    // Shows the viewer on a topic (0: the contents), creating it if need be.
    static FenAide *affiche(int contexte);
    // The open viewer, or nullptr.
    static FenAide *ouverte();

    void afficheSujet(int contexte);

    QTextBrowser *Texte = nullptr;
    VantelBttn *CmdPrecedent = nullptr;
    VantelBttn *CmdSuivant = nullptr;
    VantelBttn *CmdSommaire = nullptr;

private:
    Ui::Cadre m_cadre;
    void creeControles();
    void appliqueCouleurs();
    void lienClique(const QUrl &lien);
};
