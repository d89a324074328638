#include "appearance/config.h"

#include "base/reglages.h"

#include <algorithm>

namespace Config {

int CaleAnneeDebut(int valeur, int anneeCourante)
{
    return std::clamp(std::min(valeur, anneeCourante), DebutMin, DebutMax);
}

int CaleAnneeFin(int valeur, int anneeCourante)
{
    return std::clamp(std::max(valeur, anneeCourante), FinMin, FinMax);
}

namespace {
const std::array<QString, 3> &styles()
{
    static const std::array<QString, 3> s = {QStringLiteral("Normal"), QStringLiteral("AfficheCompteur"),
                                             QStringLiteral("AffichePhasesLune")};
    return s;
}

// The colour and its text as read, or the colour in use when the text is unreadable.
void lisCouleur(const Reglages &reglages, const QString &section, const Base::Rgb &enCours, Base::Rgb &couleur,
                QString &texte)
{
    texte = reglages.lit(section, Cles::Couleur);
    if (const auto lue = Base::lisRgb(texte)) {
        couleur = *lue;
        return;
    }
    couleur = enCours;
    texte = Base::texteRgb(enCours);
}

int lisAnneeOu(const Reglages &reglages, const QString &section, int enCours)
{
    return Base::lisAnnee(reglages.lit(section, Cles::Valeur)).value_or(enCours);
}
} // namespace

QString StyleOption(int option)
{
    return option >= 0 && option < int(styles().size()) ? styles()[std::size_t(option)] : QString();
}

std::optional<int> OptionStyle(const QString &style)
{
    const auto &s = styles();
    const auto it = std::find(s.begin(), s.end(), style);
    if (it == s.end())
        return std::nullopt;
    return int(it - s.begin());
}

Valeurs LisValeurs(const Reglages &reglages, const Valeurs &enCours, int anneeCourante)
{
    Valeurs v;
    lisCouleur(reglages, Cles::Ciel, enCours.ciel, v.ciel, v.texteCiel);
    lisCouleur(reglages, Cles::Etoiles, enCours.lune, v.lune, v.texteLune);
    // A year the bar cannot hold, or a range without today, would leave the
    // main window's year list unable to select today: the bars' rules decide.
    v.anneeDebut = CaleAnneeDebut(Base::corrigeAnneeDebut(lisAnneeOu(reglages, Cles::AnneeDebut, enCours.anneeDebut)),
                                  anneeCourante);
    v.anneeFin =
        CaleAnneeFin(Base::corrigeAnneeFin(lisAnneeOu(reglages, Cles::AnneeFin, enCours.anneeFin)), anneeCourante);
    v.style = reglages.lit(Cles::StyleSection, Cles::Style);
    return v;
}

std::array<Ecriture, 5> Ecritures(const Valeurs &v)
{
    return {{
        {Cles::Ciel, Cles::Couleur, Base::texteRgb(v.ciel)},
        {Cles::Etoiles, Cles::Couleur, Base::texteRgb(v.lune)},
        {Cles::AnneeDebut, Cles::Valeur, QString::number(v.anneeDebut)},
        {Cles::AnneeFin, Cles::Valeur, QString::number(v.anneeFin)},
        {Cles::StyleSection, Cles::Style, v.style},
    }};
}

std::vector<Ecriture> EcrituresChangees(const Valeurs &ouverture, const Valeurs &v)
{
    const auto avant = Ecritures(ouverture);
    const auto apres = Ecritures(v);
    std::vector<Ecriture> changees;
    for (std::size_t i = 0; i < apres.size(); ++i)
        if (apres[i] != avant[i])
            changees.push_back(apres[i]);
    return changees;
}

} // namespace Config
