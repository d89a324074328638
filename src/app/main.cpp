#include "app/demarrage.h"
#include "app/plateformeqt.h"
#include "app/polices.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelund"));
    QApplication::setOrganizationName(QStringLiteral("Zelund"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zelund +"));
    QApplication::setDesktopFileName(QStringLiteral("zelund"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zelund.svg")));
    installePolices();

    PlateformeQt plateforme;
    Plateforme::installe(&plateforme);
    Demarrage demarrage;
    int code = 0;
    const bool lance = demarrage.lance([&code](bool ok) {
        if (!ok) {
            code = 1;
            QApplication::exit(1);
        }
    });
    if (!lance)
        return 0;
    const int fin = QApplication::exec();
    return code != 0 ? code : fin;
}
