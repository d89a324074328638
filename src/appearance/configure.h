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
    VantelBttn *creeBouton(const QString &nom, const QString &caption, int g, int h, int l, int ht);
    VantelPanel *creeTexte(const QString &nom, int g, int h, int l, int ht);
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

    VantelPanel *m_fond = nullptr;
    VantelBttn *m_boutonCiel = nullptr;
    VantelPanel *m_texteCiel = nullptr;
    VantelPanel *m_apercuCiel = nullptr;
    VantelBttn *m_boutonLune = nullptr;
    VantelPanel *m_texteLune = nullptr;
    VantelPanel *m_apercuLune = nullptr;
    VantelPanel *m_fondRouge = nullptr;
    VantelPanel *m_fondVert = nullptr;
    VantelPanel *m_fondBleu = nullptr;
    QScrollBar *m_rouge = nullptr;
    QScrollBar *m_vert = nullptr;
    QScrollBar *m_bleu = nullptr;
    VantelPanel *m_apercuRegle = nullptr;
    VantelPanel *m_texteRegle = nullptr;
    VantelBttn *m_valideCouleur = nullptr;
    QLabel *m_legendeDebut = nullptr;
    QLabel *m_legendeFin = nullptr;
    VantelPanel *m_texteDebut = nullptr;
    VantelPanel *m_texteFin = nullptr;
    VantelPanel *m_fondDebut = nullptr;
    VantelPanel *m_fondFin = nullptr;
    QScrollBar *m_anneeDebut = nullptr;
    QScrollBar *m_anneeFin = nullptr;
    VantelPanel *m_fondOptions = nullptr;
    std::array<QRadioButton *, 3> m_optionsDemarrage{};
    VantelBttn *m_annuler = nullptr;
    VantelBttn *m_aide = nullptr;
    VantelBttn *m_ok = nullptr;

    Base::Rgb m_ciel;
    Base::Rgb m_lune;
    bool m_editionCiel = false;
    bool m_editionEnCours = false;
    QString m_style;
    Config::Valeurs m_ouverture; // what the dialog opened on
};
