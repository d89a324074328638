#include "calendar/fenpaques.h"

#include "base/parametres.h"
#include "base/plateforme.h"
#include "calendar/compteurvertical.h"
#include "calendar/textespaques.h"
#include "ui/accessible.h"
#include "ui/vantelpanel.h"

#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace {
constexpr int Largeur = 4860;
constexpr int Hauteur = 6390;
} // namespace

FenPaques::FenPaques(QWidget *parent)
    : FenOutil(QStringLiteral("Zelund - Jours fériés"), Largeur, Hauteur, {}, parent)
{
    setObjectName(QStringLiteral("FenPaques"));

    FondPaques = new VantelPanel(this);
    placeTwips(FondPaques, 600, 600, 3675, 5175);

    Label2 = new QLabel(QStringLiteral("Année :"), FondPaques);
    Label2->setFont(police(QStringLiteral("Comic Sans MS"), 12, false));
    placeTwips(Label2, 60, 135, 810, 345);

    TxtAnnee = new QLineEdit(FondPaques);
    TxtAnnee->setFont(police(QStringLiteral("Comic Sans MS"), 11.25, true));
    TxtAnnee->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    TxtAnnee->setAccessibleName(QStringLiteral("Année"));
    // Shown whatever the application-wide switch says.
    TxtAnnee->setToolTip(QStringLiteral("Choisir l'année"));
    placeTwips(TxtAnnee, 960, 60, 1035, 435);
    ChangeAn = new CompteurVertical(Dates::PaquesAnneeMin, Dates::PaquesAnneeMax, FondPaques);
    ChangeAn->setAccessibleName(QStringLiteral("Changer l'année"));
    placeTwips(ChangeAn, 1770, 105, 195, 375);
    TxtAnnee->setTextMargins(0, 0, ChangeAn->width() + 2, 0);
    ChangeAn->relieBoite(TxtAnnee);

    Label1 = new QLabel(FondPaques);
    Label1->setFont(police(QStringLiteral("Comic Sans MS"), 11.25, false));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(Label1, 60, 615, 3495, 1515);
    Ui::resultatLisible(Label1);

    orthodoxe = new QLabel(FondPaques);
    orthodoxe->setObjectName(QStringLiteral("LblOrthodoxe"));
    orthodoxe->setFont(Label1->font());
    orthodoxe->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label3 = new QLabel(FondPaques);
    Label3->setFont(police(QStringLiteral("Comic Sans MS"), 11.25, true));
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(Label3, 60, 2265, 3495, 2775);

    // The sixth line, in the gap the five dates leave above the reminder.
    const int haut = std::min(Label1->y() + 5 * Label1->fontMetrics().lineSpacing(),
                              Label3->y() - Label1->fontMetrics().lineSpacing());
    orthodoxe->setGeometry(Label1->x(), haut, Label1->width(), Label3->y() - haut);

    connect(TxtAnnee, &QLineEdit::textChanged, this, &FenPaques::anneeModifiee);
    connect(ChangeAn, &QAbstractSlider::valueChanged, this, &FenPaques::compteurModifie);

    appliqueCouleurs();
    placeSurPrincipale();
    TxtAnnee->setText(Saisie::texteCompteur(Plateforme::courante().aujourdhui().year()));
    Label3->setText(Calendrier::texteRappel());
    Affichage_des_jours_feries();
}

void FenPaques::appliqueCouleurs()
{
    AffectationCouleurs a = couleursCadre();
    a.panneaux = {FondPaques};
    a.autresTextes = {TxtAnnee, Label1, Label2, Label3, orthodoxe};
    a.visualisation = {TxtAnnee};
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
}

void FenPaques::Affichage_des_jours_feries()
{
    const auto annee = Calendrier::borneAnneePaques(TxtAnnee->text());
    if (!annee)
        return;
    Label1->setText(Calendrier::texteJoursFeries(static_cast<qint16>(annee->valeur)));
    orthodoxe->setText(Calendrier::texteOrthodoxe(static_cast<qint16>(annee->valeur)));
}

void FenPaques::anneeModifiee(const QString &texte)
{
    const auto annee = Calendrier::borneAnneePaques(texte);
    if (!annee)
        return; // not a number: the dates shown stay
    if (annee->remplacement) {
        TxtAnnee->setText(*annee->remplacement);
        return;
    }
    // The dates follow the spin control: a typed year equal to its value
    // changes nothing.
    ChangeAn->setValue(annee->valeur);
}

void FenPaques::compteurModifie(int valeur)
{
    TxtAnnee->setText(Saisie::texteCompteur(valeur));
    Affichage_des_jours_feries();
}
