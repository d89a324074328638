#pragma once

#include "dates/exportics.h"

#include <QDateTime>
#include <QDialog>
#include <functional>
#include <optional>

class QCheckBox;
class QLineEdit;
class QSpinBox;
class QWidget;

// The export of the holidays, the Moon's principal phases and the seasons of
// a range of years to an iCalendar file, from the perpetual calendar (Ctrl+I).
class DialogueIcs : public QDialog
{
    Q_OBJECT
public:
    // Opens on the year shown; the file proposed in the documents folder.
    DialogueIcs(int annee, Dates::PhasesIcs lune, QWidget *parent = nullptr);

    // Ctrl+I in the window opens the dialog on the year anneeAffichee gives,
    // with the Moon lune gives then.
    static void installeRaccourci(QWidget *fenetre, std::function<int()> anneeAffichee,
                                  std::function<Dates::PhasesIcs()> lune);

    void accept() override;

private:
    void parcourt();
    void proposeNom();

    QSpinBox *m_debut = nullptr;
    QSpinBox *m_fin = nullptr;
    QCheckBox *m_alsace = nullptr;
    QLineEdit *m_fichier = nullptr;
    QString m_nomPropose; // the last file name the dialog proposed
    Dates::PhasesIcs m_lune;
};

namespace Calendrier {

// Writes the events of the years into the file through a temporary file
// renamed at the end, so that a failure leaves the file as it was. The
// French message of a refused range or of a failed write; nullopt once written.
std::optional<QString> ecrisIcs(const QString &chemin, int debut, int fin, Dates::Region region,
                                const QDateTime &horodatage, const Dates::PhasesIcs &lune);

} // namespace Calendrier
