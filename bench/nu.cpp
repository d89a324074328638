// The baseline of the start-up benchmark: what any Qt Widgets program pays to
// show one window the size of the main window, borderless like it, or with the
// window manager's frame when started with --cadre.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const bool cadre = argc > 1 && qstrcmp(argv[1], "--cadre") == 0;
    QWidget fenetre(nullptr, cadre ? Qt::Window : Qt::Window | Qt::FramelessWindowHint);
    fenetre.setWindowTitle(QStringLiteral("nu"));
    fenetre.setFixedSize(336, 356);
    fenetre.show();
    return app.exec();
}
