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
    // A close button, as every tool has, so that the keyboard reaches one.
    m_cadre = construitCadre({QString(),
                              Largeur,
                              true,
                              false,
                              {{1, {0, 300, Largeur, 315}, true},
                               {2, {0, 615, 600, 1000}, false},
                               {3, {0, 1615, 600, 1000}, true},
                               {4, {2600, 615, 595, 1000}, false},
                               {5, {2600, 1615, 595, 1000}, true},
                               {7, {0, 2610, Largeur, 315}, false},
                               {6, {0, 2910, Largeur, 315}, true}}});
    setWindowTitle(QStringLiteral("Horloge analogique"));

    m_cadran = new CadranHorloge(this);
    placeTwips(m_cadran, 600, 615, 2000, 2000);
    connect(m_cadran, &CadranHorloge::appuye, this, &FenetreZelund::basculePremierPlan);

    // Single shots, each one re-armed for the next wall-clock second, so
    // that the second hand never lags the real second.
    m_minuterie = new QTimer(this);
    m_minuterie->setObjectName(QStringLiteral("Timer1"));
    m_minuterie->setSingleShot(true);
    m_minuterie->setTimerType(Qt::PreciseTimer);
    connect(m_minuterie, &QTimer::timeout, this, &FenHorloge::tic);

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
    a.autresTextes = {m_cadran};
    a.visualisation = {m_cadran};
    m_cadre.ajouteCouleurs(a);
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
    m_cadran->setCouleurAiguilles(Ui::couleurVb(Parametres::courant().couleurs().valeur[Couleurs::TexteBoutons]));
}

void FenHorloge::tic()
{
    const QTime maintenant = Plateforme::courante().maintenant().time();
    m_cadran->setAiguilles(Horloge::aiguilles(maintenant));
    // What a screen reader reads of the dial: the time it shows, to the
    // minute, so that it speaks once a minute while it has the focus.
    m_cadran->setAccessibleName(maintenant.toString(QStringLiteral("H 'h' mm")));
    // Nothing runs while the clock is not on screen.
    if (isVisible())
        m_minuterie->start(Horloge::msAvantSecondeSuivante(maintenant));
}

void FenHorloge::showEvent(QShowEvent *event)
{
    FenetreZelund::showEvent(event);
    tic();
}

void FenHorloge::hideEvent(QHideEvent *event)
{
    m_minuterie->stop();
    FenetreZelund::hideEvent(event);
}
