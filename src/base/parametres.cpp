#include "base/parametres.h"

#include "base/reglages.h"

#include <array>

namespace {

QString ouiNon(bool oui)
{
    return Parametres::definition(Parametres::Cle::InfoBulles).choix.value(oui ? 0 : 1);
}

} // namespace

// The one place where the store's spellings stand.
const Parametres::Definition &Parametres::definition(Cle cle)
{
    using C = Controle;
    static const auto table = [] {
        const QString couleurs = QStringLiteral("Couleurs de l'interface");
        const QString valeur = QStringLiteral("Valeur");
        const QStringList ouiNon = {QStringLiteral("Oui"), QStringLiteral("Non")};
        return std::array<Definition, int(Cle::Nombre)>{{
            {couleurs, QStringLiteral("Début du dégradé"), QStringLiteral("&H808000"), false, C::Couleur, {}},
            {couleurs, QStringLiteral("Fin du dégradé"), QStringLiteral("&HE0E0E0"), false, C::Couleur, {}},
            {couleurs, QStringLiteral("Texte des boutons"), QStringLiteral("&H808000"), false, C::Couleur, {}},
            {couleurs, QStringLiteral("'Lumière' des boutons"), QStringLiteral("&HDEFF6C"), false, C::Couleur, {}},
            {couleurs, QStringLiteral("Autres textes"), QStringLiteral("&HFFFFFF"), false, C::Couleur, {}},
            {couleurs, QStringLiteral("Fond des fenêtres"), QStringLiteral("&H808000"), false, C::Couleur, {}},
            {couleurs,
             QStringLiteral("Visualisation, dossiers, etc."),
             QStringLiteral("&HD2D200"),
             false,
             C::Couleur,
             {}},
            {QStringLiteral("Couleur du ciel"),
             QStringLiteral("Couleur"),
             QStringLiteral("119 119 119"),
             true,
             C::Rgb,
             {}},
            {QStringLiteral("Couleur des étoiles"),
             QStringLiteral("Couleur"),
             QStringLiteral("255 255 255"),
             true,
             C::Rgb,
             {}},
            {QStringLiteral("Année de début"), valeur, QStringLiteral("1700"), true, C::Annee, {}},
            {QStringLiteral("Année de fin"), valeur, QStringLiteral("2100"), true, C::Annee, {}},
            // Any other style is read and left as it is: the window opens as it stands.
            {QStringLiteral("Style d'affichage au démarrage"),
             QStringLiteral("Style"),
             QStringLiteral("Normal"),
             true,
             C::Libre,
             {QStringLiteral("Normal"), QStringLiteral("AfficheCompteur"), QStringLiteral("AffichePhasesLune")}},
            // Anything but "Oui", exactly, reads as "Non".
            {QStringLiteral("Affichage des info-bulles"), valeur, QStringLiteral("Oui"), false, C::Libre, ouiNon},
            {QStringLiteral("Conseils du jour"), QStringLiteral("Conseil au démarrage"), QStringLiteral("Oui"), false,
             C::Libre, ouiNon},
            // The date calculations window's region for holidays and its unit of time.
            {QStringLiteral("Calculs de dates"),
             QStringLiteral("Région"),
             QStringLiteral("France"),
             false,
             C::Choix,
             {QStringLiteral("France"), QStringLiteral("Alsace-Moselle")}},
            {QStringLiteral("Calculs de dates"),
             QStringLiteral("Unité"),
             QStringLiteral("Jours"),
             false,
             C::Choix,
             {QStringLiteral("Jours"), QStringLiteral("Semaines"), QStringLiteral("Mois"), QStringLiteral("Années")}},
        }};
    }();
    return table.at(std::size_t(cle));
}

bool Parametres::accepte(Cle cle, const QString &texte)
{
    const Definition &d = definition(cle);
    switch (d.controle) {
    case Controle::Couleur: return Couleurs::lisNombre(texte).has_value();
    case Controle::Rgb: return Base::lisRgb(texte).has_value();
    case Controle::Annee: return Base::lisAnnee(texte).has_value();
    case Controle::Choix: return d.choix.contains(texte);
    case Controle::Libre: return true;
    }
    return false;
}

std::optional<Parametres::Style> Parametres::style(const QString &texte)
{
    const qsizetype i = definition(Cle::Style).choix.indexOf(texte);
    return i < 0 ? std::nullopt : std::optional(static_cast<Style>(i));
}

QString Parametres::texte(Style style)
{
    return definition(Cle::Style).choix.value(int(style));
}

Parametres &Parametres::courant()
{
    static Parametres p;
    return p;
}

void Parametres::prend(const Base::ValeursChargees &v)
{
    m_couleurs = v.couleurs;
    m_ciel = v.ciel;
    m_etoiles = v.etoiles;
    m_anneeDebut = v.anneeDebut;
    m_anneeFin = v.anneeFin;
    m_style = v.style;
    m_infoBulles = v.infoBullesActives();
    m_conseilDemarrage = v.conseilDemarrage == ouiNon(true);
    m_regionCalculs = int(qMax<qsizetype>(0, definition(Cle::RegionCalculs).choix.indexOf(v.regionCalculs)));
    m_uniteCalculs = int(qMax<qsizetype>(0, definition(Cle::UniteCalculs).choix.indexOf(v.uniteCalculs)));
}

void Parametres::remetDefauts()
{
    m_couleurs = Couleurs::Schema::parDefaut();
    m_ciel = {119, 119, 119};
    m_etoiles = {255, 255, 255};
    m_anneeDebut = 1700;
    m_anneeFin = 2100;
    m_style = definition(Cle::Style).defaut;
    m_infoBulles = true;
    m_conseilDemarrage = true;
    m_regionCalculs = 0;
    m_uniteCalculs = 0;
    m_ensembles = 0;
    m_enAttente.clear();
}

// Written when the store does not hold this very text, missing included:
// writing what stands there already would change nothing.
void Parametres::ecrit(Cle cle, const QString &texte)
{
    const Definition &d = definition(cle);
    Reglages &r = Reglages::courant();
    if (r.contient(d.section, d.cle) && r.lit(d.section, d.cle) == texte)
        return;
    m_enAttente.emplace_back(cle, texte);
    if (m_ensembles == 0)
        ensemble([] {});
}

void Parametres::ensemble(const std::function<void()> &f)
{
    ++m_ensembles;
    f();
    if (--m_ensembles > 0 || m_enAttente.empty())
        return;
    std::vector<Reglages::Ecriture> ecritures;
    for (const auto &[cle, texte] : m_enAttente)
        ecritures.push_back({definition(cle).section, definition(cle).cle, texte});
    m_enAttente.clear();
    Reglages::courant().ecrit(ecritures);
}

template<typename T>
void Parametres::met(Cle cle, T &valeur, const T &nouvelle, const QString &texte, Ecriture e)
{
    const bool change = !(valeur == nouvelle);
    valeur = nouvelle;
    if (e == Ecriture::SiChange)
        ecrit(cle, texte);
    if (change)
        emit changee(cle);
}

void Parametres::metCouleur(Couleurs::Indice indice, quint32 valeur)
{
    const quint32 avant = m_couleurs.valeur[indice];
    m_couleurs.change(indice, valeur);
    ecrit(couleur(indice), m_couleurs.texte[indice]);
    if (avant != valeur)
        emit changee(couleur(indice));
}

void Parametres::confirmeCouleur(Couleurs::Indice indice)
{
    ecrit(couleur(indice), m_couleurs.texte[indice]);
}

void Parametres::reinitialiseCouleurs()
{
    ensemble([this] {
        for (int i = 0; i < Couleurs::Nombre; ++i)
            metCouleur(Couleurs::Indice(i), *Couleurs::lisNombre(definition(couleur(i)).defaut));
    });
}

void Parametres::metCiel(const Base::Rgb &ciel, Ecriture e)
{
    met(Cle::Ciel, m_ciel, ciel, Base::texteRgb(ciel), e);
}

void Parametres::metEtoiles(const Base::Rgb &etoiles, Ecriture e)
{
    met(Cle::Etoiles, m_etoiles, etoiles, Base::texteRgb(etoiles), e);
}

void Parametres::metAnneeDebut(int annee, Ecriture e)
{
    met(Cle::AnneeDebut, m_anneeDebut, annee, QString::number(annee), e);
}

void Parametres::metAnneeFin(int annee, Ecriture e)
{
    met(Cle::AnneeFin, m_anneeFin, annee, QString::number(annee), e);
}

void Parametres::metStyleDemarrage(const QString &style, Ecriture e)
{
    met(Cle::Style, m_style, style, style, e);
}

void Parametres::metInfoBulles(bool actives)
{
    met(Cle::InfoBulles, m_infoBulles, actives, ouiNon(actives));
}

void Parametres::metConseilDemarrage(bool oui)
{
    met(Cle::ConseilDemarrage, m_conseilDemarrage, oui, ouiNon(oui));
}

void Parametres::relisConseilDemarrage()
{
    const Definition &d = definition(Cle::ConseilDemarrage);
    const bool oui = Reglages::courant().lit(d.section, d.cle, d.defaut) == ouiNon(true);
    met(Cle::ConseilDemarrage, m_conseilDemarrage, oui, QString(), Ecriture::Non);
}

void Parametres::metRegionCalculs(int choix)
{
    met(Cle::RegionCalculs, m_regionCalculs, choix, definition(Cle::RegionCalculs).choix.value(choix));
}

void Parametres::metUniteCalculs(int choix)
{
    met(Cle::UniteCalculs, m_uniteCalculs, choix, definition(Cle::UniteCalculs).choix.value(choix));
}
