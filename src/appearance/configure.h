#pragma once

#include "app/fenetre.h"

// The configuration dialog: sky and Moon colours, the year range and the start-up view.
class Configure : public FenetreZelund
{
    Q_OBJECT
public:
    explicit Configure(QWidget *parent = nullptr);
};
