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

VantelBttn *FenPrin::creeBouton(QWidget *parent, const QString &nom, const QString &caption, int g, int h, int l,
                                int ht)
{
    auto *b = new VantelBttn(caption, parent);
    b->setObjectName(nom);
    placeTwips(b, g, h, l, ht);
    return b;
}

VantelBttn *FenPrin::creeBoutonImage(const QString &nom, const QString &icone, const QString &infoBulle, int g, int h,
                                     int l, int ht)
{
    auto *b = creeBouton(m_fond, nom, QString(), g, h, l, ht);
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
    m_fond = new VantelPanel(this);
    m_fond->setObjectName(QStringLiteral("Fond"));
    placeTwips(m_fond, 600, 630, 3840, 6615);

    creeDateEtJours();
    creeListes();
    creeBoutonsImages();
    creeCompteur();
    creeCielEtMenu();
}

void FenPrin::creeDateEtJours()
{
    m_legendeDate = creeBouton(m_fond, QStringLiteral("CmdDateJour"), QString(), 30, 30, 3780, 435);
    m_legendeDate->setGradientSens(VantelBttn::Horizontal);
    QFont gras = font();
    gras.setBold(true);
    m_legendeDate->setFont(gras);
    connect(m_legendeDate, &VantelBttn::clicked, this, &FenPrin::afficheAujourdhui);
    // The date shown, then what a press shows.
    m_legendeDate->setNomCalcule([this] {
        const auto aujourdhui = Dates::legendeAujourdhui(Plateforme::courante().aujourdhui());
        if (!aujourdhui || *aujourdhui == m_legendeDate->caption())
            return m_legendeDate->caption() + QStringLiteral(", aujourd'hui");
        return m_legendeDate->caption() + QStringLiteral(" ; appuyer : aujourd'hui, ") + aujourdhui->toLower();
    });

    m_grilleJours = new GrilleBoutons(7, m_fond);
    m_grilleJours->setObjectName(QStringLiteral("GrilleJours"));
    m_grilleJours->setAccessibleName(QStringLiteral("Jours du mois"));
    placeTwips(m_grilleJours, 30, 480, 540 * 7, 420 * 4 + 435);
    for (int i = 0; i < 31; ++i) {
        m_jours[i] = creeBouton(m_grilleJours, QStringLiteral("Jour(%1)").arg(i), QString::number(i + 1), 540 * (i % 7),
                                420 * (i / 7), 540, 435);
        m_grilleJours->ajoute(m_jours[i]);
        connect(m_jours[i], &VantelBttn::clicked, this, [this, i] { cliqueJour(i); });
    }
}

void FenPrin::creeListes()
{
    m_boutonBoiteOutils =
        creeBouton(m_fond, QStringLiteral("CmdBOutils"), QStringLiteral("Zelund +"), 1650, 2160, 2160, 435);
    m_boutonBoiteOutils->setGradientSens(VantelBttn::Horizontal);
    m_boutonBoiteOutils->setInfoBulle(QStringLiteral("\"Boîte à outils\"/Masquer la sélection mois-année"));
    connect(m_boutonBoiteOutils, &VantelBttn::appuye, this, &FenPrin::boiteOutilsAppuyee);
    m_boutonBoiteOutils->setAccessibleName(QStringLiteral("Zelund + : boîte à outils"));
    m_boutonBoiteOutils->setCoche([this] { return boiteOutilsAffichee(); });

    m_listeAnnees = new QComboBox(m_fond);
    m_listeAnnees->setObjectName(QStringLiteral("LDAnnee"));
    nommeListe(m_listeAnnees, QStringLiteral("Année"));
    placeTwips(m_listeAnnees, 30, 2580, 1635, 360);
    m_listeMois = new QComboBox(m_fond);
    m_listeMois->setObjectName(QStringLiteral("LDMois"));
    nommeListe(m_listeMois, QStringLiteral("Mois"));
    RechercheListe::installe(m_listeMois);
    m_listeMois->setMaxVisibleItems(12);
    placeTwips(m_listeMois, 1650, 2580, 2190, 360);
    connect(m_listeAnnees, &QComboBox::currentIndexChanged, this, &FenPrin::anneeSelectionnee);
    connect(m_listeMois, &QComboBox::currentIndexChanged, this, &FenPrin::moisSelectionne);
    // Created after the lists so that it covers them.
    m_anMois = creeBouton(m_fond, QStringLiteral("CmdAnMois"), QString(), 30, 2580, 3780, 435);
    m_anMois->setGradientSens(VantelBttn::Horizontal);
    m_anMois->setNomParDefaut(QStringLiteral("Choisir le mois et l'année"));
    connect(m_anMois, &VantelBttn::appuye, this, &FenPrin::anMoisAppuye);
}

void FenPrin::creeBoutonsImages()
{
    m_boutonCompteur = creeBoutonImage(QStringLiteral("CmdCompteur"), QStringLiteral("compteur"),
                                       QStringLiteral("Compteur"), 30, 3000, 645, 1095);
    m_boutonLune = creeBoutonImage(QStringLiteral("CmdLune"), QStringLiteral("lune"),
                                   QStringLiteral("Phases de la Lune"), 660, 3000, 645, 1095);
    m_boutonFuseaux = creeBoutonImage(QStringLiteral("CmdFuseauxHoraires"), QStringLiteral("fuseaux"),
                                      QStringLiteral("Fuseaux horaires"), 1290, 3000, 645, 1095);
    m_boutonCopier = creeBoutonImage(QStringLiteral("CmdCopier"), QStringLiteral("copier"),
                                     QStringLiteral("Copier/Appel du presse-papiers"), 1920, 3000, 645, 1095);
    m_boutonConfig = creeBoutonImage(QStringLiteral("CmdConfig"), QStringLiteral("config"),
                                     QStringLiteral("Configuration"), 2550, 3000, 645, 1095);
    m_boutonAide = creeBoutonImage(QStringLiteral("CmdAide"), QStringLiteral("aide"),
                                   QStringLiteral("Appel de l'aide sur la fenêtre/Appel de l'aide générale"), 3180,
                                   3000, 630, 555);
    connect(m_boutonAide, &VantelBttn::appuye, this, &FenPrin::aideAppuyee);
    m_boutonMenu = creeBoutonImage(QStringLiteral("CmdApropos"), QStringLiteral("menu"),
                                   QStringLiteral("Menu : A propos, couleurs de l'interface, info-bulles..."), 3180,
                                   3540, 630, 555);
}

void FenPrin::creeCompteur()
{
    m_premiereDate =
        creeBouton(m_fond, QStringLiteral("CmdPremDate"), QStringLiteral("Première date"), 60, 4140, 3720, 390);
    m_deuxiemeDate =
        creeBouton(m_fond, QStringLiteral("CmdDeuxDate"), QStringLiteral("Deuxième date"), 60, 4560, 3720, 390);
    m_fondEcart = new VantelPanel(m_fond);
    m_fondEcart->setObjectName(QStringLiteral("FondTexteNBJ"));
    placeTwips(m_fondEcart, 60, 4980, 3720, 1155);
    m_ecart = new QLabel(QStringLiteral("Temps écoulé entre les deux dates :"), m_fondEcart);
    m_ecart->setObjectName(QStringLiteral("TexteNBJ"));
    m_ecart->setWordWrap(true);
    m_ecart->setAlignment(Qt::AlignCenter);
    m_ecart->setGeometry(m_fondEcart->rect().adjusted(4, 4, -4, -4));
    Ui::resultatLisible(m_ecart);
    m_dateAujourdhui = creeBouton(m_fond, QStringLiteral("CmdDateAJ"), QStringLiteral("Date affichée / Date du jour"),
                                  60, 6180, 3720, 390);
    for (VantelBttn *b : {m_premiereDate, m_deuxiemeDate, m_dateAujourdhui})
        b->setGradientSens(VantelBttn::Horizontal);
    connect(m_premiereDate, &VantelBttn::clicked, this, [this] {
        appliqueAuCompteur([this](const auto &s) { return Principal::cliquePremiereDate(m_compteur, s); });
    });
    connect(m_deuxiemeDate, &VantelBttn::clicked, this, [this] {
        appliqueAuCompteur([this](const auto &s) { return Principal::cliqueDeuxiemeDate(m_compteur, s); });
    });
    connect(m_dateAujourdhui, &VantelBttn::clicked, this, [this] {
        appliqueAuCompteur([this](const auto &s) {
            return Principal::cliqueDateAujourdhui(m_compteur, s, Plateforme::courante().aujourdhui());
        });
    });
    m_boutonCompteur->setCoche([this] { return m_panneau.compteurVisible; });
    m_boutonLune->setCoche([this] { return m_panneau.luneVisible; });
    connect(m_boutonCompteur, &VantelBttn::clicked, this, &FenPrin::appuiCompteur);
    connect(m_boutonLune, &VantelBttn::clicked, this, &FenPrin::appuiLune);
    connect(m_boutonCopier, &VantelBttn::clicked, this, &FenPrin::copie);
    connect(m_boutonCopier, &VantelBttn::appuye, this, &FenPrin::copierAppuye);
}

void FenPrin::creeCielEtMenu()
{
    // Created last so that the sky covers the counter's controls.
    m_ciel = new ImageCiel(m_fond);
    m_ciel->setObjectName(QStringLiteral("Image2"));
    placeTwips(m_ciel, 0, 4080, 3840, 2535);
    m_lune = new ImageLune(m_ciel);
    m_lune->setObjectName(QStringLiteral("Image1"));
    placeTwips(m_lune, 1320, 30, 2400, 2415);
    m_ciel->hide();

    m_menu = new PopUpInfos(this);
    // A colour changed from the menu shows at once, here alone: the other
    // windows take the colours when they load.
    connect(&Parametres::courant(), &Parametres::changee, this, [this](Parametres::Cle cle) {
        if (cle < Parametres::couleur(Couleurs::Nombre))
            appliqueCouleurs();
    });
    connect(m_menu, &PopUpInfos::aproposDemande, this, &FenPrin::apropos);
    connect(m_boutonMenu, &VantelBttn::clicked, this, &FenPrin::basculeMenu);
    connect(m_boutonFuseaux, &VantelBttn::clicked, this, &FenPrin::fuseauxHoraires);
    connect(m_boutonConfig, &VantelBttn::clicked, this, &FenPrin::configure);
}

void FenPrin::appliqueCouleurs()
{
    AffectationCouleurs a;
    a.fenetre = this;
    m_menu->ajouteCouleurs(a);
    a.degrade = {m_legendeDate};
    for (VantelBttn *j : m_jours)
        a.degrade << j;
    a.degrade << m_anMois << m_boutonCompteur << m_boutonLune << m_boutonFuseaux << m_boutonCopier << m_boutonConfig
              << m_boutonAide << m_boutonMenu;
    a.degradeInverse = {m_boutonBoiteOutils, m_premiereDate, m_deuxiemeDate, m_dateAujourdhui};
    a.panneauxInverses << m_fondEcart;
    a.panneaux = {m_fond};
    QList<VantelBttn *> textes = {m_legendeDate};
    for (VantelBttn *j : m_jours)
        textes << j;
    textes << m_boutonBoiteOutils << m_anMois << m_premiereDate << m_deuxiemeDate << m_dateAujourdhui;
    a.lumiere << textes;
    for (VantelBttn *b : textes)
        a.autresTextes << b;
    a.autresTextes << m_listeAnnees << m_listeMois << m_ecart;
    a.visualisation = {m_listeAnnees, m_listeMois};
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
    appliqueCouleurs();

    const QColor ciel = Ui::couleurRgb(parametres.ciel());
    const QColor etoiles = Ui::couleurRgb(parametres.etoiles());
    m_ciel->setCouleurs(ciel, etoiles);
    m_lune->setCouleurs(ciel, etoiles);

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
    remplitMois();
    remplitAnnees();
    selectionneAujourdhui();
    calculePhase();
    if (dateDemarrage)
        choisitDate(*dateDemarrage);
    // A start on the counter opened it before the first date was selected.
    if (m_panneau.compteurVisible)
        prendPremiereDate();
    Alea::initialise(quint32(plateforme.maintenant().time().msecsSinceStartOfDay() / 1000));

    m_listeAnnees->hide();
    m_listeMois->hide();
    m_anMois->setCaption(QString());
    // The keyboard starts on today, in the day grid.
    m_jours[m_jourCourant - 1]->setFocus();

    m_menu->actualiseInterrupteurs();
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
    m_boutonCompteur->annonceCoche();
    m_boutonLune->annonceCoche();
    // Below the short window's edge the counter's controls are out of sight:
    // out of the Tab order and of what a screen reader lists too.
    if (!ouverte)
        for (QWidget *w : {static_cast<QWidget *>(m_premiereDate), static_cast<QWidget *>(m_deuxiemeDate),
                           static_cast<QWidget *>(m_fondEcart), static_cast<QWidget *>(m_dateAujourdhui)})
            w->hide();
}

void FenPrin::montreVue()
{
    const bool compteur = m_panneau.compteurVisible;
    const bool lune = m_panneau.luneVisible;
    for (QWidget *w : {static_cast<QWidget *>(m_premiereDate), static_cast<QWidget *>(m_deuxiemeDate),
                       static_cast<QWidget *>(m_fondEcart), static_cast<QWidget *>(m_dateAujourdhui)})
        w->setVisible(compteur);
    m_ciel->setVisible(lune);
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
    m_menu->hide();
    const EtatPanneau suivant = Principal::appuiCompteur(m_panneau);
    if (!suivant.panneauOuvert) {
        m_panneau = suivant;
        appliqueDisposition(false);
        couvreListes();
        m_anMois->setCaption(QString());
        return;
    }
    ouvreCompteur();
}

void FenPrin::appuiLune()
{
    const EtatPanneau suivant = Principal::appuiLune(m_panneau);
    couvreListes();
    m_anMois->setCaption(QString());
    if (!suivant.panneauOuvert) {
        m_panneau = suivant;
        appliqueDisposition(false);
        m_ciel->hide();
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

void FenPrin::remplitMois()
{
    const QSignalBlocker bloque(m_listeMois);
    m_listeMois->addItems(Dates::textesListeMois());
    m_listeMois->setCurrentIndex(-1);
}

void FenPrin::remplitAnnees()
{
    const QSignalBlocker bloque(m_listeAnnees);
    QStringList annees;
    m_premiereAnnee = Parametres::courant().anneeDebut();
    for (int a = m_premiereAnnee; a <= Parametres::courant().anneeFin(); ++a)
        annees << QString::number(a);
    m_listeAnnees->addItems(annees);
    // Like a fresh list: nothing selected, so selecting today always fires.
    m_listeAnnees->setCurrentIndex(-1);
}

void FenPrin::selectionneAujourdhui()
{
    const QDate aujourdhui = Plateforme::courante().aujourdhui();
    m_listeAnnees->setCurrentIndex(aujourdhui.year() - m_premiereAnnee);
    m_listeMois->setCurrentIndex(aujourdhui.month() - 1);
    m_jourCourant = aujourdhui.day();
}

void FenPrin::choisitDate(const Dates::JourMoisAn &date)
{
    // As if the user had picked the year, the month, then the day.
    {
        const QSignalBlocker annee(m_listeAnnees);
        const QSignalBlocker mois(m_listeMois);
        m_listeAnnees->setCurrentIndex(date.annee - m_premiereAnnee);
        m_listeMois->setCurrentIndex(date.mois - 1);
    }
    rafraichitMois();
    cliqueJour(date.jour - 1);
}

int FenPrin::anneeChoisie() const
{
    return m_listeAnnees->currentIndex() < 0 ? 0 : m_premiereAnnee + m_listeAnnees->currentIndex();
}

int FenPrin::moisChoisi() const
{
    return m_listeMois->currentIndex() + 1;
}

void FenPrin::rafraichitMois()
{
    actualiseGrille(moisChoisi(), anneeChoisie());
}

void FenPrin::actualiseGrille(int mois, int annee)
{
    if (mois < 1 || annee == 0)
        return;
    m_periode = Dates::periodeDuMois(mois, annee);
    const auto actifs = Dates::joursActifs(mois, annee);
    for (int i = 0; i < 31; ++i) {
        m_jours[i]->setEnabled(actifs[i]);
        const auto info = Dates::infoJourGrille(i + 1, mois, annee, m_periode);
        m_jours[i]->setInfoBulle(info ? FenEphemeride::infoBulle(*info, QDate(annee, mois, i + 1)) : QString());
        m_jours[i]->annonceNom();
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
    rafraichitMois();
    cliqueJour(m_jourCourant - 1);
}

void FenPrin::cliqueJour(int indice)
{
    m_jourCourant = indice + 1;
    const Dates::JourMoisAn date{m_jourCourant, moisChoisi(), anneeChoisie()};
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
        m_legendeDate->setCaption(*legende);
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
    while (arret > 0 && !m_jours[arret]->isEnabled())
        --arret;
    m_grilleJours->setArretTab(m_jours[arret]);
    for (int i = 0; i < 31; ++i)
        if (i == ancienChoisi || jourChoisi(i))
            m_jours[i]->annonceChoix();
}

void FenPrin::calculePhase()
{
    if (!m_selection)
        return;
    m_valeurSelection = Dates::valeurSelection(m_selection->jour, m_selection->mois, m_selection->annee);
    m_fraction = Lune::fractionPhase(m_valeurSelection);
    const QString legende = Lune::legendePhase(m_fraction);
    m_legendePhase->setCaption(legende);
    m_lune->setAccessibleName(legende);
    m_lune->setFraction(m_fraction);

    // The true Moon of that day, told on hovering the picture or its caption.
    const Dates::JourMoisAn j = Dates::dateDeValeur(m_valeurSelection);
    const QTimeZone fuseau = QTimeZone::systemTimeZone();
    const QDateTime instant =
        Lune::instantDuJour(QDate(j.annee, j.mois, j.jour), Plateforme::courante().maintenant(), fuseau);
    const QString texte = Lune::texteLune(instant, fuseau).value_or(QString());
    m_legendePhase->setInfoBulle(texte);
    m_lune->setInfoBulle(texte);
}

void FenPrin::redessineLune()
{
    // The sky first, then the Moon standing on it.
    m_ciel->update();
    m_lune->update();
}

std::optional<Principal::SelectionCourante> FenPrin::selectionCourante() const
{
    if (!m_selection)
        return std::nullopt;
    return Principal::SelectionCourante{*m_selection, m_valeurSelection, m_legendeDate->caption()};
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
        m_premiereDate->setCaption(*l.premiereDate);
    if (l.deuxiemeDate)
        m_deuxiemeDate->setCaption(*l.deuxiemeDate);
    if (l.anMois)
        m_anMois->setCaption(*l.anMois);
    if (l.texteNBJ)
        m_ecart->setText(*l.texteNBJ);
}

void FenPrin::copie()
{
    Plateforme &p = Plateforme::courante();
    p.copiePressePapiers(Principal::texteCopie(m_compteur, m_legendeDate->caption(), m_legendePhase->caption()));
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
    m_menu->hide();
    if (bouton == Qt::RightButton) {
        if (!m_anMois->caption().isEmpty())
            m_anMois->setCaption(QString());
        else if (m_selection)
            m_anMois->setCaption(Dates::texteCourt(*m_selection));
        return;
    }
    const bool avaitFocus = m_anMois->hasFocus();
    m_anMois->hide();
    m_listeAnnees->show();
    m_listeMois->show();
    if (avaitFocus)
        m_listeAnnees->setFocus();
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
    m_menu->setVisible(m_menu->isHidden());
    m_menu->raise();
    if (m_menu->isVisible() && m_boutonMenu->hasFocus())
        m_menu->prendLeClavier();
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
    m_menu->hide();
    {
        Configure dialogue(this);
        connect(&dialogue, &Configure::aideDemandee, this, &FenPrin::aideDemandee);
        dialogue.executeModale();
    }
    // The sky recolours itself; the years take effect at once, the start-up view at the next start.
    {
        const QSignalBlocker bloque(m_listeAnnees);
        m_listeAnnees->clear();
    }
    remplitAnnees();
    selectionneAujourdhui();
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
        m_menu->actualiseConseils();
    }
    FenetreZelund::changeEvent(event);
}

void FenPrin::couvreListes()
{
    m_anMois->show();
    m_listeAnnees->hide();
    m_listeMois->hide();
}

void FenPrin::prepareClavier()
{
    // Tab goes from the top left to the bottom right, as the controls lie.
    QList<QWidget *> ordre{m_cadre.reduire, m_cadre.fermer, m_legendeDate};
    for (int i = 0; i < 28; ++i)
        ordre << m_jours[i];
    ordre << m_jours[28] << m_jours[29] << m_jours[30] << m_boutonBoiteOutils << m_anMois << m_listeAnnees
          << m_listeMois << m_boutonCompteur << m_boutonLune << m_boutonFuseaux << m_boutonCopier << m_boutonConfig
          << m_boutonAide << m_boutonMenu << m_premiereDate << m_deuxiemeDate << m_ecart << m_dateAujourdhui;
    for (qsizetype i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);
    m_menu->suitDansLOrdreTab(m_dateAujourdhui);

    for (int i = 0; i < 31; ++i) {
        m_jours[i]->installEventFilter(this);
        m_jours[i]->setNomCalcule([this, i] { return nomCaseJour(i); });
        m_jours[i]->setCellule({i / 7, i % 7, [this, i] { return jourChoisi(i); }});
    }

    m_parcoursTab = new ParcoursTab(this, m_menu, m_boutonMenu, [this] { return m_boiteOutils.data(); });

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
    const int mois = moisChoisi();
    const int annee = anneeChoisie();
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
    return m_selection == Dates::JourMoisAn{indice + 1, moisChoisi(), anneeChoisie()};
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
        && std::find(m_jours.begin(), m_jours.end(), objet) != m_jours.end())
        FenEphemeride::montre(jourSelection());
    if (event->type() != QEvent::KeyPress)
        return FenetreZelund::eventFilter(objet, event);
    const auto *touche = static_cast<QKeyEvent *>(event);
    const auto indice = std::find(m_jours.begin(), m_jours.end(), objet) - m_jours.begin();
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
    m_menu->hide(); // the focus, if it was in it, goes back to the menu button
}

bool FenPrin::toucheGrille(int indice, const QKeyEvent *touche)
{
    const int debut = Parametres::courant().anneeDebut();
    const int fin = Parametres::courant().anneeFin();
    const Dates::JourMoisAn depart{indice + 1, moisChoisi(), anneeChoisie()};
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
    if (date.annee != anneeChoisie() || date.mois != moisChoisi()) {
        const QSignalBlocker bloqueAnnee(m_listeAnnees);
        const QSignalBlocker bloqueMois(m_listeMois);
        m_listeAnnees->setCurrentIndex(date.annee - m_premiereAnnee);
        m_listeMois->setCurrentIndex(date.mois - 1);
        rafraichitMois();
    }
    // Then exactly what a click on that day does.
    cliqueJour(date.jour - 1);
    setAttribute(Qt::WA_KeyboardFocusChange);
    m_jours[date.jour - 1]->setFocus(Qt::OtherFocusReason);
}
