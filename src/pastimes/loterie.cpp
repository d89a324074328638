#include "pastimes/loterie.h"

#include "pastimes/ramdom.h"

#include <algorithm>
#include <cmath>

namespace Loterie {

namespace {

constexpr int LargeurBoule = 1095;
constexpr int HauteurBoule = 975;
constexpr int LargeurEtiquette = 615;
constexpr int HauteurEtiquette = 555;

struct Boule
{
    int gauche;
    int haut;
    quint32 couleur;
};

constexpr std::array<Boule, MaxBoules> Boules = {{
    {60, 60, 0x0000FF},     // red
    {1140, 60, 0x00FF00},   // green
    {60, 1140, 0x00FFFF},   // yellow
    {1140, 1140, 0xFF0000}, // blue
    {60, 2220, 0xFF00FF},   // magenta
    {1140, 2220, 0x80C0FF}, // light orange
    {600, 3180, 0xFFFF00},  // cyan
}};

int nombre(int nbBoules)
{
    return std::clamp(nbBoules, 0, MaxBoules);
}

bool montre(std::span<const int> numeros, int x)
{
    return std::find(numeros.begin(), numeros.end(), x) != numeros.end();
}

// True when every number from 1 to nbPartants is already shown below.
bool toutPris(int nbPartants, std::span<const int> inferieurs)
{
    for (int x = 1; x <= nbPartants; ++x)
        if (!montre(inferieurs, x))
            return false;
    return true;
}

} // namespace

float secondesDepuisMinuit(const QTime &heure)
{
    return static_cast<float>(heure.msecsSinceStartOfDay()) / 1000.0f;
}

QString texteSecondes(float secondes)
{
    const double v = secondes;
    if (v == 0)
        return QStringLiteral("0");
    const int chiffresEntiers = static_cast<int>(std::floor(std::log10(std::fabs(v)))) + 1;
    QString texte = QString::number(v, 'f', std::max(0, 7 - chiffresEntiers));
    if (texte.contains(QLatin1Char('.'))) {
        while (texte.endsWith(QLatin1Char('0')))
            texte.chop(1);
        if (texte.endsWith(QLatin1Char('.')))
            texte.chop(1);
    }
    return texte;
}

QString texteGraine(const QDateTime &maintenant, float secondes)
{
    return maintenant.date().toString(QStringLiteral("MM-dd-yyyy"))
           + maintenant.time().toString(QStringLiteral("HH:mm:ss")) + QLatin1Char(' ') + texteSecondes(secondes);
}

QString texteGraine(const QDateTime &maintenant)
{
    return texteGraine(maintenant, secondesDepuisMinuit(maintenant.time()));
}

int tireNumero(Ramdom &generateur, int nbPartants, std::span<const int> inferieurs)
{
    // With fewer starters than balls no free number would exist; accept a
    // repeat then rather than loop for ever.
    const bool libre = !toutPris(nbPartants, inferieurs);
    int x = 0;
    do
        x = generateur.TirageEntre(1, static_cast<qint16>(nbPartants));
    while (libre && montre(inferieurs, x));
    return x;
}

void tourne(Ramdom &generateur, Numeros &numeros, const Arretees &arretees, int nbBoules, int nbPartants)
{
    for (int k = 0; k < nombre(nbBoules); ++k)
        if (!arretees[k])
            numeros[k] = tireNumero(generateur, nbPartants, std::span<const int>(numeros.data(), k));
}

QString texteLegende(Legende legende)
{
    switch (legende) {
    case Legende::PremiereBoule: return QStringLiteral("Première boule");
    case Legende::BouleSuivante: return QStringLiteral("Boule suivante");
    case Legende::Recommencer: return QStringLiteral("Recommencer");
    }
    return {};
}

Legende lanceBoule(Arretees &arretees, int nbBoules)
{
    const int n = nombre(nbBoules);
    for (int k = 0; k < n; ++k) {
        if (!arretees[k]) {
            arretees[k] = true;
            return k == n - 1 ? Legende::Recommencer : Legende::BouleSuivante;
        }
    }
    std::fill_n(arretees.begin(), n, false);
    return Legende::BouleSuivante;
}

Tirage &tirage()
{
    static Tirage t;
    return t;
}

QRect placeBoule(int k)
{
    const Boule &b = Boules[k - 1];
    return {b.gauche, b.haut, LargeurBoule, HauteurBoule};
}

QRect placeEtiquette(int k)
{
    // Centred on its ball.
    const QRect boule = placeBoule(k);
    return {boule.left() + (LargeurBoule - LargeurEtiquette) / 2, boule.top() + (HauteurBoule - HauteurEtiquette) / 2,
            LargeurEtiquette, HauteurEtiquette};
}

quint32 couleurBoule(int k)
{
    return Boules[k - 1].couleur;
}

} // namespace Loterie
