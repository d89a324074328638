// The baseline of the start-up benchmark: what any Qt Widgets program pays to
// show one window the size of the main window, borderless like it.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget fenetre(nullptr, Qt::Window | Qt::FramelessWindowHint);
    fenetre.setWindowTitle(QStringLiteral("nu"));
    fenetre.setFixedSize(336, 356);
    fenetre.show();
    return app.exec();
}
