#pragma once

#include <QtGlobal>

// The general-purpose random source: uniform doubles in [0, 1), seeded once
// per run from the time of day.
namespace Alea {
void initialise(quint32 graine);
double suivant();
} // namespace Alea
