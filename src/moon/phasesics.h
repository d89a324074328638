#pragma once

#include "dates/exportics.h"

namespace Lune {

// The true Moon's principal phases for the iCalendar export, over the years
// they are given for.
Dates::PhasesIcs phasesIcs();

} // namespace Lune
