#pragma once

#include "app/fenetre.h"

// The toolbox: a 3 x 3 grid of picture buttons that open and close the tool windows.
class FenBOutils : public FenetreZelund
{
    Q_OBJECT
public:
    explicit FenBOutils(QWidget *parent = nullptr);
};
