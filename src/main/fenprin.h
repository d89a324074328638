#pragma once

#include "base/sujetaide.h"
#include "dates/calendrier.h"
#include "dates/jours.h"
#include "main/compteur.h"
#include "main/etatpanneau.h"
#include "ui/fenetre.h"

#include <QDate>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <optional>

class QComboBox;
class QKeyEvent;
class QLabel;
class GrilleBoutons;
class VantelBttn;
class VantelPanel;
class ImageCiel;
class PopUpInfos;
class FenBOutils;
class ImageLune;
class ParcoursTab;

// The main window: the month's 31 day buttons under a year list and a
// month list, the date caption, the command buttons and the lower panel.
class FenPrin : public FenetreZelund
{
    Q_OBJECT
public:
    explicit FenPrin(QWidget *parent = nullptr);

    // Reads the settings and lays the window out. On a wrong setting it shows
    // the load error and returns false; the caller then ends the program.
    // fermeDemarrage closes the splash just before the window shows;
    // dateDemarrage, given on the command line, is selected once loaded.
    bool charge(const std::function<void()> &fermeDemarrage = {},
                const std::optional<Dates::JourMoisAn> &dateDemarrage = std::nullopt);

    int jourCourant() const { return m_jourCourant; }
    // The selected day as written, Julian before the reform; none before the first.
    std::optional<Dates::JourMoisAn> selection() const { return m_selection; }
    Dates::Periode periode() const { return m_periode; }
    int valeurSelection() const { return m_valeurSelection; }
    // The selected day in the Gregorian calendar, as the almanac takes it.
    QDate jourSelection() const;
    double fractionPhase() const { return m_fraction; }
    EtatPanneau panneau() const { return m_panneau; }
    const Principal::EtatCompteur &compteur() const { return m_compteur; }
    int anneeChoisie() const;
    int moisChoisi() const;
    // Selects a date of the year list as the lists and a day button would.
    void choisitDate(const Dates::JourMoisAn &date);

    // Programs tried, in order, as the clipboard viewer.
    static QStringList visionneusesPressePapiers();
    // Desktop programs that open the date and time settings, tried in order.
    static QList<QStringList> reglagesDateHeure();
    FenBOutils *boiteOutils() const;
    bool boiteOutilsAffichee() const;

signals:
    // The application opens the help viewer on the topic.
    void aideDemandee(SujetAide sujet);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *objet, QEvent *event) override;
    bool focusNextPrevChild(bool suivant) override;
    // Escape closes the menu panel, never the program.
    void echappe() override;

private:
    // Colours of the main window's controls from the shared scheme.
    void appliqueCouleurs();

    // The controls; their object names are those the help and the tests know.
    VantelPanel *m_fond = nullptr;
    VantelBttn *m_legendeDate = nullptr; // the selected date in words
    GrilleBoutons *m_grilleJours = nullptr;
    std::array<VantelBttn *, 31> m_jours{}; // day i + 1 at i
    VantelBttn *m_boutonBoiteOutils = nullptr;
    VantelBttn *m_anMois = nullptr; // covers the two lists
    QComboBox *m_listeAnnees = nullptr;
    QComboBox *m_listeMois = nullptr;
    VantelBttn *m_boutonCompteur = nullptr;
    VantelBttn *m_boutonLune = nullptr;
    VantelBttn *m_boutonFuseaux = nullptr;
    VantelBttn *m_boutonCopier = nullptr;
    VantelBttn *m_boutonConfig = nullptr;
    VantelBttn *m_boutonAide = nullptr;
    VantelBttn *m_boutonMenu = nullptr;
    VantelBttn *m_premiereDate = nullptr;
    VantelBttn *m_deuxiemeDate = nullptr;
    VantelPanel *m_fondEcart = nullptr;
    QLabel *m_ecart = nullptr; // the days between the two dates
    VantelBttn *m_dateAujourdhui = nullptr;
    ImageCiel *m_ciel = nullptr;
    ImageLune *m_lune = nullptr;
    PopUpInfos *m_menu = nullptr;
    Ui::Cadre m_cadre;
    VantelBttn *m_legendePhase = nullptr; // the Moon's phase, under the Moon view
    void creeCadre();
    void creeFond();
    void creeDateEtJours();
    void creeListes();
    void creeBoutonsImages();
    void creeCompteur();
    void creeCielEtMenu();
    VantelBttn *creeBouton(QWidget *parent, const QString &nom, const QString &caption, int g, int h, int l, int ht);
    VantelBttn *creeBoutonImage(const QString &nom, const QString &icone, const QString &infoBulle, int g, int h, int l,
                                int ht);

    void appliqueDisposition(bool ouverte);
    void montreVue();
    void appuiCompteur();
    void appuiLune();
    void ouvreCompteur();
    void prendPremiereDate();
    void ouvreLune();
    void calculePhase();
    void redessineLune();
    void appliqueLegendes(const Principal::LegendesModifiees &l);
    std::optional<Principal::SelectionCourante> selectionCourante() const;
    void
    appliqueAuCompteur(const std::function<Principal::LegendesModifiees(const Principal::SelectionCourante &)> &clic);
    void copie();
    void copierAppuye(Qt::MouseButton bouton);
    void centreSurEcran();
    void remplitMois();
    void remplitAnnees();
    void selectionneAujourdhui();
    void rafraichitMois();
    void actualiseGrille(int mois, int annee);
    void anneeSelectionnee();
    void moisSelectionne();
    void cliqueJour(int indice);
    void afficheAujourdhui();
    void montreSelection(const std::optional<QString> &legende, const Dates::JourMoisAn &date);
    void anMoisAppuye(Qt::MouseButton bouton);
    void boiteOutilsAppuyee(Qt::MouseButton bouton);
    void aideAppuyee(Qt::MouseButton bouton);
    void basculeMenu();
    void fuseauxHoraires();
    void configure();
    void apropos();
    // Keyboard: the order of Tab, the day grid's keys, the menu's Escape.
    void prepareClavier();
    bool toucheGrille(int indice, const QKeyEvent *touche);
    void selectionneAuClavier(const Dates::JourMoisAn &date);
    QString nomCaseJour(int indice) const;
    bool jourChoisi(int indice) const;
    // The day Tab stops at in the grid, and what a screen reader learns of a
    // new month or a new selected day.
    void grilleChangee(int ancienChoisi);
    // Shows the month-year button over the lists, which then leave the Tab order.
    void couvreListes();

    int m_jourCourant = 1;
    std::optional<Dates::JourMoisAn> m_selection;
    int m_premiereAnnee = 0; // of the year list, as it was filled
    Dates::Periode m_periode = Dates::Periode::Apres1582;
    bool m_premierClicAnnee = false;
    int m_valeurSelection = 0;
    double m_fraction = 0.0;
    EtatPanneau m_panneau;
    Principal::EtatCompteur m_compteur;
    QPointer<FenBOutils> m_boiteOutils;
    ParcoursTab *m_parcoursTab = nullptr;
};
