#pragma once

#include "moon/imageciel.h"

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
