#include "app/plateformeqt.h"

#include "app/modulson.h"
#include "ui/couleurqt.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

PlateformeQt::PlateformeQt() = default;

PlateformeQt::~PlateformeQt()
{
    ModuleSon::libere();
}

QDateTime PlateformeQt::maintenant() const
{
    return QDateTime::currentDateTime();
}

bool PlateformeQt::autreInstanceActive()
{
    return !m_verrou.prend(VerrouInstance::chemin());
}

Plateforme::Reponse PlateformeQt::message(const QString &texte, Boutons boutons, Icone icone, const QString &titre,
                                          Reponse parDefaut)
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
    if (numero == 19)
        ModuleSon::joue(QStringLiteral("qrc:/sons/son19.wav"));
}

std::optional<quint32> PlateformeQt::choisitCouleur(quint32 depart)
{
    const QColor c = QColorDialog::getColor(Ui::couleurVb(depart), QApplication::activeWindow());
    if (!c.isValid())
        return std::nullopt;
    return Ui::nombreVb(c);
}

bool PlateformeQt::ouvreAdresse(const QString &adresse)
{
    return QDesktopServices::openUrl(QUrl::fromUserInput(adresse));
}

std::optional<QString> PlateformeQt::choisitFichierEcrit(const QString &titre, const QString &depart,
                                                         const QString &filtre)
{
    const QString choisi = QFileDialog::getSaveFileName(QApplication::activeWindow(), titre, depart, filtre);
    return choisi.isEmpty() ? std::nullopt : std::optional(choisi);
}
