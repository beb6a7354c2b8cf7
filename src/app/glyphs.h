#pragma once
// The window's own pictures: button glyphs in one flat style (dark outlines, the editor's marker
// green and a warm accent), the logo, the bottom banner, the project badge and the placeholder
// document icon.

#include "edit/controltags.h"

#include <QImage>
#include <QSize>

/// The glyph of the button with this tag, size pixels square or as given.
QImage ButtonGlyph(ControlTag tag, QSize size);
/// The logo at the top left, 322 × 116.
QImage LogoPicture();
/// The banner along the bottom edge, width × 18.
QImage BannerPicture(int width);
/// The project badge, 96 × 96.
QImage ProjectBadge();
/// The stand-in for a missing or wrongly sized document thumbnail, 64 × 64.
QImage PlaceholderThumb();
/// The splash picture of the given size: the logo, the name and "edytor piktogramów" on a winter scene.
QImage SplashPicture(QSize size);
