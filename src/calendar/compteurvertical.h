#pragma once

#include <QAbstractSlider>

// The spin control beside a day or year box: two arrows, the upper one
// increasing the value by one step, held down it repeats.
class CompteurVertical : public QAbstractSlider
{
    Q_OBJECT
public:
    explicit CompteurVertical(int minimum, int maximum, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    // Up and Down typed in the box beside it step the value, as the arrows do.
    void relieBoite(QWidget *boite);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    enum class Fleche { Aucune, Haut, Bas };
    void dessineFleche(QPainter &p, const QRect &zone, bool haut) const;

    Fleche m_enfoncee = Fleche::Aucune;
};
