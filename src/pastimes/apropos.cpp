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
    m_defilement->start(Defilement::IntervalleMs);
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

    m_cadreFeuille = new QFrame(this);
    m_cadreFeuille->setObjectName(QStringLiteral("Image1"));
    m_cadreFeuille->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_cadreFeuille->setLineWidth(2);
    placeTwips(m_cadreFeuille, 585, 600, 4155, 2355);
    m_interieur = new QWidget(m_cadreFeuille);
    m_interieur->setGeometry(m_cadreFeuille->contentsRect());
    m_feuille = new FeuilleApropos(m_interieur);
    m_feuille->setObjectName(QStringLiteral("Image2"));
    connect(m_feuille, &FeuilleApropos::clique, this, &Apropos::basculeDefilement);

    m_site = new VantelBttn(siteConfigure().isEmpty() ? QStringLiteral("Sommaire de l'aide de Zelund +")
                                                      : QStringLiteral("Visiter le site de Zelund +"),
                            this);
    m_site->setObjectName(QStringLiteral("CmdSite"));
    m_site->setGradientSens(VantelBttn::Horizontal);
    m_site->setInfoBulle(siteConfigure().isEmpty() ? QStringLiteral("Appel du sommaire de l'aide") : siteConfigure());
    placeTwips(m_site, 0, 2940, 5340, 315);
    connect(m_site, &VantelBttn::clicked, this, &Apropos::ouvreSite);

    m_defilement = new QTimer(this);
    m_defilement->setObjectName(QStringLiteral("Minuterie1"));
    connect(m_defilement, &QTimer::timeout, this, &Apropos::defile);
}

void Apropos::appliqueCouleurs()
{
    AffectationCouleurs a;
    a.fenetre = this;
    a.degrade = {m_site};
    a.texteBoutons = {m_site};
    a.lumiere = {m_site};
    a.autresTextes = {m_feuille};
    a.visualisation = {m_cadreFeuille, m_interieur, m_feuille};
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
    const int huit = QFontMetrics(FeuilleApropos::police(10), m_feuille).height();
    m_hauteur = Defilement::hauteurFeuille(huit, hauteurViewport());
    m_feuille->setGeometry(0, 0, m_interieur->width(), m_hauteur);
    m_feuille->imprime(lignes(siteConfigure()), hauteurViewport());
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

void Apropos::defile()
{
    m_feuille->move(0, m_p);
    m_p = Defilement::positionSuivante(m_p, m_hauteur);
}

void Apropos::basculeDefilement()
{
    if (m_defilement->isActive())
        m_defilement->stop();
    else
        m_defilement->start();
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
    m_defilement->stop();
    FenetreZelund::closeEvent(event);
}
