#pragma once

#include "app/fenetre.h"

// The help viewer: one page a topic, and the contents.
class FenAide : public FenetreZelund
{
    Q_OBJECT
public:
    explicit FenAide(QWidget *parent = nullptr);
};
