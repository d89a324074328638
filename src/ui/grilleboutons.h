#pragma once

#include <QList>
#include <QWidget>

class VantelBttn;

// Buttons laid in rows of a given number of columns, read as one table and
// reached as one Tab stop: the arrows move inside it.
class GrilleBoutons : public QWidget
{
    Q_OBJECT
public:
    explicit GrilleBoutons(int colonnes, QWidget *parent = nullptr);

    // The next cell, row after row; the grid becomes the button's parent.
    void ajoute(VantelBttn *bouton);
    const QList<VantelBttn *> &boutons() const { return m_boutons; }
    int colonnes() const { return m_colonnes; }
    // The one button Tab stops at; a click still focuses any of them.
    void setArretTab(VantelBttn *bouton);

private:
    int m_colonnes;
    QList<VantelBttn *> m_boutons;
};
