#include "ui/appliquecouleurs.h"

#include "ui/couleurqt.h"
#include "ui/vantelbttn.h"
#include "ui/vantelpanel.h"

#include <QWidget>

namespace Ui {

void metCouleurTexte(QWidget *w, const QColor &c)
{
    if (auto *b = qobject_cast<VantelBttn *>(w)) {
        b->setForecolor(c);
        return;
    }
    if (auto *p = qobject_cast<VantelPanel *>(w)) {
        p->setForecolor(c);
        return;
    }
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, c);
    pal.setColor(QPalette::Text, c);
    pal.setColor(QPalette::ButtonText, c);
    w->setPalette(pal);
    w->update();
}

void metCouleurFond(QWidget *w, const QColor &c)
{
    if (auto *p = qobject_cast<VantelPanel *>(w)) {
        p->setBackcolor(c);
        return;
    }
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, c);
    pal.setColor(QPalette::Base, c);
    pal.setColor(QPalette::Button, c);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
    w->update();
}

void appliqueCouleurs(const AffectationCouleurs &a, const Couleurs::Schema &s)
{
    using namespace Couleurs;
    const QColor debut = couleurVb(s.valeur[DebutDegrade]);
    const QColor fin = couleurVb(s.valeur[FinDegrade]);
    for (VantelBttn *b : a.degrade) {
        b->setGradientColorStart(debut);
        b->setGradientColorEnd(fin);
    }
    for (VantelBttn *b : a.degradeInverse) {
        b->setGradientColorEnd(debut);
        b->setGradientColorStart(fin);
    }
    for (VantelPanel *p : a.panneaux) {
        p->setGradientColorStart(debut);
        p->setGradientColorEnd(fin);
    }
    for (VantelPanel *p : a.panneauxInverses) {
        p->setGradientColorEnd(debut);
        p->setGradientColorStart(fin);
    }
    const QColor texteBoutons = couleurVb(s.valeur[TexteBoutons]);
    for (QWidget *w : a.texteBoutons)
        metCouleurTexte(w, texteBoutons);
    const QColor lumiere = couleurVb(s.valeur[LumiereBoutons]);
    for (VantelBttn *b : a.lumiere)
        b->setHighlightColor(lumiere);
    const QColor autres = couleurVb(s.valeur[AutresTextes]);
    for (QWidget *w : a.autresTextes)
        metCouleurTexte(w, autres);
    const QColor fond = couleurVb(s.valeur[FondFenetres]);
    if (a.fenetre)
        metCouleurFond(a.fenetre, fond);
    for (QWidget *w : a.fondFenetre)
        metCouleurFond(w, fond);
    const QColor visu = couleurVb(s.valeur[Visualisation]);
    for (QWidget *w : a.visualisation)
        metCouleurFond(w, visu);
}

} // namespace Ui
