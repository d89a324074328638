#include "base/partage.h"

Partage &partage()
{
    static Partage p;
    return p;
}
