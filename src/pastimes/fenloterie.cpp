#include "pastimes/fenloterie.h"

#include "base/parametres.h"
#include "base/plateforme.h"
#include "pastimes/feninitialise.h"
#include "pastimes/loterie.h"
#include "pastimes/ramdom.h"
#include "ui/appliquecouleurs.h"
#include "ui/couleurqt.h"
#include "ui/vantelbttn.h"
#include "ui/vantelpanel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

namespace {
constexpr int Largeur = 3480;
constexpr int Hauteur = 6300;

QPointer<FenLoterie> &unique()
{
    static QPointer<FenLoterie> f;
    return f;
}
} // namespace

FenLoterie *FenLoterie::instance()
{
    if (!unique())
        unique() = new FenLoterie;
    return unique();
}

FenLoterie *FenLoterie::existante()
{
    return unique();
}

FenLoterie::FenLoterie(QWidget *parent)
    : FenetreZelund(parent)
{
    setObjectName(QStringLiteral("FenLoterie"));
    setAttribute(Qt::WA_DeleteOnClose);
    creeCadre();
    creeBoules();

    Minuterie1 = new QTimer(this);
    Minuterie1->setInterval(100);
    connect(Minuterie1, &QTimer::timeout, this, &FenLoterie::tic);

    appliqueCouleurs();
    tailleTwips(Largeur, Hauteur);
    centreSurPrincipale();
    setPlaceALActivation(true);
    generateur().InitGenerateur(Loterie::texteGraine(Plateforme::courante().maintenant()));
}

void FenLoterie::reprend(int nbBoules, int nbPartants)
{
    m_nbBoules = nbBoules;
    m_nbPartants = nbPartants;
    show();
    raise();
    emit reprise();
}

void FenLoterie::creeCadre()
{
    m_cadre = construitCadre({QStringLiteral("Zelund - La fortune ?"),
                              Largeur,
                              true,
                              false,
                              {{1, {0, 300, Largeur, 315}, true},
                               {2, {0, 615, 600, 2550}, false},
                               {3, {0, 3165, 600, 2550}, true},
                               {4, {2895, 615, 585, 2550}, false},
                               {5, {2895, 3165, 585, 2550}, true},
                               {7, {0, 5700, Largeur, 315}, false},
                               {6, {0, 5985, Largeur, 315}, true}}});
}

void FenLoterie::creeBoules()
{
    FondLoterie = new VantelPanel(this);
    FondLoterie->setObjectName(QStringLiteral("FondLoterie"));
    placeTwips(FondLoterie, 600, 600, 2295, 5115);
    connect(FondLoterie, &VantelPanel::clique, this, &FenLoterie::montreZero);

    // The numbers go with the window; only the stopped flags outlive it, so
    // balls left stopped stand on "1" until the next press.
    Loterie::tirage().numeros.fill(1);
    QFont impact(QStringLiteral("Impact"));
    impact.setPointSize(24);
    for (int k = 1; k <= Loterie::MaxBoules; ++k) {
        Boule[k] = new BouleLoterie(Ui::couleurVb(Loterie::couleurBoule(k)), FondLoterie);
        const QRect b = Loterie::placeBoule(k);
        placeTwips(Boule[k], b.x(), b.y(), b.width(), b.height());
        // The number is part of its ball: a screen reader reads the ball once.
        Etiquette1[k] = new QLabel(Boule[k]);
        Etiquette1[k]->setObjectName(QStringLiteral("Etiquette1_%1").arg(k));
        Etiquette1[k]->setAttribute(Qt::WA_TransparentForMouseEvents);
        Etiquette1[k]->setAlignment(Qt::AlignCenter);
        Etiquette1[k]->setFont(impact);
        const QRect e = Loterie::placeEtiquette(k);
        placeTwips(Etiquette1[k], e.x(), e.y(), e.width(), e.height());
        Etiquette1[k]->move(Etiquette1[k]->pos() - Boule[k]->pos());
    }
    montreNumeros();

    // Placed in window twips over the panel.
    CmdLanceBoule = new VantelBttn(Loterie::texteLegende(Loterie::Legende::PremiereBoule), FondLoterie);
    CmdLanceBoule->setObjectName(QStringLiteral("CmdLanceBoule"));
    placeTwips(CmdLanceBoule, 630 - 600, 4860 - 600, 1515, 795);
    connect(CmdLanceBoule, &VantelBttn::clicked, this, &FenLoterie::lanceBoule);
    CmdNouvelleDonne = new VantelBttn(QString(), FondLoterie);
    CmdNouvelleDonne->setObjectName(QStringLiteral("CmdNouvelleDonne"));
    CmdNouvelleDonne->setAccessibleName(QStringLiteral("Nombre de boules et de partants"));
    CmdNouvelleDonne->setPicture(QIcon(QStringLiteral(":/icons/donne.svg")));
    placeTwips(CmdNouvelleDonne, 2160 - 600, 4860 - 600, 705, 795);
    connect(CmdNouvelleDonne, &VantelBttn::clicked, this, [] { FenInitialise::instance()->montre(); });
}

void FenLoterie::appliqueCouleurs()
{
    AffectationCouleurs a;
    a.fenetre = this;
    a.degradeInverse = {CmdLanceBoule, CmdNouvelleDonne};
    a.panneaux = {FondLoterie};
    a.lumiere = {CmdLanceBoule};
    a.autresTextes = {CmdLanceBoule};
    m_cadre.ajouteCouleurs(a);
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
}

void FenLoterie::tic()
{
    Loterie::Tirage &t = Loterie::tirage();
    Loterie::tourne(generateur(), t.numeros, t.arretees, m_nbBoules, m_nbPartants);
    montreNumeros();
}

void FenLoterie::montreNumeros()
{
    const Loterie::Tirage &t = Loterie::tirage();
    for (int k = 1; k <= Loterie::MaxBoules; ++k) {
        const QString numero = QString::number(t.numeros[k - 1]);
        Etiquette1[k]->setText(numero);
        // A spinning ball is heard once as such, not at each of its numbers;
        // one past the chosen count keeps its last number, out of play.
        const QString etat = k > m_nbBoules      ? QStringLiteral("hors jeu, ") + numero
                             : t.arretees[k - 1] ? numero + QStringLiteral(", arrêtée")
                                                 : QStringLiteral("tourne");
        Boule[k]->setAccessibleName(QStringLiteral("Boule %1 : %2").arg(k).arg(etat));
    }
}

QList<int> FenLoterie::numerosAffiches() const
{
    QList<int> n;
    for (int k = 1; k <= Loterie::MaxBoules; ++k)
        n << Etiquette1[k]->text().toInt();
    return n;
}

void FenLoterie::lanceBoule()
{
    Loterie::Tirage &t = Loterie::tirage();
    const Loterie::Arretees avant = t.arretees;
    const Loterie::Legende l = Loterie::lanceBoule(t.arretees, m_nbBoules);
    CmdLanceBoule->setCaption(Loterie::texteLegende(l));
    montreNumeros();
    // What the press drew, told on the button that keeps the focus.
    QString tire = QStringLiteral("Toutes les boules tournent");
    for (int k = 0; k < Loterie::MaxBoules; ++k)
        if (t.arretees[k] && !avant[k])
            tire = QStringLiteral("Boule %1 tirée : %2").arg(k + 1).arg(t.numeros[k]);
    CmdLanceBoule->setAccessibleDescription(tire);
}

void FenLoterie::montreZero()
{
    Loterie::tirage().numeros.fill(0);
    montreNumeros();
}

void FenLoterie::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        montreZero();
    FenetreZelund::mouseReleaseEvent(event);
}

void FenLoterie::keyPressEvent(QKeyEvent *event)
{
    const auto modificateurs = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_0 || event->key() == Qt::Key_Delete) && modificateurs == Qt::NoModifier) {
        montreZero();
        return;
    }
    FenetreZelund::keyPressEvent(event);
}

void FenLoterie::showEvent(QShowEvent *event)
{
    FenetreZelund::showEvent(event);
    Minuterie1->start();
}

void FenLoterie::hideEvent(QHideEvent *event)
{
    // Nothing spins while the window is not on screen.
    Minuterie1->stop();
    FenetreZelund::hideEvent(event);
}
