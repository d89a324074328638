#include "pastimes/ramdom.h"

#include <utility>

namespace {

constexpr int LongueurCle = 97;
constexpr int Espaces = 86;
constexpr qint64 Multiplicateur = 8171717;
constexpr qint64 PoidsPosition = 997;
constexpr int ToursChauffe = 997;
constexpr int TailleAnneau = 55;
constexpr int DebutMelange = 56;
constexpr int TailleMelange = 42;
constexpr int EntreeI = 98;
constexpr int EntreeJ = 99;
constexpr int EntreeDernier = 100;

// Code of a character in the single-byte Latin-1 page; characters outside
// it count as '?', as a single-byte conversion would write them.
qint64 codeOctet(QChar c)
{
    return c.unicode() < 256 ? c.unicode() : '?';
}

int precedent(int n, int dernier)
{
    return n == 1 ? dernier : n - 1;
}

} // namespace

void Ramdom::InitGenerateur(const QString &graine)
{
    const QString cle = (QStringLiteral("Zimbalorent") + graine + QString(Espaces, QLatin1Char(' '))).left(LongueurCle);

    // Characters above 'z' give starting values past the modulus and the
    // warm-up can then leave 32 bits (never beyond about 4e16), so it runs
    // in 64 bits and every entry is brought back into range at the end; for
    // seeds of digits, letters, spaces and date and time punctuation that
    // last step changes nothing.
    std::array<qint64, LongueurCle + 1> t{};
    for (int n = 1; n <= LongueurCle; ++n)
        t[n] = codeOctet(cle[n - 1]) * Multiplicateur + n * PoidsPosition;

    int a = LongueurCle;
    int b = 12;
    for (int tour = 0; tour < ToursChauffe; ++tour) {
        t[a] -= t[b];
        if (t[a] < 0)
            t[a] += Modulo;
        a = precedent(a, LongueurCle);
        b = precedent(b, LongueurCle);
    }

    for (int n = 1; n <= LongueurCle; ++n)
        T(n) = static_cast<qint32>(((t[n] % Modulo) + Modulo) % Modulo);
    T(EntreeI) = 55;
    T(EntreeJ) = 24;
    T(EntreeDernier) = 77;
}

qint32 Ramdom::TirageBrut()
{
    const int i = T(EntreeI);
    const int j = T(EntreeJ);
    qint32 x = T(i) - T(j);
    if (x < 0)
        x += Modulo;
    T(i) = x;
    T(EntreeI) = precedent(i, TailleAnneau);
    T(EntreeJ) = precedent(j, TailleAnneau);

    const int s = T(EntreeDernier) % TailleMelange + DebutMelange;
    T(EntreeDernier) = T(s);
    T(s) = x;
    return T(EntreeDernier);
}

qint16 Ramdom::TirageEntre(qint16 bas, qint16 haut)
{
    // Reversed bounds are read as the same interval rather than dividing by
    // zero or less.
    if (haut < bas)
        std::swap(bas, haut);
    const qint32 r = TirageBrut();
    const qint32 n = qint32(haut) - bas + 1; // up to 65,536: wider than the bounds
    return static_cast<qint16>(bas + r % n);
}

Ramdom &generateur()
{
    static Ramdom r;
    return r;
}
