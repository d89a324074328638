#pragma once

#include <functional>

#include "base/sujetaide.h"
#include "dates/jours.h"
#include "ui/fenoutil.h"

#include <QIcon>
#include <QPointer>
#include <array>

class VantelBttn;
class VantelPanel;

// The toolbox: a 3 x 3 grid of picture buttons, each opening its tool window
// on one press and closing it on the next, and the help button. It keeps a
// fixed place over the main window, which owns it.
class FenBOutils : public FenOutil
{
    Q_OBJECT
public:
    enum Outil { Horloge, Calendrier, MiniCalend, JourPlus, An2010, An2001, Feries, Fortune, NbOutils };

    // dateSelection gives the date the calculations window starts from.
    explicit FenBOutils(QWidget *parent = nullptr,
                        std::function<std::optional<Dates::JourMoisAn>()> dateSelection = {});

    // The tool window loaded for a button, or nullptr; each exists at most once,
    // whichever toolbox opened it.
    static FenetreZelund *fenetre(Outil outil);

    // The date calculations window, opened from the main window's selected
    // date: shown and brought forward, or toggled like a tool.
    static void montreCalculs(std::optional<Dates::JourMoisAn> date);
    void basculeCalculs();

    // At the main window's Left + 630 and Top + 3210 twips.
    void placeSurPrincipale() override;

signals:
    // The application opens the help viewer on the topic.
    void aideDemandee(SujetAide sujet);

protected:
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    VantelBttn *creeBouton(const QString &nom, const QString &image, const QString &infoBulle, int g, int h, int l,
                           int ht);
    void appliqueCouleurs();
    void bascule(Outil outil);
    void aideAppuyee(Qt::MouseButton bouton);
    // Closed, or open since before this toolbox loaded and not opened from it since.
    bool fermee(Outil outil) const;

    VantelPanel *m_fond = nullptr;
    std::array<VantelBttn *, NbOutils> m_outils{}; // in the order of Outil
    VantelBttn *m_aide = nullptr;
    std::function<std::optional<Dates::JourMoisAn>()> m_dateSelection;
    std::array<QPointer<FenetreZelund>, NbOutils> m_fermeesAuChargement;
};
