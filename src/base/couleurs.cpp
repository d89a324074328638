#include "base/couleurs.h"

#include <cctype>

namespace Couleurs {

QString section()
{
    return QStringLiteral("Couleurs de l'interface");
}

const std::array<Definition, Nombre> &definitions()
{
    static const std::array<Definition, Nombre> table = {{
        {QStringLiteral("Début du dégradé"), QStringLiteral("&H808000"), 8421376},
        {QStringLiteral("Fin du dégradé"), QStringLiteral("&HE0E0E0"), 14737632},
        {QStringLiteral("Texte des boutons"), QStringLiteral("&H808000"), 8421376},
        {QStringLiteral("'Lumière' des boutons"), QStringLiteral("&HDEFF6C"), 14614380},
        {QStringLiteral("Autres textes"), QStringLiteral("&HFFFFFF"), 16777215},
        {QStringLiteral("Fond des fenêtres"), QStringLiteral("&H808000"), 8421376},
        {QStringLiteral("Visualisation, dossiers, etc."), QStringLiteral("&HD2D200"), 13816320},
    }};
    return table;
}

std::optional<quint32> lisNombre(const QString &texte)
{
    const QString t = texte.trimmed();
    bool ok = false;
    qlonglong n = 0;
    if (t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        const QString chiffres = t.mid(2);
        // toLongLong would accept a sign or "0x" here; a hex literal has neither.
        for (QChar c : chiffres)
            if (!std::isxdigit(static_cast<unsigned char>(c.toLatin1())) || c.unicode() > 127)
                return std::nullopt;
        n = chiffres.toLongLong(&ok, 16);
    } else {
        n = t.toLongLong(&ok, 10);
    }
    if (!ok || n < 0 || n > 0xFFFFFF)
        return std::nullopt;
    return static_cast<quint32>(n);
}

Schema Schema::parDefaut()
{
    Schema s;
    for (int i = 0; i < Nombre; ++i) {
        s.texte[i] = definitions()[i].defaut;
        s.valeur[i] = *lisNombre(s.texte[i]);
    }
    return s;
}

void Schema::change(int indice, quint32 nouvelle)
{
    valeur[indice] = nouvelle;
    texte[indice] = QString::number(nouvelle);
}

void Schema::reinitialise()
{
    for (int i = 0; i < Nombre; ++i)
        change(i, definitions()[i].reinitial);
}

} // namespace Couleurs
