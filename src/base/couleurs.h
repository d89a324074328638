#pragma once

#include <QString>
#include <array>
#include <optional>

// The seven interface colours, numbers laid out as &HBBGGRR (red in the low byte).
namespace Couleurs {

enum Indice {
    DebutDegrade,
    FinDegrade,
    TexteBoutons,
    LumiereBoutons,
    AutresTextes,
    FondFenetres,
    Visualisation,
    Nombre
};

// Decimal text or "&H" hexadecimal literal; nullopt when it is not a
// colour number (not a number, or outside 0 to &HFFFFFF).
std::optional<quint32> lisNombre(const QString &texte);

// The current scheme: the value of each colour and the text to write back,
// which stays the text read from the store until the colour is changed.
struct Schema
{
    std::array<quint32, Nombre> valeur{};
    std::array<QString, Nombre> texte;

    static Schema parDefaut();
    void change(int indice, quint32 nouvelle);
};

} // namespace Couleurs
