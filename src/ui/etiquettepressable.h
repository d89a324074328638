#pragma once

#include <QLabel>
#include <functional>

// A label the mouse presses (a paging arrow): read on the accessibility bus
// as a button whose press, queued as Qt's own buttons queue theirs, runs the
// same action as the click.
class EtiquettePressable : public QLabel
{
    Q_OBJECT
public:
    EtiquettePressable(const QString &texte, QWidget *parent, std::function<void()> appui);
    void appuie() const { m_appui(); }

private:
    std::function<void()> m_appui;
};
