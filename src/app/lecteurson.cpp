// The sound player, a module the program loads with the first sound: Qt
// Multimedia and the audio stack it brings are not loaded at start.
#include <QAudioDevice>
#include <QEventLoop>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace {
QSoundEffect *son = nullptr;
}

// Plays the sound at source and returns when it has finished.
extern "C" Q_DECL_EXPORT void zelund_joue_son(const char *source)
{
    if (QMediaDevices::defaultAudioOutput().isNull())
        return; // no output: the end-of-playback signal would never come
    if (!son) {
        son = new QSoundEffect;
        son->setSource(QUrl(QString::fromUtf8(source)));
    }
    QEventLoop boucle;
    QTimer garde;
    garde.setSingleShot(true);
    QObject::connect(&garde, &QTimer::timeout, &boucle, &QEventLoop::quit);
    QObject::connect(son, &QSoundEffect::playingChanged, &boucle, [&] {
        if (!son->isPlaying())
            boucle.quit();
    });
    QObject::connect(son, &QSoundEffect::statusChanged, &boucle, [&] {
        if (son->status() == QSoundEffect::Error)
            boucle.quit();
        else if (son->status() == QSoundEffect::Ready && !son->isPlaying())
            son->play();
    });
    // The clip lasts a third of a second: never wait longer than it plus 300 ms.
    garde.start(330 + 300);
    if (son->status() == QSoundEffect::Ready)
        son->play();
    else if (son->status() == QSoundEffect::Error)
        return;
    boucle.exec(QEventLoop::ExcludeUserInputEvents);
    son->disconnect(&boucle);
}

// Lets the player go while the application still exists.
extern "C" Q_DECL_EXPORT void zelund_libere_son()
{
    delete son;
    son = nullptr;
}
