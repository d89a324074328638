#pragma once

#include "ui/cadre.h"

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <functional>

class QEventLoop;
class VantelBttn;

// What every borderless window of the program shares: the drag button,
// the close button, the frame strips, re-centring on the main window at each
// activation, the keep-on-top surface, and the list of loaded windows.
class FenetreZelund : public QWidget
{
    Q_OBJECT
public:
    explicit FenetreZelund(QWidget *parent = nullptr);
    ~FenetreZelund() override;

    // Loaded windows, in the order they were loaded.
    static QList<FenetreZelund *> chargees();
    // Closes every loaded window but sauf, newest first.
    static void fermeTout(const FenetreZelund *sauf = nullptr);
    // True while fermeTout is closing the windows.
    static bool fermeToutEnCours();
    // The window the tool windows centre on.
    static FenetreZelund *principale();
    static void setPrincipale(FenetreZelund *fenetre);

    // Tool windows go back to their place over the main window each time
    // they are activated from another of the program's windows: centred on
    // it, unless placeSurPrincipale says otherwise.
    void setPlaceALActivation(bool place) { m_place = place; }
    virtual void placeSurPrincipale();
    void centreSurPrincipale();
    // Moves the window to coin, or as near as it fits inside the available
    // area of the screen it lands on; a window larger than that area keeps
    // its top-left corner (and its drag button) on the screen.
    void placeDansEcran(QPoint coin);
    // Hiding the window that has the keyboard gives it back to the window it
    // came from (the one active when it was shown), else to the main window,
    // rather than to wherever the window manager puts it.
    void setVisible(bool visible) override;
    // Shows the window modal and returns once it is closed.
    void executeModale();
    // The keep-on-top click: any button but the right one keeps the window
    // above the others (with the sound), the right one releases it.
    void basculePremierPlan(Qt::MouseButton bouton);
    bool estAuPremierPlan() const;
    // A window that asks or tells something and is then closed (tips,
    // configuration, about box) reads as a dialog, the others as frames.
    void setDialogue(bool dialogue) { m_dialogue = dialogue; }
    bool estDialogue() const { return m_dialogue; }

protected:
    // Geometry in twips, converted to pixels in one place.
    void tailleTwips(int largeur, int hauteur);
    static void placeTwips(QWidget *w, int gauche, int haut, int largeur, int hauteur);
    // The face most windows write in: Verdana 8.25 points.
    void metPoliceVerdana();
    // A drop-down list reads its value as its name; a screen reader finds
    // what the list is from a label it points to, one that is never shown.
    static void nommeListe(QWidget *liste, const QString &nom);

    // Builds the frame a description tells: the title bar's buttons, then the
    // strips. aLaFermeture, if any, runs when the close button is pressed, just
    // before the window closes.
    Ui::Cadre construitCadre(const Ui::DescriptionCadre &description, std::function<void()> aLaFermeture = {});

    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Escape: what the window's close button does; nothing in a window without one.
    virtual void echappe();

private:
    VantelBttn *creeBoutonDeplacement(const QString &titre, int largeur);
    VantelBttn *creeBoutonFermer(int gauche, int largeur, std::function<void()> aLaFermeture);
    VantelBttn *creeBoutonReduire(int gauche, int largeur);

    QEventLoop *m_boucleModale = nullptr;
    bool m_place = false;
    QPointer<VantelBttn> m_fermer;
    bool m_dejaMontree = false;
    // The window that was active when this one was shown: it gets the
    // keyboard back when this one goes.
    QPointer<QWidget> m_origine;
    // The keep-on-top switch hides and shows the window: not a departure.
    bool m_bascule = false;
    bool m_dialogue = false;
};

// Starts the window manager's own move from a button, or moves the window
// with the mouse where the window system will not.
class PoigneeDeplacement : public QObject
{
    Q_OBJECT
public:
    explicit PoigneeDeplacement(QWidget *bouton);

protected:
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    QWidget *m_bouton;
    // The button that started the program's own move, until it is released.
    Qt::MouseButton m_boutonManuel = Qt::NoButton;
    QPoint m_decalage;
};
