#pragma once

#include "ui/fenoutil.h"

class QComboBox;
class QLineEdit;
class CompteurVertical;

// The day of the week of any date from -1900 to 9999, Julian up to
// 14 October 1582 and Gregorian after.
class FenJourPlus : public FenOutil
{
    Q_OBJECT
public:
    explicit FenJourPlus(QWidget *parent = nullptr);

private:
    void appliqueCouleurs();
    void calculeJour();
    void jourModifie(const QString &texte);
    void anneeModifiee(const QString &texte);

    QLineEdit *m_jourSemaine = nullptr;
    QLineEdit *m_boiteJour = nullptr;
    CompteurVertical *m_compteurJour = nullptr;
    QComboBox *m_listeMois = nullptr;
    QLineEdit *m_boiteAnnee = nullptr;
    CompteurVertical *m_compteurAnnee = nullptr;
};
