#pragma once

#include "ui/fenetre.h"

#include <array>

class QLabel;
class QTimer;
class VantelBttn;
struct Partage;

// What the two countdown windows share: the frame, the display label, the
// one-second timer that the toolbox's start flag allows, the closed mark.
class FenCompte : public FenetreZelund
{
    Q_OBJECT
public:
    QLabel *AfficheTemps = nullptr;
    QTimer *Timer1 = nullptr;

    // Writes the count for the current date and time.
    virtual void tic() = 0;

protected:
    using Marque = bool Partage::*;
    FenCompte(const QString &titre, const QFont &police, Marque fermee, Marque lance, QWidget *parent);

    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    // The count has reached its end: the timer stops for good.
    void termine();

private:
    Ui::Cadre m_cadre;
    void appliqueCouleurs();

    Marque m_lance;
    bool m_termine = false;
};
