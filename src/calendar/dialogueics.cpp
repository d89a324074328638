#include "calendar/dialogueics.h"

#include "base/chargement.h"
#include "base/plateforme.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QSpinBox>
#include <QStandardPaths>

namespace Calendrier {

std::optional<QString> ecrisIcs(const QString &chemin, int debut, int fin, Dates::Region region,
                                const QDateTime &horodatage, const Dates::PhasesIcs &lune)
{
    if (const auto refus = Dates::refusAnneesIcs(debut, fin, lune))
        return QStringLiteral("Rien n'a été écrit : ") + *refus;
    const auto echec = [&chemin](const QString &raison) {
        return QStringLiteral("Le fichier « %1 » n'a pas pu être écrit (%2). Rien n'a été changé.")
            .arg(QDir::toNativeSeparators(chemin), raison);
    };
    if (chemin.trimmed().isEmpty())
        return QStringLiteral("Choisissez le fichier où écrire l'export.");
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return echec(fichier.errorString());
    fichier.write(Dates::calendrierIcs(debut, fin, region, horodatage, lune));
    if (!fichier.commit())
        return echec(fichier.errorString());
    return std::nullopt;
}

} // namespace Calendrier

DialogueIcs::DialogueIcs(int annee, Dates::PhasesIcs lune, QWidget *parent)
    : QDialog(parent),
      m_lune(std::move(lune))
{
    setObjectName(QStringLiteral("DialogueIcs"));
    setWindowTitle(QStringLiteral("Zelund - Export iCalendar"));
    // Any year typed is taken, and one the export does not give is said.
    const auto annees = [this](const QString &nom, const QString &accessible, int valeur) {
        auto *s = new QSpinBox(this);
        s->setObjectName(nom);
        s->setAccessibleName(accessible);
        s->setRange(1, 9999);
        s->setValue(valeur);
        connect(s, &QSpinBox::valueChanged, this, &DialogueIcs::proposeNom);
        return s;
    };
    annee = std::clamp(annee, m_lune.anneeMin, std::max(m_lune.anneeMin, m_lune.anneeMax));
    m_debut = annees(QStringLiteral("AnneeDebutIcs"), QStringLiteral("Première année"), annee);
    m_fin = annees(QStringLiteral("AnneeFinIcs"), QStringLiteral("Dernière année"), annee);
    m_alsace = new QCheckBox(QStringLiteral("Jours fériés d'&Alsace-Moselle"), this);
    m_alsace->setObjectName(QStringLiteral("AlsaceMoselleIcs"));
    m_fichier = new QLineEdit(this);
    m_fichier->setObjectName(QStringLiteral("FichierIcs"));
    m_fichier->setAccessibleName(QStringLiteral("Fichier"));
    m_fichier->setMinimumWidth(m_fichier->fontMetrics().averageCharWidth() * 48);
    auto *parcourir = new QPushButton(QStringLiteral("&Parcourir…"), this);
    parcourir->setObjectName(QStringLiteral("ParcourirIcs"));
    connect(parcourir, &QPushButton::clicked, this, &DialogueIcs::parcourt);

    auto *ligneFichier = new QHBoxLayout;
    ligneFichier->addWidget(m_fichier, 1);
    ligneFichier->addWidget(parcourir);
    auto *boutons = new QDialogButtonBox(this);
    boutons->addButton(QStringLiteral("&Exporter"), QDialogButtonBox::AcceptRole)->setDefault(true);
    boutons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    connect(boutons, &QDialogButtonBox::accepted, this, &DialogueIcs::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &DialogueIcs::reject);

    auto *forme = new QFormLayout(this);
    forme->addRow(QStringLiteral("Jours fériés, phases de la Lune, équinoxes et solstices des années %1 à %2 :")
                      .arg(m_lune.anneeMin)
                      .arg(m_lune.anneeMax),
                  static_cast<QWidget *>(nullptr));
    forme->addRow(QStringLiteral("&Première année :"), m_debut);
    forme->addRow(QStringLiteral("&Dernière année :"), m_fin);
    forme->addRow(m_alsace);
    auto *etiquette = new QLabel(QStringLiteral("&Fichier :"), this);
    etiquette->setBuddy(m_fichier);
    forme->addRow(etiquette, ligneFichier);
    forme->addRow(boutons);
    proposeNom();
}

void DialogueIcs::installeRaccourci(QWidget *fenetre, std::function<int()> anneeAffichee,
                                    std::function<Dates::PhasesIcs()> lune)
{
    auto *raccourci = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_I), fenetre);
    QObject::connect(raccourci, &QShortcut::activated, fenetre, [fenetre, anneeAffichee, lune] {
        auto *d = new DialogueIcs(anneeAffichee(), lune(), fenetre);
        d->setAttribute(Qt::WA_DeleteOnClose);
        d->open();
    });
}

void DialogueIcs::proposeNom()
{
    // Only a name the dialog proposed itself follows the years.
    if (m_fichier->text() != m_nomPropose)
        return;
    const int debut = m_debut->value();
    const int fin = m_fin->value();
    const QString nom = debut == fin ? QStringLiteral("zelund-%1.ics").arg(debut)
                                     : QStringLiteral("zelund-%1-%2.ics").arg(debut).arg(fin);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    m_nomPropose = QDir(QDir(documents).exists() ? documents : QDir::homePath()).filePath(nom);
    m_fichier->setText(m_nomPropose);
}

void DialogueIcs::parcourt()
{
    const auto choisi =
        Plateforme::courante().cheminEnregistrement(QStringLiteral("Exporter au format iCalendar"), m_fichier->text(),
                                                    QStringLiteral("iCalendar (*.ics)"), QStringLiteral("ics"));
    if (!choisi)
        return;
    m_fichier->setText(*choisi);
}

void DialogueIcs::accept()
{
    const auto region = m_alsace->isChecked() ? Dates::Region::AlsaceMoselle : Dates::Region::France;
    const auto refus = Calendrier::ecrisIcs(m_fichier->text(), m_debut->value(), m_fin->value(), region,
                                            Plateforme::courante().maintenant().toUTC(), m_lune);
    if (refus) {
        Plateforme::courante().message(*refus, Plateforme::Boutons::Ok, Plateforme::Icone::Exclamation,
                                       Base::titreErreur(), Plateforme::Reponse::Ok);
        return;
    }
    QDialog::accept();
}
