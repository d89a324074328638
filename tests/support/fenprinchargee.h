#pragma once

#include "base/parametres.h"
#include "main/fenprin.h"
#include "support/cles.h"
#include "support/controle.h"
#include "support/fauxplateforme.h"
#include "ui/vantelbttn.h"

#include <QComboBox>
#include <QTest>

// The day button Jour(i), day i + 1 of the month shown.
inline VantelBttn *jour(const FenPrin &f, int i)
{
    return bouton(f, QStringLiteral("Jour(%1)").arg(i));
}

// The main window loaded on a fresh bench, without its tips, its year list
// from 1501 so that the reform is in reach; header only, for the tests that
// link the main window.
struct FenPrinChargee
{
    Banc banc;
    FenPrin f;
    explicit FenPrinChargee(const QString &style = QString())
    {
        banc.reglages().ecrit(Cles::Conseils, Cles::ConseilDemarrage, Cles::Non);
        banc.reglages().ecrit(Cles::AnneeDebut, Cles::Valeur, QStringLiteral("1501"));
        if (!style.isEmpty())
            banc.reglages().ecrit(Cles::StyleSection, Cles::Style, style);
        f.charge();
    }
    // Picks a day through the lists and the grid, as a user does.
    void choisit(int jour, int mois, int annee)
    {
        controle<QComboBox>(f, "LDAnnee")->setCurrentIndex(annee - Parametres::courant().anneeDebut());
        controle<QComboBox>(f, "LDMois")->setCurrentIndex(mois - 1);
        QTest::mouseClick(::jour(f, jour - 1), Qt::LeftButton);
    }
    void active()
    {
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
    }
    void clique(QWidget *w, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseClick(w, b); }
    void clique(const char *nom, Qt::MouseButton b = Qt::LeftButton) { clique(bouton(f, nom), b); }
    QString legende(const char *nom) const { return bouton(f, nom)->caption(); }
};
