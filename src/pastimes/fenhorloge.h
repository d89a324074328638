#pragma once

#include "pastimes/cadranhorloge.h"
#include "ui/fenetre.h"

#include <QColor>
#include <array>

class QTimer;
class VantelBttn;

// The analog clock, opened and closed from the toolbox only.
class FenHorloge : public FenetreZelund
{
    Q_OBJECT
public:
    explicit FenHorloge(QWidget *parent = nullptr);

    // Sets the hands to the time of day and waits for the next wall-clock second.
    void tic();

    CadranHorloge *FondHorloge = nullptr;
    QTimer *Timer1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    // No close button: Escape closes it as the toolbox would.
    void echappe() override;

private:
    Ui::Cadre m_cadre;
    void appliqueCouleurs();
};
