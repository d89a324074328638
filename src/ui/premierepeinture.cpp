#include "ui/premierepeinture.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {
// Watches the window's first exposure; Qt paints and flushes the window while
// handling it, so the action goes to the event loop to run just after.
class Guetteur : public QObject
{
public:
    Guetteur(QWidget *fenetre, std::function<void()> action)
        : QObject(fenetre),
          m_action(std::move(action))
    {
    }

    bool eventFilter(QObject *objet, QEvent *evenement) override
    {
        if (evenement->type() == QEvent::Expose && static_cast<QWindow *>(objet)->isExposed()) {
            objet->removeEventFilter(this);
            plusTard();
        }
        return false;
    }

    void plusTard()
    {
        QTimer::singleShot(0, this, [this] {
            const auto action = std::move(m_action);
            deleteLater();
            action();
        });
    }

private:
    std::function<void()> m_action;
};
} // namespace

namespace Ui {

void apresPremierePeinture(QWidget *fenetre, std::function<void()> action)
{
    fenetre->winId(); // the native window exists from here on
    auto *guetteur = new Guetteur(fenetre, std::move(action));
    if (fenetre->windowHandle()->isExposed())
        guetteur->plusTard(); // painted already
    else
        fenetre->windowHandle()->installEventFilter(guetteur);
}

} // namespace Ui
