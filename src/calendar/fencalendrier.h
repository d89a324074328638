#pragma once

#include "calendar/grillecalendrier.h"
#include "calendar/imagepremierplan.h"
#include "calendar/pageimprimee.h"
#include "dates/exportics.h"
#include "ui/fenoutil.h"

#include <QColor>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPainter;
class QTimer;
class CompteurVertical;
class ImagePremierPlan;

// The perpetual calendar: one month as a Monday-first grid, a month list, a
// year box with its spin control, and the time of day.
class FenCalendrier : public FenOutil
{
    Q_OBJECT
public:
    explicit FenCalendrier(QWidget *parent = nullptr);

    // The month and year shown (the grid of the last readable year).
    const std::optional<Calendrier::MoisCalendrier> &moisAffiche() const { return m_mois; }

    // Where the printed calendar finds the Moon's phases of a year.
    void setSourcePhases(Calendrier::SourcePhases source) { m_phases = std::move(source); }
    // Where the iCalendar export (Ctrl+I) finds the Moon's principal phases.
    void setPhasesIcs(Dates::PhasesIcs lune) { m_phasesIcs = std::move(lune); }

public slots:
    // Ctrl+P or the window's context menu: the month shown or its year on paper or in a PDF file.
    void ouvreImpression();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void appliqueCouleurs();
    // Every second: the time of day.
    void afficheHeure();
    void remplitCalendrier();
    void dessineCalendrier(QPainter &p) const;
    void dessineNumeros(QPainter &p) const;
    void anneeModifiee(const QString &texte);
    void compteurModifie(int valeur);
    std::vector<ImagePremierPlan::CaseNommee> casesNommees() const;

    // The day under a point of the grid's contents, and what its tooltip tells.
    const Calendrier::CaseCalendrier *caseSous(QPoint point) const;
    QString infoJourSous(QPoint point) const;

    QLabel *m_heure = nullptr;
    QComboBox *m_listeMois = nullptr;
    QLineEdit *m_boiteAnnee = nullptr;
    CompteurVertical *m_compteurAnnee = nullptr;
    ImagePremierPlan *m_grille = nullptr;
    QTimer *m_minuterie = nullptr;
    std::optional<Calendrier::MoisCalendrier> m_mois;
    int m_moisAffiche = 0;
    int m_anneeAffichee = 0;
    QColor m_texteBoutons;
    QColor m_autresTextes;
    QColor m_visualisation;
    Calendrier::SourcePhases m_phases;
    Dates::PhasesIcs m_phasesIcs;
    QAction *m_imprimer = nullptr;
};
