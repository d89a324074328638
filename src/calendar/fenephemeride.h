#pragma once

#include "dates/ephemeride.h"
#include "dates/lieux.h"
#include "ui/fenoutil.h"

#include <QDate>
#include <QKeySequence>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class VantelPanel;

// The almanac of a day at the chosen place: the Sun, the Moon, the seasons
// and the day in other calendars. One window at most; it follows the day
// chosen in the main window while it is open, and opens beside it.
class FenEphemeride : public FenOutil
{
    Q_OBJECT
public:
    // Shows the window on jour, creating it on first use.
    static FenEphemeride *montre(const QDate &jour);
    // The window when it is open, else nullptr.
    static FenEphemeride *ouverte();
    // The key that opens it from a day, and a day's tooltip with the line
    // that tells how, on the days it covers.
    static inline const QKeySequence Touche{Qt::CTRL | Qt::Key_E};
    static QString infoBulle(const QString &info, const QDate &jour);

    // The Moon is a feature of its own: its phases and its last year are
    // handed in by the main window.
    static void setLune(Dates::PhasesLune phases, int derniereAnnee);

    void setJour(const QDate &jour);
    QDate jour() const { return m_jour; }

    // Beside the main window, on the side where it fits, else as near as the screen allows.
    void placeSurPrincipale() override;
    // Where a window of a size goes beside a main window's frame, within the
    // screen's available area: right, left, below or above it, where it
    // fits whole; else on the side with more room, under the main window's
    // title bar, which stays uncovered with its buttons.
    static QPoint placeACote(const QRect &principale, const QSize &taille, const QRect &zone);

protected:
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    FenEphemeride();
    void creeChoixLieu();
    void appliqueCouleurs();
    // Opened again after being closed: as it was first shown, on the day asked.
    void rouvre();
    // A town of the list, or coordinates typed; anything else is refused
    // with its reason beside the box, and nothing changes.
    void choisitLieu(const QString &texte);
    void montreLieu();
    void remplit();

    static inline Dates::PhasesLune s_phases;
    // The Moon's series end there; the main window gives the figure.
    static inline int s_derniereAnnee = 3000;

    QDate m_jour;
    bool m_couleursChangees = false;
    std::vector<Dates::Lieu> m_lieux;
    VantelPanel *FondEphemeride = nullptr;
    QLabel *LblLieu = nullptr;
    QLineEdit *TxtLieu = nullptr;
    VantelBttn *CmdListeLieux = nullptr;
    QLabel *LblRefusLieu = nullptr;
    QPlainTextEdit *TxtEphemeride = nullptr;
};
