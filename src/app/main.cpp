#include "app/demarrage.h"
#include "app/icones.h"
#include "app/plateformeqt.h"
#include "app/polices.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelund"));
    QApplication::setOrganizationName(QStringLiteral("Zelund"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zelund +"));
    QApplication::setDesktopFileName(QStringLiteral("zelund"));
    QApplication::setWindowIcon(iconeDessinee(QStringLiteral("zelund")));
    installePolices();

    PlateformeQt plateforme;
    Plateforme::installe(&plateforme);
    if (!Demarrage::continuerMalgreInstance())
        return 0;

    Demarrage demarrage;
    int code = 0;
    demarrage.lance([&code](bool ok) {
        if (!ok) {
            code = 1;
            QApplication::exit(1);
        }
    });
    const int fin = QApplication::exec();
    return code != 0 ? code : fin;
}
