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

    // Shows the window on the month of date.
    int GetDate(const QDate &date);
    // Moves to the month of date, redrawing when the month changes.
    void ChangeDate(const QDate &date);

    QDate DateCourante;
    int LargeurCase = 0; // twips
    int HauteurCase = 0;

    VantelPanel *FondMiniCalend = nullptr;
    QLabel *lblPrev = nullptr;
    QLabel *lblMonth = nullptr;
    QLabel *lblNext = nullptr;
    QLabel *Label1 = nullptr;
    ImagePremierPlan *picMonth = nullptr;

protected:
    bool eventFilter(QObject *objet, QEvent *event) override;
    // Page Up and the Left and Up arrows show the month before, their
    // counterparts the month after.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void appliqueCouleurs();
    void redessine();
    void dessineMois(QPainter &p) const;
    void page(int sens);
    // The day under a point of the grid's contents, and what its tooltip tells.
    QDate jourSous(QPoint point) const;
    QString infoJourSous(QPoint point) const;
    std::vector<ImagePremierPlan::CaseNommee> casesNommees() const;
};
