#include "main/fenprin.h"

#include "aide/conseils.h"
#include "appearance/configure.h"
#include "base/alea.h"
#include "base/chargement.h"
#include "base/donnees.h"
#include "base/parametres.h"
#include "base/plateforme.h"
#include "base/reglages.h"
#include "base/twips.h"
#include "calendar/fenephemeride.h"
#include "dates/infojour.h"
#include "dates/navigation.h"
#include "dates/noms.h"
#include "dates/texte.h"
#include "main/fenboutils.h"
#include "main/parcourstab.h"
#include "main/popupinfos.h"
#include "moon/imagelune.h"
#include "moon/phasemoyenne.h"
#include "moon/phasesvraies.h"
#include "pastimes/apropos.h"
#include "ui/accessible.h"
#include "ui/appliquecouleurs.h"
#include "ui/couleurqt.h"
#include "ui/grilleboutons.h"
#include "ui/icones.h"
#include "ui/ligne.h"
#include "ui/premierepeinture.h"
#include "ui/rechercheliste.h"
#include "ui/vantelbttn.h"
#include "ui/vantelpanel.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <algorithm>

namespace {
constexpr int LargeurFenetre = 5040;
constexpr int HauteurCourte = 5340;

// The caption of the drag button.
QString titreAppli()
{
    return QStringLiteral("Zelund");
}
} // namespace

FenPrin::FenPrin(QWidget *parent)
    : FenetreZelund(parent)
{
    setObjectName(QStringLiteral("FenPrin"));
    FenEphemeride::setLune(&Lune::texteLune, Lune::PhasesAnneeMax);
    metPoliceVerdana();
    creeFond();
    creeCadre();
    prepareClavier();
    setPrincipale(this);
}

VantelBttn *FenPrin::creeBouton(QWidget *parent, const QString &caption, int g, int h, int l, int ht)
{
    auto *b = new VantelBttn(caption, parent);
    placeTwips(b, g, h, l, ht);
    return b;
}

VantelBttn *FenPrin::creeBoutonImage(const QString &icone, const QString &infoBulle, int g, int h, int l, int ht)
{
    auto *b = creeBouton(Fond, QString(), g, h, l, ht);
    b->setPicture(Ui::iconeDessinee(icone));
    b->setInfoBulle(infoBulle);
    return b;
}

void FenPrin::creeCadre()
{
    // Strip 3 lies over strip 8 and carries the Moon's phase caption; the
    // panel's views move the strips (appliqueDisposition).
    m_cadre = construitCadre({titreAppli(),
                              LargeurFenetre,
                              true,
                              true,
                              {{4, {0, 315, 5040, 315}, true},
                               {1, {0, 615, 600, 3480}, false},
                               {5, {4440, 615, 600, 3480}, false},
                               {2, {0, 4080, 600, 3165}, true},
                               {6, {4440, 4080, 600, 3165}, true},
                               {8, {0, 7245, 5040, 315}, false},
                               {3, {0, 7245, 5040, 315}, false},
                               {7, {0, 7560, 5040, 315}, true}}});
    // The main window's close button closes every window, newest first.
    disconnect(m_cadre.fermer, &VantelBttn::clicked, this, &QWidget::close);
    connect(m_cadre.fermer, &VantelBttn::clicked, this, [] { FenetreZelund::fermeTout(); });
    m_legendePhase = m_cadre.bande(3);
    m_legendePhase->setEnabled(true); // carries the Moon's phase caption
    m_legendePhase->hide();           // shown with the Moon view only
    m_legendePhase->setNature(VantelBttn::Nature::Texte);
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
    // The date shown, then what a press shows.
    CmdDateJour->setNomCalcule([this] {
        const auto aujourdhui = Dates::legendeAujourdhui(Plateforme::courante().aujourdhui());
        if (!aujourdhui || *aujourdhui == CmdDateJour->caption())
            return CmdDateJour->caption() + QStringLiteral(", aujourd'hui");
        return CmdDateJour->caption() + QStringLiteral(" ; appuyer : aujourd'hui, ") + aujourdhui->toLower();
    });

    GrilleJours = new GrilleBoutons(7, Fond);
    GrilleJours->setObjectName(QStringLiteral("GrilleJours"));
    GrilleJours->setAccessibleName(QStringLiteral("Jours du mois"));
    placeTwips(GrilleJours, 30, 480, 540 * 7, 420 * 4 + 435);
    for (int i = 0; i < 31; ++i) {
        Jour[i] = creeBouton(GrilleJours, QString::number(i + 1), 540 * (i % 7), 420 * (i / 7), 540, 435);
        GrilleJours->ajoute(Jour[i]);
        connect(Jour[i], &VantelBttn::clicked, this, [this, i] { cliqueJour(i); });
    }

    CmdBOutils = creeBouton(Fond, QStringLiteral("Zelund +"), 1650, 2160, 2160, 435);
    CmdBOutils->setGradientSens(VantelBttn::Horizontal);
    CmdBOutils->setInfoBulle(QStringLiteral("\"Boîte à outils\"/Masquer la sélection mois-année"));
    connect(CmdBOutils, &VantelBttn::appuye, this, &FenPrin::boiteOutilsAppuyee);
    CmdBOutils->setAccessibleName(QStringLiteral("Zelund + : boîte à outils"));
    CmdBOutils->setCoche([this] { return boiteOutilsAffichee(); });

    LDAnnee = new QComboBox(Fond);
    LDAnnee->setObjectName(QStringLiteral("LDAnnee"));
    nommeListe(LDAnnee, QStringLiteral("Année"));
    placeTwips(LDAnnee, 30, 2580, 1635, 360);
    LDMois = new QComboBox(Fond);
    LDMois->setObjectName(QStringLiteral("LDMois"));
    nommeListe(LDMois, QStringLiteral("Mois"));
    RechercheListe::installe(LDMois);
    LDMois->setMaxVisibleItems(12);
    placeTwips(LDMois, 1650, 2580, 2190, 360);
    connect(LDAnnee, &QComboBox::currentIndexChanged, this, &FenPrin::anneeSelectionnee);
    connect(LDMois, &QComboBox::currentIndexChanged, this, &FenPrin::moisSelectionne);
    // Created after the lists so that it covers them.
    CmdAnMois = creeBouton(Fond, QString(), 30, 2580, 3780, 435);
    CmdAnMois->setGradientSens(VantelBttn::Horizontal);
    CmdAnMois->setNomParDefaut(QStringLiteral("Choisir le mois et l'année"));
    connect(CmdAnMois, &VantelBttn::appuye, this, &FenPrin::anMoisAppuye);

    CmdCompteur = creeBoutonImage(QStringLiteral("compteur"), QStringLiteral("Compteur"), 30, 3000, 645, 1095);
    CmdLune = creeBoutonImage(QStringLiteral("lune"), QStringLiteral("Phases de la Lune"), 660, 3000, 645, 1095);
    CmdFuseauxHoraires =
        creeBoutonImage(QStringLiteral("fuseaux"), QStringLiteral("Fuseaux horaires"), 1290, 3000, 645, 1095);
    CmdCopier = creeBoutonImage(QStringLiteral("copier"), QStringLiteral("Copier/Appel du presse-papiers"), 1920, 3000,
                                645, 1095);
    CmdConfig = creeBoutonImage(QStringLiteral("config"), QStringLiteral("Configuration"), 2550, 3000, 645, 1095);
    CmdAide = creeBoutonImage(QStringLiteral("aide"),
                              QStringLiteral("Appel de l'aide sur la fenêtre/Appel de l'aide générale"), 3180, 3000,
                              630, 555);
    connect(CmdAide, &VantelBttn::appuye, this, &FenPrin::aideAppuyee);
    CmdApropos = creeBoutonImage(QStringLiteral("menu"),
                                 QStringLiteral("Menu : A propos, couleurs de l'interface, info-bulles..."), 3180, 3540,
                                 630, 555);

    CmdPremDate = creeBouton(Fond, QStringLiteral("Première date"), 60, 4140, 3720, 390);
    CmdDeuxDate = creeBouton(Fond, QStringLiteral("Deuxième date"), 60, 4560, 3720, 390);
    FondTexteNBJ = new VantelPanel(Fond);
    placeTwips(FondTexteNBJ, 60, 4980, 3720, 1155);
    TexteNBJ = new QLabel(QStringLiteral("Temps écoulé entre les deux dates :"), FondTexteNBJ);
    TexteNBJ->setWordWrap(true);
    TexteNBJ->setAlignment(Qt::AlignCenter);
    TexteNBJ->setGeometry(FondTexteNBJ->rect().adjusted(4, 4, -4, -4));
    Ui::resultatLisible(TexteNBJ);
    CmdDateAJ = creeBouton(Fond, QStringLiteral("Date affichée / Date du jour"), 60, 6180, 3720, 390);
    for (VantelBttn *b : {CmdPremDate, CmdDeuxDate, CmdDateAJ})
        b->setGradientSens(VantelBttn::Horizontal);
    connect(CmdPremDate, &VantelBttn::clicked, this, [this] {
        appliqueAuCompteur([this](const auto &s) { return Principal::cliquePremiereDate(m_compteur, s); });
    });
    connect(CmdDeuxDate, &VantelBttn::clicked, this, [this] {
        appliqueAuCompteur([this](const auto &s) { return Principal::cliqueDeuxiemeDate(m_compteur, s); });
    });
    connect(CmdDateAJ, &VantelBttn::clicked, this, [this] {
        appliqueAuCompteur([this](const auto &s) {
            return Principal::cliqueDateAujourdhui(m_compteur, s, Plateforme::courante().aujourdhui());
        });
    });
    CmdCompteur->setCoche([this] { return m_panneau.compteurVisible; });
    CmdLune->setCoche([this] { return m_panneau.luneVisible; });
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
    // A colour changed from the menu shows at once, here alone: the other
    // windows take the colours when they load.
    connect(&Parametres::courant(), &Parametres::changee, this, [this](Parametres::Cle cle) {
        if (cle < Parametres::couleur(Couleurs::Nombre))
            ProcCoulDefUtil();
    });
    connect(popUpInfos, &PopUpInfos::aproposDemande, this, &FenPrin::apropos);
    connect(CmdApropos, &VantelBttn::clicked, this, &FenPrin::basculeMenu);
    connect(CmdFuseauxHoraires, &VantelBttn::clicked, this, &FenPrin::fuseauxHoraires);
    connect(CmdConfig, &VantelBttn::clicked, this, &FenPrin::configure);
}

void FenPrin::ProcCoulDefUtil()
{
    AffectationCouleurs a;
    a.fenetre = this;
    a.degrade = {CmdDateJour};
    for (VantelBttn *j : Jour)
        a.degrade << j;
    a.degrade << CmdAnMois << CmdCompteur << CmdLune << CmdFuseauxHoraires << CmdCopier << CmdConfig << CmdAide
              << CmdApropos;
    a.degradeInverse = {CmdBOutils, CmdPremDate, CmdDeuxDate, CmdDateAJ};
    a.panneauxInverses = {popUpInfos, FondTexteNBJ};
    a.panneaux = {Fond};
    a.texteBoutons = {popUpInfos};
    QList<VantelBttn *> menu = {popUpInfos->CmdApropos2};
    for (VantelBttn *b : popUpInfos->CmdCouleur)
        menu << b;
    menu << popUpInfos->CmdReset << popUpInfos->CmdBulAide << popUpInfos->CmdConseilDem << popUpInfos->CmdSupprCle
         << popUpInfos->CmdRegEdit << popUpInfos->CmdFerMnu;
    QList<VantelBttn *> textes = {CmdDateJour};
    for (VantelBttn *j : Jour)
        textes << j;
    textes << CmdBOutils << CmdAnMois << CmdPremDate << CmdDeuxDate << CmdDateAJ;
    a.lumiere = menu + textes;
    for (VantelBttn *b : menu + textes)
        a.autresTextes << b;
    a.autresTextes << popUpInfos->LblChangerCoul << LDAnnee << LDMois << TexteNBJ;
    for (Ligne *l : popUpInfos->Lignes)
        a.autresTextes << l;
    a.visualisation = {LDAnnee, LDMois};
    m_cadre.ajouteCouleurs(a);
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
}

bool FenPrin::charge(const std::function<void()> &fermeDemarrage, const std::optional<Dates::JourMoisAn> &dateDemarrage)
{
    Plateforme &plateforme = Plateforme::courante();
    tailleTwips(LargeurFenetre, HauteurCourte);
    m_cadre.deplacement->setCaption(titreAppli());

    if (Reglages::courant().illisible())
        plateforme.message(Base::messageReglagesIllisibles(Reglages::courant().fichier()), Plateforme::Boutons::Ok,
                           Plateforme::Icone::Exclamation, Base::titreErreur(), Plateforme::Reponse::Ok);
    const auto valeurs = Base::chargeReglages(Reglages::courant(), plateforme.aujourdhui().year());
    if (!valeurs) {
        if (fermeDemarrage)
            fermeDemarrage();
        plateforme.message(Base::messageErreurChargement(), Plateforme::Boutons::Ok, Plateforme::Icone::Critique,
                           Base::titreErreur(), Plateforme::Reponse::Ok);
        return false;
    }
    Parametres &parametres = Parametres::courant();
    parametres.prend(*valeurs);
    ProcCoulDefUtil();

    const QColor ciel = Ui::couleurRgb(parametres.ciel());
    const QColor etoiles = Ui::couleurRgb(parametres.etoiles());
    Image2->setCouleurs(ciel, etoiles);
    Image1->setCouleurs(ciel, etoiles);

    const auto style = Parametres::style(valeurs->style);
    if (style == Parametres::Style::Normal) {
        appliqueDisposition(false);
        centreSurEcran();
    } else if (style == Parametres::Style::Compteur) {
        ouvreCompteur();
    } else if (style == Parametres::Style::Lune) {
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
    if (dateDemarrage)
        choisitDate(*dateDemarrage);
    // A start on the counter opened it before the first date was selected.
    if (m_panneau.compteurVisible)
        prendPremiereDate();
    Alea::initialise(quint32(plateforme.maintenant().time().msecsSinceStartOfDay() / 1000));

    LDAnnee->hide();
    LDMois->hide();
    CmdAnMois->setCaption(QString());
    // The keyboard starts on today, in the day grid.
    Jour[m_jourCourant - 1]->setFocus();

    popUpInfos->CmdBulAide->setCaption(PopUpInfos::legendeInfoBulles(parametres.infoBulles()));
    popUpInfos->CmdConseilDem->setCaption(PopUpInfos::legendeConseils(parametres.conseilDemarrage()));
    if (parametres.conseilDemarrage()) {
        // Once the window is on screen, so its first picture does not wait for the tips.
        Ui::apresPremierePeinture(this, [] {
            auto *conseils = new Conseils;
            conseils->setAttribute(Qt::WA_DeleteOnClose);
            conseils->show();
        });
    }
    return true;
}

void FenPrin::appliqueDisposition(bool ouverte)
{
    const Principal::DispositionCadre d = Principal::disposition(ouverte);
    placeTwips(m_legendePhase, 0, d.hautForme3, LargeurFenetre, 315);
    placeTwips(m_cadre.bande(8), 0, d.hautForme8, LargeurFenetre, 315);
    placeTwips(m_cadre.bande(7), 0, d.hautForme7, LargeurFenetre, 315);
    placeTwips(m_cadre.bande(1), 0, 615, 600, d.hauteurForme1);
    placeTwips(m_cadre.bande(5), 4440, 615, 600, d.hauteurForme5);
    placeTwips(m_cadre.bande(2), 0, d.hautForme2, 600, d.hauteurForme2);
    placeTwips(m_cadre.bande(6), 4440, d.hautForme6, 600, d.hauteurForme6);
    tailleTwips(LargeurFenetre, d.hauteurFenetre);
    // Grown, it moves up just enough to keep its bottom on the screen.
    if (ouverte && isVisible())
        placeDansEcran(pos());
    CmdCompteur->annonceCoche();
    CmdLune->annonceCoche();
    // Below the short window's edge the counter's controls are out of sight:
    // out of the Tab order and of what a screen reader lists too.
    if (!ouverte)
        for (QWidget *w : {static_cast<QWidget *>(CmdPremDate), static_cast<QWidget *>(CmdDeuxDate),
                           static_cast<QWidget *>(FondTexteNBJ), static_cast<QWidget *>(CmdDateAJ)})
            w->hide();
}

void FenPrin::montreVue()
{
    const bool compteur = m_panneau.compteurVisible;
    const bool lune = m_panneau.luneVisible;
    for (QWidget *w : {static_cast<QWidget *>(CmdPremDate), static_cast<QWidget *>(CmdDeuxDate),
                       static_cast<QWidget *>(FondTexteNBJ), static_cast<QWidget *>(CmdDateAJ)})
        w->setVisible(compteur);
    Image2->setVisible(lune);
    m_legendePhase->setVisible(lune);
}

void FenPrin::ouvreCompteur()
{
    m_panneau = EtatPanneau::compteur();
    appliqueDisposition(true);
    montreVue();
    prendPremiereDate();
}

void FenPrin::prendPremiereDate()
{
    // Every opening starts the count from the date selected now, and says so:
    // its caption and the copied text name the date the count uses. The
    // month-year button keeps its caption.
    appliqueAuCompteur([this](const auto &s) {
        Principal::LegendesModifiees l = Principal::cliquePremiereDate(m_compteur, s);
        l.anMois.reset();
        return l;
    });
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
    const EtatPanneau suivant = Principal::appuiCompteur(m_panneau);
    if (!suivant.panneauOuvert) {
        m_panneau = suivant;
        appliqueDisposition(false);
        couvreListes();
        CmdAnMois->setCaption(QString());
        return;
    }
    ouvreCompteur();
}

void FenPrin::appuiLune()
{
    const EtatPanneau suivant = Principal::appuiLune(m_panneau);
    couvreListes();
    CmdAnMois->setCaption(QString());
    if (!suivant.panneauOuvert) {
        m_panneau = suivant;
        appliqueDisposition(false);
        Image2->hide();
        m_legendePhase->hide();
        return;
    }
    ouvreLune();
}

void FenPrin::centreSurEcran()
{
    const QScreen *ecran = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!ecran)
        return;
    const QRect e = ecran->availableGeometry();
    placeDansEcran(QPoint(e.x() + (e.width() - width()) / 2, e.y() + (e.height() - height()) / 2));
}

void FenPrin::RemplitMois()
{
    const QSignalBlocker bloque(LDMois);
    LDMois->addItems(Dates::textesListeMois());
    LDMois->setCurrentIndex(-1);
}

void FenPrin::RemplitAnnees()
{
    const QSignalBlocker bloque(LDAnnee);
    QStringList annees;
    m_premiereAnnee = Parametres::courant().anneeDebut();
    for (int a = m_premiereAnnee; a <= Parametres::courant().anneeFin(); ++a)
        annees << QString::number(a);
    LDAnnee->addItems(annees);
    // Like a fresh list: nothing selected, so selecting today always fires.
    LDAnnee->setCurrentIndex(-1);
}

void FenPrin::SelectionneAujourdhui()
{
    const QDate aujourdhui = Plateforme::courante().aujourdhui();
    LDAnnee->setCurrentIndex(aujourdhui.year() - m_premiereAnnee);
    LDMois->setCurrentIndex(aujourdhui.month() - 1);
    m_jourCourant = aujourdhui.day();
}

void FenPrin::choisitDate(const Dates::JourMoisAn &date)
{
    // As if the user had picked the year, the month, then the day.
    {
        const QSignalBlocker annee(LDAnnee);
        const QSignalBlocker mois(LDMois);
        LDAnnee->setCurrentIndex(date.annee - m_premiereAnnee);
        LDMois->setCurrentIndex(date.mois - 1);
    }
    RafraichitMois();
    cliqueJour(date.jour - 1);
}

int FenPrin::AnneeChoisie() const
{
    return LDAnnee->currentIndex() < 0 ? 0 : m_premiereAnnee + LDAnnee->currentIndex();
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
    m_periode = Dates::periodeDuMois(mois, annee);
    const auto actifs = Dates::joursActifs(mois, annee);
    for (int i = 0; i < 31; ++i) {
        Jour[i]->setEnabled(actifs[i]);
        const auto info = Dates::infoJourGrille(i + 1, mois, annee, m_periode);
        Jour[i]->setInfoBulle(info ? FenEphemeride::infoBulle(*info, QDate(annee, mois, i + 1)) : QString());
        Jour[i]->annonceNom();
    }
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
    const Dates::JourMoisAn date{m_jourCourant, MoisChoisi(), AnneeChoisie()};
    montreSelection(Dates::legendeJour(date.jour, date.mois, date.annee, m_periode), date);
}

void FenPrin::afficheAujourdhui()
{
    const QDate d = Plateforme::courante().aujourdhui();
    montreSelection(Dates::legendeAujourdhui(d), {d.day(), d.month(), d.year()});
}

void FenPrin::montreSelection(const std::optional<QString> &legende, const Dates::JourMoisAn &date)
{
    int ancienChoisi = 0;
    while (ancienChoisi < 31 && !jourChoisi(ancienChoisi))
        ++ancienChoisi;
    // No caption for a remembered day the new month lacks: the last selection stays shown.
    if (legende) {
        CmdDateJour->setCaption(*legende);
        m_selection = date;
        calculePhase();
        redessineLune();
        if (FenEphemeride *f = FenEphemeride::ouverte())
            f->setJour(jourSelection());
    }
    grilleChangee(ancienChoisi);
}

void FenPrin::grilleChangee(int ancienChoisi)
{
    int arret = std::clamp(m_jourCourant, 1, 31) - 1;
    while (arret > 0 && !Jour[arret]->isEnabled())
        --arret;
    GrilleJours->setArretTab(Jour[arret]);
    for (int i = 0; i < 31; ++i)
        if (i == ancienChoisi || jourChoisi(i))
            Jour[i]->annonceChoix();
}

void FenPrin::calculePhase()
{
    if (!m_selection)
        return;
    m_valeurSelection = Dates::valeurSelection(m_selection->jour, m_selection->mois, m_selection->annee);
    m_fraction = Lune::fractionPhase(m_valeurSelection);
    const QString legende = Lune::legendePhase(m_fraction);
    m_legendePhase->setCaption(legende);
    Image1->setAccessibleName(legende);
    Image1->setFraction(m_fraction);

    // The true Moon of that day, told on hovering the picture or its caption.
    const Dates::JourMoisAn j = Dates::dateDeValeur(m_valeurSelection);
    const QTimeZone fuseau = QTimeZone::systemTimeZone();
    const QDateTime instant =
        Lune::instantDuJour(QDate(j.annee, j.mois, j.jour), Plateforme::courante().maintenant(), fuseau);
    const QString texte = Lune::texteLune(instant, fuseau).value_or(QString());
    m_legendePhase->setInfoBulle(texte);
    Image1->setInfoBulle(texte);
}

void FenPrin::redessineLune()
{
    // The sky first, then the Moon standing on it.
    Image2->update();
    Image1->update();
}

std::optional<Principal::SelectionCourante> FenPrin::selectionCourante() const
{
    if (!m_selection)
        return std::nullopt;
    return Principal::SelectionCourante{*m_selection, m_valeurSelection, CmdDateJour->caption()};
}

void FenPrin::appliqueAuCompteur(
    const std::function<Principal::LegendesModifiees(const Principal::SelectionCourante &)> &clic)
{
    // Before the first selection the counter's buttons have nothing to take.
    if (const auto s = selectionCourante())
        appliqueLegendes(clic(*s));
}

void FenPrin::appliqueLegendes(const Principal::LegendesModifiees &l)
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
    p.copiePressePapiers(Principal::texteCopie(m_compteur, CmdDateJour->caption(), m_legendePhase->caption()));
    p.joueSon(19);
}

QStringList FenPrin::visionneusesPressePapiers()
{
    return {QStringLiteral("xclipboard"), QStringLiteral("copyq"),  QStringLiteral("diodon"),
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
    p.message(Principal::messagePressePapiersAbsent(), Plateforme::Boutons::Ok, Plateforme::Icone::Exclamation,
              Base::titreErreur(), Plateforme::Reponse::Ok);
}

void FenPrin::anMoisAppuye(Qt::MouseButton bouton)
{
    popUpInfos->hide();
    if (bouton == Qt::RightButton) {
        if (!CmdAnMois->caption().isEmpty())
            CmdAnMois->setCaption(QString());
        else if (m_selection)
            CmdAnMois->setCaption(Dates::texteCourt(*m_selection));
        return;
    }
    const bool avaitFocus = CmdAnMois->hasFocus();
    CmdAnMois->hide();
    LDAnnee->show();
    LDMois->show();
    if (avaitFocus)
        LDAnnee->setFocus();
}

void FenPrin::boiteOutilsAppuyee(Qt::MouseButton bouton)
{
    if (bouton == Qt::RightButton) {
        couvreListes();
        return;
    }
    if (boiteOutilsAffichee()) {
        m_boiteOutils->close();
        return;
    }
    if (!m_boiteOutils) {
        m_boiteOutils = new FenBOutils(this, [this] { return m_selection; });
        m_boiteOutils->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_boiteOutils, &FenBOutils::aideDemandee, this, &FenPrin::aideDemandee);
    }
    m_boiteOutils->show();
    // The window managers leave a utility window unfocused: give it the
    // keyboard, so that its tools are reached without the mouse.
    m_boiteOutils->activateWindow();
}

bool FenPrin::boiteOutilsAffichee() const
{
    // Closed, it is gone; hidden with the main window, it still counts as shown.
    return m_boiteOutils && !m_boiteOutils->isHidden();
}

FenBOutils *FenPrin::boiteOutils() const
{
    return m_boiteOutils;
}

void FenPrin::basculeMenu()
{
    popUpInfos->setVisible(popUpInfos->isHidden());
    popUpInfos->raise();
    if (popUpInfos->isVisible() && CmdApropos->hasFocus())
        popUpInfos->CmdApropos2->setFocus(Qt::TabFocusReason);
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
        connect(&dialogue, &Configure::aideDemandee, this, &FenPrin::aideDemandee);
        dialogue.executeModale();
    }
    // The sky recolours itself; the years take effect at once, the start-up view at the next start.
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
    connect(&boite, &Apropos::aideDemandee, this, &FenPrin::aideDemandee);
    boite.executeModale();
}

void FenPrin::aideAppuyee(Qt::MouseButton bouton)
{
    emit aideDemandee(bouton == Qt::RightButton   ? SujetAide::Sommaire
                      : m_panneau.compteurVisible ? SujetAide::Compteur
                                                  : SujetAide::FenetrePrincipale);
}

void FenPrin::closeEvent(QCloseEvent *event)
{
    // Closed some other way than by its own button (the window manager,
    // the task bar): every other window goes first, and so the program ends.
    if (!fermeToutEnCours())
        fermeTout(this);
    FenetreZelund::closeEvent(event);
}

void FenPrin::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        m_cadre.deplacement->setCaption(titreAppli());
        popUpInfos->CmdConseilDem->setCaption(PopUpInfos::legendeConseils(Parametres::courant().conseilDemarrage()));
    }
    FenetreZelund::changeEvent(event);
}

void FenPrin::couvreListes()
{
    CmdAnMois->show();
    LDAnnee->hide();
    LDMois->hide();
}

void FenPrin::prepareClavier()
{
    // Tab goes from the top left to the bottom right, as the controls lie.
    QList<QWidget *> ordre{m_cadre.reduire, m_cadre.fermer, CmdDateJour};
    for (int i = 0; i < 28; ++i)
        ordre << Jour[i];
    ordre << Jour[28] << Jour[29] << Jour[30] << CmdBOutils << CmdAnMois << LDAnnee << LDMois << CmdCompteur << CmdLune
          << CmdFuseauxHoraires << CmdCopier << CmdConfig << CmdAide << CmdApropos << CmdPremDate << CmdDeuxDate
          << TexteNBJ << CmdDateAJ << popUpInfos->CmdApropos2;
    for (VantelBttn *b : popUpInfos->CmdCouleur)
        ordre << b;
    ordre << popUpInfos->CmdReset << popUpInfos->CmdBulAide << popUpInfos->CmdConseilDem << popUpInfos->CmdSupprCle
          << popUpInfos->CmdRegEdit << popUpInfos->CmdFerMnu;
    for (qsizetype i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);

    for (int i = 0; i < 31; ++i) {
        Jour[i]->installEventFilter(this);
        Jour[i]->setNomCalcule([this, i] { return nomCaseJour(i); });
        Jour[i]->setCellule({i / 7, i % 7, [this, i] { return jourChoisi(i); }});
    }

    m_parcoursTab = new ParcoursTab(this, popUpInfos, CmdApropos, [this] { return m_boiteOutils.data(); });

    auto *copier = new QShortcut(QKeySequence::Copy, this);
    connect(copier, &QShortcut::activated, this, &FenPrin::copie);
    auto *calculs = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), this);
    connect(calculs, &QShortcut::activated, this, [this] { FenBOutils::montreCalculs(m_selection); });
    auto *ephemeride = new QShortcut(FenEphemeride::Touche, this);
    connect(ephemeride, &QShortcut::activated, this, [this] { FenEphemeride::montre(jourSelection()); });
}

QString FenPrin::nomCaseJour(int indice) const
{
    const int jour = indice + 1;
    const int mois = MoisChoisi();
    const int annee = AnneeChoisie();
    if (Dates::jourSaute(jour, mois, annee))
        return Dates::nomJourSaute(jour, mois, annee);
    auto texte = Dates::legendeJour(jour, mois, annee, m_periode);
    if (!texte)
        return QString::number(jour);
    QString nom = texte->left(1).toLower() + texte->mid(1);
    if (QDate(annee, mois, jour) == Plateforme::courante().aujourdhui())
        nom += QStringLiteral(", aujourd'hui");
    return nom;
}

bool FenPrin::jourChoisi(int indice) const
{
    return m_selection == Dates::JourMoisAn{indice + 1, MoisChoisi(), AnneeChoisie()};
}

QDate FenPrin::jourSelection() const
{
    const Dates::JourMoisAn j = Dates::dateDeValeur(m_valeurSelection);
    return QDate(j.annee, j.mois, j.jour);
}

bool FenPrin::eventFilter(QObject *objet, QEvent *event)
{
    // A double click on a day: the first click chose it, the almanac opens on it.
    if (event->type() == QEvent::MouseButtonDblClick && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton
        && std::find(Jour.begin(), Jour.end(), objet) != Jour.end())
        FenEphemeride::montre(jourSelection());
    if (event->type() != QEvent::KeyPress)
        return FenetreZelund::eventFilter(objet, event);
    const auto *touche = static_cast<QKeyEvent *>(event);
    const auto indice = std::find(Jour.begin(), Jour.end(), objet) - Jour.begin();
    if (indice < 31 && toucheGrille(int(indice), touche))
        return true;
    return FenetreZelund::eventFilter(objet, event);
}

bool FenPrin::focusNextPrevChild(bool suivant)
{
    return m_parcoursTab ? m_parcoursTab->avance(suivant) : FenetreZelund::focusNextPrevChild(suivant);
}

void FenPrin::echappe()
{
    popUpInfos->hide(); // the focus, if it was in it, goes back to the menu button
}

bool FenPrin::toucheGrille(int indice, const QKeyEvent *touche)
{
    const int debut = Parametres::courant().anneeDebut();
    const int fin = Parametres::courant().anneeFin();
    const Dates::JourMoisAn depart{indice + 1, MoisChoisi(), AnneeChoisie()};
    const auto modificateurs = touche->modifiers() & ~Qt::KeypadModifier;
    const bool ctrl = modificateurs == Qt::ControlModifier;
    if (modificateurs != Qt::NoModifier && !ctrl)
        return false;
    std::optional<Dates::JourMoisAn> arrivee;
    switch (touche->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        if (ctrl)
            return false;
        const int k = touche->key();
        const int pas = k == Qt::Key_Left ? -1 : k == Qt::Key_Right ? 1 : k == Qt::Key_Up ? -7 : 7;
        arrivee = Dates::jourVoisin(depart, pas, debut, fin);
        break;
    }
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        arrivee = Dates::moisVoisin(depart, (touche->key() == Qt::Key_PageUp ? -1 : 1) * (ctrl ? 12 : 1), debut, fin);
        break;
    case Qt::Key_Home: {
        if (ctrl)
            return false;
        const QDate d = Plateforme::courante().aujourdhui();
        if (d.year() >= debut && d.year() <= fin)
            arrivee = Dates::JourMoisAn{d.day(), d.month(), d.year()};
        break;
    }
    default: return false;
    }
    // At the edge of the year list the key does nothing.
    if (arrivee)
        selectionneAuClavier(*arrivee);
    return true;
}

void FenPrin::selectionneAuClavier(const Dates::JourMoisAn &date)
{
    if (date.annee != AnneeChoisie() || date.mois != MoisChoisi()) {
        const QSignalBlocker bloqueAnnee(LDAnnee);
        const QSignalBlocker bloqueMois(LDMois);
        LDAnnee->setCurrentIndex(date.annee - m_premiereAnnee);
        LDMois->setCurrentIndex(date.mois - 1);
        RafraichitMois();
    }
    // Then exactly what a click on that day does.
    cliqueJour(date.jour - 1);
    setAttribute(Qt::WA_KeyboardFocusChange);
    Jour[date.jour - 1]->setFocus(Qt::OtherFocusReason);
}
