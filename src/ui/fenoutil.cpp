#include "ui/fenoutil.h"

#include "ui/vantelbttn.h"

namespace {
constexpr int HauteurBarre = 315;  // title bar and horizontal strips
constexpr int LargeurCote = 600;   // side strips
} // namespace

FenOutil::FenOutil(const QString &titre, int largeur, int hauteur, std::function<void()> aLaFermeture,
                   QWidget *parent)
    : FenetreZelund(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(police(QStringLiteral("Verdana"), 8.25, false));
    tailleTwips(largeur, hauteur);

    // The mark is set before the window goes, then the window closes.
    std::tie(CmdDeplaceFen, CmdFermer) = creeBarreTitre(titre, largeur, std::move(aLaFermeture));

    // A strip under the title bar, two on each side, two along the bottom.
    const int haut = LargeurCote;
    const int cotes = hauteur - 2 * LargeurCote;
    const int moitie = cotes / 2;
    Forme[1] = creeForme(0, HauteurBarre - 15, largeur, HauteurBarre);
    Forme[2] = creeForme(0, haut, LargeurCote, moitie);
    Forme[3] = creeForme(0, haut + moitie, LargeurCote, cotes - moitie);
    Forme[4] = creeForme(largeur - LargeurCote, haut, LargeurCote, moitie);
    Forme[5] = creeForme(largeur - LargeurCote, haut + moitie, LargeurCote, cotes - moitie);
    Forme[7] = creeForme(0, hauteur - 2 * HauteurBarre, largeur, HauteurBarre);
    Forme[6] = creeForme(0, hauteur - HauteurBarre, largeur, HauteurBarre);
    for (int i = 1; i <= 7; ++i)
        Forme[i]->setObjectName(QStringLiteral("Forme%1").arg(i));
}

AffectationCouleurs FenOutil::couleursCadre()
{
    AffectationCouleurs a;
    a.fenetre = this;
    a.degrade = {CmdDeplaceFen, CmdFermer, Forme[2], Forme[4], Forme[7]};
    a.degradeInverse = {Forme[1], Forme[3], Forme[5], Forme[6]};
    a.texteBoutons = {CmdDeplaceFen, CmdFermer};
    a.lumiere = {CmdDeplaceFen, CmdFermer};
    return a;
}

QFont FenOutil::police(const QString &famille, double points, bool gras)
{
    QFont f(famille);
    f.setPointSizeF(points);
    f.setBold(gras);
    return f;
}
