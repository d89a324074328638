#include "aide/conseils.h"

#include "aide/listeconseils.h"
#include "base/alea.h"
#include "base/chargement.h"
#include "base/donnees.h"
#include "base/parametres.h"
#include "base/reglages.h"
#include "ui/accessible.h"
#include "ui/appliquecouleurs.h"
#include "ui/icones.h"
#include "ui/vantelbttn.h"

#include <QCheckBox>
#include <QLabel>

namespace {
const QString NomFichier = QStringLiteral("Conseils.txt");
// The controls sit below the drag button.
constexpr int Haut = 315;
} // namespace

Conseils::Conseils(QWidget *parent)
    : FenetreZelund(parent)
{
    setObjectName(QStringLiteral("Conseils"));
    setDialogue(true);
    metPoliceVerdana();
    creeControles();
    appliqueCouleurs();
    tailleTwips(5880, 3600);

    // The box shows the store; checked at load, it stores "Oui" unless the store holds it already.
    Parametres &parametres = Parametres::courant();
    parametres.relisConseilDemarrage();
    m_caseDemarrage->setChecked(parametres.conseilDemarrage());
    connect(m_caseDemarrage, &QCheckBox::toggled, this, &Conseils::caseDemarrageCochee);
    if (parametres.conseilDemarrage())
        caseDemarrageCochee(true);

    // The random source was seeded from the time of day by the main window.
    if (!litConseils(Base::cheminDonnees(NomFichier)))
        m_texte->setText(ListeConseils::messageFichierAbsent(NomFichier));
    centreSurPrincipale();
}

void Conseils::creeControles()
{
    m_cadre = construitCadre({QStringLiteral("Zelund - Conseil du jour"),
                              5880,
                              false,
                              false,
                              {{1, {0, 315, 5880, 90}, true},
                               {2, {0, 405, 90, 1500}, false},
                               {6, {0, 1905, 90, 1605}, false},
                               {3, {5790, 405, 90, 1500}, true},
                               {7, {5790, 1905, 90, 1605}, true},
                               {4, {0, 3510, 5880, 90}, false},
                               {5, {540, Haut + 2160, 4800, 45}, true}}});

    // The card the tip is written on, its illustration at the right.
    m_illustration = new QLabel(this);
    m_illustration->setObjectName(QStringLiteral("Picture1"));
    m_illustration->setPixmap(Ui::iconeDessinee(QStringLiteral("conseil")).pixmap(40, 40));
    m_illustration->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_illustration->setContentsMargins(0, 0, 10, 0);
    placeTwips(m_illustration, 540, Haut + 120, 4800, 1935);

    m_texte = new QLabel(this);
    m_texte->setObjectName(QStringLiteral("lblTipText"));
    m_texte->setTextFormat(Qt::PlainText); // a tip is text, never markup
    m_texte->setWordWrap(true);
    m_texte->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_texte->setMargin(6);
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPointSizeF(8.25);
    m_texte->setFont(verdana);
    placeTwips(m_texte, 540, Haut + 180, 3855, 1275);
    Ui::resultatLisible(m_texte);

    m_bandeCase = new QLabel(this);
    m_bandeCase->setObjectName(QStringLiteral("Label1"));
    placeTwips(m_bandeCase, 600, Haut + 2730, 4680, 255);

    m_caseDemarrage = new QCheckBox(QStringLiteral("Afficher les conseils à l'ouverture"), this);
    m_caseDemarrage->setObjectName(QStringLiteral("chkLoadTipsAtStartup"));
    placeTwips(m_caseDemarrage, 1575, Haut + 2760, 3675, 195);

    m_ok = new VantelBttn(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("CmdOK"));
    m_ok->setGradientSens(VantelBttn::Horizontal);
    placeTwips(m_ok, 600, Haut + 2250, 2340, 480);
    connect(m_ok, &VantelBttn::clicked, this, &QWidget::close);

    m_suivant = new VantelBttn(QStringLiteral("Conseil suivant"), this);
    m_suivant->setObjectName(QStringLiteral("CmdNextTip"));
    m_suivant->setGradientSens(VantelBttn::Horizontal);
    placeTwips(m_suivant, 2940, Haut + 2250, 2340, 480);
    connect(m_suivant, &VantelBttn::clicked, this, &Conseils::conseilSuivant);
    // The two buttons lie above the check box.
    setTabOrder(m_ok, m_suivant);
    setTabOrder(m_suivant, m_caseDemarrage);
    m_ok->setFocus();
}

void Conseils::echappe()
{
    m_ok->click();
}

void Conseils::appliqueCouleurs()
{
    AffectationCouleurs a;
    a.fenetre = this;
    a.degrade = {m_ok};
    a.degradeInverse = {m_suivant};
    a.texteBoutons = {m_suivant, m_ok};
    a.lumiere = {m_ok, m_suivant};
    a.autresTextes = {m_texte};
    a.visualisation = {m_texte, m_illustration};
    a.fondFenetre = {m_caseDemarrage, m_bandeCase};
    m_cadre.ajouteCouleurs(a);
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
}

bool Conseils::litConseils(const QString &chemin)
{
    const auto tips = ListeConseils::lis(chemin);
    if (!tips)
        return false;
    m_tips = *tips;
    m_courant = ListeConseils::premier(Alea::suivant(), int(m_tips.size()));
    afficheConseil();
    return true;
}

void Conseils::afficheConseil()
{
    if (m_tips.isEmpty())
        return;
    m_texte->setText(m_tips.at(m_courant - 1));
}

void Conseils::conseilSuivant()
{
    m_courant = ListeConseils::suivant(m_courant, int(m_tips.size()));
    afficheConseil();
}

void Conseils::caseDemarrageCochee(bool coche)
{
    Parametres::courant().metConseilDemarrage(coche);
}
