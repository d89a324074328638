#pragma once

#include "calendar/imagepremierplan.h"
#include "calendar/minicalend.h"
#include "ui/fenoutil.h"

#include <QDate>

class QLabel;
class QPainter;
class ImagePremierPlan;
class VantelPanel;

// A small month calendar, Sunday first, paged one month at a time.
class FenMiniCalend : public FenOutil
{
    Q_OBJECT
public:
    explicit FenMiniCalend(QWidget *parent = nullptr);

    // Moves to the month of date, redrawing when the month changes.
    void changeDate(const QDate &date);
    // The date the month shown was reached from, and the grid's cell size.
    QDate dateCourante() const { return m_date; }
    Calendrier::TaillesCase taillesCase() const { return m_tailles; }

protected:
    bool eventFilter(QObject *objet, QEvent *event) override;
    // Page Up and the Left and Up arrows show the month before, their
    // counterparts the month after.
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Shows the window on the month of date.
    void afficheMois(const QDate &date);
    void appliqueCouleurs();
    void redessine();
    void dessineMois(QPainter &p) const;
    void page(int sens);
    // The day under a point of the grid's contents, and what its tooltip tells.
    QDate jourSous(QPoint point) const;
    QString infoJourSous(QPoint point) const;
    std::vector<ImagePremierPlan::CaseNommee> casesNommees() const;

    QDate m_date;
    Calendrier::TaillesCase m_tailles; // twips
    VantelPanel *m_fond = nullptr;
    QLabel *m_moisPrecedent = nullptr;
    QLabel *m_titre = nullptr;
    QLabel *m_moisSuivant = nullptr;
    QLabel *m_initiales = nullptr;
    ImagePremierPlan *m_grille = nullptr;
};
