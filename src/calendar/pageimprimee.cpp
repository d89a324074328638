#include "calendar/pageimprimee.h"

#include "dates/calendrier.h"
#include "dates/calendriervecu.h"
#include "dates/infojour.h"
#include "dates/noms.h"
#include "dates/saisons.h"
#include "dates/semaine.h"

#include <QDate>

namespace Calendrier {

namespace {

using Genre = ElementPage::Genre;
using Role = ElementPage::Role;

// The seasons' series are meant for these years.
constexpr int SaisonsAnneeMin = 1000;
constexpr int SaisonsAnneeMax = 3000;

const QStringList &initiales()
{
    static const QStringList i = {QStringLiteral("L"), QStringLiteral("M"), QStringLiteral("M"), QStringLiteral("J"),
                                  QStringLiteral("V"), QStringLiteral("S"), QStringLiteral("D")};
    return i;
}

QString capitale(const QString &s)
{
    return s.isEmpty() ? s : s.left(1).toUpper() + s.mid(1);
}

// "dimanche 1er avril" as the day was written then.
QString jourEcrit(qint64 jourJulien)
{
    const Dates::JourMoisAn d = Dates::dateVecue(jourJulien);
    return QStringLiteral("%1 %2 %3")
        .arg(Dates::nomJour(Dates::jourSemaine(jourJulien)),
             d.jour == 1 ? QStringLiteral("1er") : QString::number(d.jour), Dates::nomMois(d.mois));
}

QString texteSaison(int annee, Dates::PointSaison point, const QTimeZone &fuseau)
{
    // To the nearest minute.
    const QDateTime local = Dates::instantSaison(annee, point).toTimeZone(fuseau).addSecs(30);
    return QStringLiteral("%1 : %2 à %3 h %4")
        .arg(Dates::nomPointSaison(point), jourEcrit(local.date().toJulianDay()))
        .arg(local.time().hour())
        .arg(local.time().minute(), 2, 10, QLatin1Char('0'));
}

struct Corps
{
    double initiale, numero, semaine, ferie, phaseMm;
    double enTeteMm; // the initials' row; 0: as tall as a week
    bool nomsFeries; // the holiday's name in its cell
    bool cases;      // every day framed
};

void texte(PageImprimee &p, Role role, const QRectF &zone, const QString &t, double points, int alignement)
{
    p.elements.push_back({Genre::Texte, role, zone, t, points, alignement, -1});
}

// A month's grid in a zone: a row of weekday initials over the week rows,
// the ISO week numbers in a first, narrower column.
void grille(PageImprimee &p, const MoisImprime &m, const QRectF &zone, const Corps &c)
{
    const double colonne = zone.width() / 7.8;
    const double semaine = zone.width() - 7 * colonne;
    const double enTete = c.enTeteMm > 0 ? c.enTeteMm : zone.height() / 7;
    const double ligne = (zone.height() - enTete) / 6;
    const int centre = Qt::AlignCenter;
    texte(p, Role::Semaine, QRectF(zone.left(), zone.top(), semaine, enTete), QStringLiteral("Sem."), c.semaine,
          centre);
    for (int i = 0; i < 7; ++i) {
        const QRectF r(zone.left() + semaine + i * colonne, zone.top(), colonne, enTete);
        p.elements.push_back({Genre::Case, Role::EnTete, r, {}, 0, 0, -1});
        texte(p, Role::Initiale, r, initiales()[i], c.initiale, centre);
    }
    for (std::size_t r = 0; r < m.semaines.size(); ++r)
        if (m.semaines[r] > 0)
            texte(p, Role::Semaine, QRectF(zone.left(), zone.top() + enTete + int(r) * ligne, semaine, ligne),
                  QString::number(m.semaines[r]), c.semaine, centre);
    for (const JourImprime &j : m.jours) {
        const QRectF r(zone.left() + semaine + (j.colonne - 1) * colonne, zone.top() + enTete + j.ligne * ligne,
                       colonne, ligne);
        if (c.cases)
            p.elements.push_back({Genre::Case, Role::Jour, r, {}, 0, 0, -1});
        // Framed days have their number in the top-left corner and the Moon
        // in the other; bare ones end their number where the Moon begins.
        const double d = c.phaseMm;
        const double retrait = c.cases ? colonne * 0.06 : 0;
        const QRectF interieur =
            c.cases ? r.adjusted(retrait, retrait * 0.5, -retrait, 0) : r.adjusted(0, 0, -d * 1.3, 0);
        texte(p, j.ferie.isEmpty() ? Role::Numero : Role::Ferie, interieur, QString::number(j.jour), c.numero,
              c.cases ? int(Qt::AlignLeft | Qt::AlignTop) : int(Qt::AlignRight | Qt::AlignVCenter));
        if (c.nomsFeries && !j.ferie.isEmpty())
            texte(p, Role::NomFerie, interieur.adjusted(0, ligne * 0.3, 0, -ligne * 0.05), j.ferie, c.ferie,
                  Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap);
        if (j.phase >= 0) {
            const QPointF coin = c.cases ? QPointF(r.right() - d * 1.25, r.top() + d * 0.25)
                                         : QPointF(r.right() - d * 1.15, r.center().y() - d / 2);
            p.elements.push_back({Genre::Phase, Role::Lune, QRectF(coin, QSizeF(d, d)), {}, 0, 0, j.phase});
        }
    }
}

// The Moon's four symbols and their names, on one line from the left.
void legendeLune(PageImprimee &p, QPointF origine, double points)
{
    static const QStringList noms = {QStringLiteral("nouvelle lune"), QStringLiteral("premier quartier"),
                                     QStringLiteral("pleine lune"), QStringLiteral("dernier quartier")};
    const double hauteur = points * 0.45;
    double x = origine.x();
    for (int i = 0; i < 4; ++i) {
        const double d = hauteur * 0.75;
        p.elements.push_back({Genre::Phase, Role::Lune, QRectF(x, origine.y() + (hauteur - d) / 2, d, d), {}, 0, 0, i});
        texte(p, Role::Pied, QRectF(x + d * 1.4, origine.y(), 40, hauteur), noms[i], points,
              Qt::AlignLeft | Qt::AlignVCenter);
        x += 44;
    }
}

// Paragraphs of the footer from its top, each as tall as its lines; the
// Moon's legend last.
void pied(PageImprimee &p, const QRectF &zone, const QList<std::pair<QString, int>> &paragraphes, double points,
          bool legende)
{
    const double interligne = points * 0.45;
    double y = zone.top();
    for (const auto &[t, lignes] : paragraphes) {
        texte(p, Role::Pied, QRectF(zone.left(), y, zone.width(), lignes * interligne), t, points,
              Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        y += lignes * interligne + 1;
    }
    if (legende)
        legendeLune(p, QPointF(zone.left(), y), points);
}

QString note(const MoisImprime &m)
{
    if (m.annee == Dates::AnneeReforme && m.mois == Dates::MoisReforme)
        return QStringLiteral("Calendrier julien jusqu'au jeudi 4 octobre, grégorien depuis le vendredi 15 octobre "
                              "1582 : les dix jours entre eux n'ont pas existé.");
    return m.julien ? QStringLiteral("Calendrier julien") : QString();
}

void pageMois(PageImprimee &p, const DemandeImpression &d, const std::vector<PhaseDuJour> &phases,
              const QTimeZone &fuseau)
{
    const MoisImprime m = moisImprime(d.mois, d.annee, phases);
    const QRectF utile(MargeMm, MargeMm, p.taille.width() - 2 * MargeMm, p.taille.height() - 2 * MargeMm);
    texte(p, Role::Titre, QRectF(utile.left(), utile.top(), utile.width(), 12),
          QStringLiteral("%1 %2").arg(capitale(Dates::nomMois(d.mois))).arg(d.annee), 22, Qt::AlignCenter);
    if (const QString n = note(m); !n.isEmpty())
        texte(p, Role::Note, QRectF(utile.left(), utile.top() + 12, utile.width(), 6), n, 9, Qt::AlignCenter);
    const QStringList lignesPied = piedDeLAnnee(d.annee, fuseau);
    const double points = 9;
    const double hauteurPied = (lignesPied.size() + 2) * points * 0.45 + 6;
    const QRectF zoneGrille(utile.left(), utile.top() + 20, utile.width(), utile.height() - 24 - hauteurPied);
    grille(p, m, zoneGrille, {12, 16, 8, 8, 5, 9, true, true});
    QList<std::pair<QString, int>> paragraphes;
    for (const QString &l : lignesPied)
        paragraphes.append({l, 1});
    pied(p, QRectF(utile.left(), utile.bottom() - hauteurPied, utile.width(), hauteurPied), paragraphes, points,
         !phases.empty());
}

void pageAnnee(PageImprimee &p, const DemandeImpression &d, const std::vector<PhaseDuJour> &phases,
               const QTimeZone &fuseau)
{
    const QRectF utile(MargeMm, MargeMm, p.taille.width() - 2 * MargeMm, p.taille.height() - 2 * MargeMm);
    texte(p, Role::Titre, QRectF(utile.left(), utile.top(), utile.width(), 10), QString::number(d.annee), 20,
          Qt::AlignCenter);
    const QStringList pieds = piedDeLAnnee(d.annee, fuseau);
    const QStringList feries = feriesDeLAnnee(d.annee);
    const double points = 7;
    const int lignesSaisons = pieds.size() > 1 ? (d.paysage ? 1 : 2) : 0;
    const int lignesFeries = feries.isEmpty() ? 0 : (d.paysage ? 2 : 3);
    QList<std::pair<QString, int>> paragraphes;
    if (!pieds.isEmpty())
        paragraphes.append({pieds.first(), 1});
    if (lignesSaisons > 0)
        paragraphes.append({pieds.mid(1).join(QStringLiteral(" ; ")), lignesSaisons});
    if (lignesFeries > 0)
        paragraphes.append({QStringLiteral("Jours fériés : ") + feries.join(QStringLiteral(" ; ")), lignesFeries});
    const double hauteurPied =
        (1 + lignesSaisons + lignesFeries + (phases.empty() ? 0 : 1)) * points * 0.45 + paragraphes.size() + 2;
    const int colonnes = d.paysage ? 4 : 3;
    const int rangees = 12 / colonnes;
    constexpr double ecart = 5;
    const double haut = utile.top() + 13;
    const double largeur = (utile.width() - (colonnes - 1) * ecart) / colonnes;
    const double hauteur = (utile.bottom() - hauteurPied - 2 - haut - (rangees - 1) * ecart) / rangees;
    for (int i = 0; i < 12; ++i) {
        const QRectF bloc(utile.left() + (i % colonnes) * (largeur + ecart), haut + (i / colonnes) * (hauteur + ecart),
                          largeur, hauteur);
        const double titre = hauteur / 8;
        texte(p, Role::NomMois, QRectF(bloc.left(), bloc.top(), bloc.width(), titre), capitale(Dates::nomMois(i + 1)),
              9, Qt::AlignCenter);
        grille(p, moisImprime(i + 1, d.annee, phases), bloc.adjusted(0, titre, 0, 0),
               {6.5, 8, 6, 6, 2.2, 0, false, false});
    }
    pied(p, QRectF(utile.left(), utile.bottom() - hauteurPied, utile.width(), hauteurPied), paragraphes, points,
         !phases.empty());
}

} // namespace

MoisImprime moisImprime(int mois, int annee, const std::vector<PhaseDuJour> &phases)
{
    MoisImprime m;
    m.mois = mois;
    m.annee = annee;
    const std::vector<Dates::JourVecu> jours = Dates::joursDuMoisVecu(mois, annee);
    if (jours.empty())
        return m;
    const int decalage = Dates::jourSemaine(jours.front().jourJulien) - 1;
    const int lignes = (decalage + int(jours.size()) + 6) / 7;
    for (int r = 0; r < lignes; ++r) {
        // A row holds seven days in a row, Julian and Gregorian alike.
        const qint64 dimanche = jours.front().jourJulien - decalage + r * 7 + 6;
        m.semaines.push_back(Dates::jourJulienAvantReforme(dimanche) ? 0 : Dates::semaineIso(dimanche).semaine);
    }
    for (std::size_t i = 0; i < jours.size(); ++i) {
        const Dates::JourVecu &j = jours[i];
        m.julien = m.julien || j.julien;
        const int rang = decalage + int(i);
        JourImprime ji{j.jour, rang % 7 + 1, rang / 7, {}, -1};
        if (!j.julien)
            ji.ferie = Dates::jourFerie(QDate::fromJulianDay(j.jourJulien)).value_or(QString());
        for (const PhaseDuJour &ph : phases)
            if (ph.jourJulien == j.jourJulien)
                ji.phase = ph.phase;
        m.jours.push_back(ji);
    }
    return m;
}

QStringList piedDeLAnnee(int annee, const QTimeZone &fuseau)
{
    QStringList lignes;
    if (const auto paques = Dates::paquesVecu(annee))
        lignes << QStringLiteral("Pâques : ") + jourEcrit(*paques);
    if (annee >= SaisonsAnneeMin && annee <= SaisonsAnneeMax)
        for (int point = 0; point < 4; ++point)
            lignes << texteSaison(annee, Dates::PointSaison(point), fuseau);
    return lignes;
}

QStringList feriesDeLAnnee(int annee)
{
    QStringList lignes;
    for (int mois = 1; mois <= 12; ++mois)
        for (const JourImprime &j : moisImprime(mois, annee, {}).jours)
            if (!j.ferie.isEmpty())
                lignes << QStringLiteral("%1 %2 : %3")
                              .arg(j.jour == 1 ? QStringLiteral("1er") : QString::number(j.jour), Dates::nomMois(mois),
                                   j.ferie);
    return lignes;
}

PageImprimee miseEnPage(const DemandeImpression &demande, const std::vector<PhaseDuJour> &phases,
                        const QTimeZone &fuseau)
{
    PageImprimee p;
    p.taille = demande.paysage ? QSizeF(297, 210) : QSizeF(210, 297);
    if (demande.etendue == Etendue::Annee)
        pageAnnee(p, demande, phases, fuseau);
    else
        pageMois(p, demande, phases, fuseau);
    return p;
}

} // namespace Calendrier
