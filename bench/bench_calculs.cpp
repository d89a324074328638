// The date calculations over the whole range of years: the working days
// between 1 January -1900 and 31 December 9999, and the working day that
// lies furthest away, in microseconds per answer (medians). The first count
// builds the holidays' yearly totals, and is given apart.
#include "dates/calculs.h"
#include "mesure.h"

#include <QElapsedTimer>
#include <cstdio>
#include <ctime>

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

// Processor time of this thread: the machine may be busy with other work.
double processeur()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
}

} // namespace

int main()
{
    const Dates::JourMoisAn premier{1, 1, Dates::CalculAnneeMin};
    const Dates::JourMoisAn dernier{31, 12, Dates::CalculAnneeMax};
    volatile qint64 puits = 0;
    const double avant = processeur();
    puits = *Dates::joursOuvres(premier, dernier, Dates::Regle::Ouvres, Dates::Region::France);
    const double premiere = processeur() - avant;
    const qint64 total = puits;
    const double compte = microsecondes(
        [&] { puits = *Dates::joursOuvres(premier, dernier, Dates::Regle::Ouvrables, Dates::Region::AlsaceMoselle); },
        2000);
    // The last working day of the range, counted from the day after the first.
    const qint64 plusLoin =
        *Dates::joursOuvres({2, 1, Dates::CalculAnneeMin}, dernier, Dates::Regle::Ouvres, Dates::Region::France);
    const double rang = microsecondes(
        [&] { puits = Dates::jourOuvre(premier, plusLoin, Dates::Regle::Ouvres, Dates::Region::France)->annee; }, 500);
    const double ajout =
        microsecondes([&] { puits = Dates::ajoute(premier, 4346400, Dates::Unite::Jours)->date.annee; }, 2000);
    std::printf("jours ouvrés de -1900 à 9999 : %lld\n", static_cast<long long>(total));
    std::printf("premier compte (avec les totaux des années), temps processeur : %.1f µs\n", premiere);
    std::printf("compte sur toute la plage, médiane : %.2f µs\n", compte);
    std::printf("%lld-ième jour ouvré après le 1/1/-1900, médiane : %.2f µs\n", static_cast<long long>(plusLoin), rang);
    std::printf("ajout de 4 346 400 jours, médiane : %.2f µs\n", ajout);
    return compte < 1000.0 && rang < 1000.0 ? 0 : 1;
}
