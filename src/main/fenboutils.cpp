#include "main/fenboutils.h"

#include "base/parametres.h"
#include "base/twips.h"
#include "calendar/fencalculs.h"
#include "calendar/fencalendrier.h"
#include "calendar/fenjourplus.h"
#include "calendar/fenminicalend.h"
#include "calendar/fenpaques.h"
#include "moon/phasesics.h"
#include "moon/phasesvraies.h"
#include "pastimes/fen2001.h"
#include "pastimes/fen2010.h"
#include "pastimes/fencompte.h"
#include "pastimes/fenhorloge.h"
#include "pastimes/fenloterie.h"
#include "ui/vantelbttn.h"
#include "ui/vantelpanel.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <algorithm>

namespace {
constexpr int Largeur = 3780;
constexpr int Hauteur = 4020;
constexpr int DecalageGauche = 630; // from the main window's corner, twips
constexpr int DecalageHaut = 3210;

FenetreZelund *creeHorloge()
{
    return new FenHorloge;
}

// The principal phases around a year's Moon, on the local days they fall on;
// from a month early, whichever calendar the year is printed in.
std::vector<Calendrier::PhaseDuJour> phasesDeLAnnee(int annee)
{
    std::vector<Calendrier::PhaseDuJour> phases;
    if (annee < Lune::PhasesAnneeMin || annee > Lune::PhasesAnneeMax)
        return phases;
    const QTimeZone fuseau = QTimeZone::systemTimeZone();
    const QDateTime debut(QDate(annee - 1, 12, 1), QTime(0, 0), fuseau);
    for (const Lune::InstantPhase &p : Lune::phasesApres(debut, 60))
        phases.push_back({p.utc.toTimeZone(fuseau).date().toJulianDay(), int(p.phase)});
    return phases;
}

FenetreZelund *creeCalendrier()
{
    auto *fenetre = new FenCalendrier;
    fenetre->setSourcePhases(phasesDeLAnnee);
    fenetre->setPhasesIcs(Lune::phasesIcs());
    return fenetre;
}

FenetreZelund *creeMiniCalend()
{
    return new FenMiniCalend;
}

FenetreZelund *creeJourPlus()
{
    return new FenJourPlus;
}

FenetreZelund *cree2010()
{
    return new Fen2010;
}

FenetreZelund *cree2001()
{
    return new Fen2001;
}

FenetreZelund *creePaques()
{
    return new FenPaques;
}

FenetreZelund *creeLoterie()
{
    return FenLoterie::instance();
}

using Fabrique = FenetreZelund *(*)();

const std::array<Fabrique, FenBOutils::NbOutils> &fabriques()
{
    static const std::array<Fabrique, FenBOutils::NbOutils> f{
        {creeHorloge, creeCalendrier, creeMiniCalend, creeJourPlus, cree2010, cree2001, creePaques, creeLoterie}};
    return f;
}

// Application-wide: the tool windows outlive the toolbox that opened them.
std::array<QPointer<FenetreZelund>, FenBOutils::NbOutils> &ouvertes()
{
    static std::array<QPointer<FenetreZelund>, FenBOutils::NbOutils> f;
    return f;
}

QPointer<FenetreZelund> &ouverte(FenBOutils::Outil outil)
{
    QPointer<FenetreZelund> &f = ouvertes().at(outil);
    // The lottery's set-up window may have reopened it without the toolbox.
    if (outil == FenBOutils::Fortune && !f)
        f = FenLoterie::existante();
    return f;
}

// The date calculations: no toolbox mark, the right press of the weekday
// button toggles them.
QPointer<FenetreZelund> &calculs()
{
    static QPointer<FenetreZelund> f;
    return f;
}

QIcon icone(const QString &nom)
{
    return QIcon(QStringLiteral(":/icons/bo_%1.svg").arg(nom));
}

// A tool window's frame whose side strips meet below the middle.
Ui::DescriptionCadre cadre()
{
    Ui::DescriptionCadre d = Ui::cadreOutil(QStringLiteral("Zelund - Boîte à outils"), Largeur, Hauteur);
    for (Ui::Bande &b : d.bandes) {
        switch (b.numero) {
        case 2: b.place = {0, 600, 600, 1380}; break;
        case 3: b.place = {0, 1980, 600, 1440}; break;
        case 4: b.place = {3180, 600, 600, 1380}; break;
        case 5: b.place = {3180, 1980, 600, 1440}; break;
        default: break;
        }
    }
    return d;
}
} // namespace

FenBOutils::FenBOutils(QWidget *parent, std::function<std::optional<Dates::JourMoisAn>()> dateSelection)
    : FenOutil(cadre(), Hauteur, {}, parent)
{
    setObjectName(QStringLiteral("FenBOutils"));
    // A tool window: X11 window managers learn of its owner (the parent) only
    // for tool windows and dialogs, and then keep it above the main window
    // and minimise and restore it with it.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);

    m_fond = new VantelPanel(this);
    m_fond->setObjectName(QStringLiteral("FondBOutils"));
    placeTwips(m_fond, 600, 615, 2595, 2775);
    m_outils = {creeBouton(QStringLiteral("CmdHorloge"), QStringLiteral("horloge"),
                           QStringLiteral("Horloge analogique"), 60, 60, 855, 915),
                creeBouton(QStringLiteral("CmdCalendrier"), QStringLiteral("calendrier"), QStringLiteral("Calendrier"),
                           900, 60, 795, 915),
                creeBouton(QStringLiteral("CmdMiniCalend"), QStringLiteral("minicalend"),
                           QStringLiteral("Mini-calendrier"), 1680, 60, 855, 915),
                creeBouton(QStringLiteral("CmdJourPlus"), QStringLiteral("jourplus"),
                           QStringLiteral("Jour de la semaine ( de -1900 à 9999)"), 60, 960, 855, 855),
                creeBouton(QStringLiteral("CmdAn2010"), QStringLiteral("an2010"), QStringLiteral("2010 : Odyssée II"),
                           900, 960, 795, 855),
                creeBouton(QStringLiteral("Cmd2001"), QStringLiteral("an2001"), QStringLiteral("3ème millénaire..."),
                           1680, 960, 855, 855),
                creeBouton(QStringLiteral("CmdFeries"), QStringLiteral("feries"), QStringLiteral("Jours fériés"), 60,
                           1800, 855, 915),
                creeBouton(QStringLiteral("CmdFortune"), QStringLiteral("fortune"), QStringLiteral("La fortune ?"), 900,
                           1800, 795, 915)};
    m_aide =
        creeBouton(QStringLiteral("CmdAide"), QStringLiteral("aide"),
                   QStringLiteral("Appel de l'aide sur la fenêtre/Appel de l'aide générale"), 1680, 1800, 855, 915);

    // Names that say what the tools are, where the tooltips only hint.
    m_outils[An2010]->setAccessibleName(
        QStringLiteral("2010 : Odyssée II, compte à rebours jusqu'au 1er janvier 2010"));
    m_outils[An2001]->setAccessibleName(QStringLiteral("3ème millénaire, jours écoulés depuis le 1er janvier 2001"));
    m_outils[Fortune]->setAccessibleName(QStringLiteral("La fortune ? Tirage de loterie"));
    for (int i = 0; i < NbOutils; ++i) {
        const auto outil = static_cast<Outil>(i);
        connect(m_outils[i], &VantelBttn::clicked, this, [this, outil, b = m_outils[i]] {
            bascule(outil);
            b->annonceCoche();
        });
        // Checked while its window is open.
        m_outils[i]->setCoche([this, outil] { return !fermee(outil); });
    }
    connect(m_aide, &VantelBttn::clicked, this, [this] { emit aideDemandee(SujetAide::BoiteOutils); });
    connect(m_aide, &VantelBttn::appuye, this, &FenBOutils::aideAppuyee);
    m_dateSelection = std::move(dateSelection);
    connect(m_outils[JourPlus], &VantelBttn::appuye, this, [this](Qt::MouseButton bouton) {
        if (bouton == Qt::RightButton)
            basculeCalculs();
    });
    m_outils[JourPlus]->setAccessibleDescription(QStringLiteral("Clic droit ou touche Menu : calculs de dates"));

    appliqueCouleurs();
    placeSurPrincipale();
    // The tools open now count as closed for this toolbox until it opens them again.
    for (int i = 0; i < NbOutils; ++i)
        m_fermeesAuChargement[std::size_t(i)] = ouverte(Outil(i));
    // Unless the lottery's new deal brings its window back.
    if (auto *loterie = qobject_cast<FenLoterie *>(m_fermeesAuChargement[Fortune].data()))
        connect(loterie, &FenLoterie::reprise, this, [this] { m_fermeesAuChargement[Fortune] = nullptr; });
}

bool FenBOutils::fermee(Outil outil) const
{
    const FenetreZelund *f = ouverte(outil);
    return !f || f->isHidden() || f == m_fermeesAuChargement.at(outil);
}

VantelBttn *FenBOutils::creeBouton(const QString &nom, const QString &image, const QString &infoBulle, int g, int h,
                                   int l, int ht)
{
    auto *b = new VantelBttn(QString(), m_fond);
    b->setObjectName(nom);
    placeTwips(b, g, h, l, ht);
    b->setPicture(icone(image));
    b->setProperty("icone", image);
    b->setInfoBulle(infoBulle);
    b->installEventFilter(this);
    return b;
}

void FenBOutils::appliqueCouleurs()
{
    AffectationCouleurs a = couleursCadre();
    for (VantelBttn *b : m_outils)
        a.degrade << b;
    a.degrade << m_aide;
    a.panneaux = {m_fond};
    Ui::appliqueCouleurs(a, Parametres::courant().couleurs());
}

FenetreZelund *FenBOutils::fenetre(Outil outil)
{
    return ouverte(outil);
}

void FenBOutils::placeSurPrincipale()
{
    const QWidget *p = principale() ? principale() : parentWidget();
    if (!p || p == this)
        return;
    placeDansEcran(p->geometry().topLeft() + QPoint(Base::px(DecalageGauche), Base::px(DecalageHaut)));
}

void FenBOutils::bascule(Outil outil)
{
    QPointer<FenetreZelund> &f = ouverte(outil);
    // However the window went (its buttons, the window manager), the press opens it again.
    if (!fermee(outil)) {
        f->close();
        return;
    }
    m_fermeesAuChargement.at(outil) = nullptr;
    if (!f)
        f = fabriques().at(outil)();
    if (!f)
        return; // nothing to show
    // A countdown started from here counts once shown.
    if (auto *compte = qobject_cast<FenCompte *>(f.data()))
        compte->lance();
    f->show();
}

void FenBOutils::montreCalculs(std::optional<Dates::JourMoisAn> date)
{
    QPointer<FenetreZelund> &f = calculs();
    if (!f)
        f = new FenCalculs(date);
    f->show();
    f->raise();
    f->activateWindow();
}

void FenBOutils::basculeCalculs()
{
    if (calculs())
        calculs()->close();
    else
        montreCalculs(m_dateSelection ? m_dateSelection() : std::nullopt);
}

void FenBOutils::aideAppuyee(Qt::MouseButton bouton)
{
    if (bouton == Qt::RightButton)
        emit aideDemandee(SujetAide::Sommaire); // the contents of the whole help
}

bool FenBOutils::eventFilter(QObject *objet, QEvent *event)
{
    // The arrows move about the 3 x 3 grid as it lies, stopping at its edges.
    if (event->type() == QEvent::KeyPress) {
        const auto *touche = static_cast<QKeyEvent *>(event);
        std::array<VantelBttn *, 9> grille;
        std::copy(m_outils.begin(), m_outils.end(), grille.begin());
        grille[NbOutils] = m_aide;
        const auto i = std::find(grille.begin(), grille.end(), objet) - grille.begin();
        const int k = touche->key();
        const bool fleche = k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Up || k == Qt::Key_Down;
        if (i < 9 && fleche && (touche->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            const int ligne = int(i) / 3 + (k == Qt::Key_Down) - (k == Qt::Key_Up);
            const int colonne = int(i) % 3 + (k == Qt::Key_Right) - (k == Qt::Key_Left);
            setAttribute(Qt::WA_KeyboardFocusChange);
            if (ligne >= 0 && ligne < 3 && colonne >= 0 && colonne < 3)
                grille[std::size_t(ligne * 3 + colonne)]->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    // Each button shows a second picture while the pointer is over it.
    if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
        if (auto *b = qobject_cast<VantelBttn *>(objet)) {
            const QString nom = b->property("icone").toString();
            b->setPicture(icone(event->type() == QEvent::Enter ? nom + QStringLiteral("_survol") : nom));
        }
    }
    return FenOutil::eventFilter(objet, event);
}
