#pragma once

#include "dates/jours.h"
#include "ui/fenoutil.h"

#include <optional>

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
    // depart: the date the boxes start from (today when none, or when it is
    // not a day of the calculations' years).
    explicit FenCalculs(std::optional<Dates::JourMoisAn> depart, QWidget *parent = nullptr);

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
    void remplit(std::optional<Dates::JourMoisAn> depart);
    void relieEtRetient();
    void choisitDate(QLineEdit *boite);
    void calculeAjout();
    void calculeEcart();
    void calculeJourOuvre();
    void copie();

    VantelPanel *m_fond = nullptr;
    QLineEdit *m_boiteDate = nullptr;
    QLineEdit *m_boiteNombre = nullptr;
    QComboBox *m_listeUnite = nullptr;
    QLabel *m_ajout = nullptr;
    QLineEdit *m_boiteFin = nullptr;
    QCheckBox *m_alsace = nullptr;
    QLabel *m_ecart = nullptr;
    QLineEdit *m_boiteRang = nullptr;
    QComboBox *m_listeRegle = nullptr;
    QLabel *m_jourOuvre = nullptr;
    VantelBttn *m_choixDate = nullptr;
    VantelBttn *m_choixFin = nullptr;
    VantelBttn *m_copier = nullptr;
    QList<QLabel *> m_etiquettes;
};
