#pragma once

#include "app/fenetre.h"

// Tips of the day.
class Conseils : public FenetreZelund
{
    Q_OBJECT
public:
    explicit Conseils(QWidget *parent = nullptr);
};
