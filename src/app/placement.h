#pragma once
// Where the windows that open over the editor go, so that they hide as little of it as they can.
// Plain rectangles in screen pixels; every rectangle of a window is its outer (frame) rectangle.

#include <QRect>
#include <QSize>

/// A book or the information window of the given outer size: beside the main window when the
/// screen has room on its right (else on its left), level with its top; otherwise against the
/// screen's right edge, from the top of `over` (the layer list below the row of file buttons, so
/// the buttons that open and close these windows stay free), made shorter when it is too tall for
/// that room. Always on screen as far as it fits.
QRect PlaceBesideMain(const QRect &screen, const QRect &mainWindow, const QRect &over, const QSize &window);

/// The meaning popup of the given outer size: just above the reference strip, centred on the
/// clicked tile and kept on screen, so it never covers the strip; below the strip only when the
/// screen has no room above it.
QRect PlaceAboveTile(const QRect &screen, const QRect &strip, const QRect &tile, const QSize &popup);
