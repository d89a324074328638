#pragma once

#include <QColor>
#include <QWidget>

// The night sky of the Moon view: its colour and 50 stars in new places at
// every painting.
class ImageCiel : public QWidget
{
    Q_OBJECT
public:
    explicit ImageCiel(QWidget *parent = nullptr);
    void setCouleurs(const QColor &ciel, const QColor &etoiles);
    QColor ciel() const { return m_ciel; }
    QColor etoiles() const { return m_etoiles; }

protected:
    void paintEvent(QPaintEvent *event) override;
    // Sky and stars, shared by the Moon picture that stands on its own patch of sky.
    void peintCiel(QPainter &p);

    QColor m_ciel{119, 119, 119};
    QColor m_etoiles{255, 255, 255};
};
