#pragma once

#include "ui/fenetre.h"

#include <array>

class QLabel;
class QTimer;
class VantelBttn;

// What the two countdown windows share: the frame, the display label and the
// one-second timer, which runs once the toolbox has started the count.
class FenCompte : public FenetreZelund
{
    Q_OBJECT
public:
    // Writes the count for the current date and time.
    virtual void tic() = 0;
    // Started from the toolbox: the timer runs whenever the window shows.
    void lance() { m_lance = true; }

protected:
    FenCompte(const QString &titre, const QFont &police, QWidget *parent);

    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    // The count has reached its end: the timer stops for good.
    void termine();
    // Shows the count; nomLu, when given, is what a screen reader is told instead.
    void affiche(const QString &texte, const QString &nomLu = QString());

private:
    Ui::Cadre m_cadre;
    void appliqueCouleurs();

    QLabel *m_affichage = nullptr;
    QTimer *m_minuterie = nullptr;
    bool m_lance = false;
    bool m_termine = false;
};
