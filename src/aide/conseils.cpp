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
    chkLoadTipsAtStartup->setChecked(parametres.conseilDemarrage());
    connect(chkLoadTipsAtStartup, &QCheckBox::toggled, this, &Conseils::chkLoadTipsAtStartupClick);
    if (parametres.conseilDemarrage())
        chkLoadTipsAtStartupClick(true);

    // The random source was seeded from the time of day by the main window.
    if (!LoadTips(Base::cheminDonnees(NomFichier)))
        lblTipText->setText(ListeConseils::messageFichierAbsent(NomFichier));
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
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(Ui::iconeDessinee(QStringLiteral("conseil")).pixmap(40, 40));
    Picture1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Picture1->setContentsMargins(0, 0, 10, 0);
    placeTwips(Picture1, 540, Haut + 120, 4800, 1935);

    lblTipText = new QLabel(this);
    lblTipText->setObjectName(QStringLiteral("lblTipText"));
    lblTipText->setTextFormat(Qt::PlainText); // a tip is text, never markup
    lblTipText->setWordWrap(true);
    lblTipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTipText->setMargin(6);
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPointSizeF(8.25);
    lblTipText->setFont(verdana);
    placeTwips(lblTipText, 540, Haut + 180, 3855, 1275);
    Ui::resultatLisible(lblTipText);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    placeTwips(Label1, 600, Haut + 2730, 4680, 255);

    chkLoadTipsAtStartup = new QCheckBox(QStringLiteral("Afficher les conseils à l'ouverture"), this);
    chkLoadTipsAtStartup->setObjectName(QStringLiteral("chkLoadTipsAtStartup"));
    placeTwips(chkLoadTipsAtStartup, 1575, Haut + 2760, 3675, 195);

    CmdOK = new VantelBttn(QStringLiteral("OK"), this);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdOK->setGradientSens(VantelBttn::Horizontal);
    placeTwips(CmdOK, 600, Haut + 2250, 2340, 480);
    connect(CmdOK, &VantelBttn::clicked, this, &QWidget::close);

    CmdNextTip = new VantelBttn(QStringLiteral("Conseil suivant"), this);
    CmdNextTip->setObjectName(QStringLiteral("CmdNextTip"));
    CmdNextTip->setGradientSens(VantelBttn::Horizontal);
    placeTwips(CmdNextTip, 2940, Haut + 2250, 2340, 480);
    connect(CmdNextTip, &VantelBttn::clicked, this, &Conseils::CmdNextTipClick);
    // The two buttons lie above the check box.
    setTabOrder(CmdOK, CmdNextTip);
    setTabOrder(CmdNextTip, chkLoadTipsAtStartup);
    CmdOK->setFocus();
}

void Conseils::echappe()
{
    CmdOK->click();
}

void Conseils::appliqueCouleurs()
{
    AffectationCouleurs a;
    a.fenetre = this;
    a.degrade = {CmdOK};
    a.degradeInverse = {CmdNextTip};
    a.texteBoutons = {CmdNextTip, CmdOK};
    a.lumiere = {CmdOK, CmdNextTip};
    a.autresTextes = {lblTipText};
    a.visualisation = {lblTipText, Picture1};
    a.fondFenetre = {chkLoadTipsAtStartup, Label1};
    m_cadre.ajouteCouleurs(a);
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
}

bool Conseils::LoadTips(const QString &chemin)
{
    const auto tips = ListeConseils::lis(chemin);
    if (!tips)
        return false;
    m_tips = *tips;
    m_courant = ListeConseils::premier(Alea::suivant(), int(m_tips.size()));
    DisplayCurrentTip();
    return true;
}

void Conseils::DisplayCurrentTip()
{
    if (m_tips.isEmpty())
        return;
    lblTipText->setText(m_tips.at(m_courant - 1));
}

void Conseils::CmdNextTipClick()
{
    m_courant = ListeConseils::suivant(m_courant, int(m_tips.size()));
    DisplayCurrentTip();
}

void Conseils::chkLoadTipsAtStartupClick(bool coche)
{
    Parametres::courant().metConseilDemarrage(coche);
}
