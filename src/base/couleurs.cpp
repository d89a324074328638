#include "base/couleurs.h"

#include "base/parametres.h"

#include <cctype>

namespace Couleurs {

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
        s.texte[i] = Parametres::definition(Parametres::couleur(i)).defaut;
        s.valeur[i] = *lisNombre(s.texte[i]);
    }
    return s;
}

void Schema::change(int indice, quint32 nouvelle)
{
    valeur[indice] = nouvelle;
    texte[indice] = QString::number(nouvelle);
}

} // namespace Couleurs
