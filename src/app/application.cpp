#include "app/application.h"

#include "ui/icones.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace App {

QByteArray plateformePreferee(const QList<QByteArray> &arguments, const QByteArray &qtQpaPlatform,
                              const QByteArray &display, const QByteArray &waylandDisplay)
{
    if (!qtQpaPlatform.isEmpty())
        return {};
    for (const QByteArray &a : arguments.mid(1))
        if (a == "-platform" || a == "--platform")
            return {};
    // Qt tries each in turn: a display that cannot be opened falls back to Wayland.
    if (!display.isEmpty())
        return "xcb;wayland";
    if (!waylandDisplay.isEmpty())
        return "wayland";
    return {};
}

ArgumentsQt::ArgumentsQt(int n, char **v)
{
    QList<QByteArray> arguments;
    for (int i = 0; i < n; ++i)
        arguments << QByteArray(v[i]);
    const QByteArray choix =
        plateformePreferee(arguments, qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY"));
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        m_textes.push_back(arguments[i]);
        if (i == 0 && !choix.isEmpty()) {
            m_textes.push_back("-platform");
            m_textes.push_back(choix);
        }
    }
    for (QByteArray &t : m_textes)
        m_pointeurs.push_back(t.data());
    argc = int(m_pointeurs.size());
    m_pointeurs.push_back(nullptr);
}

void nommeApplication()
{
    QApplication::setApplicationName(QStringLiteral("Zelund"));
    QApplication::setOrganizationName(QStringLiteral("Zelund"));
    QApplication::setDesktopFileName(QStringLiteral("zelund"));
    QApplication::setWindowIcon(Ui::iconeDessinee(QStringLiteral("zelund")));
}

QTranslator *installeTraductionsQt()
{
    auto *traducteur = new QTranslator(QCoreApplication::instance());
    // "qt" gathers the catalogues of every Qt module, qtbase's among them.
    if (!traducteur->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(traducteur)) {
        delete traducteur;
        return nullptr;
    }
    return traducteur;
}

} // namespace App
