#include "app/placement.h"

#include <algorithm>

namespace {
/// The start of a length-long span moved as little as needed to lie in [low, high]; low when it
/// cannot fit.
int keepWithin(int start, int length, int low, int high)
{
    return std::max(low, std::min(start, high + 1 - length));
}

/// Pixels between the meaning popup and the strip, so the two never touch.
constexpr int PopupGap = 4;
}

QRect PlaceBesideMain(const QRect &screen, const QRect &mainWindow, const QRect &over, const QSize &window)
{
    const int w = window.width();
    const int besideTop = keepWithin(mainWindow.top(), window.height(), screen.top(), screen.bottom());
    if (screen.right() - mainWindow.right() >= w)
        return {QPoint(mainWindow.right() + 1, besideTop), window};
    if (mainWindow.left() - screen.left() >= w)
        return {QPoint(mainWindow.left() - w, besideTop), window};
    // The layer list and the panels right of it matter least while reading. A window too tall
    // for the room below the file buttons is made shorter, if that leaves it half its height.
    int height = window.height();
    const int room = screen.bottom() + 1 - over.top();
    if (height > room && room >= height / 2)
        height = room;
    const int top = keepWithin(over.top(), height, screen.top(), screen.bottom());
    return {keepWithin(screen.right() + 1 - w, w, screen.left(), screen.right()), top, w, height};
}

QRect PlaceAboveTile(const QRect &screen, const QRect &strip, const QRect &tile, const QSize &popup)
{
    const int centred = tile.center().x() + 1 - popup.width() / 2;
    const int left = keepWithin(centred, popup.width(), screen.left(), screen.right());
    int top = strip.top() - PopupGap - popup.height();
    if (top < screen.top())
        top = strip.bottom() + 1 + PopupGap;
    return {QPoint(left, top), popup};
}
