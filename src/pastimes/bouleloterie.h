#pragma once

#include <QColor>
#include <QWidget>

// A ball of the lottery: a filled oval, its number on a label inside it.
class BouleLoterie : public QWidget
{
    Q_OBJECT
public:
    BouleLoterie(const QColor &couleur, QWidget *parent);
    QColor couleur() const { return m_couleur; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_couleur;
};
