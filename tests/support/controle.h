#pragma once

#include "ui/vantelbttn.h"

#include <QObject>
#include <QString>
#include <QWidget>

// A window's control found by its object name, the name a screen reader's
// user and the help know it by; a missing one ends the test at once.
template<class T = QWidget>
T *controle(const QObject &fenetre, const QString &nom)
{
    T *c = fenetre.findChild<T *>(nom);
    if (!c)
        qFatal("%s: no control named %s", fenetre.metaObject()->className(), qPrintable(nom));
    return c;
}

template<class T = QWidget>
T *controle(const QObject *fenetre, const QString &nom)
{
    return controle<T>(*fenetre, nom);
}

// The custom buttons, most of what the tests press and read.
inline VantelBttn *bouton(const QObject &fenetre, const QString &nom)
{
    return controle<VantelBttn>(fenetre, nom);
}

inline VantelBttn *bouton(const QObject *fenetre, const QString &nom)
{
    return controle<VantelBttn>(*fenetre, nom);
}
