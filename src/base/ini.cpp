#include "base/ini.h"

#include <QStringList>

#include <algorithm>

namespace Ini {
namespace {

bool estEspace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

int chiffre(char c, int base)
{
    int n = -1;
    if (c >= '0' && c <= '9')
        n = c - '0';
    else if (c >= 'a' && c <= 'f')
        n = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        n = c - 'A' + 10;
    return n < base ? n : -1;
}

// One logical line from pos on: blank lines and ";" comments are skipped, a
// backslash carries the line on, and quotes may hold line breaks. egal is the
// first "=" outside quotes, or -1.
bool ligneSuivante(QByteArrayView d, qsizetype &pos, qsizetype &debut, qsizetype &longueur, qsizetype &egal)
{
    const qsizetype n = d.size();
    bool guillemets = false;
    egal = -1;
    debut = pos;
    while (debut < n && estEspace(d[debut]))
        ++debut;
    qsizetype i = debut;
    while (i < n) {
        const char c = d[i++];
        if (c == '=') {
            if (!guillemets && egal < 0)
                egal = i - 1;
        } else if (c == '\n' || c == '\r') {
            if (!guillemets) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < n) {
                const char suivant = d[i++];
                if (i < n && ((suivant == '\n' && d[i] == '\r') || (suivant == '\r' && d[i] == '\n')))
                    ++i;
            }
        } else if (c == '"') {
            guillemets = !guillemets;
        } else if (c == ';') {
            if (i == debut + 1) { // a comment line
                while (i < n && d[i] != '\n' && d[i] != '\r')
                    ++i;
                while (i < n && estEspace(d[i]))
                    ++i;
                debut = i;
            } else if (!guillemets) {
                --i;
                break;
            }
        }
    }
    pos = i;
    longueur = i - debut;
    return longueur > 0;
}

// "%E9" and "%U00E9" are characters, a backslash is the "/" of a path.
QString nomLu(QByteArrayView nom)
{
    const QString s = QString::fromUtf8(nom);
    if (!nom.contains('%') && !nom.contains('\\'))
        return s;
    QString resultat;
    resultat.reserve(s.size());
    qsizetype i = 0;
    while (i < s.size()) {
        const QChar c = s[i];
        if (c == u'\\') {
            resultat += u'/';
            ++i;
            continue;
        }
        if (c != u'%' || i == s.size() - 1) {
            resultat += c;
            ++i;
            continue;
        }
        qsizetype premier = i + 1;
        qsizetype chiffres = 2;
        if (s[premier] == u'U') {
            ++premier;
            chiffres = 4;
        }
        bool ok = premier + chiffres <= s.size();
        const ushort code = ok ? s.mid(premier, chiffres).toUShort(&ok, 16) : 0;
        if (!ok) {
            resultat += u'%';
            ++i;
            continue;
        }
        resultat += QChar(code);
        i = premier + chiffres;
    }
    return resultat;
}

QByteArray nomEcrit(const QString &nom)
{
    static const char hexa[] = "0123456789ABCDEF";
    QByteArray resultat;
    resultat.reserve(nom.size() + 8);
    for (const QChar qc : nom) {
        const char16_t c = qc.unicode();
        if (c == u'/') {
            resultat += '\\';
        } else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_'
                   || c == u'-' || c == u'.') {
            resultat += char(c);
        } else if (c <= 0xFF) {
            resultat += '%';
            resultat += hexa[c >> 4];
            resultat += hexa[c & 0xF];
        } else {
            resultat += "%U";
            for (int decalage = 12; decalage >= 0; decalage -= 4)
                resultat += hexa[(c >> decalage) & 0xF];
        }
    }
    return resultat;
}

void ajouteCode(QString &texte, char32_t code)
{
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        texte += QChar(QChar::ReplacementCharacter);
    else
        texte += QString::fromUcs4(&code, 1);
}

void retireEspacesFinals(QString &texte, qsizetype limite)
{
    while (texte.size() > limite && (texte.back() == u' ' || texte.back() == u'\t'))
        texte.chop(1);
}

// The text a value stands for: escapes and quotes undone, and a comma list
// kept as one text, commas included. A leading "@@" is the escape QSettings
// writes for a text beginning with "@".
QString texte(QByteArrayView brut)
{
    // Most values stand in the file as they are: a store of a megabyte is read in milliseconds.
    const auto blanc = [](char c) { return c == ' ' || c == '\t'; };
    if (!brut.isEmpty() && !blanc(brut.front()) && !blanc(brut.back()) && !brut.startsWith("@@")
        && std::none_of(brut.begin(), brut.end(), [](char c) { return c == '\\' || c == '"' || c == ','; }))
        return QString::fromUtf8(brut);
    QStringList parts;
    QString texte;
    bool liste = false;
    bool entreGuillemets = false;
    bool cite = false;    // the current part holds quotes: its trailing blanks stay
    qsizetype limite = 0; // trailing blanks before this are escapes: they stay
    qsizetype i = 0;
    const qsizetype n = brut.size();
    const auto sauteEspaces = [&] {
        while (i < n && (brut[i] == ' ' || brut[i] == '\t'))
            ++i;
        limite = texte.size();
    };
    sauteEspaces();
    while (i < n) {
        const char c = brut[i];
        if (c == '\\') {
            if (++i >= n)
                break;
            const char e = brut[i++];
            static constexpr char simples[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                                  {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                                  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
            bool fait = false;
            for (const auto &s : simples)
                if (e == s[0]) {
                    texte += QLatin1Char(s[1]);
                    fait = true;
                    break;
                }
            if (!fait) {
                const int base = e == 'x' ? 16 : chiffre(e, 8) >= 0 ? 8 : 0;
                if (base != 0 && !(base == 16 && (i >= n || chiffre(brut[i], 16) < 0))) {
                    char32_t code = base == 8 ? char32_t(chiffre(e, 8)) : 0;
                    for (int d; i < n && (d = chiffre(brut[i], base)) >= 0; ++i)
                        code = code > 0x10FFFF ? code : code * base + d; // stops growing once out of range
                    ajouteCode(texte, code);
                } else if (e == '\n' || e == '\r') { // a line carried on
                    if (i < n && (brut[i] == '\n' || brut[i] == '\r') && brut[i] != e)
                        ++i;
                }
                // any other escaped character is dropped
            }
            limite = texte.size();
        } else if (c == '"') {
            ++i;
            cite = true;
            entreGuillemets = !entreGuillemets;
            if (!entreGuillemets)
                sauteEspaces();
        } else if (c == ',' && !entreGuillemets) {
            if (!cite)
                retireEspacesFinals(texte, limite);
            parts << texte;
            texte.clear();
            liste = true;
            cite = false;
            ++i;
            sauteEspaces();
        } else {
            qsizetype j = i + 1;
            while (j < n && brut[j] != '\\' && brut[j] != '"' && brut[j] != ',')
                ++j;
            texte += QString::fromUtf8(brut.sliced(i, j - i));
            i = j;
        }
    }
    if (!cite)
        retireEspacesFinals(texte, limite);
    parts << texte;
    for (QString &p : parts)
        if (p.startsWith(QLatin1String("@@")))
            p.remove(0, 1);
    return liste ? parts.join(u',') : parts.front();
}

// The value written for a text, which texte() reads back.
QByteArray brut(const QString &texte)
{
    const auto telQuel = [](QChar c) {
        return c.unicode() >= 0x20 && !c.isSurrogate() && c != u'"' && c != u'\\' && c != u';' && c != u','
               && c != u'=';
    };
    if (!texte.startsWith(u'@') && !texte.startsWith(u' ') && !texte.endsWith(u' ')
        && std::all_of(texte.begin(), texte.end(), telQuel))
        return texte.toUtf8();
    const QString t = texte.startsWith(u'@') ? u'@' + texte : texte;
    QByteArray resultat;
    bool guillemets = false;
    bool hexaAvant = false; // a hex digit after "\x.." would extend it: escape it too
    for (qsizetype i = 0; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c == u';' || c == u',' || c == u'=')
            guillemets = true;
        const bool chiffreHexa = (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        if (hexaAvant && chiffreHexa) {
            resultat += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        hexaAvant = false;
        switch (c) {
        case u'\0':
            resultat += "\\0";
            hexaAvant = true;
            break;
        case u'\a': resultat += "\\a"; break;
        case u'\b': resultat += "\\b"; break;
        case u'\f': resultat += "\\f"; break;
        case u'\n': resultat += "\\n"; break;
        case u'\r': resultat += "\\r"; break;
        case u'\t': resultat += "\\t"; break;
        case u'\v': resultat += "\\v"; break;
        case u'"':
        case u'\\':
            resultat += '\\';
            resultat += char(c);
            break;
        default:
            if (c <= 0x1F) {
                resultat += "\\x" + QByteArray::number(c, 16);
                hexaAvant = true;
            } else if (t[i].isHighSurrogate() && i + 1 < t.size() && t[i + 1].isLowSurrogate()) {
                resultat += QStringView(t).sliced(i, 2).toUtf8();
                ++i;
            } else {
                resultat += QStringView(t).sliced(i, 1).toUtf8();
            }
        }
    }
    if (guillemets || resultat.startsWith(' ') || resultat.endsWith(' '))
        resultat = '"' + resultat + '"';
    return resultat;
}

// The section a "[...]" line opens; "" for [General].
QString nomSection(QByteArrayView ligne)
{
    qsizetype fin = ligne.indexOf(']');
    if (fin < 0)
        fin = ligne.size();
    const QByteArrayView nom = ligne.first(fin).sliced(1).trimmed();
    if (nom.compare("general", Qt::CaseInsensitive) == 0)
        return QString();
    if (nom.compare("%general", Qt::CaseInsensitive) == 0)
        return QString::fromLatin1(nom.sliced(1));
    return nomLu(nom);
}

QByteArray enTete(const QString &section)
{
    if (section.isEmpty())
        return "[General]\n";
    if (section.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
        return "[%General]\n";
    return '[' + nomEcrit(section) + "]\n";
}

} // namespace

// Every value as text; a later value of the same path wins.
Valeurs lis(QByteArrayView donnees)
{
    Valeurs valeurs;
    if (donnees.startsWith("\xef\xbb\xbf"))
        donnees = donnees.sliced(3);
    QString section; // "" under [General], else "name/"
    qsizetype pos = 0, debut = 0, longueur = 0, egal = -1;
    while (ligneSuivante(donnees, pos, debut, longueur, egal)) {
        const QByteArrayView ligne = donnees.sliced(debut, longueur);
        if (ligne.startsWith('[')) {
            section = nomSection(ligne);
            if (!section.isEmpty())
                section += u'/';
            continue;
        }
        if (egal < 0)
            continue;
        const QByteArrayView cle = donnees.sliced(debut, egal - debut).trimmed();
        valeurs.insert(valeurs.cend(), section + nomLu(cle),
                       texte(donnees.sliced(egal + 1, debut + longueur - egal - 1)));
    }
    return valeurs;
}

namespace {

// Where one value goes in a file: one pass over its lines, decoding only the
// section names and the keys of its section.
struct Place
{
    qsizetype ligne = -1, egal = -1, finLigne = -1; // the value's last line
    qsizetype avantCle = -1;                        // the first line of the section whose key sorts after it
    qsizetype finSection = -1;                      // the end of the section's last line
    qsizetype avantSection = -1;                    // the first section that sorts after it
};

Place trouve(QByteArrayView d, const QString &section, const QString &cle)
{
    Place p;
    bool dedans = section.isEmpty(); // lines before any section are [General]'s
    bool vue = false;
    qsizetype pos = 0, debut = 0, longueur = 0, egal = -1;
    while (ligneSuivante(d, pos, debut, longueur, egal)) {
        const QByteArrayView ligne = d.sliced(debut, longueur);
        if (ligne.startsWith('[')) {
            const QString nom = nomSection(ligne);
            dedans = nom == section;
            vue = vue || dedans;
            if (dedans)
                p.finSection = debut + longueur;
            else if (!vue && p.avantSection < 0 && section < nom)
                p.avantSection = debut;
            continue;
        }
        if (!dedans || egal < 0)
            continue;
        vue = true;
        p.finSection = debut + longueur;
        const QString k = nomLu(d.sliced(debut, egal - debut).trimmed());
        if (k == cle) {
            p.ligne = debut;
            p.egal = egal;
            p.finLigne = debut + longueur;
        } else if (p.avantCle < 0 && cle < k) {
            p.avantCle = debut;
        }
    }
    if (!vue)
        p.finSection = -1;
    return p;
}

} // namespace

QByteArray change(const QByteArray &octets, const QString &chemin, const QString &valeur)
{
    const qsizetype bom = octets.startsWith("\xef\xbb\xbf") ? 3 : 0;
    const QByteArrayView d = QByteArrayView(octets).sliced(bom);
    const qsizetype barre = chemin.indexOf(u'/');
    const QString section = barre < 0 ? QString() : chemin.left(barre);
    const QString cle = chemin.mid(barre + 1);
    const Place p = trouve(d, section, cle);
    const QByteArray ligne = nomEcrit(cle) + '=' + brut(valeur);
    QByteArray resultat = octets;
    if (p.ligne >= 0) {
        if (texte(d.sliced(p.egal + 1, p.finLigne - p.egal - 1)) != valeur)
            resultat.replace(bom + p.ligne, p.finLigne - p.ligne, ligne);
    } else if (p.avantCle >= 0) {
        resultat.insert(bom + p.avantCle, QByteArray(ligne + '\n'));
    } else if (p.finSection >= 0) {
        resultat.insert(bom + p.finSection, QByteArray('\n' + ligne));
    } else if (p.avantSection >= 0) {
        resultat.insert(bom + p.avantSection, QByteArray(enTete(section) + ligne + "\n\n"));
    } else {
        if (!d.isEmpty() && !d.endsWith('\n'))
            resultat += '\n';
        resultat += (d.isEmpty() ? QByteArray() : QByteArray("\n")) + enTete(section) + ligne + '\n';
    }
    return resultat;
}

} // namespace Ini
