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
// The colour and its text as read, or the colour in use when the text is unreadable.
QString lis(const Reglages &reglages, Parametres::Cle cle)
{
    const Parametres::Definition &d = Parametres::definition(cle);
    return reglages.lit(d.section, d.cle);
}

void lisCouleur(const Reglages &reglages, Parametres::Cle cle, const Base::Rgb &enCours, Base::Rgb &couleur,
                QString &texte)
{
    texte = lis(reglages, cle);
    if (const auto lue = Base::lisRgb(texte)) {
        couleur = *lue;
        return;
    }
    couleur = enCours;
    texte = Base::texteRgb(enCours);
}

int lisAnneeOu(const Reglages &reglages, Parametres::Cle cle, int enCours)
{
    return Base::lisAnnee(lis(reglages, cle)).value_or(enCours);
}

// The texts OK would store, in table order.
std::array<QString, 5> textes(const Valeurs &v)
{
    return {Base::texteRgb(v.ciel), Base::texteRgb(v.lune), QString::number(v.anneeDebut), QString::number(v.anneeFin),
            v.style};
}
} // namespace

QString StyleOption(int option)
{
    return option >= 0 && option < 3 ? Parametres::texte(Parametres::Style(option)) : QString();
}

std::optional<int> OptionStyle(const QString &style)
{
    const auto s = Parametres::style(style);
    return s ? std::optional(int(*s)) : std::nullopt;
}

Valeurs LisValeurs(const Reglages &reglages, const Valeurs &enCours, int anneeCourante)
{
    Valeurs v;
    using Cle = Parametres::Cle;
    lisCouleur(reglages, Cle::Ciel, enCours.ciel, v.ciel, v.texteCiel);
    lisCouleur(reglages, Cle::Etoiles, enCours.lune, v.lune, v.texteLune);
    // A year the bar cannot hold, or a range without today, would leave the
    // main window's year list unable to select today: the bars' rules decide.
    v.anneeDebut = CaleAnneeDebut(Base::corrigeAnneeDebut(lisAnneeOu(reglages, Cle::AnneeDebut, enCours.anneeDebut)),
                                  anneeCourante);
    v.anneeFin =
        CaleAnneeFin(Base::corrigeAnneeFin(lisAnneeOu(reglages, Cle::AnneeFin, enCours.anneeFin)), anneeCourante);
    v.style = lis(reglages, Cle::Style);
    return v;
}

std::vector<Parametres::Cle> ClesChangees(const Valeurs &ouverture, const Valeurs &v)
{
    static constexpr std::array cinq = {Parametres::Cle::Ciel, Parametres::Cle::Etoiles, Parametres::Cle::AnneeDebut,
                                        Parametres::Cle::AnneeFin, Parametres::Cle::Style};
    const auto avant = textes(ouverture);
    const auto apres = textes(v);
    std::vector<Parametres::Cle> changees;
    for (std::size_t i = 0; i < apres.size(); ++i)
        if (apres[i] != avant[i])
            changees.push_back(cinq[i]);
    return changees;
}

} // namespace Config
