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

    m_fond = new VantelPanel(this);

    m_fond->setObjectName(QStringLiteral("FondPaques"));
    placeTwips(m_fond, 600, 600, 3675, 5175);

    m_legendeAnnee = new QLabel(QStringLiteral("Année :"), m_fond);

    m_legendeAnnee->setObjectName(QStringLiteral("Label2"));
    m_legendeAnnee->setFont(police(QStringLiteral("Comic Sans MS"), 12, false));
    placeTwips(m_legendeAnnee, 60, 135, 810, 345);

    m_boiteAnnee = new QLineEdit(m_fond);

    m_boiteAnnee->setObjectName(QStringLiteral("TxtAnnee"));
    m_boiteAnnee->setFont(police(QStringLiteral("Comic Sans MS"), 11.25, true));
    m_boiteAnnee->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_boiteAnnee->setAccessibleName(QStringLiteral("Année"));
    // Shown whatever the application-wide switch says.
    m_boiteAnnee->setToolTip(QStringLiteral("Choisir l'année"));
    placeTwips(m_boiteAnnee, 960, 60, 1035, 435);
    m_compteurAnnee = new CompteurVertical(Dates::PaquesAnneeMin, Dates::PaquesAnneeMax, m_fond);
    m_compteurAnnee->setObjectName(QStringLiteral("ChangeAn"));
    m_compteurAnnee->setAccessibleName(QStringLiteral("Changer l'année"));
    placeTwips(m_compteurAnnee, 1770, 105, 195, 375);
    m_boiteAnnee->setTextMargins(0, 0, m_compteurAnnee->width() + 2, 0);
    m_compteurAnnee->relieBoite(m_boiteAnnee);

    m_dates = new QLabel(m_fond);

    m_dates->setObjectName(QStringLiteral("Label1"));
    m_dates->setFont(police(QStringLiteral("Comic Sans MS"), 11.25, false));
    m_dates->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(m_dates, 60, 615, 3495, 1515);
    Ui::resultatLisible(m_dates);

    m_orthodoxe = new QLabel(m_fond);
    m_orthodoxe->setObjectName(QStringLiteral("LblOrthodoxe"));
    m_orthodoxe->setFont(m_dates->font());
    m_orthodoxe->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_rappel = new QLabel(m_fond);

    m_rappel->setObjectName(QStringLiteral("Label3"));
    m_rappel->setFont(police(QStringLiteral("Comic Sans MS"), 11.25, true));
    m_rappel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(m_rappel, 60, 2265, 3495, 2775);

    // The sixth line, in the gap the five dates leave above the reminder.
    const int haut = std::min(m_dates->y() + 5 * m_dates->fontMetrics().lineSpacing(),
                              m_rappel->y() - m_dates->fontMetrics().lineSpacing());
    m_orthodoxe->setGeometry(m_dates->x(), haut, m_dates->width(), m_rappel->y() - haut);

    connect(m_boiteAnnee, &QLineEdit::textChanged, this, &FenPaques::anneeModifiee);
    connect(m_compteurAnnee, &QAbstractSlider::valueChanged, this, &FenPaques::compteurModifie);

    appliqueCouleurs();
    placeSurPrincipale();
    m_boiteAnnee->setText(Saisie::texteCompteur(Plateforme::courante().aujourdhui().year()));
    m_rappel->setText(Calendrier::texteRappel());
    afficheJoursFeries();
}

void FenPaques::appliqueCouleurs()
{
    AffectationCouleurs a = couleursCadre();
    a.panneaux = {m_fond};
    a.autresTextes = {m_boiteAnnee, m_dates, m_legendeAnnee, m_rappel, m_orthodoxe};
    a.visualisation = {m_boiteAnnee};
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
}

void FenPaques::afficheJoursFeries()
{
    const auto annee = Calendrier::borneAnneePaques(m_boiteAnnee->text());
    if (!annee)
        return;
    m_dates->setText(Calendrier::texteJoursFeries(static_cast<qint16>(annee->valeur)));
    m_orthodoxe->setText(Calendrier::texteOrthodoxe(static_cast<qint16>(annee->valeur)));
}

void FenPaques::anneeModifiee(const QString &texte)
{
    const auto annee = Calendrier::borneAnneePaques(texte);
    if (!annee)
        return; // not a number: the dates shown stay
    if (annee->remplacement) {
        m_boiteAnnee->setText(*annee->remplacement);
        return;
    }
    // The dates follow the spin control: a typed year equal to its value
    // changes nothing.
    m_compteurAnnee->setValue(annee->valeur);
}

void FenPaques::compteurModifie(int valeur)
{
    m_boiteAnnee->setText(Saisie::texteCompteur(valeur));
    afficheJoursFeries();
}
