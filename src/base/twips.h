#pragma once

#include <QtGlobal>

namespace Base {

// Window and control geometry is laid out in twips; 15 twips make one
// logical pixel, and Qt scales logical pixels for high-DPI screens.
constexpr int TwipsParPixel = 15;

constexpr int px(int twips)
{
    return twips >= 0 ? (twips + TwipsParPixel / 2) / TwipsParPixel : -((-twips + TwipsParPixel / 2) / TwipsParPixel);
}

constexpr int twips(int pixels)
{
    return pixels * TwipsParPixel;
}

struct Position
{
    int x = 0;
    int y = 0;
    bool operator==(const Position &) const = default;
};

// Top-left corner that centres a window of size (l, h) on another window
// at (x, y) of size (L, H): exact halves, rounded once at the end.
constexpr Position centreSur(int x, int y, int L, int H, int l, int h)
{
    const double gauche = x + L / 2.0 - l / 2.0;
    const double haut = y + H / 2.0 - h / 2.0;
    return {qRound(gauche), qRound(haut)};
}

// Top-left corner of a window of size (l, h) wanted at pos, moved as little as
// needed to lie inside the area at (x, y) of size (L, H). When the window is
// larger than the area, its top-left corner stays inside.
constexpr Position dansZone(Position pos, int l, int h, int x, int y, int L, int H)
{
    return {qMax(x, qMin(pos.x, x + L - l)), qMax(y, qMin(pos.y, y + H - h))};
}

} // namespace Base
