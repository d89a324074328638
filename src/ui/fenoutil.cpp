#include "ui/fenoutil.h"

#include "ui/vantelbttn.h"

namespace {
constexpr int HauteurBarre = 315; // title bar and horizontal strips
constexpr int LargeurCote = 600;  // side strips
} // namespace

FenOutil::FenOutil(const QString &titre, int largeur, int hauteur, std::function<void()> aLaFermeture, QWidget *parent)
    : FenetreZelund(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setPlaceALActivation(true);
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
    return couleursCadre(this, CmdDeplaceFen, CmdFermer, Forme);
}

AffectationCouleurs FenOutil::couleursCadre(QWidget *fenetre, VantelBttn *deplacement, VantelBttn *fermer,
                                            const std::array<VantelBttn *, 8> &forme)
{
    AffectationCouleurs a;
    a.fenetre = fenetre;
    a.degrade = {deplacement, fermer, forme[2], forme[4], forme[7]};
    a.degradeInverse = {forme[1], forme[3], forme[5], forme[6]};
    a.texteBoutons = {deplacement, fermer};
    a.lumiere = {deplacement, fermer};
    return a;
}

QFont FenOutil::police(const QString &famille, double points, bool gras)
{
    QFont f(famille);
    f.setPointSizeF(points);
    f.setBold(gras);
    return f;
}
