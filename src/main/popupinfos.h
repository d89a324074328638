#pragma once

#include "ui/vantelpanel.h"

#include <array>

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

    VantelBttn *CmdApropos2 = nullptr;
    QLabel *LblChangerCoul = nullptr;
    std::array<VantelBttn *, 7> CmdCouleur{}; // CmdCoulDeb ... CmdCoulVisu, in table order
    VantelBttn *CmdReset = nullptr;
    VantelBttn *CmdBulAide = nullptr;
    VantelBttn *CmdConseilDem = nullptr;
    VantelBttn *CmdSupprCle = nullptr;
    VantelBttn *CmdRegEdit = nullptr;
    VantelBttn *CmdFerMnu = nullptr;
    std::array<Ligne *, 4> Lignes{};

signals:
    void aproposDemande();

private:
    VantelBttn *entree(const QString &caption, int haut);
    // The colour picker opens on the colour last chosen in it, black at first.
    quint32 m_couleurSelecteur = 0;
};
