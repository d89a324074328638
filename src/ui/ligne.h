#pragma once

#include <QWidget>

// A thin separator line drawn in the widget's text colour.
class Ligne : public QWidget
{
    Q_OBJECT
public:
    explicit Ligne(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
