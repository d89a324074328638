#pragma once

#include "appearance/config.h"
#include "base/chargement.h"
#include "base/sujetaide.h"
#include "ui/fenetre.h"

#include <QString>
#include <array>

class QLabel;
class QRadioButton;
class QScrollBar;
class VantelBttn;
class VantelPanel;

// The configuration dialog: sky and Moon colours, the year range and the start-up view.
// Nothing reaches the store before OK; every way out leaves the shared year range
// and colours as the main window must take them back.
class Configure : public FenetreZelund
{
    Q_OBJECT
public:
    explicit Configure(QWidget *parent = nullptr);

    Base::Rgb couleurCiel() const { return m_ciel; }
    Base::Rgb couleurLune() const { return m_lune; }
    bool editionEnCours() const { return m_editionEnCours; }
    bool editionCiel() const { return m_editionCiel; }
    QString style() const { return m_style; }

    VantelPanel *FondConfig = nullptr;
    VantelBttn *CmdCoulCiel = nullptr;
    VantelPanel *TextCiel = nullptr;
    VantelPanel *CoulCiel = nullptr;
    VantelBttn *CmdCoulLune = nullptr;
    VantelPanel *TextLune = nullptr;
    VantelPanel *CoulLune = nullptr;
    VantelPanel *VantelPanel1 = nullptr;
    VantelPanel *VantelPanel2 = nullptr;
    VantelPanel *VantelPanel3 = nullptr;
    QScrollBar *Rouge = nullptr;
    QScrollBar *Vert = nullptr;
    QScrollBar *Bleu = nullptr;
    VantelPanel *CoulReg = nullptr;
    VantelPanel *TextCoul = nullptr;
    VantelBttn *CmdCoulOK = nullptr;
    QLabel *LblAnDeb = nullptr;
    QLabel *LblAnFin = nullptr;
    VantelPanel *TextAnDeb = nullptr;
    VantelPanel *TextAnFin = nullptr;
    VantelPanel *VantelPanel9 = nullptr;
    VantelPanel *VantelPanel10 = nullptr;
    QScrollBar *ScrollDeb = nullptr;
    QScrollBar *ScrollFin = nullptr;
    VantelPanel *FondAffDem = nullptr;
    std::array<QRadioButton *, 3> AffDemOpt{};
    VantelBttn *CmdAnnul = nullptr;
    VantelBttn *CmdAide = nullptr;
    VantelBttn *CmdOK = nullptr;

signals:
    // The application opens the help viewer on the topic.
    void aideDemandee(SujetAide sujet);

private:
    Ui::Cadre m_cadre;
    void creeCadre();
    void creeCouleurs();
    VantelPanel *creeBarre(QScrollBar *&barre, const QString &nom, const QColor &fond, int haut);
    void creeAnnees();
    void creeOptions();
    void creeBoutons();
    VantelBttn *creeBouton(const QString &caption, int g, int h, int l, int ht);
    VantelPanel *creeTexte(int g, int h, int l, int ht);
    void appliqueSchema();
    void charge();

    void commenceEdition(bool ciel);
    void barresChangees();
    void valideCouleur();
    void activeHorsEdition(bool actif);
    void anneeDebutChangee();
    void anneeFinChangee();
    void optionChoisie();
    void valide();
    void aideAppuyee(Qt::MouseButton bouton);
    static int anneeCourante();

    Base::Rgb m_ciel;
    Base::Rgb m_lune;
    bool m_editionCiel = false;
    bool m_editionEnCours = false;
    QString m_style;
    Config::Valeurs m_ouverture; // what the dialog opened on
};
