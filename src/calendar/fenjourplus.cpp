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

    JourSemaine = new QLineEdit(this);
    // The result only: typing in it would mean nothing.
    JourSemaine->setReadOnly(true);
    JourSemaine->setAccessibleName(QStringLiteral("Jour de la semaine"));
    placeTwips(JourSemaine, 600, 615, 1275, 435);

    AffJour = boiteADroite(this, QStringLiteral("Jour"));
    placeTwips(AffJour, 1875, 615, 750, 435);
    ChangeJour = new CompteurVertical(Calendrier::JourPlusJourMin, Calendrier::JourPlusJourMax, this);
    ChangeJour->setAccessibleName(QStringLiteral("Changer le jour"));
    placeTwips(ChangeJour, 2400, 645, 195, 375);

    AffMois = new QComboBox(this);
    nommeListe(AffMois, QStringLiteral("Mois"));
    RechercheListe::installe(AffMois);
    AffMois->setMaxVisibleItems(12);
    placeTwips(AffMois, 2625, 615, 1695, 435);

    AffAn = boiteADroite(this, QStringLiteral("Année"));
    placeTwips(AffAn, 4320, 615, 1035, 435);
    ChangeAn = new CompteurVertical(Calendrier::JourPlusAnneeMin, Calendrier::JourPlusAnneeMax, this);
    ChangeAn->setAccessibleName(QStringLiteral("Changer l'année"));
    placeTwips(ChangeAn, 5130, 645, 195, 375);

    for (QWidget *w : {static_cast<QWidget *>(JourSemaine), static_cast<QWidget *>(AffJour),
                       static_cast<QWidget *>(AffMois), static_cast<QWidget *>(AffAn)})
        w->setFont(comic);
    // The spin controls lie over the right ends of their boxes.
    AffJour->setTextMargins(0, 0, ChangeJour->width() + 2, 0);
    AffAn->setTextMargins(0, 0, ChangeAn->width() + 2, 0);
    ChangeJour->relieBoite(AffJour);
    ChangeAn->relieBoite(AffAn);

    connect(AffJour, &QLineEdit::textChanged, this, &FenJourPlus::jourModifie);
    connect(AffAn, &QLineEdit::textChanged, this, &FenJourPlus::anneeModifiee);
    connect(ChangeJour, &QAbstractSlider::valueChanged, this,
            [this](int v) { AffJour->setText(Saisie::texteCompteur(v)); });
    connect(ChangeAn, &QAbstractSlider::valueChanged, this,
            [this](int v) { AffAn->setText(Saisie::texteCompteur(v)); });
    connect(AffMois, &QComboBox::currentIndexChanged, this, &FenJourPlus::CalculeJour);

    appliqueCouleurs();
    placeSurPrincipale();
    const QDate aujourdhui = Plateforme::courante().aujourdhui();
    {
        const QSignalBlocker bloque(AffMois);
        AffMois->addItems(Dates::textesListeMois());
        AffMois->setCurrentIndex(-1);
    }
    AffJour->setText(QString::number(aujourdhui.day()));
    AffMois->setCurrentIndex(aujourdhui.month() - 1);
    AffAn->setText(QString::number(aujourdhui.year()));
    ChangeAn->setValue(aujourdhui.year());
}

void FenJourPlus::appliqueCouleurs()
{
    AffectationCouleurs a = couleursCadre();
    a.autresTextes = {JourSemaine, AffJour, AffMois, AffAn};
    a.visualisation = {JourSemaine, AffJour, AffMois, AffAn};
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
}

void FenJourPlus::CalculeJour()
{
    const auto nom = Calendrier::texteJourSemaine(AffJour->text(), AffMois->currentIndex(), AffAn->text());
    if (nom)
        JourSemaine->setText(*nom);
}

void FenJourPlus::jourModifie(const QString &texte)
{
    const auto jour = Calendrier::borneJour(texte);
    if (!jour)
        return;
    if (jour->remplacement) {
        AffJour->setText(*jour->remplacement);
        return;
    }
    ChangeJour->setValue(jour->valeur);
    CalculeJour();
}

void FenJourPlus::anneeModifiee(const QString &texte)
{
    const auto annee = Calendrier::borneAnneeJourPlus(texte);
    if (!annee)
        return;
    if (annee->remplacement) {
        AffAn->setText(*annee->remplacement);
        return;
    }
    ChangeAn->setValue(annee->valeur);
    CalculeJour();
}
