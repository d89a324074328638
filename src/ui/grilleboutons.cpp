#include "ui/grilleboutons.h"

#include "ui/tableaccessible.h"
#include "ui/vantelbttn.h"

namespace {
class GrilleAccessible : public Ui::TableAccessible
{
public:
    explicit GrilleAccessible(GrilleBoutons *g)
        : TableAccessible(g)
    {
    }
    const GrilleBoutons *grille() const { return static_cast<const GrilleBoutons *>(widget()); }
    int nbColonnes() const override { return grille()->colonnes(); }
    int nbLignes() const override
    {
        return int((grille()->boutons().size() + grille()->colonnes() - 1) / grille()->colonnes());
    }
    QAccessibleInterface *cellule(int ligne, int colonne) const override
    {
        const qsizetype i = qsizetype(ligne) * nbColonnes() + colonne;
        return i < grille()->boutons().size() ? QAccessible::queryAccessibleInterface(grille()->boutons()[i]) : nullptr;
    }
};

QAccessibleInterface *fabriqueGrille(const QString &classe, QObject *objet)
{
    if (classe == QLatin1String("GrilleBoutons") && objet && objet->isWidgetType())
        return new GrilleAccessible(static_cast<GrilleBoutons *>(objet));
    return nullptr;
}

void installeFabriqueGrille()
{
    QAccessible::installFactory(fabriqueGrille);
}
Q_CONSTRUCTOR_FUNCTION(installeFabriqueGrille)
} // namespace

GrilleBoutons::GrilleBoutons(int colonnes, QWidget *parent)
    : QWidget(parent),
      m_colonnes(colonnes)
{
}

void GrilleBoutons::ajoute(VantelBttn *bouton)
{
    const int i = int(m_boutons.size());
    bouton->setParent(this);
    auto cellule = bouton->cellule().value_or(VantelBttn::Cellule{});
    cellule.ligne = i / m_colonnes;
    cellule.colonne = i % m_colonnes;
    bouton->setCellule(cellule);
    m_boutons << bouton;
}

void GrilleBoutons::setArretTab(VantelBttn *bouton)
{
    for (VantelBttn *b : m_boutons)
        b->setFocusPolicy(b == bouton ? Qt::StrongFocus : Qt::ClickFocus);
}
