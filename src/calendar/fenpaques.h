#pragma once

#include "ui/fenoutil.h"

class QLabel;
class QLineEdit;
class CompteurVertical;
class VantelPanel;

// Easter and the holidays that follow from it for a chosen year, above the
// list of the holidays that fall on fixed dates.
class FenPaques : public FenOutil
{
    Q_OBJECT
public:
    explicit FenPaques(QWidget *parent = nullptr);

    VantelPanel *FondPaques = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *TxtAnnee = nullptr;
    CompteurVertical *ChangeAn = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label3 = nullptr;

private:
    QLabel *orthodoxe = nullptr; // Orthodox Easter, below the five dates

    void appliqueCouleurs();
    void Affichage_des_jours_feries();
    void anneeModifiee(const QString &texte);
    void compteurModifie(int valeur);
};
