#pragma once

#include "pastimes/bouleloterie.h"
#include "pastimes/loterie.h"
#include "ui/fenetre.h"

#include <QColor>
#include <array>

class QLabel;
class QTimer;
class VantelBttn;
class VantelPanel;

// The lottery: seven balls spinning ten times a second, stopped one after
// the other by the draw button.
class FenLoterie : public FenetreZelund
{
    Q_OBJECT
public:
    // The one lottery window, loaded on first use.
    static FenLoterie *instance();
    // nullptr while the window is not loaded.
    static FenLoterie *existante();

    // One step of the animation: the spinning balls take new numbers.
    void tic();
    // The numbers shown, ball 1 to 7.
    QList<int> numerosAffiches() const;

    // The balls in play and the numbers they are drawn from: the defaults
    // when the window loads, then the new deal's.
    int nbBoules() const { return m_nbBoules; }
    int nbPartants() const { return m_nbPartants; }
    // The new deal: its counts, and the window on screen again.
    void reprend(int nbBoules, int nbPartants);

signals:
    void reprise();

protected:
    explicit FenLoterie(QWidget *parent = nullptr);
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // 0 or Delete: what a click on the background does.
    void keyPressEvent(QKeyEvent *event) override;

private:
    Ui::Cadre m_cadre;
    void creeCadre();
    void creeBoules();
    void appliqueCouleurs();
    void montreNumeros();
    void lanceBoule();
    void montreZero();

    VantelPanel *m_fond = nullptr;
    std::array<BouleLoterie *, Loterie::MaxBoules> m_boules{};
    std::array<QLabel *, Loterie::MaxBoules> m_numeros{}; // the number written on each ball
    VantelBttn *m_lanceBoule = nullptr;
    VantelBttn *m_nouvelleDonne = nullptr;
    QTimer *m_animation = nullptr;
    int m_nbBoules = Loterie::BoulesDefaut;
    int m_nbPartants = Loterie::PartantsDefaut;
};
