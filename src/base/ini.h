#pragma once

#include <QByteArrayView>
#include <QMap>
#include <QString>

// The ini files QSettings writes, read and written here from and to memory:
// the same bytes as QSettings::IniFormat (sections and keys percent-escaped
// "[Couleur%20du%20ciel]", values with C escapes, quoted when they hold a
// comma), but every value is read back as the text that stands in the file.
// Qt's typed notation ("@Variant(...)", "@ByteArray(...)") is never decoded:
// values here are text, and a crafted one makes Qt allocate gigabytes.
namespace Ini {

// "section/key" (a key of [General] alone) to its text.
using Valeurs = QMap<QString, QString>;

Valeurs lis(QByteArrayView octets);
// The file with one value set and every other byte kept: the value's line
// rewritten, or added where IniFormat puts it (sections in the order of their
// names, keys in theirs), so a file IniFormat wrote stays what it would write.
// One pass over the file, never a reading and writing of every value.
QByteArray change(const QByteArray &octets, const QString &chemin, const QString &valeur);

} // namespace Ini
