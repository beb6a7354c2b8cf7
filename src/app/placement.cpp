#include "placement.h"

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
    // The layer list and the panels right of it matter least while reading.
    const int top = keepWithin(over.top(), window.height(), screen.top(), screen.bottom());
    return {QPoint(keepWithin(screen.right() + 1 - w, w, screen.left(), screen.right()), top), window};
}

QRect PlaceAboveTile(const QRect &screen, const QRect &strip, const QRect &tile, const QSize &popup)
{
    const int left = keepWithin(tile.center().x() + 1 - popup.width() / 2, popup.width(), screen.left(), screen.right());
    int top = strip.top() - PopupGap - popup.height();
    if (top < screen.top())
        top = strip.bottom() + 1 + PopupGap;
    return {QPoint(left, top), popup};
}
