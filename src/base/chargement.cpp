#include "base/chargement.h"

#include "base/reglages.h"

#include <QTimeZone>
#include <array>
#include <limits>
#include <vector>

namespace Base {

namespace {

std::optional<int> lisEntier(const QString &texte, qlonglong min, qlonglong max)
{
    bool ok = false;
    const qlonglong n = texte.trimmed().toLongLong(&ok, 10);
    if (!ok || n < min || n > max)
        return std::nullopt;
    return static_cast<int>(n);
}

} // namespace

std::optional<Rgb> lisRgb(const QString &texte)
{
    const qsizetype premier = texte.indexOf(QLatin1Char(' '));
    if (premier < 0)
        return std::nullopt;
    const qsizetype second = texte.indexOf(QLatin1Char(' '), premier + 1);
    if (second < 0)
        return std::nullopt;
    const auto r = lisEntier(texte.left(premier), 0, 255);
    const auto g = lisEntier(texte.mid(premier + 1, second - premier - 1), 0, 255);
    const auto b = lisEntier(texte.mid(second + 1), 0, 255);
    if (!r || !g || !b)
        return std::nullopt;
    return Rgb{*r, *g, *b};
}

QString texteRgb(const Rgb &rgb)
{
    return QStringLiteral("%1 %2 %3").arg(rgb.r).arg(rgb.g).arg(rgb.b);
}

std::optional<int> lisAnnee(const QString &texte)
{
    return lisEntier(texte, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

int corrigeAnneeDebut(int annee)
{
    return annee < 1501 ? 1600 : annee;
}

int corrigeAnneeFin(int annee)
{
    return annee > 9999 ? 9999 : annee;
}

std::optional<Dates::Lieu> lisLieu(const QString &nom, const QString &latitude, const QString &longitude,
                                   const QString &fuseau)
{
    auto lieu = Dates::lisCoordonnees(latitude + QLatin1Char(',') + longitude, {});
    if (!lieu || !QTimeZone::isTimeZoneIdAvailable(fuseau.toUtf8()))
        return std::nullopt;
    lieu->nom = nom.trimmed();
    lieu->fuseau = fuseau.toUtf8();
    return lieu;
}

void ecritLieu(Reglages &reglages, const Dates::Lieu &lieu)
{
    const std::array<Reglages::Ecriture, 4> e = {{
        {Cles::Lieu, Cles::Nom, lieu.libelle()},
        {Cles::Lieu, Cles::Latitude, QString::number(lieu.latitude, 'f', 4)},
        {Cles::Lieu, Cles::Longitude, QString::number(lieu.longitude, 'f', 4)},
        {Cles::Lieu, Cles::Fuseau, QString::fromUtf8(lieu.fuseau)},
    }};
    reglages.ecrit(e);
}

std::optional<ValeursChargees> chargeReglages(Reglages &reglages, int anneeCourante)
{
    ValeursChargees v;
    const auto &defs = Couleurs::definitions();
    for (int i = 0; i < Couleurs::Nombre; ++i) {
        v.couleurs.texte[i] = reglages.lit(Couleurs::section(), defs[i].cle, defs[i].defaut);
        const auto n = Couleurs::lisNombre(v.couleurs.texte[i]);
        if (!n)
            return std::nullopt;
        v.couleurs.valeur[i] = *n;
    }

    // The five values written back when missing, in the order they are written.
    struct Reecrit
    {
        QString section, cle, defaut, texte;
    };
    std::array<Reecrit, 5> cinq = {{
        {Cles::Ciel, Cles::Couleur, Cles::CielDefaut, {}},
        {Cles::Etoiles, Cles::Couleur, Cles::EtoilesDefaut, {}},
        {Cles::AnneeDebut, Cles::Valeur, Cles::AnneeDebutDefaut, {}},
        {Cles::AnneeFin, Cles::Valeur, Cles::AnneeFinDefaut, {}},
        {Cles::StyleSection, Cles::Style, Cles::StyleDefaut, {}},
    }};
    for (auto &r : cinq) {
        r.texte = reglages.lit(r.section, r.cle);
        if (r.texte.isEmpty())
            r.texte = r.defaut;
    }

    const auto ciel = lisRgb(cinq[0].texte);
    const auto etoiles = lisRgb(cinq[1].texte);
    const auto debut = lisAnnee(cinq[2].texte);
    const auto fin = lisAnnee(cinq[3].texte);
    if (!ciel || !etoiles || !debut || !fin)
        return std::nullopt;
    v.ciel = *ciel;
    v.etoiles = *etoiles;
    v.anneeDebut = corrigeAnneeDebut(*debut);
    v.anneeFin = corrigeAnneeFin(*fin);
    // The year list must be able to select today.
    if (anneeCourante < v.anneeDebut || anneeCourante > v.anneeFin)
        return std::nullopt;
    v.style = cinq[4].texte;

    v.infoBulles = reglages.lit(Cles::InfoBulles, Cles::Valeur, Cles::Oui);
    v.conseilDemarrage = reglages.lit(Cles::Conseils, Cles::ConseilDemarrage, Cles::Oui);
    // Missing: the first choice; anything but a listed choice is refused.
    v.regionCalculs = reglages.lit(Cles::Calculs, Cles::Region, Cles::Regions.first());
    v.uniteCalculs = reglages.lit(Cles::Calculs, Cles::Unite, Cles::Unites.first());
    if (!Cles::Regions.contains(v.regionCalculs) || !Cles::Unites.contains(v.uniteCalculs))
        return std::nullopt;
    const Dates::Lieu paris = Dates::lieuParDefaut();
    const auto lieu = lisLieu(reglages.lit(Cles::Lieu, Cles::Nom, paris.nom),
                              reglages.lit(Cles::Lieu, Cles::Latitude, QString::number(paris.latitude, 'f', 4)),
                              reglages.lit(Cles::Lieu, Cles::Longitude, QString::number(paris.longitude, 'f', 4)),
                              reglages.lit(Cles::Lieu, Cles::Fuseau, QString::fromUtf8(paris.fuseau)));
    if (!lieu)
        return std::nullopt;
    v.lieu = *lieu;

    std::vector<Reglages::Ecriture> manquantes;
    for (const auto &r : cinq)
        if (reglages.lit(r.section, r.cle).isEmpty())
            manquantes.push_back({r.section, r.cle, r.defaut});
    if (!manquantes.empty())
        reglages.ecrit(manquantes);
    return v;
}

QString messageErreurChargement()
{
    return QStringLiteral("Dans la doc, je vous ai dit d'entrer des valeurs correctes si vous "
                          "modifiez vous-même les paramètres dans la base du registre.")
           + QChar(10) + QStringLiteral("Vous n'avez plus qu'à recommencer...");
}

QString messageReglagesIllisibles(const QString &fichier)
{
    // No-break spaces before the colon and inside the quotes.
    return QStringLiteral("Les paramètres de Zelund + ne peuvent pas être lus\u00a0: «\u00a0%1\u00a0».").arg(fichier)
           + QChar(10)
           + QStringLiteral("Le programme démarre avec les valeurs par défaut et ne gardera aucun changement.");
}

QString messageReglagesNonEcrits(const QString &fichier)
{
    return QStringLiteral("Les paramètres de Zelund + ne peuvent pas être enregistrés\u00a0: «\u00a0%1\u00a0».")
               .arg(fichier)
           + QChar(10)
           + QStringLiteral("Le programme garde les changements jusqu'à sa fermeture et les enregistre dès que "
                            "le fichier peut être écrit.");
}

QString titreErreur()
{
    return QStringLiteral("Zelund - Erreur !");
}

} // namespace Base
