#pragma once

#include <QPixmap>
#include <QWidget>

class QTimer;

// The splash: black to blue, shown while the main window loads.
class Demarre2 : public QWidget
{
    Q_OBJECT
public:
    explicit Demarre2(QWidget *parent = nullptr);

    // Starts the 1 ms timer once the splash is on screen.
    void lanceMinuterie();

signals:
    // The timer fired: time to load the main window.
    void chargeFenPrin();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTimer *m_timer1;
    QPixmap m_image;
};
