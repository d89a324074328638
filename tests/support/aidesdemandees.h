#pragma once

#include "base/sujetaide.h"

#include <QSignalSpy>

// The help topics a window asks for, in order, as their page numbers.
struct AidesDemandees : QSignalSpy
{
    template<class Fenetre>
    explicit AidesDemandees(Fenetre *fenetre)
        : QSignalSpy(fenetre, &Fenetre::aideDemandee)
    {
    }
    QList<int> sujets() const
    {
        QList<int> l;
        for (const QList<QVariant> &signal : *this)
            l << int(signal.at(0).value<SujetAide>());
        return l;
    }
};
