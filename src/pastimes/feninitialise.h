#pragma once

#include "ui/fenetre.h"

#include <array>

class QLabel;
class QScrollBar;
class VantelBttn;
class VantelPanel;

// The lottery's set-up: the number of balls and of starters. Hidden, not
// destroyed, when left, so it shows its values again the next time.
class FenInitialise : public FenetreZelund
{
    Q_OBJECT
public:
    // The one set-up dialog, loaded on first use.
    static FenInitialise *instance();
    static FenInitialise *existante();

    // Shows the dialog, not modal.
    void montre();

protected:
    explicit FenInitialise(QWidget *parent = nullptr);
    // Escape leaves it as if it had not been opened: the counts stay, the
    // bars show again what they showed when it opened.
    void echappe() override;

private:
    Ui::Cadre m_cadre;
    void creeCadre();
    void creeReglages();
    QLabel *creeLabel(const QString &texte, const QFont &police, int g, int h, int l, int ht);
    QScrollBar *creeBarre(int minimum, int maximum, int grandPas, QLabel *valeur, int h);
    void appliqueCouleurs();
    void cestParti();

    VantelPanel *m_fond = nullptr;
    QLabel *m_titreBoules = nullptr;
    QLabel *m_titrePartants = nullptr;
    QLabel *m_valeurBoules = nullptr;
    QLabel *m_valeurPartants = nullptr;
    QLabel *m_cadreBoules = nullptr; // the frames drawn around the bars
    QLabel *m_cadrePartants = nullptr;
    QScrollBar *m_boules = nullptr;
    QScrollBar *m_partants = nullptr;
    VantelBttn *m_cestParti = nullptr;
    int m_boulesAOuverture = 0;
    int m_partantsAOuverture = 0;
};
