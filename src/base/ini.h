#pragma once

#include <QSettings>

// The ini files QSettings writes, as a QSettings format of its own: the same
// bytes as QSettings::IniFormat (sections and keys percent-escaped
// "[Couleur%20du%20ciel]", values with C escapes, quoted when they hold a
// comma), but every value is read back as the text that stands in the file.
// Qt's typed notation ("@Variant(...)", "@ByteArray(...)") is never decoded:
// values here are text, and a crafted one makes Qt allocate gigabytes.
namespace Ini {

QSettings::Format format();

} // namespace Ini
