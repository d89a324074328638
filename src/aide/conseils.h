#pragma once

#include "ui/fenetre.h"

#include <QStringList>
#include <array>

class QCheckBox;
class QLabel;
class VantelBttn;

// Tips of the day: one tip of the tips file, paged in file order from a
// random start, and the switch that opens the window at the next start.
class Conseils : public FenetreZelund
{
    Q_OBJECT
public:
    explicit Conseils(QWidget *parent = nullptr);

protected:
    void echappe() override;

private:
    Ui::Cadre m_cadre;
    void creeControles();
    void appliqueCouleurs();
    // Reads the tips and shows a first one at random; false when the file
    // cannot be read.
    bool litConseils(const QString &chemin);
    void afficheConseil();
    void conseilSuivant();
    void caseDemarrageCochee(bool coche);

    QStringList m_tips;
    int m_courant = 0;
    QLabel *m_illustration = nullptr;
    QLabel *m_texte = nullptr;
    QLabel *m_bandeCase = nullptr;
    QCheckBox *m_caseDemarrage = nullptr;
    VantelBttn *m_ok = nullptr;
    VantelBttn *m_suivant = nullptr;
};
