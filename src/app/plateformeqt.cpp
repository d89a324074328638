#include "app/plateformeqt.h"

#include "ui/couleurqt.h"
#include "aide/fenaide.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QMediaDevices>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QAudioDevice>

PlateformeQt::PlateformeQt() = default;

PlateformeQt::~PlateformeQt()
{
    delete m_son;
}

QDateTime PlateformeQt::maintenant() const
{
    return QDateTime::currentDateTime();
}

bool PlateformeQt::autreInstanceActive()
{
    QString dossier = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dossier.isEmpty())
        dossier = QDir::tempPath();
    m_verrou = std::make_unique<QLockFile>(dossier + QStringLiteral("/zelund-%1.lock").arg(qgetenv("USER")));
    // A lock left by a copy that crashed names a dead process: QLockFile takes it over.
    m_verrou->setStaleLockTime(0);
    return !m_verrou->tryLock(0);
}

Plateforme::Reponse PlateformeQt::message(const QString &texte, Boutons boutons, Icone icone,
                                          const QString &titre, Reponse parDefaut)
{
    QMessageBox boite;
    boite.setWindowTitle(titre);
    boite.setText(texte);
    switch (icone) {
    case Icone::Critique: boite.setIcon(QMessageBox::Critical); break;
    case Icone::Question: boite.setIcon(QMessageBox::Question); break;
    case Icone::Exclamation: boite.setIcon(QMessageBox::Warning); break;
    case Icone::Information: boite.setIcon(QMessageBox::Information); break;
    }
    if (boutons == Boutons::Ok) {
        boite.setStandardButtons(QMessageBox::Ok);
        boite.exec();
        return Reponse::Ok;
    }
    QPushButton *oui = boite.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
    QPushButton *non = boite.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
    boite.setDefaultButton(parDefaut == Reponse::Oui ? oui : non);
    boite.setEscapeButton(non);
    boite.exec();
    return boite.clickedButton() == oui ? Reponse::Oui : Reponse::Non;
}

bool PlateformeQt::lanceProgramme(const QString &programme, const QStringList &arguments)
{
    const QString chemin = QStandardPaths::findExecutable(programme);
    if (chemin.isEmpty())
        return false;
    return QProcess::startDetached(chemin, arguments);
}

bool PlateformeQt::programmeDisponible(const QString &programme) const
{
    return !QStandardPaths::findExecutable(programme).isEmpty();
}

void PlateformeQt::copiePressePapiers(const QString &texte)
{
    QClipboard *pp = QApplication::clipboard();
    pp->clear();
    pp->setText(texte);
}

void PlateformeQt::joueSon(int numero)
{
    if (numero != 19 || QMediaDevices::defaultAudioOutput().isNull())
        return; // no output: the end-of-playback signal would never come
    if (!m_son) {
        m_son = new QSoundEffect;
        m_son->setSource(QUrl(QStringLiteral("qrc:/sons/son19.wav")));
    }
    QEventLoop boucle;
    QTimer garde;
    garde.setSingleShot(true);
    QObject::connect(&garde, &QTimer::timeout, &boucle, &QEventLoop::quit);
    QObject::connect(m_son, &QSoundEffect::playingChanged, &boucle, [&] {
        if (!m_son->isPlaying())
            boucle.quit();
    });
    QObject::connect(m_son, &QSoundEffect::statusChanged, &boucle, [&] {
        if (m_son->status() == QSoundEffect::Error)
            boucle.quit();
        else if (m_son->status() == QSoundEffect::Ready && !m_son->isPlaying())
            m_son->play();
    });
    // The clip lasts a third of a second: never wait longer than it plus 300 ms.
    garde.start(330 + 300);
    if (m_son->status() == QSoundEffect::Ready)
        m_son->play();
    else if (m_son->status() == QSoundEffect::Error)
        return;
    boucle.exec(QEventLoop::ExcludeUserInputEvents);
    m_son->disconnect(&boucle);
}

void PlateformeQt::afficheAide(int contexte)
{
    FenAide::affiche(contexte);
}

std::optional<quint32> PlateformeQt::choisitCouleur(quint32 depart)
{
    const QColor c = QColorDialog::getColor(couleurVb(depart), QApplication::activeWindow());
    if (!c.isValid())
        return std::nullopt;
    return nombreVb(c);
}

bool PlateformeQt::ouvreAdresse(const QString &adresse)
{
    return QDesktopServices::openUrl(QUrl::fromUserInput(adresse));
}
