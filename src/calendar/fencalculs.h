#pragma once

#include "ui/fenoutil.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class VantelPanel;

// Date calculations: a date plus or minus a period, the time and the working
// days between two dates, and the n-th working day after a date. Each result
// is worked out again on every change; a wrong input puts its message in
// place of that result alone.
class FenCalculs : public FenOutil
{
    Q_OBJECT
public:
    // depart: the date the boxes start from, JJ/MM/AAAA (today when empty).
    explicit FenCalculs(const QString &depart, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    QLabel *etiquette(const QString &texte, int haut, QWidget *pour);
    QLineEdit *boite(const QString &objet, const QString &nom, const QString &infoBulle, int gauche, int haut,
                     int largeur);
    QLabel *resultat(const QString &nom, const QString &accessible, int haut, int hauteur);
    VantelBttn *boutonCalendrier(const QString &nom, QLineEdit *boite, int haut);
    void appliqueCouleurs();
    // The boxes' first values and the remembered choices, then the results.
    void remplit(const QString &depart);
    void relieEtRetient();
    void choisitDate(QLineEdit *boite);
    void calculeAjout();
    void calculeEcart();
    void calculeJourOuvre();
    void copie();

    VantelPanel *FondCalculs = nullptr;
    QLineEdit *TxtDate = nullptr;
    QLineEdit *TxtNombre = nullptr;
    QComboBox *LDUnite = nullptr;
    QLabel *LblAjout = nullptr;
    QLineEdit *TxtFin = nullptr;
    QCheckBox *CaseAlsace = nullptr;
    QLabel *LblEcart = nullptr;
    QLineEdit *TxtRang = nullptr;
    QComboBox *LDRegle = nullptr;
    QLabel *LblJourOuvre = nullptr;
    VantelBttn *CmdChoixDate = nullptr;
    VantelBttn *CmdChoixFin = nullptr;
    VantelBttn *CmdCopier = nullptr;
    QList<QLabel *> m_etiquettes;
};
