#include "ui/fenoutil.h"

#include "ui/vantelbttn.h"

FenOutil::FenOutil(const QString &titre, int largeur, int hauteur, std::function<void()> aLaFermeture, QWidget *parent)
    : FenOutil(Ui::cadreOutil(titre, largeur, hauteur), hauteur, std::move(aLaFermeture), parent)
{
}

FenOutil::FenOutil(const Ui::DescriptionCadre &cadre, int hauteur, std::function<void()> aLaFermeture, QWidget *parent)
    : FenetreZelund(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setPlaceALActivation(true);
    setFont(police(QStringLiteral("Verdana"), 8.25, false));
    tailleTwips(cadre.largeur, hauteur);
    // The mark is set before the window goes, then the window closes.
    m_cadre = construitCadre(cadre, std::move(aLaFermeture));
}

AffectationCouleurs FenOutil::couleursCadre()
{
    AffectationCouleurs a;
    a.fenetre = this;
    m_cadre.ajouteCouleurs(a);
    return a;
}

QFont FenOutil::police(const QString &famille, double points, bool gras)
{
    QFont f(famille);
    f.setPointSizeF(points);
    f.setBold(gras);
    return f;
}
