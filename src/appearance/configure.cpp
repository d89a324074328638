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
    m_boutonCiel->setFocus();
    for (const QKeySequence &touche : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto *ok = new QShortcut(touche, this);
        // While a colour is edited OK is off: Return then confirms the colour.
        connect(ok, &QShortcut::activated, this, [this] { (m_ok->isEnabled() ? m_ok : m_valideCouleur)->click(); });
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
    m_fond = new VantelPanel(this);
    m_fond->setObjectName(QStringLiteral("FondConfig"));
    placeTwips(m_fond, 600, 615, 4245, 4935);
}

VantelBttn *Configure::creeBouton(const QString &nom, const QString &caption, int g, int h, int l, int ht)
{
    auto *b = new VantelBttn(caption, m_fond);
    b->setObjectName(nom);
    b->setGradientSens(VantelBttn::Horizontal);
    placeTwips(b, g, h, l, ht);
    return b;
}

// Text panels show a flat colour: "Visualisation, dossiers, etc.".
VantelPanel *Configure::creeTexte(const QString &nom, int g, int h, int l, int ht)
{
    auto *p = new VantelPanel(m_fond);
    p->setObjectName(nom);
    p->setGradientBackColor(false);
    placeTwips(p, g, h, l, ht);
    return p;
}

VantelPanel *Configure::creeBarre(QScrollBar *&barre, const QString &nom, const QColor &fond, int haut)
{
    auto *p = new VantelPanel(m_fond);
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
    m_boutonCiel = creeBouton(QStringLiteral("CmdCoulCiel"), QStringLiteral("Couleur du ciel"), 60, 60, 2175, 315);
    m_texteCiel = creeTexte(QStringLiteral("TextCiel"), 2280, 60, 1335, 315);
    m_apercuCiel = creeTexte(QStringLiteral("CoulCiel"), 3660, 60, 555, 315);
    m_boutonLune =
        creeBouton(QStringLiteral("CmdCoulLune"), QStringLiteral("Couleur lune/étoiles"), 60, 480, 2175, 315);
    m_texteLune = creeTexte(QStringLiteral("TextLune"), 2280, 480, 1335, 315);
    m_apercuLune = creeTexte(QStringLiteral("CoulLune"), 3660, 480, 555, 315);
    m_fondRouge = creeBarre(m_rouge, QStringLiteral("Rouge"), QColor(255, 0, 0), 900);
    m_fondVert = creeBarre(m_vert, QStringLiteral("Vert"), QColor(0, 255, 0), 1260);
    m_fondBleu = creeBarre(m_bleu, QStringLiteral("Bleu"), QColor(0, 0, 255), 1620);
    m_apercuRegle = creeTexte(QStringLiteral("CoulReg"), 2880, 900, 1335, 1035);
    m_apercuRegle->setBackcolor(Qt::black);
    m_texteRegle = creeTexte(QStringLiteral("TextCoul"), 2880, 1980, 1335, 315);
    m_texteRegle->setCaption(QStringLiteral("255 255 255"));
    m_valideCouleur = creeBouton(QStringLiteral("CmdCoulOK"), QStringLiteral("OK"), 60, 1980, 2775, 315);
    // Each swatch and value says whose it is; the two OK buttons differ by name.
    m_valideCouleur->setAccessibleName(QStringLiteral("OK, valider la couleur"));
    m_apercuCiel->setAccessibleName(QStringLiteral("Aperçu de la couleur du ciel"));
    m_apercuLune->setAccessibleName(QStringLiteral("Aperçu de la couleur lune/étoiles"));
    m_apercuRegle->setAccessibleName(QStringLiteral("Aperçu de la couleur réglée"));
    m_texteCiel->setAccessibleDescription(QStringLiteral("Couleur du ciel, rouge vert bleu"));
    m_texteLune->setAccessibleDescription(QStringLiteral("Couleur lune/étoiles, rouge vert bleu"));
    m_texteRegle->setAccessibleDescription(QStringLiteral("Couleur réglée, rouge vert bleu"));
    connect(m_boutonCiel, &VantelBttn::clicked, this, [this] { commenceEdition(true); });
    connect(m_boutonLune, &VantelBttn::clicked, this, [this] { commenceEdition(false); });
    connect(m_valideCouleur, &VantelBttn::clicked, this, &Configure::valideCouleur);
}

void Configure::creeAnnees()
{
    m_legendeDebut = new QLabel(QStringLiteral("Année de début :"), m_fond);
    m_legendeDebut->setObjectName(QStringLiteral("LblAnDeb"));
    placeTwips(m_legendeDebut, 540, 2460, 1710, 255);
    m_legendeFin = new QLabel(QStringLiteral("Année de fin :"), m_fond);
    m_legendeFin->setObjectName(QStringLiteral("LblAnFin"));
    placeTwips(m_legendeFin, 540, 2820, 1710, 255);
    m_texteDebut = creeTexte(QStringLiteral("TextAnDeb"), 2280, 2400, 735, 315);
    m_texteFin = creeTexte(QStringLiteral("TextAnFin"), 2280, 2760, 735, 315);
    m_texteDebut->setAccessibleDescription(QStringLiteral("Année de début"));
    m_texteFin->setAccessibleDescription(QStringLiteral("Année de fin"));

    // Each bar lies over its panel as the panel's sibling, beside its label:
    // a screen reader then finds the label from the bar as well.
    m_fondDebut = new VantelPanel(m_fond);
    m_fondDebut->setObjectName(QStringLiteral("VantelPanel9"));
    placeTwips(m_fondDebut, 3060, 2400, 1155, 315);
    m_anneeDebut = new QScrollBar(Qt::Horizontal, m_fond);
    m_anneeDebut->setRange(Config::DebutMin, Config::DebutMax);
    m_anneeDebut->setObjectName(QStringLiteral("ScrollDeb"));
    m_anneeDebut->setAccessibleName(QStringLiteral("Année de début"));
    m_fondFin = new VantelPanel(m_fond);
    m_fondFin->setObjectName(QStringLiteral("VantelPanel10"));
    placeTwips(m_fondFin, 3060, 2760, 1155, 315);
    m_anneeFin = new QScrollBar(Qt::Horizontal, m_fond);
    m_anneeFin->setRange(Config::FinMin, Config::FinMax);
    m_anneeFin->setObjectName(QStringLiteral("ScrollFin"));
    m_anneeFin->setAccessibleName(QStringLiteral("Année de fin"));
    for (QScrollBar *b : {m_anneeDebut, m_anneeFin}) {
        BarreReglable::installe(b);
        b->setSingleStep(1);
        b->setPageStep(100);
    }
    placeTwips(m_anneeDebut, 3060 + 30, 2400 + 30, 1095, 255);
    placeTwips(m_anneeFin, 3060 + 30, 2760 + 30, 1095, 255);
    m_legendeDebut->setBuddy(m_anneeDebut);
    m_legendeFin->setBuddy(m_anneeFin);
    connect(m_anneeDebut, &QScrollBar::valueChanged, this, &Configure::anneeDebutChangee);
    connect(m_anneeFin, &QScrollBar::valueChanged, this, &Configure::anneeFinChangee);
}

void Configure::creeOptions()
{
    m_fondOptions = creeTexte(QStringLiteral("FondAffDem"), 60, 3180, 4155, 1215);
    m_fondOptions->setCaption(QStringLiteral("- Affichage au démarrage -"));
    const std::array<QString, 3> textes = {QStringLiteral("Normal"), QStringLiteral("Afficher le compteur"),
                                           QStringLiteral("Afficher les phases de la Lune")};
    // The group is one Tab stop, on its checked option; the arrows move within it.
    const auto arretTab = [this] {
        const bool aucune =
            std::none_of(m_optionsDemarrage.begin(), m_optionsDemarrage.end(), [](auto *o) { return o->isChecked(); });
        for (QRadioButton *o : m_optionsDemarrage)
            o->setFocusPolicy(o->isChecked() || (aucune && o == m_optionsDemarrage[0]) ? Qt::StrongFocus
                                                                                       : Qt::ClickFocus);
    };
    for (int i = 0; i < 3; ++i) {
        m_optionsDemarrage[i] = new QRadioButton(textes[i], m_fondOptions);
        m_optionsDemarrage[i]->setObjectName(QStringLiteral("AffDemOpt_%1").arg(i));
        placeTwips(m_optionsDemarrage[i], 120, 300 * (i + 1), 3915, 255);
        connect(m_optionsDemarrage[i], &QRadioButton::clicked, this, &Configure::optionChoisie);
        connect(m_optionsDemarrage[i], &QRadioButton::toggled, this, arretTab);
    }
    arretTab();
}

void Configure::creeBoutons()
{
    m_annuler = creeBouton(QStringLiteral("CmdAnnul"), QStringLiteral("Annuler"), 60, 4470, 1335, 375);
    m_aide = creeBouton(QStringLiteral("CmdAide"), QStringLiteral("Aide"), 1440, 4470, 1335, 375);
    m_aide->setInfoBulle(QStringLiteral("Appel de l'aide sur la fenêtre/Appel de l'aide générale"));
    m_ok = creeBouton(QStringLiteral("CmdOK"), QStringLiteral("OK"), 2820, 4470, 1335, 375);
    connect(m_annuler, &VantelBttn::clicked, this, &QWidget::close);
    connect(m_aide, &VantelBttn::clicked, this, [this] { emit aideDemandee(SujetAide::Configuration); });
    connect(m_aide, &VantelBttn::appuye, this, &Configure::aideAppuyee);
    connect(m_ok, &VantelBttn::clicked, this, &Configure::valide);
}

void Configure::appliqueSchema()
{
    const QList<VantelBttn *> six = {m_boutonCiel, m_boutonLune, m_valideCouleur, m_annuler, m_aide, m_ok};
    const QList<VantelPanel *> panneaux = {m_texteCiel,  m_texteLune, m_texteRegle,
                                           m_texteDebut, m_texteFin,  m_fondOptions};
    AffectationCouleurs a;
    a.fenetre = this;
    a.degrade = six;
    a.panneaux = {m_fond};
    a.lumiere = six;
    for (VantelBttn *b : six)
        a.autresTextes << b;
    for (VantelPanel *p : panneaux) {
        a.autresTextes << p;
        a.visualisation << p;
    }
    a.autresTextes << m_legendeDebut << m_legendeFin;
    for (QRadioButton *o : m_optionsDemarrage) {
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
    metCouleurPanneau(m_apercuCiel, m_ciel);
    metCouleurPanneau(m_apercuLune, m_lune);
    m_texteCiel->setCaption(v.texteCiel);
    m_texteLune->setCaption(v.texteLune);
    m_anneeDebut->setValue(v.anneeDebut);
    m_texteDebut->setCaption(QString::number(m_anneeDebut->value()));
    m_anneeFin->setValue(v.anneeFin);
    m_texteFin->setCaption(QString::number(m_anneeFin->value()));
    m_valideCouleur->setEnabled(false);
    m_style = v.style;
    if (const auto option = Config::OptionStyle(m_style))
        m_optionsDemarrage[*option]->setChecked(true);
}

void Configure::activeHorsEdition(bool actif)
{
    m_ok->setEnabled(actif);
    m_annuler->setEnabled(actif);
    m_anneeDebut->setEnabled(actif);
    m_anneeFin->setEnabled(actif);
}

void Configure::commenceEdition(bool ciel)
{
    m_editionCiel = ciel;
    m_editionEnCours = true;
    (ciel ? m_boutonLune : m_boutonCiel)->setEnabled(false);
    activeHorsEdition(false);
    const Base::Rgb &c = ciel ? m_ciel : m_lune;
    {
        // One refresh for the three bars rather than one per bar.
        const QSignalBlocker r(m_rouge), v(m_vert), b(m_bleu);
        m_rouge->setValue(c.r);
        m_vert->setValue(c.g);
        m_bleu->setValue(c.b);
    }
    barresChangees();
    m_valideCouleur->setEnabled(true);
}

void Configure::barresChangees()
{
    const Base::Rgb c{m_rouge->value(), m_vert->value(), m_bleu->value()};
    metCouleurPanneau(m_apercuRegle, c);
    m_texteRegle->setCaption(Base::texteRgb(c));
}

void Configure::valideCouleur()
{
    m_editionEnCours = false;
    const Base::Rgb c{m_rouge->value(), m_vert->value(), m_bleu->value()};
    if (m_editionCiel) {
        m_ciel = c;
        metCouleurPanneau(m_apercuCiel, c);
        m_texteCiel->setCaption(Base::texteRgb(c));
    } else {
        m_lune = c;
        metCouleurPanneau(m_apercuLune, c);
        m_texteLune->setCaption(Base::texteRgb(c));
    }
    m_boutonCiel->setEnabled(true);
    m_boutonLune->setEnabled(true);
    activeHorsEdition(true);
    m_valideCouleur->setEnabled(false);
}

void Configure::anneeDebutChangee()
{
    const int calee = Config::CaleAnneeDebut(m_anneeDebut->value(), anneeCourante());
    if (calee != m_anneeDebut->value())
        m_anneeDebut->setValue(calee); // comes back here with the snapped value
    m_texteDebut->setCaption(QString::number(m_anneeDebut->value()));
}

void Configure::anneeFinChangee()
{
    const int calee = Config::CaleAnneeFin(m_anneeFin->value(), anneeCourante());
    if (calee != m_anneeFin->value())
        m_anneeFin->setValue(calee);
    m_texteFin->setCaption(QString::number(m_anneeFin->value()));
}

void Configure::optionChoisie()
{
    for (int i = 0; i < int(m_optionsDemarrage.size()); ++i)
        if (m_optionsDemarrage[i]->isChecked()) {
            m_style = Config::StyleOption(i);
            return;
        }
}

void Configure::valide()
{
    const Config::Valeurs v{m_ciel, m_lune, {}, {}, m_anneeDebut->value(), m_anneeFin->value(), m_style};
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
