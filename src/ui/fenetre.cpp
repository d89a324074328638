#include "ui/fenetre.h"

#include "base/plateforme.h"
#include "base/twips.h"
#include "ui/vantelbttn.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

namespace {
QList<FenetreZelund *> &liste()
{
    static QList<FenetreZelund *> fenetres;
    return fenetres;
}
QPointer<FenetreZelund> &principaleCourante()
{
    static QPointer<FenetreZelund> p;
    return p;
}
// The last of the program's windows to have been active.
QPointer<FenetreZelund> &derniereActive()
{
    static QPointer<FenetreZelund> f;
    return f;
}
bool fermetureGenerale = false;

// A window is a frame or a dialog, modal while it holds the others.
class FenetreAccessible : public QAccessibleWidget
{
public:
    explicit FenetreAccessible(FenetreZelund *f)
        : QAccessibleWidget(f, QAccessible::Window)
    {
    }
    const FenetreZelund *fenetre() const { return static_cast<const FenetreZelund *>(widget()); }
    QAccessible::Role role() const override
    {
        return fenetre()->estDialogue() ? QAccessible::Dialog : QAccessible::Window;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.modal = fenetre()->windowModality() != Qt::NonModal;
        return s;
    }
};

QAccessibleInterface *fabriqueFenetre(const QString &classe, QObject *objet)
{
    if (classe == QLatin1String("FenetreZelund") && objet && objet->isWidgetType())
        return new FenetreAccessible(static_cast<FenetreZelund *>(objet));
    return nullptr;
}

void installeFabriqueFenetre()
{
    QAccessible::installFactory(fabriqueFenetre);
}
Q_CONSTRUCTOR_FUNCTION(installeFabriqueFenetre)
} // namespace

FenetreZelund::FenetreZelund(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    liste().append(this);
}

FenetreZelund::~FenetreZelund()
{
    liste().removeAll(this);
}

QList<FenetreZelund *> FenetreZelund::chargees()
{
    return liste();
}

void FenetreZelund::fermeTout(const FenetreZelund *sauf)
{
    if (fermetureGenerale)
        return;
    fermetureGenerale = true;
    QList<QPointer<FenetreZelund>> fenetres;
    for (FenetreZelund *f : liste())
        fenetres.append(f);
    for (qsizetype i = fenetres.size() - 1; i >= 0; --i)
        if (fenetres[i] && fenetres[i] != sauf)
            fenetres[i]->close();
    fermetureGenerale = false;
}

bool FenetreZelund::fermeToutEnCours()
{
    return fermetureGenerale;
}

FenetreZelund *FenetreZelund::principale()
{
    return principaleCourante();
}

void FenetreZelund::setPrincipale(FenetreZelund *fenetre)
{
    principaleCourante() = fenetre;
}

void FenetreZelund::centreSurPrincipale()
{
    const FenetreZelund *p = principale();
    if (!p || p == this)
        return;
    const QRect g = p->geometry();
    const Base::Position pos = Base::centreSur(g.x(), g.y(), g.width(), g.height(), width(), height());
    placeDansEcran(QPoint(pos.x, pos.y));
}

void FenetreZelund::placeDansEcran(QPoint coin)
{
    const QScreen *ecran = QGuiApplication::screenAt(QRect(coin, size()).center());
    if (!ecran && principale())
        ecran = principale()->screen();
    if (!ecran)
        ecran = QGuiApplication::primaryScreen();
    if (!ecran) {
        move(coin);
        return;
    }
    const QRect zone = ecran->availableGeometry();
    const Base::Position pos =
        Base::dansZone({coin.x(), coin.y()}, width(), height(), zone.x(), zone.y(), zone.width(), zone.height());
    move(pos.x, pos.y);
}

void FenetreZelund::placeSurPrincipale()
{
    centreSurPrincipale();
}

void FenetreZelund::executeModale()
{
    QPointer<FenetreZelund> garde(this);
    QEventLoop boucle;
    connect(this, &QObject::destroyed, &boucle, &QEventLoop::quit);
    setWindowModality(Qt::ApplicationModal);
    m_boucleModale = &boucle;
    show();
    boucle.exec(QEventLoop::DialogExec);
    if (garde)
        m_boucleModale = nullptr;
}

void FenetreZelund::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted() && m_boucleModale)
        m_boucleModale->quit();
}

void FenetreZelund::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        echappe();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FenetreZelund::echappe()
{
    auto *fermer = findChild<VantelBttn *>(QStringLiteral("CmdFermer"), Qt::FindDirectChildrenOnly);
    if (fermer && fermer->isVisible() && fermer->isEnabled())
        fermer->click();
}

void FenetreZelund::basculePremierPlan(Qt::MouseButton bouton)
{
    const bool dessus = bouton != Qt::RightButton;
    if (dessus)
        Plateforme::courante().joueSon(19);
    if (dessus == estAuPremierPlan())
        return;
    // Changing the flag hides a shown window: show it again where it was,
    // with the keyboard where it was if it had it.
    const QPoint position = pos();
    const bool visible = isVisible();
    const bool active = isActiveWindow();
    const QPointer<QWidget> focus = focusWidget();
    m_bascule = true;
    setAttribute(Qt::WA_ShowWithoutActivating, !active);
    setWindowFlag(Qt::WindowStaysOnTopHint, dessus);
    move(position);
    if (visible)
        show();
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    m_bascule = false;
    if (visible && active) {
        activateWindow();
        if (focus)
            focus->setFocus(Qt::OtherFocusReason);
    }
}

bool FenetreZelund::estAuPremierPlan() const
{
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void FenetreZelund::tailleTwips(int largeur, int hauteur)
{
    setFixedSize(Base::px(largeur), Base::px(hauteur));
}

void FenetreZelund::metPoliceVerdana()
{
    QFont police(QStringLiteral("Verdana"));
    police.setPointSizeF(8.25);
    setFont(police);
}

void FenetreZelund::nommeListe(QWidget *liste, const QString &nom)
{
    liste->setAccessibleName(nom);
    auto *etiquette = new QLabel(nom, liste->parentWidget());
    etiquette->setBuddy(liste);
    etiquette->hide();
}

void FenetreZelund::placeTwips(QWidget *w, int gauche, int haut, int largeur, int hauteur)
{
    w->setGeometry(Base::px(gauche), Base::px(haut), Base::px(largeur), Base::px(hauteur));
}

namespace {
constexpr int HauteurBarre = 315; // the title bar's buttons
constexpr int LargeurBouton = 300;
} // namespace

VantelBttn *FenetreZelund::creeBoutonDeplacement(const QString &titre, int largeur)
{
    auto *b = new VantelBttn(titre, this);
    b->setObjectName(QStringLiteral("CmdDeplaceFen"));
    b->setGradientSens(VantelBttn::Horizontal);
    b->setInfoBulle(QStringLiteral("Déplacement de la fenêtre"));
    b->setNature(VantelBttn::Nature::Texte); // the window's title
    b->setFocusPolicy(Qt::NoFocus);
    placeTwips(b, 0, 0, largeur, HauteurBarre);
    new PoigneeDeplacement(b);
    setWindowTitle(titre);
    return b;
}

VantelBttn *FenetreZelund::creeBoutonReduire(int gauche, int largeur)
{
    auto *b = new VantelBttn(QStringLiteral("-"), this);
    b->setObjectName(QStringLiteral("CmdReduire"));
    b->setGradientSens(VantelBttn::Horizontal);
    b->setInfoBulle(QStringLiteral("Réduire"));
    b->setAccessibleName(QStringLiteral("Réduire"));
    placeTwips(b, gauche, 0, largeur, HauteurBarre);
    connect(b, &VantelBttn::clicked, this, &QWidget::showMinimized);
    return b;
}

VantelBttn *FenetreZelund::creeBoutonFermer(int gauche, int largeur, std::function<void()> aLaFermeture)
{
    auto *b = new VantelBttn(QStringLiteral("x"), this);
    b->setObjectName(QStringLiteral("CmdFermer"));
    b->setGradientSens(VantelBttn::Horizontal);
    b->setInfoBulle(QStringLiteral("Fermer"));
    b->setAccessibleName(QStringLiteral("Fermer"));
    placeTwips(b, gauche, 0, largeur, HauteurBarre);
    connect(b, &VantelBttn::clicked, this, [this, fin = std::move(aLaFermeture)] {
        if (fin)
            fin();
        close();
    });
    m_fermer = b;
    return b;
}

Ui::Cadre FenetreZelund::construitCadre(const Ui::DescriptionCadre &d, std::function<void()> aLaFermeture)
{
    Ui::Cadre c;
    const int boutons = (d.fermer ? LargeurBouton : 0) + (d.reduire ? LargeurBouton : 0);
    c.deplacement = creeBoutonDeplacement(d.titre, d.largeur - boutons);
    if (d.reduire)
        c.reduire = creeBoutonReduire(d.largeur - boutons, LargeurBouton);
    if (d.fermer)
        c.fermer = creeBoutonFermer(d.largeur - LargeurBouton, LargeurBouton, std::move(aLaFermeture));
    for (const Ui::Bande &bande : d.bandes) {
        auto *b = new VantelBttn(QString(), this);
        b->setObjectName(QStringLiteral("Forme%1").arg(bande.numero));
        b->setNature(VantelBttn::Nature::Decor);
        b->setGradientSens(VantelBttn::Horizontal);
        b->setEnabled(false);
        b->setFocusPolicy(Qt::NoFocus);
        placeTwips(b, bande.place.x(), bande.place.y(), bande.place.width(), bande.place.height());
        c.bandes.append({bande.numero, b, bande.inverse});
    }
    return c;
}

void FenetreZelund::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    QWidget *active = QApplication::activeWindow();
    if (!event->spontaneous() && !m_bascule && active != this) {
        m_origine = active;
        // Opened from the keyboard: the focus frame shows from the first key.
        if (active && active->testAttribute(Qt::WA_KeyboardFocusChange))
            setAttribute(Qt::WA_KeyboardFocusChange);
    }
    if (m_dejaMontree)
        return;
    m_dejaMontree = true;
    // The close button comes first in the focus chain, being made first: a
    // window never opens with Space or Return on it, but on its first control.
    if (focusWidget() && focusWidget() != m_fermer)
        return;
    QWidget *depart = m_fermer ? static_cast<QWidget *>(m_fermer.data()) : this;
    for (QWidget *w = depart->nextInFocusChain(); w && w != depart; w = w->nextInFocusChain())
        if (w->window() == this && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
}

void FenetreZelund::setVisible(bool visible)
{
    // Asked before hiding: by then the window is no longer the active one.
    const bool rend = !visible && isVisible() && isActiveWindow() && !m_bascule && !fermeToutEnCours();
    QWidget::setVisible(visible);
    if (!rend)
        return;
    QWidget *retour = m_origine && m_origine->isVisible() ? m_origine.data() : principale();
    if (retour && retour != this && retour->isVisible())
        retour->activateWindow();
}

void FenetreZelund::changeEvent(QEvent *event)
{
    // This window itself, not a window sharing its activation.
    if (event->type() == QEvent::ActivationChange && QApplication::activeWindow() == this) {
        // Only coming from another of the program's windows (the main window
        // clicked, then this one): not coming back from another program, nor
        // handed back by the window manager at the end of a drag.
        const bool depuisUneAutre = derniereActive() && derniereActive() != this;
        derniereActive() = this;
        if (m_place && depuisUneAutre)
            placeSurPrincipale();
    }
    QWidget::changeEvent(event);
}

PoigneeDeplacement::PoigneeDeplacement(QWidget *bouton)
    : QObject(bouton),
      m_bouton(bouton)
{
    bouton->installEventFilter(this);
}

bool PoigneeDeplacement::eventFilter(QObject *, QEvent *event)
{
    QWidget *fenetre = m_bouton->window();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        if (m_boutonManuel != Qt::NoButton)
            return true; // one move at a time: another button waits for its end
        auto *e = static_cast<QMouseEvent *>(event);
        // The window manager's move ends when the left button is released,
        // whichever button started it (X11 asks for a left-button move): it
        // serves the left button only, the others move the window here.
        QWindow *handle = fenetre->windowHandle();
        if (e->button() == Qt::LeftButton && handle && handle->startSystemMove())
            return true; // the window manager follows the mouse from here
        m_boutonManuel = e->button();
        m_decalage = e->globalPosition().toPoint() - fenetre->pos();
        return true;
    }
    case QEvent::MouseMove: {
        if (m_boutonManuel == Qt::NoButton)
            return false;
        auto *e = static_cast<QMouseEvent *>(event);
        // A release that never came (the grab was taken away) ends the move too.
        if (!e->buttons().testFlag(m_boutonManuel)) {
            m_boutonManuel = Qt::NoButton;
            return false;
        }
        fenetre->move(e->globalPosition().toPoint() - m_decalage);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (m_boutonManuel == Qt::NoButton)
            return false;
        if (static_cast<QMouseEvent *>(event)->button() == m_boutonManuel)
            m_boutonManuel = Qt::NoButton;
        return true;
    default: return false;
    }
}
