#pragma once

#include "app/fenetre.h"

// The about box, its text scrolling upwards.
class Apropos : public FenetreZelund
{
    Q_OBJECT
public:
    explicit Apropos(QWidget *parent = nullptr);
};
