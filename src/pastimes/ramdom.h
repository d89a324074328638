#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// The program's own generator: a subtractive generator (lags 55 and 24,
// modulus 1,000,000,000) seeded from a text, read through a 42-entry
// shuffle table. The program holds one instance; seeding restarts it.
class Ramdom
{
public:
    static constexpr qint32 Modulo = 1000000000;
    static constexpr int TailleTable = 100;

    // Seeded with the empty text, so that a draw made before any seeding
    // still reads valid indices.
    Ramdom() { InitGenerateur(QString()); }

    // Resets the whole table from the seed text; only its first 86
    // characters count.
    void InitGenerateur(const QString &graine);
    // Next number, 0 to 999,999,999.
    qint32 TirageBrut();
    // A whole number from bas to haut inclusive.
    qint16 TirageEntre(qint16 bas, qint16 haut);

    // Entry n of the table, numbered 1 to 100 (98: i, 99: j, 100: last number).
    qint32 entree(int n) const { return TableAlea[n - 1]; }

private:
    qint32 &T(int n) { return TableAlea[n - 1]; }

    std::array<qint32, TailleTable> TableAlea{};
};

// The program's one generator (the shared table), used by the lottery.
Ramdom &generateur();
