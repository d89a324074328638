#pragma once

#include "pastimes/cadranhorloge.h"
#include "ui/fenetre.h"

#include <QColor>
#include <array>

class QTimer;
class VantelBttn;

// The analog clock, opened and closed from the toolbox or its own close button.
class FenHorloge : public FenetreZelund
{
    Q_OBJECT
public:
    explicit FenHorloge(QWidget *parent = nullptr);

    // Sets the hands to the time of day and waits for the next wall-clock second.
    void tic();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    Ui::Cadre m_cadre;
    void appliqueCouleurs();

    CadranHorloge *m_cadran = nullptr;
    QTimer *m_minuterie = nullptr;
};
