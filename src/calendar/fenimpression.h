#pragma once

#include "calendar/dessinpage.h"
#include "calendar/pageimprimee.h"

#include <QDialog>

class QPrinter;
class QRadioButton;

// What to print from the perpetual calendar, and where: the month shown or
// its whole year, portrait or landscape, the window's colours or black on
// white; then a preview, a printer, or a PDF file.
class FenImpression : public QDialog
{
    Q_OBJECT
public:
    FenImpression(int mois, int annee, const Calendrier::PaletteImpression &couleurs, Calendrier::SourcePhases phases,
                  QWidget *parent = nullptr);

    // The PDF file's name offered: "Calendrier 2026.pdf", "Calendrier octobre 1582.pdf".
    QString nomPropose() const;

private:
    Calendrier::DemandeImpression demande() const;
    Calendrier::PageImprimee page(const Calendrier::DemandeImpression &d) const;
    Calendrier::PaletteImpression palette() const;
    void apercu();
    void imprime();
    void enregistre();
    void dessine(QPrinter *imprimante) const;

    int m_mois;
    int m_annee;
    Calendrier::PaletteImpression m_couleurs;
    Calendrier::SourcePhases m_phases;
    QRadioButton *m_choixAnnee = nullptr;
    QRadioButton *m_paysage = nullptr;
    QRadioButton *m_noirEtBlanc = nullptr;
};
