// The date calculations over the whole range of years: the working days
// between 1 January -1900 and 31 December 9999, and the working day that
// lies furthest away, in microseconds per answer (medians). The first count
// builds the holidays' yearly totals, and is given apart.
#include "dates/calculs.h"
#include "mesure.h"

#include <QElapsedTimer>
#include <cstdio>

namespace {

template<typename F>
double microsecondes(F calcul, int tours)
{
    QVector<double> mesures;
    for (int i = 0; i < tours; ++i) {
        QElapsedTimer t;
        t.start();
        calcul();
        mesures << double(t.nsecsElapsed()) / 1000.0;
    }
    return Mesure::mediane(mesures);
}

} // namespace

int main()
{
    const Dates::JourMoisAn premier{1, 1, Dates::CalculAnneeMin};
    const Dates::JourMoisAn dernier{31, 12, Dates::CalculAnneeMax};
    volatile qint64 puits = 0;
    QElapsedTimer t;
    t.start();
    puits = *Dates::joursOuvres(premier, dernier, Dates::Regle::Ouvres, Dates::Region::France);
    const double premiere = double(t.nsecsElapsed()) / 1000.0;
    const qint64 total = puits;
    const double compte = microsecondes(
        [&] { puits = *Dates::joursOuvres(premier, dernier, Dates::Regle::Ouvrables, Dates::Region::AlsaceMoselle); },
        2000);
    const double rang = microsecondes(
        [&] { puits = Dates::jourOuvre(premier, total, Dates::Regle::Ouvres, Dates::Region::France)->annee; }, 500);
    const double ajout =
        microsecondes([&] { puits = Dates::ajoute(premier, 4346400, Dates::Unite::Jours)->date.annee; }, 2000);
    std::printf("jours ouvrés de -1900 à 9999 : %lld\n", static_cast<long long>(total));
    std::printf("premier compte (avec les totaux des années) : %.1f µs\n", premiere);
    std::printf("compte sur toute la plage, médiane : %.2f µs\n", compte);
    std::printf("%lld-ième jour ouvré depuis le 1/1/-1900, médiane : %.2f µs\n", static_cast<long long>(total), rang);
    std::printf("ajout de 4 346 400 jours, médiane : %.2f µs\n", ajout);
    return compte < 1000.0 && rang < 1000.0 ? 0 : 1;
}
