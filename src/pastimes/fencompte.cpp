#include "pastimes/fencompte.h"

#include "base/parametres.h"
#include "base/partage.h"
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

FenCompte::FenCompte(const QString &titre, const QFont &police, Marque fermee, Marque lance, QWidget *parent)
    : FenetreZelund(parent),
      m_lance(lance)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Closed by its own button: the toolbox's next press opens it again.
    std::tie(CmdDeplaceFen, CmdFermer) = creeBarreTitre(titre, Largeur, [fermee] { partage().*fermee = true; });
    Forme[1] = creeForme(0, 300, Largeur, 315);
    Forme[2] = creeForme(0, 615, 600, 205);
    Forme[3] = creeForme(0, 820, 600, 200);
    Forme[4] = creeForme(6195, 615, 600, 205);
    Forme[5] = creeForme(6195, 820, 600, 200);
    Forme[7] = creeForme(0, 1020, Largeur, 315);
    Forme[6] = creeForme(0, 1335, Largeur, 315);

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
    // Framed as a tool window, its side strips placed its own way.
    AffectationCouleurs a = FenOutil::couleursCadre(this, CmdDeplaceFen, CmdFermer, Forme);
    a.autresTextes = {AfficheTemps};
    a.visualisation = {AfficheTemps};
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
}

void FenCompte::showEvent(QShowEvent *event)
{
    FenetreZelund::showEvent(event);
    // The first count comes one second after the window shows.
    if (partage().*m_lance && !m_termine)
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
