#include "pastimes/fenhorloge.h"

#include "base/parametres.h"
#include "base/plateforme.h"
#include "base/twips.h"
#include "ui/appliquecouleurs.h"
#include "ui/couleurqt.h"
#include "ui/vantelbttn.h"

#include <QTimer>

namespace {
constexpr int Largeur = 3195;
constexpr int Hauteur = 3225;
} // namespace

FenHorloge::FenHorloge(QWidget *parent)
    : FenetreZelund(parent)
{
    setObjectName(QStringLiteral("FenHorloge"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_cadre = construitCadre({QString(),
                              Largeur,
                              false,
                              false,
                              {{1, {0, 300, Largeur, 315}, true},
                               {2, {0, 615, 600, 1000}, false},
                               {3, {0, 1615, 600, 1000}, true},
                               {4, {2600, 615, 595, 1000}, false},
                               {5, {2600, 1615, 595, 1000}, true},
                               {7, {0, 2610, Largeur, 315}, false},
                               {6, {0, 2910, Largeur, 315}, true}}});
    setWindowTitle(QStringLiteral("Horloge analogique"));

    FondHorloge = new CadranHorloge(this);
    placeTwips(FondHorloge, 600, 615, 2000, 2000);
    connect(FondHorloge, &CadranHorloge::appuye, this, &FenetreZelund::basculePremierPlan);

    // Single shots, each one re-armed for the next wall-clock second, so
    // that the second hand never lags the real second.
    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &FenHorloge::tic);

    appliqueCouleurs();
    tailleTwips(Largeur, Hauteur);
    centreSurPrincipale();
    setPlaceALActivation(true);
    tic();
}

void FenHorloge::appliqueCouleurs()
{
    AffectationCouleurs a;
    a.fenetre = this;
    a.autresTextes = {FondHorloge};
    a.visualisation = {FondHorloge};
    m_cadre.ajouteCouleurs(a);
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
    FondHorloge->setCouleurAiguilles(Ui::couleurVb(Parametres::courant().couleurs().valeur[Couleurs::TexteBoutons]));
}

void FenHorloge::tic()
{
    const QTime maintenant = Plateforme::courante().maintenant().time();
    FondHorloge->setAiguilles(Horloge::aiguilles(maintenant));
    // What a screen reader reads of the dial: the time it shows, to the
    // minute, so that it speaks once a minute while it has the focus.
    FondHorloge->setAccessibleName(maintenant.toString(QStringLiteral("H 'h' mm")));
    // Nothing runs while the clock is not on screen.
    if (isVisible())
        Timer1->start(Horloge::msAvantSecondeSuivante(maintenant));
}

void FenHorloge::showEvent(QShowEvent *event)
{
    FenetreZelund::showEvent(event);
    tic();
}

void FenHorloge::echappe()
{
    close();
}

void FenHorloge::hideEvent(QHideEvent *event)
{
    Timer1->stop();
    FenetreZelund::hideEvent(event);
}
