#include "pastimes/apropos.h"

#include "base/donnees.h"
#include "base/parametres.h"
#include "base/plateforme.h"
#include "pastimes/defilement.h"
#include "ui/appliquecouleurs.h"
#include "ui/vantelbttn.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QTimer>

Apropos::Apropos(QWidget *parent)
    : FenetreZelund(parent)
{
    setObjectName(QStringLiteral("Apropos"));
    setDialogue(true);
    metPoliceVerdana();
    creeControles();
    appliqueCouleurs();
    tailleTwips(5340, 3555);
    imprimeTexte();
    Minuterie1->start(Defilement::IntervalleMs);
    centreSurPrincipale();
}

void Apropos::creeControles()
{
    m_cadre = construitCadre({QStringLiteral("A propos de Zelund +"),
                              5340,
                              true,
                              false,
                              {{1, {0, 315, 5340, 285}, true},
                               {2, {0, 600, 585, 1170}, false},
                               {3, {0, 1770, 585, 1170}, true},
                               {4, {4740, 600, 600, 1170}, false},
                               {5, {4740, 1770, 600, 1170}, true},
                               {6, {0, 3255, 5340, 300}, true}}});

    Image1 = new QFrame(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Image1->setLineWidth(2);
    placeTwips(Image1, 585, 600, 4155, 2355);
    m_interieur = new QWidget(Image1);
    m_interieur->setGeometry(Image1->contentsRect());
    Image2 = new FeuilleApropos(m_interieur);
    connect(Image2, &FeuilleApropos::clique, this, &Apropos::basculeDefilement);

    CmdSite = new VantelBttn(siteConfigure().isEmpty() ? QStringLiteral("Sommaire de l'aide de Zelund +")
                                                       : QStringLiteral("Visiter le site de Zelund +"),
                             this);
    CmdSite->setObjectName(QStringLiteral("CmdSite"));
    CmdSite->setGradientSens(VantelBttn::Horizontal);
    CmdSite->setInfoBulle(siteConfigure().isEmpty() ? QStringLiteral("Appel du sommaire de l'aide") : siteConfigure());
    placeTwips(CmdSite, 0, 2940, 5340, 315);
    connect(CmdSite, &VantelBttn::clicked, this, &Apropos::ouvreSite);

    Minuterie1 = new QTimer(this);
    connect(Minuterie1, &QTimer::timeout, this, &Apropos::Minuterie1Timer);
}

void Apropos::appliqueCouleurs()
{
    AffectationCouleurs a;
    a.fenetre = this;
    a.degrade = {CmdSite};
    a.texteBoutons = {CmdSite};
    a.lumiere = {CmdSite};
    a.autresTextes = {Image2};
    a.visualisation = {Image1, m_interieur, Image2};
    m_cadre.ajouteCouleurs(a);
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
}

int Apropos::hauteurViewport() const
{
    return m_interieur->height();
}

void Apropos::imprimeTexte()
{
    // One viewport of empty sheet, the text, and room for it to leave at the top.
    const int huit = QFontMetrics(FeuilleApropos::police(10), Image2).height();
    m_hauteur = Defilement::hauteurFeuille(huit, hauteurViewport());
    Image2->setGeometry(0, 0, m_interieur->width(), m_hauteur);
    Image2->imprime(lignes(siteConfigure()), hauteurViewport());
    m_p = 0;
}

QList<FeuilleApropos::Ligne> Apropos::lignes(const QString &site)
{
    QList<FeuilleApropos::Ligne> l;
    for (const Defilement::Ligne &d : Defilement::lignes())
        l.append({d.texte, d.points});
    l[10].texte = QStringLiteral("              Zelund + pour Linux");
    l[11].texte = QStringLiteral("        C++20, Qt 6 - Licence libre");
    l[13].texte = site.isEmpty() ? QStringLiteral("        © Les auteurs de Zelund +") : QStringLiteral("  ") + site;
    l[16].texte = QStringLiteral("            Merci");
    l[17].texte = QStringLiteral("         d'utiliser");
    l[18].texte = QStringLiteral("          Zelund +");
    return l;
}

QString Apropos::siteConfigure()
{
    return QStringLiteral(ZELUND_SITE);
}

void Apropos::Minuterie1Timer()
{
    Image2->move(0, m_p);
    m_p = Defilement::positionSuivante(m_p, m_hauteur);
}

void Apropos::basculeDefilement()
{
    if (Minuterie1->isActive())
        Minuterie1->stop();
    else
        Minuterie1->start();
}

void Apropos::ouvreSite()
{
    // Without a web site, the program's own help viewer on its contents page.
    if (siteConfigure().isEmpty())
        emit aideDemandee(SujetAide::Sommaire);
    else
        Plateforme::courante().ouvreAdresse(siteConfigure());
}

void Apropos::closeEvent(QCloseEvent *event)
{
    Minuterie1->stop();
    FenetreZelund::closeEvent(event);
}
