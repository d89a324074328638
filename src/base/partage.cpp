#include "base/partage.h"

void Partage::prend(const Base::ValeursChargees &v)
{
    couleurs = v.couleurs;
    ciel = v.ciel;
    etoiles = v.etoiles;
    anneeDebut = v.anneeDebut;
    anneeFin = v.anneeFin;
    infoBulles = v.infoBulles;
    infoBullesActives = v.infoBullesActives();
    conseilDemarrage = v.conseilDemarrage;
    regionCalculs = v.regionCalculs;
    uniteCalculs = v.uniteCalculs;
    lieuEphemeride = v.lieu;
}

Partage &partage()
{
    static Partage p;
    return p;
}
