#pragma once

#include "pastimes/fencompte.h"

// The time left until 1 January 2010, then the arrival.
class Fen2010 : public FenCompte
{
    Q_OBJECT
public:
    explicit Fen2010(QWidget *parent = nullptr);
    void tic() override;
};
