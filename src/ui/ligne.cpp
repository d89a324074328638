#include "ui/ligne.h"

#include <QPainter>

Ligne::Ligne(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Ligne::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const int y = height() / 2;
    p.drawLine(0, y, width() - 1, y);
}
