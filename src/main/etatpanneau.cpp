#include "main/etatpanneau.h"

namespace Principal {

EtatPanneau appuiCompteur(EtatPanneau e)
{
    if (e.panneauOuvert && !e.luneVisible)
        return EtatPanneau::ferme();
    return EtatPanneau::compteur();
}

EtatPanneau appuiLune(EtatPanneau e)
{
    if (e.panneauOuvert && !e.compteurVisible)
        return EtatPanneau::ferme();
    return EtatPanneau::lune();
}

DispositionCadre disposition(bool ouverte)
{
    if (ouverte)
        return {7245, 7245, 7560, 3480, 3480, 3165, 3165, 4080, 4080, 7875};
    return {4725, 4725, 5040, 2100, 2100, 2025, 2025, 2700, 2700, 5340};
}

} // namespace Principal
