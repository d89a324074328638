#include "base/chargement.h"

#include "base/parametres.h"
#include "base/reglages.h"

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

std::optional<ValeursChargees> chargeReglages(Reglages &reglages, int anneeCourante)
{
    using Cle = Parametres::Cle;
    // A value written back when missing is read without its default.
    const auto lis = [&reglages](Cle cle) {
        const Parametres::Definition &d = Parametres::definition(cle);
        const QString texte = reglages.lit(d.section, d.cle, d.reecrit ? QString() : d.defaut);
        return texte.isEmpty() && d.reecrit ? d.defaut : texte;
    };
    ValeursChargees v;
    for (int i = 0; i < Couleurs::Nombre; ++i) {
        v.couleurs.texte[i] = lis(Parametres::couleur(i));
        const auto n = Couleurs::lisNombre(v.couleurs.texte[i]);
        if (!n)
            return std::nullopt;
        v.couleurs.valeur[i] = *n;
    }

    const auto ciel = lisRgb(lis(Cle::Ciel));
    const auto etoiles = lisRgb(lis(Cle::Etoiles));
    const auto debut = lisAnnee(lis(Cle::AnneeDebut));
    const auto fin = lisAnnee(lis(Cle::AnneeFin));
    if (!ciel || !etoiles || !debut || !fin)
        return std::nullopt;
    v.ciel = *ciel;
    v.etoiles = *etoiles;
    v.anneeDebut = corrigeAnneeDebut(*debut);
    v.anneeFin = corrigeAnneeFin(*fin);
    // The year list must be able to select today.
    if (anneeCourante < v.anneeDebut || anneeCourante > v.anneeFin)
        return std::nullopt;
    v.style = lis(Cle::Style);

    v.infoBulles = lis(Cle::InfoBulles);
    v.conseilDemarrage = lis(Cle::ConseilDemarrage);
    // Missing: the first choice; anything but a listed choice is refused.
    v.regionCalculs = lis(Cle::RegionCalculs);
    v.uniteCalculs = lis(Cle::UniteCalculs);
    if (!Parametres::accepte(Cle::RegionCalculs, v.regionCalculs)
        || !Parametres::accepte(Cle::UniteCalculs, v.uniteCalculs))
        return std::nullopt;

    // The five values written back when missing, in one write, in table order.
    std::vector<Reglages::Ecriture> manquantes;
    for (int i = 0; i < int(Cle::Nombre); ++i) {
        const Parametres::Definition &d = Parametres::definition(Cle(i));
        if (d.reecrit && reglages.lit(d.section, d.cle).isEmpty())
            manquantes.push_back({d.section, d.cle, d.defaut});
    }
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
