#include "aide/listeconseils.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace ListeConseils {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; its five unassigned
// bytes keep their Latin-1 control code, as Windows itself decodes them.
constexpr char16_t Cp1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeWindows1252(const QByteArray &octets)
{
    QString texte;
    texte.reserve(octets.size());
    for (const char c : octets) {
        const auto o = static_cast<unsigned char>(c);
        texte.append(o >= 0x80 && o < 0xA0 ? QChar(Cp1252[o - 0x80]) : QChar(o));
    }
    return texte;
}

} // namespace

QString decode(const QByteArray &octets)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString texte = utf8.decode(octets);
    if (utf8.hasError())
        return decodeWindows1252(octets);
    return texte.startsWith(QChar(0xFEFF)) ? texte.mid(1) : texte;
}

QStringList decoupe(const QString &texte)
{
    QStringList lignes;
    qsizetype debut = 0;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lignes << texte.mid(debut, i - debut);
        if (c == u'\r' && i + 1 < texte.size() && texte.at(i + 1) == u'\n')
            ++i;
        debut = i + 1;
    }
    if (debut < texte.size())
        lignes << texte.mid(debut);
    return lignes;
}

std::optional<QStringList> lis(const QString &chemin)
{
    if (chemin.isEmpty() || !QFileInfo(chemin).isFile())
        return std::nullopt;
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decoupe(decode(fichier.readAll()));
}

int premier(double r, int nombre)
{
    if (nombre <= 0)
        return 0;
    // r is below 1, yet r × nombre may round up to nombre.
    return qBound(1, static_cast<int>(r * nombre + 1), nombre);
}

int suivant(int courant, int nombre)
{
    if (nombre <= 0)
        return 0;
    return courant >= nombre || courant < 1 ? 1 : courant + 1;
}

QString messageFichierAbsent(const QString &nomFichier)
{
    return QStringLiteral("Le fichier ") + nomFichier + QStringLiteral(" n'a pas été trouvé.\n\n")
           + QStringLiteral("Vous n'auriez pas dû le supprimer du dossier de Zelund +");
}

} // namespace ListeConseils
