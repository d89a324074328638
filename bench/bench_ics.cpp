// The iCalendar export of 200 years (1900 to 2099: holidays, the Moon's
// principal phases, equinoxes and solstices) written to a file, against a
// bare baseline in the same run: the same number of fixed events appended
// to a buffer and written the same way. Medians and quartiles in
// milliseconds, and their ratio.
#include "calendar/dialogueics.h"
#include "dates/exportics.h"
#include "mesure.h"
#include "moon/phasesics.h"

#include <QElapsedTimer>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <cstdio>
#include <ctime>

namespace {

// Processor time of this process, in milliseconds: the machine may be busy
// with other work, which stretches the elapsed time alone.
double processeur()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

struct Mesures
{
    QVector<double> ecoule;
    QVector<double> processeur;
};

template<typename F>
Mesures millisecondes(F travail, int tours)
{
    Mesures m;
    for (int i = 0; i < tours; ++i) {
        QElapsedTimer t;
        const double avant = processeur();
        t.start();
        travail();
        m.ecoule << double(t.nsecsElapsed()) / 1e6;
        m.processeur << processeur() - avant;
    }
    return m;
}

void affiche(const char *nom, const Mesures &m)
{
    for (const auto &[genre, v] : {std::pair{"écoulé", &m.ecoule}, std::pair{"processeur", &m.processeur}})
        std::printf("%-28s %-10s médiane %7.2f ms, quartiles %7.2f à %7.2f ms\n", nom, genre, Mesure::mediane(*v),
                    Mesure::quantile(*v, 0.25), Mesure::quantile(*v, 0.75));
}

} // namespace

int main(int argc, char **argv)
{
    const int tours = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    const int debut = 1900, fin = 2099;
    const QDateTime horodatage(QDate(2026, 12, 7), QTime(12, 0), QTimeZone::utc());
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("export.ics"));
    const Dates::PhasesIcs lune = Lune::phasesIcs();
    const auto evenements = Dates::evenementsIcs(debut, fin, Dates::Region::France, lune).size();
    const QByteArray un = Dates::ligneIcs("BEGIN:VEVENT") + Dates::ligneIcs("UID:2002-noel@zelund")
                          + Dates::ligneIcs("DTSTAMP:20261207T120000Z") + Dates::ligneIcs("DTSTART:20020624T214200Z")
                          + Dates::ligneIcs("SUMMARY:Pleine lune") + Dates::ligneIcs("CATEGORIES:Lune")
                          + Dates::ligneIcs("TRANSP:TRANSPARENT") + Dates::ligneIcs("END:VEVENT");

    const Mesures nu = millisecondes(
        [&] {
            QByteArray texte;
            for (std::size_t i = 0; i < evenements; ++i)
                texte += un;
            QSaveFile f(chemin);
            if (f.open(QIODevice::WriteOnly)) {
                f.write(texte);
                f.commit();
            }
        },
        tours);
    const Mesures export200 = millisecondes(
        [&] {
            if (Calendrier::ecrisIcs(chemin, debut, fin, Dates::Region::France, horodatage, lune))
                std::exit(2);
        },
        tours);
    std::printf("%zu événements de %d à %d, %d tours\n", evenements, debut, fin, tours);
    affiche("référence nue (même nombre)", nu);
    affiche("export iCalendar", export200);
    std::printf("rapport des médianes : %.1f écoulé, %.1f processeur\n",
                Mesure::mediane(export200.ecoule) / Mesure::mediane(nu.ecoule),
                Mesure::mediane(export200.processeur) / Mesure::mediane(nu.processeur));
    return 0;
}
