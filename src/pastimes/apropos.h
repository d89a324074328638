#pragma once

#include "base/sujetaide.h"
#include "pastimes/feuilleapropos.h"
#include "ui/fenetre.h"

#include <QList>
#include <array>

class QFrame;
class QTimer;
class VantelBttn;

// The about box: the presentation scrolls upwards one pixel every 50 ms,
// endlessly; a click on it pauses or resumes.
class Apropos : public FenetreZelund
{
    Q_OBJECT
public:
    explicit Apropos(QWidget *parent = nullptr);

    // The 19 lines of the presentation: the fixed ones and this port's credits.
    static QList<FeuilleApropos::Ligne> lignes(const QString &site);
    // The address CmdSite opens, configured at build time; empty when none
    // was given, and CmdSite then opens the help's contents page.
    static QString siteConfigure();

    int position() const { return m_p; }
    int hauteurFeuille() const { return m_hauteur; }
    int hauteurViewport() const;

signals:
    // The application opens the help viewer on the topic.
    void aideDemandee(SujetAide sujet);

public slots:
    // One step of the scrolling: what the timer runs.
    void defile();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Ui::Cadre m_cadre;
    void creeControles();
    void appliqueCouleurs();
    void imprimeTexte();
    void basculeDefilement();
    void ouvreSite();

    QFrame *m_cadreFeuille = nullptr;
    QWidget *m_interieur = nullptr; // the viewport's inner area, which clips the sheet
    FeuilleApropos *m_feuille = nullptr;
    VantelBttn *m_site = nullptr;
    QTimer *m_defilement = nullptr;
    int m_p = 0;
    int m_hauteur = 0;
};
