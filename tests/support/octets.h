#pragma once

#include <QFile>
#include <QString>
#include <QTest>

// A settings file's bytes read and written behind the program's back.
inline QByteArray octets(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(absent)");
}

inline void ecritOctets(const QString &chemin, const QByteArray &octets)
{
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(octets);
}
