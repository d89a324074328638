#include "calendar/fenimpression.h"

#include "base/plateforme.h"
#include "dates/noms.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// Two choices, the first one taken; the second is returned.
QRadioButton *choix(QVBoxLayout *colonne, const QString &titre, const QString &premier, const QString &second,
                    const QString &nomSecond, QWidget *parent)
{
    auto *groupe = new QGroupBox(titre, parent);
    auto *dedans = new QVBoxLayout(groupe);
    auto *a = new QRadioButton(premier, groupe);
    auto *b = new QRadioButton(second, groupe);
    b->setObjectName(nomSecond);
    a->setChecked(true);
    dedans->addWidget(a);
    dedans->addWidget(b);
    colonne->addWidget(groupe);
    return b;
}

QPushButton *bouton(QHBoxLayout *rangee, const QString &texte, const QString &nom, QWidget *parent)
{
    auto *b = new QPushButton(texte, parent);
    b->setObjectName(nom);
    b->setAutoDefault(false);
    rangee->addWidget(b);
    return b;
}

} // namespace

FenImpression::FenImpression(int mois, int annee, const Calendrier::PaletteImpression &couleurs,
                             Calendrier::SourcePhases phases, QWidget *parent)
    : QDialog(parent),
      m_mois(mois),
      m_annee(annee),
      m_couleurs(couleurs),
      m_phases(std::move(phases))
{
    setObjectName(QStringLiteral("FenImpression"));
    setWindowTitle(QStringLiteral("Zelund - Imprimer le calendrier"));
    auto *colonne = new QVBoxLayout(this);
    m_choixAnnee = choix(colonne, QStringLiteral("Imprimer"),
                         QStringLiteral("le &mois de %1 %2").arg(Dates::nomMois(mois)).arg(annee),
                         QStringLiteral("toute l'&année %1").arg(annee), QStringLiteral("ChoixAnnee"), this);
    m_paysage = choix(colonne, QStringLiteral("Orientation de la page A4"), QStringLiteral("P&ortrait"),
                      QStringLiteral("Pa&ysage"), QStringLiteral("ChoixPaysage"), this);
    m_noirEtBlanc = choix(colonne, QStringLiteral("Couleurs"), QStringLiteral("&Couleurs de la fenêtre"),
                          QStringLiteral("&Noir sur blanc"), QStringLiteral("ChoixNoirEtBlanc"), this);
    auto *rangee = new QHBoxLayout;
    colonne->addLayout(rangee);
    connect(bouton(rangee, QStringLiteral("Aperç&u…"), QStringLiteral("CmdApercu"), this), &QPushButton::clicked, this,
            &FenImpression::apercu);
    QPushButton *imprimer = bouton(rangee, QStringLiteral("&Imprimer…"), QStringLiteral("CmdImprimer"), this);
    imprimer->setDefault(true);
    connect(imprimer, &QPushButton::clicked, this, &FenImpression::imprime);
    connect(bouton(rangee, QStringLiteral("&Enregistrer en PDF…"), QStringLiteral("CmdPdf"), this),
            &QPushButton::clicked, this, &FenImpression::enregistre);
    connect(bouton(rangee, QStringLiteral("Fermer"), QStringLiteral("CmdFermerImpression"), this),
            &QPushButton::clicked, this, &QDialog::reject);
}

QString FenImpression::nomPropose() const
{
    if (m_choixAnnee->isChecked())
        return QStringLiteral("Calendrier %1.pdf").arg(m_annee);
    return QStringLiteral("Calendrier %1 %2.pdf").arg(Dates::nomMois(m_mois)).arg(m_annee);
}

Calendrier::DemandeImpression FenImpression::demande() const
{
    return {m_choixAnnee->isChecked() ? Calendrier::Etendue::Annee : Calendrier::Etendue::Mois, m_mois, m_annee,
            m_paysage->isChecked()};
}

Calendrier::PageImprimee FenImpression::page(const Calendrier::DemandeImpression &d) const
{
    return Calendrier::miseEnPage(d, m_phases ? m_phases(d.annee) : std::vector<Calendrier::PhaseDuJour>{},
                                  QTimeZone::systemTimeZone());
}

Calendrier::PaletteImpression FenImpression::palette() const
{
    return m_noirEtBlanc->isChecked() ? Calendrier::paletteNoirEtBlanc() : m_couleurs;
}

// The printer's own orientation wins: its dialogs may have changed it.
void FenImpression::dessine(QPrinter *imprimante) const
{
    Calendrier::DemandeImpression d = demande();
    d.paysage = imprimante->pageLayout().orientation() == QPageLayout::Landscape;
    const Calendrier::PageImprimee p = page(d);
    QPainter peintre(imprimante);
    Calendrier::dessinePage(peintre, p, palette());
}

void FenImpression::apercu()
{
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setFullPage(true);
    Calendrier::prepareA4(imprimante, page(demande()));
    QPrintPreviewDialog apercu(&imprimante, this);
    apercu.setWindowTitle(QStringLiteral("Zelund - Aperçu avant impression"));
    connect(&apercu, &QPrintPreviewDialog::paintRequested, this, &FenImpression::dessine);
    apercu.exec();
}

void FenImpression::imprime()
{
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setFullPage(true);
    Calendrier::prepareA4(imprimante, page(demande()));
    QPrintDialog dialogue(&imprimante, this);
    dialogue.setWindowTitle(QStringLiteral("Zelund - Imprimer"));
    if (dialogue.exec() != QDialog::Accepted)
        return;
    dessine(&imprimante);
    accept();
}

void FenImpression::enregistre()
{
    Plateforme &plateforme = Plateforme::courante();
    const auto chemin =
        plateforme.cheminEnregistrement(QStringLiteral("Enregistrer le calendrier en PDF"), nomPropose(),
                                        QStringLiteral("Documents PDF (*.pdf)"), QStringLiteral("pdf"));
    if (!chemin)
        return;
    if (!Calendrier::enregistrePdf(*chemin, page(demande()), palette())) {
        plateforme.message(QStringLiteral("Le calendrier n'a pas pu être enregistré dans « %1 ».\n"
                                          "Vérifiez que le dossier existe et que vous pouvez y écrire.")
                               .arg(*chemin),
                           Plateforme::Boutons::Ok, Plateforme::Icone::Exclamation, QStringLiteral("Zelund - Erreur !"),
                           Plateforme::Reponse::Ok);
        return;
    }
    accept();
}
