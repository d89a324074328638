#include "moon/phasesvraies.h"

#include "dates/astronomie.h"
#include "dates/jours.h"
#include "dates/noms.h"
#include "dates/soleil.h"

#include <QStringList>
#include <array>
#include <cmath>
#include <numbers>

namespace Lune {

using Dates::dateSelectionDeValeur;
using Dates::Ecliptiques;
using Dates::instantJulien;
using Dates::jourJulien;
using Dates::jourJulienTT;
using Dates::jourJulienUT;
using Dates::JourMoisAn;
using Dates::nomJour;
using Dates::nomMois;
using Dates::positionLune;
using Dates::rad;
using Dates::SecondesParJour;
using Dates::siecles;
using Dates::soleilGeometrique;
using Dates::valeurDate;

namespace {

// Mean new moon of 6 January 2000 and the mean synodic month, in days.
constexpr double NouvelleLune2000 = 2451550.09766;
constexpr double Lunaison = 29.530588861;
constexpr double KmParUa = 149597870.7;

// The principal phase nearest to lunation k (k + 0, .25, .5, .75), in
// Julian ephemeris days: the mean phase, then the periodic terms of the
// Sun's and Moon's anomalies and the Moon's argument of latitude, then the
// planetary terms.
double jdePhase(double k, PhasePrincipale quelle)
{
    const double t = k / 1236.85;
    const double t2 = t * t;
    double jde = NouvelleLune2000 + Lunaison * k + 0.00015437 * t2 - 0.000000150 * t2 * t + 0.00000000073 * t2 * t2;
    const double e = 1.0 - 0.002516 * t - 0.0000074 * t2;
    const double m = rad(2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t2 * t);
    const double mp = rad(201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t2 * t - 0.000000058 * t2 * t2);
    const double f = rad(160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t2 * t + 0.000000011 * t2 * t2);
    const double om = rad(124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t2 * t);
    using std::sin;

    double c = 0.0;
    switch (quelle) {
    case PhasePrincipale::NouvelleLune:
    case PhasePrincipale::PleineLune: {
        const bool nouvelle = quelle == PhasePrincipale::NouvelleLune;
        c = (nouvelle ? -0.40720 : -0.40614) * sin(mp) + (nouvelle ? 0.17241 : 0.17302) * e * sin(m)
            + (nouvelle ? 0.01608 : 0.01614) * sin(2 * mp) + (nouvelle ? 0.01039 : 0.01043) * sin(2 * f)
            + (nouvelle ? 0.00739 : 0.00734) * e * sin(mp - m) - (nouvelle ? 0.00514 : 0.00515) * e * sin(mp + m)
            + (nouvelle ? 0.00208 : 0.00209) * e * e * sin(2 * m) - 0.00111 * sin(mp - 2 * f)
            - 0.00057 * sin(mp + 2 * f) + 0.00056 * e * sin(2 * mp + m) - 0.00042 * sin(3 * mp)
            + 0.00042 * e * sin(m + 2 * f) + 0.00038 * e * sin(m - 2 * f) - 0.00024 * e * sin(2 * mp - m)
            - 0.00017 * sin(om) - 0.00007 * sin(mp + 2 * m) + 0.00004 * sin(2 * mp - 2 * f) + 0.00004 * sin(3 * m)
            + 0.00003 * sin(mp + m - 2 * f) + 0.00003 * sin(2 * mp + 2 * f) - 0.00003 * sin(mp + m + 2 * f)
            + 0.00003 * sin(mp - m + 2 * f) - 0.00002 * sin(mp - m - 2 * f) - 0.00002 * sin(3 * mp + m)
            + 0.00002 * sin(4 * mp);
        break;
    }
    case PhasePrincipale::PremierQuartier:
    case PhasePrincipale::DernierQuartier: {
        c = -0.62801 * sin(mp) + 0.17172 * e * sin(m) - 0.01183 * e * sin(mp + m) + 0.00862 * sin(2 * mp)
            + 0.00804 * sin(2 * f) + 0.00454 * e * sin(mp - m) + 0.00204 * e * e * sin(2 * m)
            - 0.00180 * sin(mp - 2 * f) - 0.00070 * sin(mp + 2 * f) - 0.00040 * sin(3 * mp)
            - 0.00034 * e * sin(2 * mp - m) + 0.00032 * e * sin(m + 2 * f) + 0.00032 * e * sin(m - 2 * f)
            - 0.00028 * e * e * sin(mp + 2 * m) + 0.00027 * e * sin(2 * mp + m) - 0.00017 * sin(om)
            - 0.00005 * sin(mp - m - 2 * f) + 0.00004 * sin(2 * mp + 2 * f) - 0.00004 * sin(mp + m + 2 * f)
            + 0.00004 * sin(mp - 2 * m) + 0.00003 * sin(mp + m - 2 * f) + 0.00003 * sin(3 * m)
            + 0.00002 * sin(2 * mp - 2 * f) + 0.00002 * sin(mp - m + 2 * f) - 0.00002 * sin(3 * mp + m);
        using std::cos;
        const double w = 0.00306 - 0.00038 * e * cos(m) + 0.00026 * cos(mp) - 0.00002 * cos(mp - m)
                         + 0.00002 * cos(mp + m) + 0.00002 * cos(2 * f);
        c += quelle == PhasePrincipale::PremierQuartier ? w : -w;
        break;
    }
    }
    jde += c;

    // Planetary arguments and their amplitudes, the same for every phase.
    struct Terme
    {
        double a0, a1, amplitude;
    };
    static constexpr std::array<Terme, 14> planetes{{{299.77, 0.107408, 0.000325},
                                                     {251.88, 0.016321, 0.000165},
                                                     {251.83, 26.651886, 0.000164},
                                                     {349.42, 36.412478, 0.000126},
                                                     {84.66, 18.206239, 0.000110},
                                                     {141.74, 53.303771, 0.000062},
                                                     {207.14, 2.453732, 0.000060},
                                                     {154.84, 7.306860, 0.000056},
                                                     {34.52, 27.261239, 0.000047},
                                                     {207.19, 0.121824, 0.000042},
                                                     {291.34, 1.844379, 0.000040},
                                                     {161.72, 24.198154, 0.000037},
                                                     {239.56, 25.513099, 0.000035},
                                                     {331.55, 3.592518, 0.000023}}};
    for (std::size_t i = 0; i < planetes.size(); ++i) {
        double a = planetes[i].a0 + planetes[i].a1 * k;
        if (i == 0)
            a -= 0.009173 * t2;
        jde += planetes[i].amplitude * sin(rad(a));
    }
    return jde;
}

// Quarter-lunation number of the mean phase at or just before a Julian day.
qint64 numeroMoyen(double jj)
{
    return qint64(std::floor((jj - NouvelleLune2000) / (Lunaison / 4)));
}

QString pluriel(int n, const QString &mot)
{
    // French keeps the singular for 0 and 1.
    return QString::number(n) + QLatin1Char(' ') + mot + (n > 1 ? QStringLiteral("s") : QString());
}

} // namespace

double jourJulienPhase(qint64 numero)
{
    const qint64 quart = ((numero % 4) + 4) % 4;
    return jdePhase(double(numero) / 4.0, PhasePrincipale(quart));
}

InstantPhase phase(qint64 numero)
{
    const double jde = jourJulienPhase(numero);
    return {PhasePrincipale(((numero % 4) + 4) % 4), numero, instantJulien(jourJulienUT(jde))};
}

std::vector<InstantPhase> phasesApres(const QDateTime &instant, int nombre)
{
    std::vector<InstantPhase> phases;
    // A true phase strays less than a day from its mean one.
    qint64 n = numeroMoyen(jourJulien(instant)) - 1;
    while (int(phases.size()) < nombre) {
        InstantPhase p = phase(n++);
        if (p.utc > instant)
            phases.push_back(std::move(p));
    }
    return phases;
}

InstantPhase phaseAvant(const QDateTime &instant)
{
    qint64 n = numeroMoyen(jourJulien(instant)) + 2;
    InstantPhase p = phase(n);
    while (p.utc > instant)
        p = phase(--n);
    return p;
}

double fractionEclairee(const QDateTime &instant)
{
    const double t = siecles(jourJulienTT(jourJulien(instant)));
    const Ecliptiques lune = positionLune(t);
    Ecliptiques soleil = soleilGeometrique(t);
    soleil.distance *= KmParUa;
    // Elongation of the Moon from the Sun, then the phase angle seen from the Moon.
    const double psi = std::acos(std::cos(rad(lune.latitude)) * std::cos(rad(lune.longitude - soleil.longitude)));
    const double i = std::atan2(soleil.distance * std::sin(psi), lune.distance - soleil.distance * std::cos(psi));
    return (1.0 + std::cos(i)) / 2.0;
}

double ageLune(const QDateTime &instant)
{
    qint64 n = numeroMoyen(jourJulien(instant));
    n -= ((n % 4) + 4) % 4;
    n += 4;
    InstantPhase p = phase(n);
    while (p.utc > instant)
        p = phase(n -= 4);
    return double(p.utc.msecsTo(instant)) / (SecondesParJour * 1000.0);
}

QString nomPhase(PhasePrincipale phase)
{
    switch (phase) {
    case PhasePrincipale::NouvelleLune: return QStringLiteral("Nouvelle lune");
    case PhasePrincipale::PremierQuartier: return QStringLiteral("Premier quartier");
    case PhasePrincipale::PleineLune: return QStringLiteral("Pleine lune");
    case PhasePrincipale::DernierQuartier: return QStringLiteral("Dernier quartier");
    }
    return {};
}

QString nomPhaseJour(const QDate &jour, const QTimeZone &fuseau)
{
    const QDateTime debut = jour.startOfDay(fuseau);
    const QDateTime fin = jour.addDays(1).startOfDay(fuseau);
    const InstantPhase avant = phaseAvant(fin.addMSecs(-1));
    if (avant.utc >= debut)
        return nomPhase(avant.phase);
    switch (avant.phase) {
    case PhasePrincipale::NouvelleLune: return QStringLiteral("Premier croissant");
    case PhasePrincipale::PremierQuartier: return QStringLiteral("Lune gibbeuse croissante");
    case PhasePrincipale::PleineLune: return QStringLiteral("Lune gibbeuse décroissante");
    case PhasePrincipale::DernierQuartier: return QStringLiteral("Dernier croissant");
    }
    return {};
}

QString textePhase(const InstantPhase &p, const QTimeZone &fuseau)
{
    // To the nearest minute, as almanacs give it; the day as the main window
    // writes it, Julian before the reform.
    const QDateTime local = p.utc.toTimeZone(fuseau).addSecs(30);
    const QDate g = local.date();
    const JourMoisAn d = dateSelectionDeValeur(valeurDate(g.day(), g.month(), g.year()));
    const QTime h = local.time();
    return QStringLiteral("%1 : %2 %3 %4 %5 à %6 h %7")
        .arg(nomPhase(p.phase), nomJour(g.dayOfWeek()))
        .arg(d.jour)
        .arg(nomMois(d.mois))
        .arg(d.annee)
        .arg(h.hour())
        .arg(h.minute(), 2, 10, QLatin1Char('0'));
}

QDateTime instantDuJour(const QDate &jour, const QDateTime &maintenant, const QTimeZone &fuseau)
{
    const QDateTime ici = maintenant.toTimeZone(fuseau);
    if (ici.date() == jour)
        return ici;
    return QDateTime(jour, QTime(12, 0), fuseau);
}

std::optional<QString> texteLune(const QDateTime &instant, const QTimeZone &fuseau)
{
    const QDate jour = instant.toTimeZone(fuseau).date();
    if (jour.year() < PhasesAnneeMin || jour.year() > PhasesAnneeMax)
        return std::nullopt;
    const int pourcent = int(std::lround(100.0 * fractionEclairee(instant)));
    const auto heures = int(std::floor(ageLune(instant) * 24.0));
    const QString age =
        pluriel(heures / 24, QStringLiteral("jour")) + QLatin1Char(' ') + pluriel(heures % 24, QStringLiteral("heure"));
    QStringList lignes{nomPhaseJour(jour, fuseau), QStringLiteral("Éclairée à %1 %, âge %2").arg(pourcent).arg(age),
                       QStringLiteral("Prochaines phases :")};
    for (const InstantPhase &p : phasesApres(instant, 4))
        lignes << textePhase(p, fuseau);
    return lignes.join(QLatin1Char('\n'));
}

} // namespace Lune
