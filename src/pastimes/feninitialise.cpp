#include "pastimes/feninitialise.h"

#include "base/parametres.h"
#include "pastimes/fenloterie.h"
#include "pastimes/loterie.h"
#include "ui/appliquecouleurs.h"
#include "ui/barrereglable.h"
#include "ui/vantelbttn.h"
#include "ui/vantelpanel.h"

#include <QLabel>
#include <QPointer>
#include <QScrollBar>

namespace {
constexpr int Largeur = 3540;
constexpr int Hauteur = 3510;

QPointer<FenInitialise> &unique()
{
    static QPointer<FenInitialise> f;
    return f;
}

QFont comic(double points, bool gras)
{
    QFont police(QStringLiteral("Comic Sans MS"));
    police.setPointSizeF(points);
    police.setBold(gras);
    return police;
}
} // namespace

FenInitialise *FenInitialise::instance()
{
    if (!unique())
        unique() = new FenInitialise;
    return unique();
}

FenInitialise *FenInitialise::existante()
{
    return unique();
}

FenInitialise::FenInitialise(QWidget *parent)
    : FenetreZelund(parent)
{
    setObjectName(QStringLiteral("FenInitialise"));
    setDialogue(true);
    creeCadre();
    creeReglages();
    appliqueCouleurs();
    tailleTwips(Largeur, Hauteur);
    centreSurPrincipale();
    setPlaceALActivation(true);
}

void FenInitialise::creeCadre()
{
    m_cadre = construitCadre({QStringLiteral("Zelund - La fortune ?"),
                              Largeur,
                              false,
                              false,
                              {{1, {0, 300, Largeur, 315}, true},
                               {2, {0, 615, 600, 1140}, false},
                               {3, {0, 1755, 600, 1140}, true},
                               {4, {2940, 615, 600, 1140}, false},
                               {5, {2940, 1755, 600, 1140}, true},
                               {7, {0, 2880, Largeur, 315}, false},
                               {6, {0, 3195, Largeur, 315}, true}}});
}

QLabel *FenInitialise::creeLabel(const QString &texte, const QFont &police, int g, int h, int l, int ht)
{
    auto *label = new QLabel(texte, m_fond);
    label->setFont(police);
    placeTwips(label, g, h, l, ht);
    return label;
}

QScrollBar *FenInitialise::creeBarre(int minimum, int maximum, int grandPas, QLabel *valeur, int h)
{
    auto *barre = new QScrollBar(Qt::Horizontal, m_fond);
    BarreReglable::installe(barre);
    barre->setRange(minimum, maximum);
    barre->setValue(maximum);
    barre->setSingleStep(1);
    barre->setPageStep(grandPas);
    placeTwips(barre, 135, h + 15, 1530, 285);
    // Tracking is on: the label follows the thumb while it is dragged.
    connect(barre, &QScrollBar::valueChanged, valeur, [valeur](int v) { valeur->setText(QString::number(v)); });
    return barre;
}

void FenInitialise::creeReglages()
{
    m_fond = new VantelPanel(this);
    m_fond->setObjectName(QStringLiteral("FondInitialise"));
    placeTwips(m_fond, 600, 615, 2340, 2265);

    const QFont titre = comic(12, false);
    const QFont valeur = comic(9.75, true);
    m_titreBoules = creeLabel(QStringLiteral("Nb boules"), titre, 120, 60, 2100, 360);
    m_cadreBoules = creeLabel(QString(), valeur, 120, 420, 1560, 315);
    m_valeurBoules = creeLabel(QString(), valeur, 1740, 420, 480, 315);
    m_titrePartants = creeLabel(QStringLiteral("'Partants'"), titre, 120, 840, 2100, 360);
    m_cadrePartants = creeLabel(QString(), valeur, 120, 1200, 1560, 315);
    m_valeurPartants = creeLabel(QString(), valeur, 1740, 1200, 480, 315);
    for (QLabel *l : {m_valeurBoules, m_valeurPartants, m_cadreBoules, m_cadrePartants})
        l->setFrameShape(QFrame::Box);
    for (QLabel *l : {m_valeurBoules, m_valeurPartants})
        l->setAlignment(Qt::AlignCenter);
    m_valeurBoules->setObjectName(QStringLiteral("Label3"));
    m_valeurPartants->setObjectName(QStringLiteral("Label4"));

    m_boules = creeBarre(1, Loterie::MaxBoules, 1, m_valeurBoules, 420);
    m_boules->setObjectName(QStringLiteral("VScroll1"));
    m_boules->setAccessibleName(QStringLiteral("Nb boules"));
    m_partants = creeBarre(Loterie::MaxBoules, Loterie::PartantsDefaut, 10, m_valeurPartants, 1200);
    m_partants->setObjectName(QStringLiteral("VScroll2"));
    m_partants->setAccessibleName(QStringLiteral("Partants"));
    m_valeurBoules->setText(QString::number(m_boules->value()));
    m_valeurPartants->setText(QString::number(m_partants->value()));

    m_cestParti = new VantelBttn(QStringLiteral("C'est parti..."), m_fond);
    m_cestParti->setObjectName(QStringLiteral("Command1"));
    placeTwips(m_cestParti, 120, 1680, 2100, 480);
    connect(m_cestParti, &VantelBttn::clicked, this, &FenInitialise::cestParti);
}

void FenInitialise::appliqueCouleurs()
{
    AffectationCouleurs a;
    a.fenetre = this;
    a.degradeInverse = {m_cestParti};
    a.panneaux = {m_fond};
    a.lumiere = {m_cestParti};
    a.autresTextes = {m_cestParti, m_titreBoules, m_titrePartants, m_valeurBoules, m_valeurPartants};
    m_cadre.ajouteCouleurs(a);
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
}

void FenInitialise::montre()
{
    if (!isVisible()) {
        m_boulesAOuverture = m_boules->value();
        m_partantsAOuverture = m_partants->value();
    }
    show();
    raise();
    activateWindow();
}

void FenInitialise::echappe()
{
    m_boules->setValue(m_boulesAOuverture);
    m_partants->setValue(m_partantsAOuverture);
    hide();
}

void FenInitialise::cestParti()
{
    // Loading the lottery resets the counts: the shown ones are set after.
    // The lottery is on screen again: the toolbox's next press closes it.
    FenLoterie::instance()->reprend(m_boules->value(), m_partants->value());
    hide();
}
