#include "app/application.h"
#include "app/demarrage.h"
#include "app/lignecommande.h"
#include "app/plateformeqt.h"
#include "ui/polices.h"
#include "ui/styleliste.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // Read before any window, so that --help needs no display.
    const App::LigneCommande ligne = App::lisLigneCommande(App::argumentsProgramme(argc, argv));
    if (ligne.codeSortie)
        return App::termineLigneCommande(ligne);
    App::ArgumentsQt arguments(argc, argv);
    QApplication app(arguments.argc, arguments.argv());
    App::nommeApplication();
    App::installeTraductionsQt();
    Ui::installePolices();
    Ui::installeStyleListe();
    if (const auto code = App::retientDateDemarrage(ligne))
        return *code;

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
