#pragma once

#include "ui/vantelpanel.h"

#include <array>

struct AffectationCouleurs;
class Ligne;
class QLabel;
class VantelBttn;

// The main window's menu panel: about box, the seven interface colours and
// their reset, the tooltip and tips switches, removing the settings and
// opening the settings file.
class PopUpInfos : public VantelPanel
{
    Q_OBJECT
public:
    explicit PopUpInfos(QWidget *parent = nullptr);

    // Captions with the " «" marker of a switch that is on.
    static QString legendeInfoBulles(bool actives);
    static QString legendeConseils(bool conseilDemarrage);

    void changeCouleur(int indice);
    void reinitialiseCouleurs();
    void basculeInfoBulles();
    void basculeConseils();
    void desinstalle();
    void ouvreReglages();

    // Its entries, label and lines take the main window's colours with it.
    void ajouteCouleurs(AffectationCouleurs &a);
    // Its entries follow apres in the Tab order, top to bottom.
    void suitDansLOrdreTab(QWidget *apres) const;
    // Opened from the keyboard, the keyboard goes to its first entry.
    void prendLeClavier();
    // The two switches' captions as the settings have them; the tips' alone.
    void actualiseInterrupteurs();
    void actualiseConseils();

signals:
    void aproposDemande();

private:
    VantelBttn *entree(const QString &nom, const QString &caption, int haut);
    QList<VantelBttn *> entrees() const;

    VantelBttn *m_apropos = nullptr;
    QLabel *m_titreCouleurs = nullptr;
    std::array<VantelBttn *, 7> m_couleurs{}; // in the order of the colour table
    VantelBttn *m_reinitialise = nullptr;
    VantelBttn *m_infoBulles = nullptr;
    VantelBttn *m_conseils = nullptr;
    VantelBttn *m_desinstalle = nullptr;
    VantelBttn *m_fichierReglages = nullptr;
    VantelBttn *m_ferme = nullptr;
    std::array<Ligne *, 4> m_lignes{};
    // The colour picker opens on the colour last chosen in it, black at first.
    quint32 m_couleurSelecteur = 0;
};
