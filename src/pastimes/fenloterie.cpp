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

    m_animation = new QTimer(this);
    m_animation->setObjectName(QStringLiteral("Minuterie1"));
    m_animation->setInterval(100);
    connect(m_animation, &QTimer::timeout, this, &FenLoterie::tic);

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
    montreNumeros(); // the balls out of play lose their number at once
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
    m_fond = new VantelPanel(this);
    m_fond->setObjectName(QStringLiteral("FondLoterie"));
    placeTwips(m_fond, 600, 600, 2295, 5115);
    connect(m_fond, &VantelPanel::clique, this, &FenLoterie::montreZero);

    // The numbers go with the window; only the stopped flags outlive it, so
    // balls left stopped stand on "1" until the next press.
    Loterie::tirage().numeros.fill(1);
    QFont impact(QStringLiteral("Impact"));
    impact.setPointSize(24);
    for (int k = 1; k <= Loterie::MaxBoules; ++k) {
        auto *boule = new BouleLoterie(Ui::couleurVb(Loterie::couleurBoule(k)), m_fond);
        boule->setObjectName(QStringLiteral("Boule%1").arg(k));
        const QRect b = Loterie::placeBoule(k);
        placeTwips(boule, b.x(), b.y(), b.width(), b.height());
        // The number is part of its ball: a screen reader reads the ball once.
        auto *numero = new QLabel(boule);
        numero->setObjectName(QStringLiteral("Etiquette1_%1").arg(k));
        numero->setAttribute(Qt::WA_TransparentForMouseEvents);
        numero->setAlignment(Qt::AlignCenter);
        numero->setFont(impact);
        const QRect e = Loterie::placeEtiquette(k);
        placeTwips(numero, e.x(), e.y(), e.width(), e.height());
        numero->move(numero->pos() - boule->pos());
        m_boules[std::size_t(k - 1)] = boule;
        m_numeros[std::size_t(k - 1)] = numero;
    }
    montreNumeros();

    // Placed in window twips over the panel.
    m_lanceBoule = new VantelBttn(Loterie::texteLegende(Loterie::Legende::PremiereBoule), m_fond);
    m_lanceBoule->setObjectName(QStringLiteral("CmdLanceBoule"));
    placeTwips(m_lanceBoule, 630 - 600, 4860 - 600, 1515, 795);
    connect(m_lanceBoule, &VantelBttn::clicked, this, &FenLoterie::lanceBoule);
    m_nouvelleDonne = new VantelBttn(QString(), m_fond);
    m_nouvelleDonne->setObjectName(QStringLiteral("CmdNouvelleDonne"));
    m_nouvelleDonne->setAccessibleName(QStringLiteral("Nombre de boules et de partants"));
    m_nouvelleDonne->setPicture(QIcon(QStringLiteral(":/icons/donne.svg")));
    placeTwips(m_nouvelleDonne, 2160 - 600, 4860 - 600, 705, 795);
    connect(m_nouvelleDonne, &VantelBttn::clicked, this, [] { FenInitialise::instance()->montre(); });
}

void FenLoterie::appliqueCouleurs()
{
    AffectationCouleurs a;
    a.fenetre = this;
    a.degradeInverse = {m_lanceBoule, m_nouvelleDonne};
    a.panneaux = {m_fond};
    a.lumiere = {m_lanceBoule};
    a.autresTextes = {m_lanceBoule};
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
        const std::size_t i = std::size_t(k - 1);
        // A ball past the chosen count is out of play: it shows no number, so
        // that no stale number passes for part of the draw.
        const bool enJeu = k <= m_nbBoules;
        const QString numero = enJeu ? QString::number(t.numeros[i]) : QString();
        m_numeros[i]->setText(numero);
        // A spinning ball is heard once as such, not at each of its numbers.
        const QString etat = !enJeu          ? QStringLiteral("hors jeu")
                             : t.arretees[i] ? numero + QStringLiteral(", arrêtée")
                                             : QStringLiteral("tourne");
        m_boules[i]->setAccessibleName(QStringLiteral("Boule %1 : %2").arg(k).arg(etat));
        m_boules[i]->setAccessibleDescription(enJeu ? QString()
                                                    : QStringLiteral("Au-delà des %1 boules tirées").arg(m_nbBoules));
    }
}

QList<int> FenLoterie::numerosAffiches() const
{
    QList<int> n;
    for (const QLabel *numero : m_numeros)
        n << numero->text().toInt();
    return n;
}

void FenLoterie::lanceBoule()
{
    Loterie::Tirage &t = Loterie::tirage();
    const Loterie::Arretees avant = t.arretees;
    const Loterie::Legende l = Loterie::lanceBoule(t.arretees, m_nbBoules);
    m_lanceBoule->setCaption(Loterie::texteLegende(l));
    montreNumeros();
    // What the press drew, told on the button that keeps the focus.
    QString tire = QStringLiteral("Toutes les boules tournent");
    for (int k = 0; k < Loterie::MaxBoules; ++k)
        if (t.arretees[k] && !avant[k])
            tire = QStringLiteral("Boule %1 tirée : %2").arg(k + 1).arg(t.numeros[k]);
    m_lanceBoule->setAccessibleDescription(tire);
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
    m_animation->start();
}

void FenLoterie::hideEvent(QHideEvent *event)
{
    // Nothing spins while the window is not on screen.
    m_animation->stop();
    FenetreZelund::hideEvent(event);
}
