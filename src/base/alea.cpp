#include "base/alea.h"

#include <random>

namespace {
std::mt19937 &moteur()
{
    static std::mt19937 m(0);
    return m;
}
} // namespace

void Alea::initialise(quint32 graine)
{
    moteur().seed(graine);
}

double Alea::suivant()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(moteur());
}
