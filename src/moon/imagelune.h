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

// The Moon in its phase, on its own patch of starry sky.
class ImageLune : public ImageCiel
{
    Q_OBJECT
public:
    explicit ImageLune(QWidget *parent = nullptr);
    void setFraction(double fraction);
    double fraction() const { return m_fraction; }
    // Tooltip shown while the application-wide switch is on; the screen
    // reader reads it as the picture's description.
    void setInfoBulle(const QString &texte);
    QString infoBulle() const { return m_infoBulle; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void rafraichitInfoBulle();

    double m_fraction = 0.0;
    QString m_infoBulle;
};
