#include "app/application.h"
#include "app/demarrage.h"
#include "app/lignecommande.h"
#include "app/plateformeqt.h"
#include "base/reglages.h"
#include "ui/polices.h"
#include "ui/styleliste.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // Every check, and every option that only prints, before the window
    // system is touched: none of them needs a display.
    const App::LigneCommande ligne =
        App::verifieLigneCommande(App::argumentsProgramme(argc, argv), Reglages::courant());
    if (ligne.codeSortie)
        return App::termineLigneCommande(ligne);
    App::ArgumentsQt arguments(argc, argv);
    QApplication app(arguments.argc, arguments.argv());
    App::nommeApplication();
    App::installeTraductionsQt();
    Ui::installePolices();
    Ui::installeStyleListe();

    PlateformeQt plateforme;
    Plateforme::installe(&plateforme);
    Demarrage demarrage(ligne.date);
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
