#include "main/fenprin.h"

#include "app/chargement.h"
#include "app/partage.h"
#include "app/plateforme.h"
#include "app/reglages.h"
#include "app/twips.h"
#include "app/vantelbttn.h"
#include "app/vantelpanel.h"
#include "appearance/appliquecouleurs.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSignalBlocker>

namespace {
constexpr int LargeurFenetre = 5040;
constexpr int HauteurCourte = 5340;
} // namespace

FenPrin::FenPrin(QWidget *parent)
    : FenetreZelund(parent)
{
    setObjectName(QStringLiteral("FenPrin"));
    QFont police(QStringLiteral("Verdana"));
    police.setPointSizeF(8.25);
    setFont(police);
    setWindowIcon(QIcon(QStringLiteral(":/icons/zelund.svg")));
    creeFond();
    creeCadre();
    setPrincipale(this);
}

VantelBttn *FenPrin::creeBouton(QWidget *parent, const QString &caption, int g, int h, int l, int ht)
{
    auto *b = new VantelBttn(caption, parent);
    placeTwips(b, g, h, l, ht);
    return b;
}

VantelBttn *FenPrin::creeBoutonImage(const QString &icone, const QString &infoBulle, int g, int h,
                                     int l, int ht)
{
    auto *b = creeBouton(Fond, QString(), g, h, l, ht);
    b->setPicture(QIcon(QStringLiteral(":/icons/%1.svg").arg(icone)));
    b->setInfoBulle(infoBulle);
    return b;
}

void FenPrin::creeCadre()
{
    CmdDeplaceFen = creeBoutonDeplacement(partage().titreAppli, 0, 0, 4440, 315);
    CmdReduire = creeBouton(this, QStringLiteral("-"), 4440, 0, 300, 315);
    CmdReduire->setObjectName(QStringLiteral("CmdReduire"));
    CmdReduire->setGradientSens(VantelBttn::Horizontal);
    CmdReduire->setInfoBulle(QStringLiteral("Réduire"));
    CmdReduire->setAccessibleName(QStringLiteral("Réduire"));
    connect(CmdReduire, &VantelBttn::clicked, this, &QWidget::showMinimized);
    CmdFermer = creeBoutonFermer(4740, 0, 300, 315);
    // The main window's close button closes every window, newest first.
    disconnect(CmdFermer, &VantelBttn::clicked, this, &QWidget::close);
    connect(CmdFermer, &VantelBttn::clicked, this, [] { FenetreZelund::fermeTout(); });

    Forme[4] = creeForme(0, 315, 5040, 315);
    Forme[1] = creeForme(0, 615, 600, 3480);
    Forme[5] = creeForme(4440, 615, 600, 3480);
    Forme[2] = creeForme(0, 4080, 600, 3165);
    Forme[6] = creeForme(4440, 4080, 600, 3165);
    Forme[8] = creeForme(0, 7245, 5040, 315);
    Forme[3] = creeForme(0, 7245, 5040, 315);
    Forme[3]->setEnabled(true); // carries the Moon's phase caption
    Forme[7] = creeForme(0, 7560, 5040, 315);
}

void FenPrin::creeFond()
{
    Fond = new VantelPanel(this);
    placeTwips(Fond, 600, 630, 3840, 6615);

    CmdDateJour = creeBouton(Fond, QString(), 30, 30, 3780, 435);
    CmdDateJour->setGradientSens(VantelBttn::Horizontal);
    QFont gras = font();
    gras.setBold(true);
    CmdDateJour->setFont(gras);
    connect(CmdDateJour, &VantelBttn::clicked, this, &FenPrin::afficheAujourdhui);

    for (int i = 0; i < 31; ++i) {
        Jour[i] = creeBouton(Fond, QString::number(i + 1), 30 + 540 * (i % 7), 480 + 420 * (i / 7), 540, 435);
        connect(Jour[i], &VantelBttn::clicked, this, [this, i] { cliqueJour(i); });
    }

    CmdBOutils = creeBouton(Fond, QStringLiteral("Zelund +"), 1650, 2160, 2160, 435);
    CmdBOutils->setGradientSens(VantelBttn::Horizontal);
    CmdBOutils->setInfoBulle(QStringLiteral("\"Boîte à outils\"/Masquer la sélection mois-année"));
    connect(CmdBOutils, &VantelBttn::appuye, this, &FenPrin::boiteOutilsAppuyee);

    LDAnnee = new QComboBox(Fond);
    LDAnnee->setObjectName(QStringLiteral("LDAnnee"));
    LDAnnee->setAccessibleName(QStringLiteral("Année"));
    placeTwips(LDAnnee, 30, 2580, 1635, 360);
    LDMois = new QComboBox(Fond);
    LDMois->setObjectName(QStringLiteral("LDMois"));
    LDMois->setAccessibleName(QStringLiteral("Mois"));
    LDMois->setMaxVisibleItems(12);
    placeTwips(LDMois, 1650, 2580, 2190, 360);
    connect(LDAnnee, &QComboBox::currentIndexChanged, this, &FenPrin::anneeSelectionnee);
    connect(LDMois, &QComboBox::currentIndexChanged, this, &FenPrin::moisSelectionne);
    // Created after the lists so that it covers them.
    CmdAnMois = creeBouton(Fond, QString(), 30, 2580, 3780, 435);
    CmdAnMois->setGradientSens(VantelBttn::Horizontal);
    CmdAnMois->setAccessibleName(QStringLiteral("Choisir le mois et l'année"));
    connect(CmdAnMois, &VantelBttn::appuye, this, &FenPrin::anMoisAppuye);

    CmdCompteur = creeBoutonImage(QStringLiteral("compteur"), QStringLiteral("Compteur"), 30, 3000, 645, 1095);
    CmdLune = creeBoutonImage(QStringLiteral("lune"), QStringLiteral("Phases de la Lune"), 660, 3000, 645, 1095);
    CmdFuseauxHoraires = creeBoutonImage(QStringLiteral("fuseaux"), QStringLiteral("Fuseaux horaires"), 1290,
                                         3000, 645, 1095);
    CmdCopier = creeBoutonImage(QStringLiteral("copier"), QStringLiteral("Copier/Appel du presse-papiers"), 1920,
                                3000, 645, 1095);
    CmdConfig = creeBoutonImage(QStringLiteral("config"), QStringLiteral("Configuration"), 2550, 3000, 645, 1095);
    CmdAide = creeBoutonImage(QStringLiteral("aide"),
                              QStringLiteral("Appel de l'aide sur la fenêtre/Appel de l'aide générale"), 3180,
                              3000, 630, 555);
    connect(CmdAide, &VantelBttn::appuye, this, &FenPrin::aideAppuyee);
    CmdApropos = creeBoutonImage(QStringLiteral("menu"),
                                 QStringLiteral("Menu : A propos, couleurs de l'interface, info-bulles..."),
                                 3180, 3540, 630, 555);

    CmdPremDate = creeBouton(Fond, QStringLiteral("Première date"), 60, 4140, 3720, 390);
    CmdDeuxDate = creeBouton(Fond, QStringLiteral("Deuxième date"), 60, 4560, 3720, 390);
    FondTexteNBJ = new VantelPanel(Fond);
    placeTwips(FondTexteNBJ, 60, 4980, 3720, 1155);
    TexteNBJ = new QLabel(QStringLiteral("Temps écoulé entre les deux dates :"), FondTexteNBJ);
    TexteNBJ->setWordWrap(true);
    TexteNBJ->setAlignment(Qt::AlignCenter);
    TexteNBJ->setGeometry(FondTexteNBJ->rect().adjusted(4, 4, -4, -4));
    CmdDateAJ = creeBouton(Fond, QStringLiteral("Date affichée / Date du jour"), 60, 6180, 3720, 390);
    for (VantelBttn *b : {CmdPremDate, CmdDeuxDate, CmdDateAJ})
        b->setGradientSens(VantelBttn::Horizontal);
}

void FenPrin::ProcCoulDefUtil()
{
    AffectationCouleurs a;
    a.fenetre = this;
    a.degrade = {CmdDeplaceFen, CmdReduire, CmdFermer, Forme[1], Forme[3], Forme[5], Forme[8], CmdDateJour};
    for (VantelBttn *j : Jour)
        a.degrade << j;
    a.degrade << CmdAnMois << CmdCompteur << CmdLune << CmdFuseauxHoraires << CmdCopier << CmdConfig << CmdAide
              << CmdApropos;
    a.degradeInverse = {Forme[2], Forme[4], Forme[6], Forme[7], CmdBOutils, CmdPremDate, CmdDeuxDate, CmdDateAJ};
    a.panneauxInverses = {FondTexteNBJ};
    a.panneaux = {Fond};
    a.texteBoutons = {CmdDeplaceFen, CmdReduire, CmdFermer};
    a.lumiere = {CmdDeplaceFen, CmdReduire, CmdFermer, CmdDateJour};
    for (VantelBttn *j : Jour)
        a.lumiere << j;
    a.lumiere << CmdBOutils << CmdAnMois << CmdPremDate << CmdDeuxDate << CmdDateAJ;
    a.autresTextes = {CmdDateJour};
    for (VantelBttn *j : Jour)
        a.autresTextes << j;
    a.autresTextes << CmdBOutils << CmdAnMois << CmdPremDate << CmdDeuxDate << CmdDateAJ << LDAnnee << LDMois
                   << TexteNBJ;
    a.visualisation = {LDAnnee, LDMois};
    appliqueCouleurs(a, partage().couleurs);
    // The phase caption is the only enabled strip: its text follows the other texts.
    metCouleurTexte(Forme[3], palette().color(QPalette::WindowText));
}

bool FenPrin::charge(const std::function<void()> &fermeDemarrage)
{
    Plateforme &plateforme = Plateforme::courante();
    tailleTwips(LargeurFenetre, HauteurCourte);
    CmdDeplaceFen->setCaption(partage().titreAppli);

    const auto valeurs = chargeReglages(Reglages::courant(), plateforme.aujourdhui().year());
    if (!valeurs) {
        if (fermeDemarrage)
            fermeDemarrage();
        plateforme.message(messageErreurChargement(), Plateforme::Boutons::Ok, Plateforme::Icone::Critique,
                           titreErreur(), Plateforme::Reponse::Ok);
        return false;
    }
    partage().prend(*valeurs);
    ProcCoulDefUtil();

    if (valeurs->style == Cles::StyleDefaut) {
        dispositionCourte();
        centreSurEcran();
    }
    // Other start-up styles open the lower panel; unknown ones leave the window as it is.

    if (fermeDemarrage)
        fermeDemarrage();
    show();

    m_jourCourant = plateforme.aujourdhui().day();
    RemplitMois();
    RemplitAnnees();
    SelectionneAujourdhui();

    LDAnnee->hide();
    LDMois->hide();
    CmdAnMois->setCaption(QString());
    return true;
}

void FenPrin::dispositionCourte()
{
    placeTwips(Forme[3], 0, 4725, 5040, 315);
    placeTwips(Forme[8], 0, 4725, 5040, 315);
    placeTwips(Forme[7], 0, 5040, 5040, 315);
    placeTwips(Forme[1], 0, 615, 600, 2100);
    placeTwips(Forme[5], 4440, 615, 600, 2100);
    placeTwips(Forme[2], 0, 2700, 600, 2025);
    placeTwips(Forme[6], 4440, 2700, 600, 2025);
    tailleTwips(LargeurFenetre, HauteurCourte);
}

void FenPrin::centreSurEcran()
{
    const QScreen *ecran = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!ecran)
        return;
    const QRect e = ecran->geometry();
    move(e.x() + (e.width() - width()) / 2, e.y() + (e.height() - height()) / 2);
}

void FenPrin::RemplitMois()
{
    const QSignalBlocker bloque(LDMois);
    LDMois->addItems(textesListeMois());
    LDMois->setCurrentIndex(-1);
}

void FenPrin::RemplitAnnees()
{
    const QSignalBlocker bloque(LDAnnee);
    QStringList annees;
    for (int a = partage().anneeDebut; a <= partage().anneeFin; ++a)
        annees << QString::number(a);
    LDAnnee->addItems(annees);
    // Like a fresh list: nothing selected, so selecting today always fires.
    LDAnnee->setCurrentIndex(-1);
}

void FenPrin::SelectionneAujourdhui()
{
    const QDate aujourdhui = Plateforme::courante().aujourdhui();
    LDAnnee->setCurrentIndex(aujourdhui.year() - partage().anneeDebut);
    LDMois->setCurrentIndex(aujourdhui.month() - 1);
    m_jourCourant = aujourdhui.day();
}

int FenPrin::AnneeChoisie() const
{
    return LDAnnee->currentIndex() < 0 ? 0 : LDAnnee->currentText().trimmed().toInt();
}

int FenPrin::MoisChoisi() const
{
    return LDMois->currentIndex() + 1;
}

void FenPrin::RafraichitMois()
{
    ActualiseGrille(MoisChoisi(), AnneeChoisie());
}

void FenPrin::ActualiseGrille(int mois, int annee)
{
    if (mois < 1 || annee == 0)
        return;
    m_periode = periodeDuMois(mois, annee);
    const auto actifs = joursActifs(mois, annee);
    for (int i = 0; i < 31; ++i)
        Jour[i]->setEnabled(actifs[i]);
}

void FenPrin::anneeSelectionnee()
{
    // The first event is the one selecting today's year, before the month.
    if (!m_premierClicAnnee) {
        m_premierClicAnnee = true;
        return;
    }
    moisSelectionne();
}

void FenPrin::moisSelectionne()
{
    RafraichitMois();
    cliqueJour(m_jourCourant - 1);
}

void FenPrin::cliqueJour(int indice)
{
    m_jourCourant = indice + 1;
}

void FenPrin::afficheAujourdhui()
{
}

void FenPrin::anMoisAppuye(Qt::MouseButton bouton)
{
    if (bouton == Qt::RightButton) {
        if (!CmdAnMois->caption().isEmpty())
            CmdAnMois->setCaption(QString());
        else if (m_dateSelection.size() == 10)
            CmdAnMois->setCaption(QStringLiteral("%1/%2/%3")
                                      .arg(m_dateSelection.left(2).toInt())
                                      .arg(m_dateSelection.mid(3, 2).toInt())
                                      .arg(m_dateSelection.mid(6, 4).toInt()));
        return;
    }
    CmdAnMois->hide();
    LDAnnee->show();
    LDMois->show();
}

void FenPrin::boiteOutilsAppuyee(Qt::MouseButton bouton)
{
    if (bouton == Qt::RightButton) {
        CmdAnMois->show();
        return;
    }
    partage().bOutilsAffichee = !partage().bOutilsAffichee;
    emit basculeBoiteOutils(partage().bOutilsAffichee);
}

void FenPrin::aideAppuyee(Qt::MouseButton bouton)
{
    Plateforme::courante().afficheAide(bouton == Qt::RightButton ? 0 : (m_compteurVisible ? 2 : 1));
}

void FenPrin::closeEvent(QCloseEvent *event)
{
    FenetreZelund::closeEvent(event);
}

void FenPrin::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        CmdDeplaceFen->setCaption(partage().titreAppli);
    FenetreZelund::changeEvent(event);
}
