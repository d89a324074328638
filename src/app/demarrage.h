#pragma once

#include "dates/texte.h"

#include <QObject>
#include <functional>
#include <memory>
#include <optional>

class Demarre2;
class FenPrin;

// The start-up sequence: the single-instance question, the splash, then the
// main window's load once the splash's timer has fired and it is painted.
class Demarrage : public QObject
{
    Q_OBJECT
public:
    // dateDemarrage: the date the main window selects once loaded, if any.
    explicit Demarrage(std::optional<Dates::JourMoisAn> dateDemarrage = std::nullopt);
    ~Demarrage() override;

    // Asks about a copy already running; false when the user declines.
    static bool continuerMalgreInstance();
    // Asks about a copy already running, then shows the splash and, on its
    // timer once it is painted, loads the main window; the callback receives
    // the load's outcome.
    // False when the user declines: nothing is shown, loaded or written.
    bool lance(std::function<void(bool)> fin);

    Demarre2 *demarre2() const { return m_demarre2.get(); }
    FenPrin *fenPrin() const { return m_fenPrin; }

private:
    void charge();

    std::unique_ptr<Demarre2> m_demarre2;
    FenPrin *m_fenPrin = nullptr;
    std::function<void(bool)> m_fin;
    std::optional<Dates::JourMoisAn> m_dateDemarrage;
};
