#pragma once

#include <QByteArray>
#include <QList>
#include <vector>

class QTranslator;

namespace App {

// The window system to ask Qt for when the user named none (QT_QPA_PLATFORM,
// -platform): X11, through XWayland under a Wayland desktop, wherever a
// display is there, since Wayland ignores the places the program gives its
// windows; Wayland otherwise. Empty: Qt chooses on its own.
QByteArray plateformePreferee(const QList<QByteArray> &arguments, const QByteArray &qtQpaPlatform,
                              const QByteArray &display, const QByteArray &waylandDisplay);

// The command line handed to QApplication: the program's own, with
// "-platform" and the preferred window system added when the user chose none.
// Passed as an argument rather than through the environment, so that the
// programs this one starts still choose for themselves. QApplication keeps a
// reference to argc: this object must outlive it.
class ArgumentsQt
{
public:
    ArgumentsQt(int argc, char **argv);
    ArgumentsQt(const ArgumentsQt &) = delete;
    ArgumentsQt &operator=(const ArgumentsQt &) = delete;

    int argc = 0;
    char **argv() { return m_pointeurs.data(); }

private:
    std::vector<QByteArray> m_textes;
    std::vector<char *> m_pointeurs;
};

// The program's names and icon, as the desktop sees them. No display name:
// Qt would append it to every window title.
void nommeApplication();

// Qt's own dialogs and menus (colour picker, context menus of text boxes and
// scroll bars) in French, like the rest of the program, whatever the
// desktop's language. nullptr when Qt's French translations are not installed.
QTranslator *installeTraductionsQt();

} // namespace App
