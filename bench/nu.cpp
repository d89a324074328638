// The baselines of the start-up benchmark: what any Qt Widgets program pays to
// show one window the size of the main window, borderless like it, or with the
// window manager's frame when started with --cadre. With --demarrage it first
// shows a plain borderless window the size of the splash, and shows the main
// one once that has been painted and a 1 ms timer has fired, as the program's
// start-up does: the least any program with that sequence pays.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {
// A splash with nothing in it: shown, then once painted and once its 1 ms
// timer has fired, the next step runs.
class Ecran : public QWidget
{
public:
    Ecran()
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    {
        setFixedSize(471, 131);
    }
    void lance(std::function<void()> suite)
    {
        m_suite = std::move(suite);
        show();
        QTimer::singleShot(1, this, [this] {
            m_echu = true;
            pret();
        });
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(rect(), Qt::blue);
        if (!m_peint) {
            m_peint = true;
            QTimer::singleShot(0, this, [this] { pret(); });
        }
    }

private:
    void pret()
    {
        if (m_peint && m_echu && m_suite)
            std::exchange(m_suite, {})();
    }
    std::function<void()> m_suite;
    bool m_peint = false;
    bool m_echu = false;
};
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const bool cadre = argc > 1 && qstrcmp(argv[1], "--cadre") == 0;
    const bool demarrage = argc > 1 && qstrcmp(argv[1], "--demarrage") == 0;
    QWidget fenetre(nullptr, cadre ? Qt::Window : Qt::Window | Qt::FramelessWindowHint);
    fenetre.setWindowTitle(QStringLiteral("nu"));
    fenetre.setFixedSize(336, 356);
    if (!demarrage) {
        fenetre.show();
        return app.exec();
    }
    auto *ecran = new Ecran;
    ecran->lance([&] {
        ecran->hide();
        ecran->deleteLater();
        fenetre.show();
    });
    return app.exec();
}
