// The date calculations over the whole range of years: the working days
// between 1 January -1900 and 31 December 9999, and the working day that
// lies furthest away, in microseconds of this thread's processor time
// (medians and quartiles). The first count of a process is timed apart, in
// fresh processes (`bench_calculs --premier` prints one), as a user's first
// question pays it. The baseline, in the same run: the same span walked day
// by day, Monday to Friday counted, holidays left out.
#include "dates/calculs.h"
#include "mesure.h"

#include <QCoreApplication>
#include <QProcess>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

const Dates::JourMoisAn Premier{1, 1, Dates::CalculAnneeMin};
const Dates::JourMoisAn Dernier{31, 12, Dates::CalculAnneeMax};

// Processor time of this thread: the machine may be busy with other work.
double processeur()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
}

struct Temps
{
    double bas, mediane, haut; // quartiles
};

Temps temps(const QVector<double> &v)
{
    return {Mesure::quantile(v, 0.25), Mesure::mediane(v), Mesure::quantile(v, 0.75)};
}

template<typename F>
Temps chronometre(F calcul, int tours)
{
    QVector<double> mesures;
    for (int i = 0; i < tours; ++i) {
        const double avant = processeur();
        calcul();
        mesures << processeur() - avant;
    }
    return temps(mesures);
}

void affiche(const char *quoi, Temps t, double base)
{
    std::printf("%s : médiane %.2f µs (quartiles %.2f – %.2f), %.4f × la base\n", quoi, t.mediane, t.bas, t.haut,
                t.mediane / base);
}

volatile qint64 puits = 0;

void premierCompte()
{
    const double avant = processeur();
    puits = *Dates::joursOuvres(Premier, Dernier, Dates::Regle::Ouvres, Dates::Region::France);
    std::printf("%.3f\n", processeur() - avant);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--premier") == 0) {
        premierCompte();
        return 0;
    }
    QCoreApplication app(argc, argv);
    const qint64 n1 = *Dates::numeroJour(Premier);
    const qint64 n2 = *Dates::numeroJour(Dernier);
    const Temps base = chronometre(
        [&] {
            qint64 n = 0;
            for (qint64 j = n1; j <= n2; ++j)
                n += j % 7 < 5 ? 1 : 0;
            puits = n;
        },
        15);

    QVector<double> premieres;
    for (int i = 0; i < 31; ++i) {
        QProcess p;
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--premier")});
        if (!p.waitForFinished() || p.exitCode() != 0)
            return 1;
        premieres << p.readAllStandardOutput().trimmed().toDouble();
    }
    const Temps premiere = temps(premieres);

    const qint64 total = *Dates::joursOuvres(Premier, Dernier, Dates::Regle::Ouvres, Dates::Region::France);
    const Temps compte = chronometre(
        [&] { puits = *Dates::joursOuvres(Premier, Dernier, Dates::Regle::Ouvrables, Dates::Region::AlsaceMoselle); },
        2000);
    // The last working day of the range, counted from the day after the first.
    const qint64 plusLoin =
        *Dates::joursOuvres({2, 1, Dates::CalculAnneeMin}, Dernier, Dates::Regle::Ouvres, Dates::Region::France);
    const Temps rang = chronometre(
        [&] { puits = Dates::jourOuvre(Premier, plusLoin, Dates::Regle::Ouvres, Dates::Region::France)->annee; }, 500);
    const Temps ajout =
        chronometre([&] { puits = Dates::ajoute(Premier, 4346400, Dates::Unite::Jours)->date.annee; }, 2000);
    std::printf("jours ouvrés de -1900 à 9999 : %lld\n", static_cast<long long>(total));
    std::printf(
        "base, la plage jour par jour (lundi à vendredi, sans fériés) : médiane %.0f µs (quartiles %.0f – %.0f)\n",
        base.mediane, base.bas, base.haut);
    affiche("premier compte d'un processus (31 processus)", premiere, base.mediane);
    affiche("compte sur toute la plage, ensuite", compte, base.mediane);
    char quoi[96];
    std::snprintf(quoi, sizeof quoi, "%lld-ième jour ouvré après le 1/1/-1900", static_cast<long long>(plusLoin));
    affiche(quoi, rang, base.mediane);
    affiche("ajout de 4 346 400 jours", ajout, base.mediane);
    return premiere.mediane < 1000.0 && compte.mediane < 1000.0 && rang.mediane < 1000.0 ? 0 : 1;
}
