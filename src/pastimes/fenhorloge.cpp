#include "pastimes/fenhorloge.h"

#include "base/parametres.h"
#include "base/partage.h"
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
    CmdDeplaceFen = creeBoutonDeplacement(QString(), 0, 0, Largeur, 315);
    setWindowTitle(QStringLiteral("Horloge analogique"));
    Forme[1] = creeForme(0, 300, Largeur, 315);
    Forme[2] = creeForme(0, 615, 600, 1000);
    Forme[3] = creeForme(0, 1615, 600, 1000);
    Forme[4] = creeForme(2600, 615, 595, 1000);
    Forme[5] = creeForme(2600, 1615, 595, 1000);
    Forme[7] = creeForme(0, 2610, Largeur, 315);
    Forme[6] = creeForme(0, 2910, Largeur, 315);

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
    a.degrade = {CmdDeplaceFen, Forme[2], Forme[4], Forme[7]};
    a.degradeInverse = {Forme[1], Forme[3], Forme[5], Forme[6]};
    a.texteBoutons = {CmdDeplaceFen};
    a.lumiere = {CmdDeplaceFen};
    a.autresTextes = {FondHorloge};
    a.visualisation = {FondHorloge};
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
    partage().horlogeFermee = true;
    close();
}

void FenHorloge::hideEvent(QHideEvent *event)
{
    Timer1->stop();
    FenetreZelund::hideEvent(event);
}
