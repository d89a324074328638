#pragma once

#include "ui/fenoutil.h"

class QLabel;
class QLineEdit;
class CompteurVertical;
class VantelPanel;

// Easter and the holidays that follow from it for a chosen year, above the
// list of the holidays that fall on fixed dates.
class FenPaques : public FenOutil
{
    Q_OBJECT
public:
    explicit FenPaques(QWidget *parent = nullptr);

private:
    VantelPanel *m_fond = nullptr;
    QLabel *m_legendeAnnee = nullptr;
    QLineEdit *m_boiteAnnee = nullptr;
    CompteurVertical *m_compteurAnnee = nullptr;
    QLabel *m_dates = nullptr;
    QLabel *m_rappel = nullptr;
    QLabel *m_orthodoxe = nullptr; // Orthodox Easter, below the five dates

    void appliqueCouleurs();
    void afficheJoursFeries();
    void anneeModifiee(const QString &texte);
    void compteurModifie(int valeur);
};
