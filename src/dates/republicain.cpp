#include "dates/republicain.h"

#include "dates/jours.h"

#include <array>

namespace Dates {

namespace {

// The Republican year a day falls in, and the day it began on.
struct AnRepublicain
{
    int annee;
    qint64 debut;
};

std::optional<AnRepublicain> anDuJour(qint64 jj, const JourEquinoxe &equinoxe)
{
    int gregorien = dateGregorienne(jj).annee;
    if (gregorien < AnneeEquinoxeAnI || !equinoxe)
        return std::nullopt;
    qint64 debut = equinoxe(gregorien);
    if (jj < debut) {
        --gregorien;
        debut = equinoxe(gregorien);
    }
    if (gregorien < AnneeEquinoxeAnI || jj < debut || jj - debut >= 366)
        return std::nullopt;
    return AnRepublicain{gregorien - AnneeEquinoxeAnI + 1, debut};
}

// Fabre d'Églantine's names, month by month: in each décade the fifth day an
// animal, the tenth a tool, the others plants and minerals (stones and metals
// in nivôse); then the complementary days' feasts.
constexpr std::array<const char16_t *, 366> Noms = {
    // vendémiaire
    u"Raisin", u"Safran", u"Châtaigne", u"Colchique", u"Cheval", u"Balsamine", u"Carotte", u"Amaranthe", u"Panais",
    u"Cuve", u"Pomme de terre", u"Immortelle", u"Potiron", u"Réséda", u"Âne", u"Belle de nuit", u"Citrouille",
    u"Sarrasin", u"Tournesol", u"Pressoir", u"Chanvre", u"Pêche", u"Navet", u"Amaryllis", u"Bœuf", u"Aubergine",
    u"Piment", u"Tomate", u"Orge", u"Tonneau",
    // brumaire
    u"Pomme", u"Céleri", u"Poire", u"Betterave", u"Oie", u"Héliotrope", u"Figue", u"Scorsonère", u"Alisier", u"Charrue",
    u"Salsifis", u"Mâcre", u"Topinambour", u"Endive", u"Dindon", u"Chervis", u"Cresson", u"Dentelaire", u"Grenade",
    u"Herse", u"Bacchante", u"Azerole", u"Garance", u"Orange", u"Faisan", u"Pistache", u"Macjonc", u"Coing", u"Cormier",
    u"Rouleau",
    // frimaire
    u"Raiponce", u"Turneps", u"Chicorée", u"Nèfle", u"Cochon", u"Mâche", u"Chou-fleur", u"Miel", u"Genièvre", u"Pioche",
    u"Cire", u"Raifort", u"Cèdre", u"Sapin", u"Chevreuil", u"Ajonc", u"Cyprès", u"Lierre", u"Sabine", u"Hoyau",
    u"Érable à sucre", u"Bruyère", u"Roseau", u"Oseille", u"Grillon", u"Pignon", u"Liège", u"Truffe", u"Olive",
    u"Pelle",
    // nivôse
    u"Tourbe", u"Houille", u"Bitume", u"Soufre", u"Chien", u"Lave", u"Terre végétale", u"Fumier", u"Salpêtre", u"Fléau",
    u"Granit", u"Argile", u"Ardoise", u"Grès", u"Lapin", u"Silex", u"Marne", u"Pierre à chaux", u"Marbre", u"Van",
    u"Pierre à plâtre", u"Sel", u"Fer", u"Cuivre", u"Chat", u"Étain", u"Plomb", u"Zinc", u"Mercure", u"Crible",
    // pluviôse
    u"Lauréole", u"Mousse", u"Fragon", u"Perce-neige", u"Taureau", u"Laurier-thym", u"Amadouvier", u"Mézéréon",
    u"Peuplier", u"Coignée", u"Ellébore", u"Brocoli", u"Laurier", u"Avelinier", u"Vache", u"Buis", u"Lichen", u"If",
    u"Pulmonaire", u"Serpette", u"Thlaspi", u"Thimelé", u"Chiendent", u"Trainasse", u"Lièvre", u"Guède", u"Noisetier",
    u"Cyclamen", u"Chélidoine", u"Traîneau",
    // ventôse
    u"Tussilage", u"Cornouiller", u"Violier", u"Troène", u"Bouc", u"Asaret", u"Alaterne", u"Violette", u"Marceau",
    u"Bêche", u"Narcisse", u"Orme", u"Fumeterre", u"Vélar", u"Chèvre", u"Épinard", u"Doronic", u"Mouron", u"Cerfeuil",
    u"Cordeau", u"Mandragore", u"Persil", u"Cochléaria", u"Pâquerette", u"Thon", u"Pissenlit", u"Sylvie", u"Capillaire",
    u"Frêne", u"Plantoir",
    // germinal
    u"Primevère", u"Platane", u"Asperge", u"Tulipe", u"Poule", u"Bette", u"Bouleau", u"Jonquille", u"Aulne", u"Couvoir",
    u"Pervenche", u"Charme", u"Morille", u"Hêtre", u"Abeille", u"Laitue", u"Mélèze", u"Ciguë", u"Radis", u"Ruche",
    u"Gainier", u"Romaine", u"Marronnier", u"Roquette", u"Pigeon", u"Lilas", u"Anémone", u"Pensée", u"Myrtille",
    u"Greffoir",
    // floréal
    u"Rose", u"Chêne", u"Fougère", u"Aubépine", u"Rossignol", u"Ancolie", u"Muguet", u"Champignon", u"Hyacinthe",
    u"Râteau", u"Rhubarbe", u"Sainfoin", u"Bâton-d'or", u"Chamérops", u"Ver à soie", u"Consoude", u"Pimprenelle",
    u"Corbeille d'or", u"Arroche", u"Sarcloir", u"Statice", u"Fritillaire", u"Bourrache", u"Valériane", u"Carpe",
    u"Fusain", u"Civette", u"Buglosse", u"Sénevé", u"Houlette",
    // prairial
    u"Luzerne", u"Hémérocalle", u"Trèfle", u"Angélique", u"Canard", u"Mélisse", u"Fromental", u"Martagon", u"Serpolet",
    u"Faux", u"Fraise", u"Bétoine", u"Pois", u"Acacia", u"Caille", u"Œillet", u"Sureau", u"Pavot", u"Tilleul",
    u"Fourche", u"Barbeau", u"Camomille", u"Chèvrefeuille", u"Caille-lait", u"Tanche", u"Jasmin", u"Verveine", u"Thym",
    u"Pivoine", u"Chariot",
    // messidor
    u"Seigle", u"Avoine", u"Oignon", u"Véronique", u"Mulet", u"Romarin", u"Concombre", u"Échalote", u"Absinthe",
    u"Faucille", u"Coriandre", u"Artichaut", u"Girofle", u"Lavande", u"Chamois", u"Tabac", u"Groseille", u"Gesse",
    u"Cerise", u"Parc", u"Menthe", u"Cumin", u"Haricot", u"Orcanète", u"Pintade", u"Sauge", u"Ail", u"Vesce", u"Blé",
    u"Chalémie",
    // thermidor
    u"Épeautre", u"Bouillon-blanc", u"Melon", u"Ivraie", u"Bélier", u"Prêle", u"Armoise", u"Carthame", u"Mûre",
    u"Arrosoir", u"Panic", u"Salicorne", u"Abricot", u"Basilic", u"Brebis", u"Guimauve", u"Lin", u"Amande", u"Gentiane",
    u"Écluse", u"Carline", u"Câprier", u"Lentille", u"Aunée", u"Loutre", u"Myrte", u"Colza", u"Lupin", u"Coton",
    u"Moulin",
    // fructidor
    u"Prune", u"Millet", u"Lycoperdon", u"Escourgeon", u"Saumon", u"Tubéreuse", u"Sucrion", u"Apocyn", u"Réglisse",
    u"Échelle", u"Pastèque", u"Fenouil", u"Épine vinette", u"Noix", u"Truite", u"Citron", u"Cardère", u"Nerprun",
    u"Tagette", u"Hotte", u"Églantier", u"Noisette", u"Houblon", u"Sorgho", u"Écrevisse", u"Bigarade", u"Verge d'or",
    u"Maïs", u"Marron", u"Panier",
    // the complementary days, the sansculottides
    u"Jour de la Vertu", u"Jour du Génie", u"Jour du Travail", u"Jour de l'Opinion", u"Jour des Récompenses",
    u"Jour de la Révolution"};

} // namespace

std::optional<DateRepublicaine> dateRepublicaine(qint64 jj, const JourEquinoxe &equinoxe)
{
    const auto an = anDuJour(jj, equinoxe);
    if (!an)
        return std::nullopt;
    const int jour = static_cast<int>(jj - an->debut);
    return DateRepublicaine{jour % 30 + 1, jour / 30 + 1, an->annee};
}

qint64 jourJulien(const DateRepublicaine &date, const JourEquinoxe &equinoxe)
{
    return equinoxe(date.annee + AnneeEquinoxeAnI - 1) + (date.mois - 1) * 30 + date.jour - 1;
}

QString nomMoisRepublicain(int mois)
{
    static const QString noms[] = {
        QStringLiteral("vendémiaire"), QStringLiteral("brumaire"),  QStringLiteral("frimaire"),
        QStringLiteral("nivôse"),      QStringLiteral("pluviôse"),  QStringLiteral("ventôse"),
        QStringLiteral("germinal"),    QStringLiteral("floréal"),   QStringLiteral("prairial"),
        QStringLiteral("messidor"),    QStringLiteral("thermidor"), QStringLiteral("fructidor")};
    if (mois < 1 || mois > 12)
        return {};
    return noms[mois - 1];
}

QString nomJourDecade(int jour)
{
    static const QString noms[] = {QStringLiteral("primidi"),  QStringLiteral("duodi"),    QStringLiteral("tridi"),
                                   QStringLiteral("quartidi"), QStringLiteral("quintidi"), QStringLiteral("sextidi"),
                                   QStringLiteral("septidi"),  QStringLiteral("octidi"),   QStringLiteral("nonidi"),
                                   QStringLiteral("décadi")};
    if (jour < 1 || jour > 30)
        return {};
    return noms[(jour - 1) % 10];
}

QString nomDuJour(int mois, int jour)
{
    const int rang = (mois - 1) * 30 + jour - 1;
    if (mois < 1 || mois > 13 || jour < 1 || jour > (mois == 13 ? 6 : 30))
        return {};
    return QString::fromUtf16(Noms[static_cast<std::size_t>(rang)]);
}

QString chiffresRomains(int n)
{
    static const std::array<std::pair<int, const char *>, 13> valeurs = {{{1000, "M"},
                                                                          {900, "CM"},
                                                                          {500, "D"},
                                                                          {400, "CD"},
                                                                          {100, "C"},
                                                                          {90, "XC"},
                                                                          {50, "L"},
                                                                          {40, "XL"},
                                                                          {10, "X"},
                                                                          {9, "IX"},
                                                                          {5, "V"},
                                                                          {4, "IV"},
                                                                          {1, "I"}}};
    QString texte;
    for (const auto &[valeur, chiffres] : valeurs)
        for (; n >= valeur; n -= valeur)
            texte += QLatin1String(chiffres);
    return texte;
}

} // namespace Dates
