#include "pastimes/fencompte.h"

#include "base/parametres.h"
#include "ui/accessible.h"
#include "ui/appliquecouleurs.h"
#include "ui/fenoutil.h"
#include "ui/vantelbttn.h"

#include <QLabel>
#include <QTimer>

namespace {
constexpr int Largeur = 6795;
constexpr int Hauteur = 1650;
} // namespace

FenCompte::FenCompte(const QString &titre, const QFont &police, QWidget *parent)
    : FenetreZelund(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_cadre = construitCadre({titre,
                              Largeur,
                              true,
                              false,
                              {{1, {0, 300, Largeur, 315}, true},
                               {2, {0, 615, 600, 205}, false},
                               {3, {0, 820, 600, 200}, true},
                               {4, {6195, 615, 600, 205}, false},
                               {5, {6195, 820, 600, 200}, true},
                               {7, {0, 1020, Largeur, 315}, false},
                               {6, {0, 1335, Largeur, 315}, true}}});

    AfficheTemps = new QLabel(this);
    AfficheTemps->setObjectName(QStringLiteral("AfficheTemps"));
    AfficheTemps->setAlignment(Qt::AlignCenter);
    AfficheTemps->setFrameShape(QFrame::Box);
    AfficheTemps->setLineWidth(1);
    AfficheTemps->setFont(police);
    placeTwips(AfficheTemps, 600, 615, 5595, 405);
    Ui::resultatLisible(AfficheTemps);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &FenCompte::tic);

    appliqueCouleurs();
    tailleTwips(Largeur, Hauteur);
    centreSurPrincipale();
    setPlaceALActivation(true);
}

void FenCompte::appliqueCouleurs()
{
    AffectationCouleurs a;
    a.fenetre = this;
    a.autresTextes = {AfficheTemps};
    a.visualisation = {AfficheTemps};
    m_cadre.ajouteCouleurs(a);
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
}

void FenCompte::showEvent(QShowEvent *event)
{
    FenetreZelund::showEvent(event);
    // The first count comes one second after the window shows.
    if (m_lance && !m_termine)
        Timer1->start();
}

void FenCompte::hideEvent(QHideEvent *event)
{
    Timer1->stop();
    FenetreZelund::hideEvent(event);
}

void FenCompte::termine()
{
    m_termine = true;
    Timer1->stop();
}
