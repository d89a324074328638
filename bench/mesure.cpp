#include "mesure.h"

#include <sys/resource.h>

long Mesure::picMemoireKio()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
