#pragma once

#include "pastimes/fencompte.h"

// The days since the start of the third millennium.
class Fen2001 : public FenCompte
{
    Q_OBJECT
public:
    explicit Fen2001(QWidget *parent = nullptr);
    void tic() override;
};
