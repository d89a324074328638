#include "appearance/configure.h"

#include "appearance/config.h"
#include "base/parametres.h"
#include "base/plateforme.h"
#include "base/reglages.h"
#include "ui/appliquecouleurs.h"
#include "ui/barrereglable.h"
#include "ui/couleurqt.h"
#include "ui/vantelbttn.h"
#include "ui/vantelpanel.h"

#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <algorithm>

namespace {
constexpr int Largeur = 5430;
constexpr int Hauteur = 6180;

void metCouleurPanneau(VantelPanel *p, const Base::Rgb &c)
{
    p->setBackcolor(Ui::couleurRgb(c));
}
} // namespace

Configure::Configure(QWidget *parent)
    : FenetreZelund(parent)
{
    setObjectName(QStringLiteral("Configure"));
    setDialogue(true);
    metPoliceVerdana();
    creeCadre();
    creeCouleurs();
    creeAnnees();
    creeOptions();
    creeBoutons();
    appliqueSchema();
    tailleTwips(Largeur, Hauteur);
    charge();
    // Opens over the main window; it is not brought back there at each activation.
    centreSurPrincipale();
    // The keyboard starts on the first control, never on a button that
    // discards. Return on a button presses that button (it takes the key
    // before this shortcut); anywhere else it keeps the edits.
    CmdCoulCiel->setFocus();
    for (const QKeySequence &touche : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto *ok = new QShortcut(touche, this);
        // While a colour is edited OK is off: Return then confirms the colour.
        connect(ok, &QShortcut::activated, this, [this] { (CmdOK->isEnabled() ? CmdOK : CmdCoulOK)->click(); });
    }
}

void Configure::creeCadre()
{
    m_cadre = construitCadre({QStringLiteral("Zelund - Configuration"),
                              Largeur,
                              true,
                              false,
                              {{1, {0, 300, 5430, 315}, true},
                               {2, {0, 600, 600, 2490}, false},
                               {3, {0, 3090, 600, 2460}, true},
                               {4, {4830, 600, 600, 2490}, false},
                               {5, {4830, 3090, 600, 2460}, true},
                               {7, {0, 5550, 5430, 315}, false},
                               {6, {0, 5865, 5430, 315}, true}}});
    FondConfig = new VantelPanel(this);
    FondConfig->setObjectName(QStringLiteral("FondConfig"));
    placeTwips(FondConfig, 600, 615, 4245, 4935);
}

VantelBttn *Configure::creeBouton(const QString &caption, int g, int h, int l, int ht)
{
    auto *b = new VantelBttn(caption, FondConfig);
    b->setGradientSens(VantelBttn::Horizontal);
    placeTwips(b, g, h, l, ht);
    return b;
}

// Text panels show a flat colour: "Visualisation, dossiers, etc.".
VantelPanel *Configure::creeTexte(int g, int h, int l, int ht)
{
    auto *p = new VantelPanel(FondConfig);
    p->setGradientBackColor(false);
    placeTwips(p, g, h, l, ht);
    return p;
}

VantelPanel *Configure::creeBarre(QScrollBar *&barre, const QString &nom, const QColor &fond, int haut)
{
    auto *p = new VantelPanel(FondConfig);
    p->setGradientBackColor(false);
    p->setBackcolor(fond);
    placeTwips(p, 60, haut, 2775, 315);
    barre = new QScrollBar(Qt::Horizontal, p);
    barre->setObjectName(nom);
    barre->setAccessibleName(nom);
    BarreReglable::installe(barre);
    barre->setRange(0, 255);
    barre->setSingleStep(1);
    barre->setPageStep(10);
    placeTwips(barre, 300, 30, 2445, 255);
    connect(barre, &QScrollBar::valueChanged, this, &Configure::barresChangees);
    return p;
}

void Configure::creeCouleurs()
{
    CmdCoulCiel = creeBouton(QStringLiteral("Couleur du ciel"), 60, 60, 2175, 315);
    TextCiel = creeTexte(2280, 60, 1335, 315);
    CoulCiel = creeTexte(3660, 60, 555, 315);
    CmdCoulLune = creeBouton(QStringLiteral("Couleur lune/étoiles"), 60, 480, 2175, 315);
    TextLune = creeTexte(2280, 480, 1335, 315);
    CoulLune = creeTexte(3660, 480, 555, 315);
    VantelPanel1 = creeBarre(Rouge, QStringLiteral("Rouge"), QColor(255, 0, 0), 900);
    VantelPanel2 = creeBarre(Vert, QStringLiteral("Vert"), QColor(0, 255, 0), 1260);
    VantelPanel3 = creeBarre(Bleu, QStringLiteral("Bleu"), QColor(0, 0, 255), 1620);
    CoulReg = creeTexte(2880, 900, 1335, 1035);
    CoulReg->setBackcolor(Qt::black);
    TextCoul = creeTexte(2880, 1980, 1335, 315);
    TextCoul->setCaption(QStringLiteral("255 255 255"));
    CmdCoulOK = creeBouton(QStringLiteral("OK"), 60, 1980, 2775, 315);
    // Each swatch and value says whose it is; the two OK buttons differ by name.
    CmdCoulOK->setAccessibleName(QStringLiteral("OK, valider la couleur"));
    CoulCiel->setAccessibleName(QStringLiteral("Aperçu de la couleur du ciel"));
    CoulLune->setAccessibleName(QStringLiteral("Aperçu de la couleur lune/étoiles"));
    CoulReg->setAccessibleName(QStringLiteral("Aperçu de la couleur réglée"));
    TextCiel->setAccessibleDescription(QStringLiteral("Couleur du ciel, rouge vert bleu"));
    TextLune->setAccessibleDescription(QStringLiteral("Couleur lune/étoiles, rouge vert bleu"));
    TextCoul->setAccessibleDescription(QStringLiteral("Couleur réglée, rouge vert bleu"));
    connect(CmdCoulCiel, &VantelBttn::clicked, this, [this] { commenceEdition(true); });
    connect(CmdCoulLune, &VantelBttn::clicked, this, [this] { commenceEdition(false); });
    connect(CmdCoulOK, &VantelBttn::clicked, this, &Configure::valideCouleur);
}

void Configure::creeAnnees()
{
    LblAnDeb = new QLabel(QStringLiteral("Année de début :"), FondConfig);
    placeTwips(LblAnDeb, 540, 2460, 1710, 255);
    LblAnFin = new QLabel(QStringLiteral("Année de fin :"), FondConfig);
    placeTwips(LblAnFin, 540, 2820, 1710, 255);
    TextAnDeb = creeTexte(2280, 2400, 735, 315);
    TextAnFin = creeTexte(2280, 2760, 735, 315);
    TextAnDeb->setAccessibleDescription(QStringLiteral("Année de début"));
    TextAnFin->setAccessibleDescription(QStringLiteral("Année de fin"));

    VantelPanel9 = new VantelPanel(FondConfig);
    placeTwips(VantelPanel9, 3060, 2400, 1155, 315);
    ScrollDeb = new QScrollBar(Qt::Horizontal, VantelPanel9);
    ScrollDeb->setRange(Config::DebutMin, Config::DebutMax);
    ScrollDeb->setObjectName(QStringLiteral("ScrollDeb"));
    ScrollDeb->setAccessibleName(QStringLiteral("Année de début"));
    VantelPanel10 = new VantelPanel(FondConfig);
    placeTwips(VantelPanel10, 3060, 2760, 1155, 315);
    ScrollFin = new QScrollBar(Qt::Horizontal, VantelPanel10);
    ScrollFin->setRange(Config::FinMin, Config::FinMax);
    ScrollFin->setObjectName(QStringLiteral("ScrollFin"));
    ScrollFin->setAccessibleName(QStringLiteral("Année de fin"));
    for (QScrollBar *b : {ScrollDeb, ScrollFin}) {
        BarreReglable::installe(b);
        b->setSingleStep(1);
        b->setPageStep(100);
        placeTwips(b, 30, 30, 1095, 255);
    }
    LblAnDeb->setBuddy(ScrollDeb);
    LblAnFin->setBuddy(ScrollFin);
    connect(ScrollDeb, &QScrollBar::valueChanged, this, &Configure::anneeDebutChangee);
    connect(ScrollFin, &QScrollBar::valueChanged, this, &Configure::anneeFinChangee);
}

void Configure::creeOptions()
{
    FondAffDem = creeTexte(60, 3180, 4155, 1215);
    FondAffDem->setCaption(QStringLiteral("- Affichage au démarrage -"));
    const std::array<QString, 3> textes = {QStringLiteral("Normal"), QStringLiteral("Afficher le compteur"),
                                           QStringLiteral("Afficher les phases de la Lune")};
    // The group is one Tab stop, on its checked option; the arrows move within it.
    const auto arretTab = [this] {
        const bool aucune = std::none_of(AffDemOpt.begin(), AffDemOpt.end(), [](auto *o) { return o->isChecked(); });
        for (QRadioButton *o : AffDemOpt)
            o->setFocusPolicy(o->isChecked() || (aucune && o == AffDemOpt[0]) ? Qt::StrongFocus : Qt::ClickFocus);
    };
    for (int i = 0; i < 3; ++i) {
        AffDemOpt[i] = new QRadioButton(textes[i], FondAffDem);
        placeTwips(AffDemOpt[i], 120, 300 * (i + 1), 3915, 255);
        connect(AffDemOpt[i], &QRadioButton::clicked, this, &Configure::optionChoisie);
        connect(AffDemOpt[i], &QRadioButton::toggled, this, arretTab);
    }
    arretTab();
}

void Configure::creeBoutons()
{
    CmdAnnul = creeBouton(QStringLiteral("Annuler"), 60, 4470, 1335, 375);
    CmdAide = creeBouton(QStringLiteral("Aide"), 1440, 4470, 1335, 375);
    CmdAide->setInfoBulle(QStringLiteral("Appel de l'aide sur la fenêtre/Appel de l'aide générale"));
    CmdOK = creeBouton(QStringLiteral("OK"), 2820, 4470, 1335, 375);
    connect(CmdAnnul, &VantelBttn::clicked, this, &QWidget::close);
    connect(CmdAide, &VantelBttn::clicked, this, [this] { emit aideDemandee(SujetAide::Configuration); });
    connect(CmdAide, &VantelBttn::appuye, this, &Configure::aideAppuyee);
    connect(CmdOK, &VantelBttn::clicked, this, &Configure::valide);
}

void Configure::appliqueSchema()
{
    const QList<VantelBttn *> six = {CmdCoulCiel, CmdCoulLune, CmdCoulOK, CmdAnnul, CmdAide, CmdOK};
    const QList<VantelPanel *> panneaux = {TextCiel, TextLune, TextCoul, TextAnDeb, TextAnFin, FondAffDem};
    AffectationCouleurs a;
    a.fenetre = this;
    a.degrade = six;
    a.panneaux = {FondConfig};
    a.lumiere = six;
    for (VantelBttn *b : six)
        a.autresTextes << b;
    for (VantelPanel *p : panneaux) {
        a.autresTextes << p;
        a.visualisation << p;
    }
    a.autresTextes << LblAnDeb << LblAnFin;
    for (QRadioButton *o : AffDemOpt) {
        a.autresTextes << o;
        a.visualisation << o;
    }
    m_cadre.ajouteCouleurs(a);
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
}

int Configure::anneeCourante()
{
    return Plateforme::courante().aujourdhui().year();
}

void Configure::charge()
{
    Parametres &p = Parametres::courant();
    const Config::Valeurs enCours{p.ciel(), p.etoiles(), {}, {}, p.anneeDebut(), p.anneeFin(), {}};
    // Another copy, or another program, may have changed the store since the start.
    Reglages::courant().relit();
    const Config::Valeurs v = Config::LisValeurs(Reglages::courant(), enCours, anneeCourante());
    m_ouverture = v;
    // Whichever way the dialog is left, the main window rebuilds its year list from these.
    p.metAnneeDebut(v.anneeDebut, Parametres::Ecriture::Non);
    p.metAnneeFin(v.anneeFin, Parametres::Ecriture::Non);
    m_ciel = v.ciel;
    m_lune = v.lune;
    metCouleurPanneau(CoulCiel, m_ciel);
    metCouleurPanneau(CoulLune, m_lune);
    TextCiel->setCaption(v.texteCiel);
    TextLune->setCaption(v.texteLune);
    ScrollDeb->setValue(v.anneeDebut);
    TextAnDeb->setCaption(QString::number(ScrollDeb->value()));
    ScrollFin->setValue(v.anneeFin);
    TextAnFin->setCaption(QString::number(ScrollFin->value()));
    CmdCoulOK->setEnabled(false);
    m_style = v.style;
    if (const auto option = Config::OptionStyle(m_style))
        AffDemOpt[*option]->setChecked(true);
}

void Configure::activeHorsEdition(bool actif)
{
    CmdOK->setEnabled(actif);
    CmdAnnul->setEnabled(actif);
    ScrollDeb->setEnabled(actif);
    ScrollFin->setEnabled(actif);
}

void Configure::commenceEdition(bool ciel)
{
    m_editionCiel = ciel;
    m_editionEnCours = true;
    (ciel ? CmdCoulLune : CmdCoulCiel)->setEnabled(false);
    activeHorsEdition(false);
    const Base::Rgb &c = ciel ? m_ciel : m_lune;
    {
        // One refresh for the three bars rather than one per bar.
        const QSignalBlocker r(Rouge), v(Vert), b(Bleu);
        Rouge->setValue(c.r);
        Vert->setValue(c.g);
        Bleu->setValue(c.b);
    }
    barresChangees();
    CmdCoulOK->setEnabled(true);
}

void Configure::barresChangees()
{
    const Base::Rgb c{Rouge->value(), Vert->value(), Bleu->value()};
    metCouleurPanneau(CoulReg, c);
    TextCoul->setCaption(Base::texteRgb(c));
}

void Configure::valideCouleur()
{
    m_editionEnCours = false;
    const Base::Rgb c{Rouge->value(), Vert->value(), Bleu->value()};
    if (m_editionCiel) {
        m_ciel = c;
        metCouleurPanneau(CoulCiel, c);
        TextCiel->setCaption(Base::texteRgb(c));
    } else {
        m_lune = c;
        metCouleurPanneau(CoulLune, c);
        TextLune->setCaption(Base::texteRgb(c));
    }
    CmdCoulCiel->setEnabled(true);
    CmdCoulLune->setEnabled(true);
    activeHorsEdition(true);
    CmdCoulOK->setEnabled(false);
}

void Configure::anneeDebutChangee()
{
    const int calee = Config::CaleAnneeDebut(ScrollDeb->value(), anneeCourante());
    if (calee != ScrollDeb->value())
        ScrollDeb->setValue(calee); // comes back here with the snapped value
    TextAnDeb->setCaption(QString::number(ScrollDeb->value()));
}

void Configure::anneeFinChangee()
{
    const int calee = Config::CaleAnneeFin(ScrollFin->value(), anneeCourante());
    if (calee != ScrollFin->value())
        ScrollFin->setValue(calee);
    TextAnFin->setCaption(QString::number(ScrollFin->value()));
}

void Configure::optionChoisie()
{
    for (int i = 0; i < int(AffDemOpt.size()); ++i)
        if (AffDemOpt[i]->isChecked()) {
            m_style = Config::StyleOption(i);
            return;
        }
}

void Configure::valide()
{
    const Config::Valeurs v{m_ciel, m_lune, {}, {}, ScrollDeb->value(), ScrollFin->value(), m_style};
    const auto changees = Config::ClesChangees(m_ouverture, v);
    // A value the user left alone is not written back over what another program may have written.
    const auto ecriture = [&changees](Parametres::Cle cle) {
        return std::find(changees.begin(), changees.end(), cle) != changees.end() ? Parametres::Ecriture::SiChange
                                                                                  : Parametres::Ecriture::Non;
    };
    using Cle = Parametres::Cle;
    Parametres &p = Parametres::courant();
    p.ensemble([&] {
        p.metCiel(m_ciel, ecriture(Cle::Ciel));
        p.metEtoiles(m_lune, ecriture(Cle::Etoiles));
        p.metAnneeDebut(v.anneeDebut, ecriture(Cle::AnneeDebut));
        p.metAnneeFin(v.anneeFin, ecriture(Cle::AnneeFin));
        if (ecriture(Cle::Style) == Parametres::Ecriture::SiChange)
            p.metStyleDemarrage(m_style);
    });
    close();
}

void Configure::aideAppuyee(Qt::MouseButton bouton)
{
    if (bouton == Qt::RightButton)
        emit aideDemandee(SujetAide::Sommaire);
}
