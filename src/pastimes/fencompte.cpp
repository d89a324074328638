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

    m_affichage = new QLabel(this);
    m_affichage->setObjectName(QStringLiteral("AfficheTemps"));
    m_affichage->setAlignment(Qt::AlignCenter);
    m_affichage->setFrameShape(QFrame::Box);
    m_affichage->setLineWidth(1);
    m_affichage->setFont(police);
    placeTwips(m_affichage, 600, 615, 5595, 405);
    Ui::resultatLisible(m_affichage);

    m_minuterie = new QTimer(this);
    m_minuterie->setObjectName(QStringLiteral("Timer1"));
    m_minuterie->setInterval(1000);
    connect(m_minuterie, &QTimer::timeout, this, &FenCompte::tic);

    appliqueCouleurs();
    tailleTwips(Largeur, Hauteur);
    centreSurPrincipale();
    setPlaceALActivation(true);
}

void FenCompte::appliqueCouleurs()
{
    AffectationCouleurs a;
    a.fenetre = this;
    a.autresTextes = {m_affichage};
    a.visualisation = {m_affichage};
    m_cadre.ajouteCouleurs(a);
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
}

void FenCompte::showEvent(QShowEvent *event)
{
    FenetreZelund::showEvent(event);
    // The first count comes one second after the window shows.
    if (m_lance && !m_termine)
        m_minuterie->start();
}

void FenCompte::hideEvent(QHideEvent *event)
{
    m_minuterie->stop();
    FenetreZelund::hideEvent(event);
}

void FenCompte::termine()
{
    m_termine = true;
    m_minuterie->stop();
}

void FenCompte::affiche(const QString &texte, const QString &nomLu)
{
    m_affichage->setText(texte);
    if (!nomLu.isNull())
        m_affichage->setAccessibleName(nomLu);
}
