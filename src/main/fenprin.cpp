#include "main/fenprin.h"

#include "app/chargement.h"
#include "app/partage.h"
#include "app/plateforme.h"
#include "app/reglages.h"
#include "app/twips.h"
#include "app/vantelbttn.h"
#include "app/vantelpanel.h"
#include "app/alea.h"
#include "app/couleurqt.h"
#include "appearance/appliquecouleurs.h"
#include "app/conseils.h"
#include "app/donnees.h"
#include "app/icones.h"
#include "app/premierepeinture.h"
#include "app/ligne.h"
#include "appearance/configure.h"
#include "main/popupinfos.h"
#include "main/textedate.h"
#include "pastimes/apropos.h"
#include "pastimes/fenboutils.h"
#include "moon/ciel.h"
#include "moon/phase.h"

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
    metPoliceVerdana();
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
    b->setPicture(iconeDessinee(icone));
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
    connect(CmdPremDate, &VantelBttn::clicked, this,
            [this] { appliqueLegendes(cliquePremiereDate(m_compteur, selectionCourante())); });
    connect(CmdDeuxDate, &VantelBttn::clicked, this,
            [this] { appliqueLegendes(cliqueDeuxiemeDate(m_compteur, selectionCourante())); });
    connect(CmdDateAJ, &VantelBttn::clicked, this, [this] {
        appliqueLegendes(cliqueDateAujourdhui(m_compteur, selectionCourante(), Plateforme::courante().aujourdhui()));
    });
    connect(CmdCompteur, &VantelBttn::clicked, this, &FenPrin::appuiCompteur);
    connect(CmdLune, &VantelBttn::clicked, this, &FenPrin::appuiLune);
    connect(CmdCopier, &VantelBttn::clicked, this, &FenPrin::copie);
    connect(CmdCopier, &VantelBttn::appuye, this, &FenPrin::copierAppuye);

    // Created last so that the sky covers the counter's controls.
    Image2 = new ImageCiel(Fond);
    Image2->setObjectName(QStringLiteral("Image2"));
    placeTwips(Image2, 0, 4080, 3840, 2535);
    Image1 = new ImageLune(Image2);
    Image1->setObjectName(QStringLiteral("Image1"));
    placeTwips(Image1, 1320, 30, 2400, 2415);
    Image2->hide();

    popUpInfos = new PopUpInfos(this);
    connect(popUpInfos, &PopUpInfos::couleursChangees, this, &FenPrin::ProcCoulDefUtil);
    connect(popUpInfos, &PopUpInfos::aproposDemande, this, &FenPrin::apropos);
    connect(CmdApropos, &VantelBttn::clicked, this, &FenPrin::basculeMenu);
    connect(CmdFuseauxHoraires, &VantelBttn::clicked, this, &FenPrin::fuseauxHoraires);
    connect(CmdConfig, &VantelBttn::clicked, this, &FenPrin::configure);
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
    a.panneauxInverses = {popUpInfos, FondTexteNBJ};
    a.panneaux = {Fond};
    a.texteBoutons = {CmdDeplaceFen, CmdReduire, CmdFermer, popUpInfos};
    QList<VantelBttn *> menu = {popUpInfos->CmdApropos2};
    for (VantelBttn *b : popUpInfos->CmdCouleur)
        menu << b;
    menu << popUpInfos->CmdReset << popUpInfos->CmdBulAide << popUpInfos->CmdConseilDem << popUpInfos->CmdSupprCle
         << popUpInfos->CmdRegEdit << popUpInfos->CmdFerMnu;
    QList<VantelBttn *> textes = {CmdDateJour};
    for (VantelBttn *j : Jour)
        textes << j;
    textes << CmdBOutils << CmdAnMois << CmdPremDate << CmdDeuxDate << CmdDateAJ;
    a.lumiere = QList<VantelBttn *>{CmdDeplaceFen, CmdReduire, CmdFermer} + menu + textes;
    for (VantelBttn *b : menu + textes)
        a.autresTextes << b;
    a.autresTextes << popUpInfos->LblChangerCoul << LDAnnee << LDMois << TexteNBJ;
    for (Ligne *l : popUpInfos->Lignes)
        a.autresTextes << l;
    a.visualisation = {LDAnnee, LDMois};
    appliqueCouleurs(a, partage().couleurs);
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

    const QColor ciel = couleurRgb(partage().ciel);
    const QColor etoiles = couleurRgb(partage().etoiles);
    Image2->setCouleurs(ciel, etoiles);
    Image1->setCouleurs(ciel, etoiles);

    if (valeurs->style == Cles::StyleDefaut) {
        appliqueDisposition(false);
        centreSurEcran();
    } else if (valeurs->style == QLatin1String("AfficheCompteur")) {
        ouvreCompteur();
    } else if (valeurs->style == QLatin1String("AffichePhasesLune")) {
        ouvreLune();
    }
    // Any other style leaves the window as it is.

    if (fermeDemarrage)
        fermeDemarrage();
    show();

    m_jourCourant = plateforme.aujourdhui().day();
    RemplitMois();
    RemplitAnnees();
    SelectionneAujourdhui();
    calculePhase();
    Alea::initialise(quint32(plateforme.maintenant().time().msecsSinceStartOfDay() / 1000));

    LDAnnee->hide();
    LDMois->hide();
    CmdAnMois->setCaption(QString());

    popUpInfos->CmdBulAide->setCaption(PopUpInfos::legendeInfoBulles(partage().infoBullesActives));
    partage().fichierAide = cheminAide(0);
    popUpInfos->CmdConseilDem->setCaption(PopUpInfos::legendeConseils(partage().conseilDemarrage));
    if (partage().conseilDemarrage == Cles::Oui) {
        // Once the window is on screen, so its first picture does not wait for the tips.
        apresPremierePeinture(this, [] {
            auto *conseils = new Conseils;
            conseils->setAttribute(Qt::WA_DeleteOnClose);
            conseils->show();
        });
    }
    return true;
}

void FenPrin::appliqueDisposition(bool ouverte)
{
    const DispositionCadre d = disposition(ouverte);
    placeTwips(Forme[3], 0, d.hautForme3, LargeurFenetre, 315);
    placeTwips(Forme[8], 0, d.hautForme8, LargeurFenetre, 315);
    placeTwips(Forme[7], 0, d.hautForme7, LargeurFenetre, 315);
    placeTwips(Forme[1], 0, 615, 600, d.hauteurForme1);
    placeTwips(Forme[5], 4440, 615, 600, d.hauteurForme5);
    placeTwips(Forme[2], 0, d.hautForme2, 600, d.hauteurForme2);
    placeTwips(Forme[6], 4440, d.hautForme6, 600, d.hauteurForme6);
    tailleTwips(LargeurFenetre, d.hauteurFenetre);
}

void FenPrin::montreVue()
{
    const bool compteur = m_panneau.compteurVisible;
    const bool lune = m_panneau.luneVisible;
    for (QWidget *w : {static_cast<QWidget *>(CmdPremDate), static_cast<QWidget *>(CmdDeuxDate),
                       static_cast<QWidget *>(FondTexteNBJ)})
        w->setVisible(compteur);
    Image2->setVisible(lune);
    Forme[3]->setVisible(lune);
}

void FenPrin::ouvreCompteur()
{
    m_panneau = EtatPanneau::compteur();
    appliqueDisposition(true);
    montreVue();
    // Every opening starts the count from the date selected now.
    m_compteur.premiereDate = m_valeurSelection;
}

void FenPrin::ouvreLune()
{
    m_panneau = EtatPanneau::lune();
    appliqueDisposition(true);
    montreVue();
}

void FenPrin::appuiCompteur()
{
    popUpInfos->hide();
    const EtatPanneau suivant = ::appuiCompteur(m_panneau);
    if (!suivant.panneauOuvert) {
        m_panneau = suivant;
        appliqueDisposition(false);
        CmdAnMois->show();
        CmdAnMois->setCaption(QString());
        return;
    }
    ouvreCompteur();
}

void FenPrin::appuiLune()
{
    const EtatPanneau suivant = ::appuiLune(m_panneau);
    CmdAnMois->show();
    CmdAnMois->setCaption(QString());
    if (!suivant.panneauOuvert) {
        m_panneau = suivant;
        appliqueDisposition(false);
        Image2->hide();
        Forme[3]->hide();
        return;
    }
    ouvreLune();
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
    const int mois = MoisChoisi();
    const int annee = AnneeChoisie();
    montreSelection(legendeJour(m_jourCourant, mois, annee, m_periode), m_jourCourant, mois, annee);
}

void FenPrin::afficheAujourdhui()
{
    const QDate d = Plateforme::courante().aujourdhui();
    montreSelection(legendeAujourdhui(d), d.day(), d.month(), d.year());
}

void FenPrin::montreSelection(const std::optional<QString> &legende, int jour, int mois, int annee)
{
    // A remembered day the new month lacks leaves the last selection shown.
    const auto selection = texteSelection(jour, mois, annee);
    if (!legende || !selection)
        return;
    CmdDateJour->setCaption(*legende);
    m_dateSelection = *selection;
    calculePhase();
    redessineLune();
}

void FenPrin::calculePhase()
{
    const auto phase = ::calculePhase(m_dateSelection);
    if (!phase)
        return;
    m_valeurSelection = phase->valeur;
    m_fraction = phase->fraction;
    Forme[3]->setCaption(phase->legende);
    Image1->setFraction(m_fraction);
}

void FenPrin::redessineLune()
{
    // The sky first, then the Moon standing on it.
    Image2->update();
    Image1->update();
}

SelectionCourante FenPrin::selectionCourante() const
{
    return {m_valeurSelection, m_dateSelection, CmdDateJour->caption()};
}

void FenPrin::appliqueLegendes(const LegendesModifiees &l)
{
    if (l.premiereDate)
        CmdPremDate->setCaption(*l.premiereDate);
    if (l.deuxiemeDate)
        CmdDeuxDate->setCaption(*l.deuxiemeDate);
    if (l.anMois)
        CmdAnMois->setCaption(*l.anMois);
    if (l.texteNBJ)
        TexteNBJ->setText(*l.texteNBJ);
}

void FenPrin::copie()
{
    Plateforme &p = Plateforme::courante();
    p.copiePressePapiers(texteCopie(m_compteur, CmdDateJour->caption(), Forme[3]->caption()));
    p.joueSon(19);
}

QStringList FenPrin::visionneusesPressePapiers()
{
    return {QStringLiteral("xclipboard"), QStringLiteral("copyq"), QStringLiteral("diodon"),
            QStringLiteral("parcellite"), QStringLiteral("clipit"), QStringLiteral("gpaste-client")};
}

void FenPrin::copierAppuye(Qt::MouseButton bouton)
{
    if (bouton != Qt::RightButton)
        return;
    Plateforme &p = Plateforme::courante();
    for (const QString &programme : visionneusesPressePapiers()) {
        // Those that live in the tray have to be asked to show themselves.
        const QStringList arguments = programme == QLatin1String("copyq") ? QStringList{QStringLiteral("show")}
                                      : programme == QLatin1String("gpaste-client") ? QStringList{QStringLiteral("ui")}
                                                                                    : QStringList{};
        if (p.lanceProgramme(programme, arguments))
            return;
    }
    p.message(messagePressePapiersAbsent(), Plateforme::Boutons::Ok, Plateforme::Icone::Exclamation, titreErreur(),
              Plateforme::Reponse::Ok);
}

void FenPrin::anMoisAppuye(Qt::MouseButton bouton)
{
    popUpInfos->hide();
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
    if (partage().bOutilsAffichee) {
        if (m_boiteOutils)
            m_boiteOutils->close();
        partage().bOutilsAffichee = false;
        return;
    }
    if (!m_boiteOutils) {
        m_boiteOutils = new FenBOutils(this);
        m_boiteOutils->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_boiteOutils->show();
    partage().bOutilsAffichee = true;
}

FenBOutils *FenPrin::boiteOutils() const
{
    return m_boiteOutils;
}

void FenPrin::basculeMenu()
{
    popUpInfos->setVisible(popUpInfos->isHidden());
    popUpInfos->raise();
}

QList<QStringList> FenPrin::reglagesDateHeure()
{
    return {{QStringLiteral("gnome-control-center"), QStringLiteral("datetime")},
            {QStringLiteral("cinnamon-settings"), QStringLiteral("calendar")},
            {QStringLiteral("kcmshell6"), QStringLiteral("kcm_clock")},
            {QStringLiteral("kcmshell5"), QStringLiteral("clock")},
            {QStringLiteral("systemsettings"), QStringLiteral("kcm_clock")},
            {QStringLiteral("mate-time-admin")},
            {QStringLiteral("time-admin")}};
}

void FenPrin::fuseauxHoraires()
{
    // The first date and time settings the desktop has; none: nothing happens.
    for (const QStringList &commande : reglagesDateHeure())
        if (Plateforme::courante().lanceProgramme(commande.first(), commande.mid(1)))
            return;
}

void FenPrin::configure()
{
    popUpInfos->hide();
    {
        Configure dialogue(this);
        dialogue.executeModale();
    }
    // Colours and years take effect at once; the start-up view at the next start.
    const QColor ciel = couleurRgb(partage().ciel);
    const QColor etoiles = couleurRgb(partage().etoiles);
    Image2->setCouleurs(ciel, etoiles);
    Image1->setCouleurs(ciel, etoiles);
    {
        const QSignalBlocker bloque(LDAnnee);
        LDAnnee->clear();
    }
    RemplitAnnees();
    SelectionneAujourdhui();
}

void FenPrin::apropos()
{
    Apropos boite(this);
    boite.executeModale();
}

void FenPrin::aideAppuyee(Qt::MouseButton bouton)
{
    Plateforme::courante().afficheAide(bouton == Qt::RightButton ? 0 : (m_panneau.compteurVisible ? 2 : 1));
}

void FenPrin::closeEvent(QCloseEvent *event)
{
    FenetreZelund::closeEvent(event);
}

void FenPrin::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        CmdDeplaceFen->setCaption(partage().titreAppli);
        popUpInfos->CmdConseilDem->setCaption(PopUpInfos::legendeConseils(partage().conseilDemarrage));
    }
    FenetreZelund::changeEvent(event);
}
