#include "calendar/fenjourplus.h"

#include "base/parametres.h"
#include "base/plateforme.h"
#include "calendar/compteurvertical.h"
#include "calendar/jourplus.h"
#include "dates/noms.h"
#include "ui/rechercheliste.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {
constexpr int Largeur = 5955;
constexpr int Hauteur = 1680;

QLineEdit *boiteADroite(QWidget *parent, const QString &nom)
{
    auto *b = new QLineEdit(parent);
    b->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    b->setAccessibleName(nom);
    return b;
}
} // namespace

FenJourPlus::FenJourPlus(QWidget *parent)
    : FenOutil(QStringLiteral("Zelund - Jour de la semaine depuis -1900"), Largeur, Hauteur, {}, parent)
{
    setObjectName(QStringLiteral("FenJourPlus"));
    const QFont comic = police(QStringLiteral("Comic Sans MS"), 11.25, true);

    m_jourSemaine = new QLineEdit(this);

    m_jourSemaine->setObjectName(QStringLiteral("JourSemaine"));
    // The result only: typing in it would mean nothing.
    m_jourSemaine->setReadOnly(true);
    m_jourSemaine->setAccessibleName(QStringLiteral("Jour de la semaine"));
    placeTwips(m_jourSemaine, 600, 615, 1275, 435);

    m_boiteJour = boiteADroite(this, QStringLiteral("Jour"));

    m_boiteJour->setObjectName(QStringLiteral("AffJour"));
    placeTwips(m_boiteJour, 1875, 615, 750, 435);
    m_compteurJour = new CompteurVertical(Calendrier::JourPlusJourMin, Calendrier::JourPlusJourMax, this);
    m_compteurJour->setObjectName(QStringLiteral("ChangeJour"));
    m_compteurJour->setAccessibleName(QStringLiteral("Changer le jour"));
    placeTwips(m_compteurJour, 2400, 645, 195, 375);

    m_listeMois = new QComboBox(this);

    m_listeMois->setObjectName(QStringLiteral("AffMois"));
    nommeListe(m_listeMois, QStringLiteral("Mois"));
    RechercheListe::installe(m_listeMois);
    m_listeMois->setMaxVisibleItems(12);
    placeTwips(m_listeMois, 2625, 615, 1695, 435);

    m_boiteAnnee = boiteADroite(this, QStringLiteral("Année"));

    m_boiteAnnee->setObjectName(QStringLiteral("AffAn"));
    placeTwips(m_boiteAnnee, 4320, 615, 1035, 435);
    m_compteurAnnee = new CompteurVertical(Calendrier::JourPlusAnneeMin, Calendrier::JourPlusAnneeMax, this);
    m_compteurAnnee->setObjectName(QStringLiteral("ChangeAn"));
    m_compteurAnnee->setAccessibleName(QStringLiteral("Changer l'année"));
    placeTwips(m_compteurAnnee, 5130, 645, 195, 375);

    for (QWidget *w : {static_cast<QWidget *>(m_jourSemaine), static_cast<QWidget *>(m_boiteJour),
                       static_cast<QWidget *>(m_listeMois), static_cast<QWidget *>(m_boiteAnnee)})
        w->setFont(comic);
    // The spin controls lie over the right ends of their boxes.
    m_boiteJour->setTextMargins(0, 0, m_compteurJour->width() + 2, 0);
    m_boiteAnnee->setTextMargins(0, 0, m_compteurAnnee->width() + 2, 0);
    m_compteurJour->relieBoite(m_boiteJour);
    m_compteurAnnee->relieBoite(m_boiteAnnee);

    connect(m_boiteJour, &QLineEdit::textChanged, this, &FenJourPlus::jourModifie);
    connect(m_boiteAnnee, &QLineEdit::textChanged, this, &FenJourPlus::anneeModifiee);
    connect(m_compteurJour, &QAbstractSlider::valueChanged, this,
            [this](int v) { m_boiteJour->setText(Saisie::texteCompteur(v)); });
    connect(m_compteurAnnee, &QAbstractSlider::valueChanged, this,
            [this](int v) { m_boiteAnnee->setText(Saisie::texteCompteur(v)); });
    connect(m_listeMois, &QComboBox::currentIndexChanged, this, &FenJourPlus::calculeJour);

    appliqueCouleurs();
    placeSurPrincipale();
    const QDate aujourdhui = Plateforme::courante().aujourdhui();
    {
        const QSignalBlocker bloque(m_listeMois);
        m_listeMois->addItems(Dates::textesListeMois());
        m_listeMois->setCurrentIndex(-1);
    }
    m_boiteJour->setText(QString::number(aujourdhui.day()));
    m_listeMois->setCurrentIndex(aujourdhui.month() - 1);
    m_boiteAnnee->setText(QString::number(aujourdhui.year()));
    m_compteurAnnee->setValue(aujourdhui.year());
}

void FenJourPlus::appliqueCouleurs()
{
    AffectationCouleurs a = couleursCadre();
    a.autresTextes = {m_jourSemaine, m_boiteJour, m_listeMois, m_boiteAnnee};
    a.visualisation = {m_jourSemaine, m_boiteJour, m_listeMois, m_boiteAnnee};
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
}

void FenJourPlus::calculeJour()
{
    const auto nom =
        Calendrier::texteJourSemaine(m_boiteJour->text(), m_listeMois->currentIndex(), m_boiteAnnee->text());
    if (nom)
        m_jourSemaine->setText(*nom);
}

void FenJourPlus::jourModifie(const QString &texte)
{
    const auto jour = Calendrier::borneJour(texte);
    if (!jour)
        return;
    if (jour->remplacement) {
        m_boiteJour->setText(*jour->remplacement);
        return;
    }
    m_compteurJour->setValue(jour->valeur);
    calculeJour();
}

void FenJourPlus::anneeModifiee(const QString &texte)
{
    const auto annee = Calendrier::borneAnneeJourPlus(texte);
    if (!annee)
        return;
    if (annee->remplacement) {
        m_boiteAnnee->setText(*annee->remplacement);
        return;
    }
    m_compteurAnnee->setValue(annee->valeur);
    calculeJour();
}
