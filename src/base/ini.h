#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

// The ini files QSettings writes, read and written as text: sections and keys
// percent-escaped ("[Couleur%20du%20ciel]"), values with C escapes, quoted when
// they hold a comma. Values keep the text that stands in the file; Qt's typed
// notation ("@Variant(...)", "@ByteArray(...)") is never decoded.
namespace Ini {

// One value: its path "section/key" ("key" alone under [General]) and its text
// as it stands after the "=", escapes and quotes included.
struct Entree
{
    QString chemin;
    QByteArray brut;
};
using Contenu = std::vector<Entree>;

// Every value in file order; a later value of the same path wins.
Contenu lis(QByteArrayView donnees);
// The file for these values, as QSettings writes it: one section after the
// other, in the order they first appear.
QByteArray ecris(const Contenu &contenu);

// The text a value stands for: escapes and quotes undone, and a comma list
// kept as one text, commas included. A leading "@@" is the escape QSettings
// writes for a text beginning with "@".
QString texte(QByteArrayView brut);
// The value written for a text, which texte() reads back.
QByteArray brut(const QString &texte);

} // namespace Ini
