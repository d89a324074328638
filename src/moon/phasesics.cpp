#include "moon/phasesics.h"

#include "moon/phasesvraies.h"

namespace Lune {

namespace {

std::vector<Dates::PhaseIcs> phasesEntre(const QDateTime &debut, const QDateTime &fin)
{
    std::vector<Dates::PhaseIcs> phases;
    for (InstantPhase p = phase(phaseAvant(debut.addMSecs(-1)).numero + 1); p.utc < fin; p = phase(p.numero + 1))
        phases.push_back({p.numero, nomPhase(p.phase), p.utc});
    return phases;
}

} // namespace

Dates::PhasesIcs phasesIcs()
{
    return {phasesEntre, PhasesAnneeMin, PhasesAnneeMax};
}

} // namespace Lune
