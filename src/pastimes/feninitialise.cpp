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
    auto *label = new QLabel(texte, FondInitialise);
    label->setFont(police);
    placeTwips(label, g, h, l, ht);
    return label;
}

QScrollBar *FenInitialise::creeBarre(int minimum, int maximum, int grandPas, QLabel *valeur, int h)
{
    auto *barre = new QScrollBar(Qt::Horizontal, FondInitialise);
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
    FondInitialise = new VantelPanel(this);
    FondInitialise->setObjectName(QStringLiteral("FondInitialise"));
    placeTwips(FondInitialise, 600, 615, 2340, 2265);

    const QFont titre = comic(12, false);
    const QFont valeur = comic(9.75, true);
    Label1 = creeLabel(QStringLiteral("Nb boules"), titre, 120, 60, 2100, 360);
    Label5 = creeLabel(QString(), valeur, 120, 420, 1560, 315);
    Label3 = creeLabel(QString(), valeur, 1740, 420, 480, 315);
    Label2 = creeLabel(QStringLiteral("'Partants'"), titre, 120, 840, 2100, 360);
    Label6 = creeLabel(QString(), valeur, 120, 1200, 1560, 315);
    Label4 = creeLabel(QString(), valeur, 1740, 1200, 480, 315);
    for (QLabel *l : {Label3, Label4, Label5, Label6})
        l->setFrameShape(QFrame::Box);
    for (QLabel *l : {Label3, Label4})
        l->setAlignment(Qt::AlignCenter);

    VScroll1 = creeBarre(1, Loterie::MaxBoules, 1, Label3, 420);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setAccessibleName(QStringLiteral("Nb boules"));
    VScroll2 = creeBarre(Loterie::MaxBoules, Loterie::PartantsDefaut, 10, Label4, 1200);
    VScroll2->setObjectName(QStringLiteral("VScroll2"));
    VScroll2->setAccessibleName(QStringLiteral("Partants"));
    Label3->setText(QString::number(VScroll1->value()));
    Label4->setText(QString::number(VScroll2->value()));

    Command1 = new VantelBttn(QStringLiteral("C'est parti..."), FondInitialise);
    Command1->setObjectName(QStringLiteral("Command1"));
    placeTwips(Command1, 120, 1680, 2100, 480);
    connect(Command1, &VantelBttn::clicked, this, &FenInitialise::cestParti);
}

void FenInitialise::appliqueCouleurs()
{
    AffectationCouleurs a;
    a.fenetre = this;
    a.degradeInverse = {Command1};
    a.panneaux = {FondInitialise};
    a.lumiere = {Command1};
    a.autresTextes = {Command1, Label1, Label2, Label3, Label4};
    m_cadre.ajouteCouleurs(a);
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
}

void FenInitialise::montre()
{
    if (!isVisible()) {
        m_boulesAOuverture = VScroll1->value();
        m_partantsAOuverture = VScroll2->value();
    }
    show();
    raise();
    activateWindow();
}

void FenInitialise::echappe()
{
    VScroll1->setValue(m_boulesAOuverture);
    VScroll2->setValue(m_partantsAOuverture);
    hide();
}

void FenInitialise::cestParti()
{
    // Loading the lottery resets the counts: the shown ones are set after.
    // The lottery is on screen again: the toolbox's next press closes it.
    FenLoterie::instance()->reprend(VScroll1->value(), VScroll2->value());
    hide();
}
