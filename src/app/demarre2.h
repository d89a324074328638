#pragma once

#include <QImage>
#include <QWidget>

class QTimer;

// The splash: black to blue, shown while the main window loads.
class Demarre2 : public QWidget
{
    Q_OBJECT
public:
    explicit Demarre2(QWidget *parent = nullptr);

    // Starts the 1 ms timer once the splash is shown, and watches for its
    // first picture.
    void lanceMinuterie();

signals:
    // The timer fired and the splash has been painted: time to load the main
    // window. Emitted once.
    void chargeFenPrin();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void prete();

    QTimer *m_timer1;
    QImage m_image;
    bool m_echue = false;  // the timer has fired
    bool m_peinte = false; // the first picture is on screen
    bool m_chargee = false;
};
