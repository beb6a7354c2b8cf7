#pragma once
// The pictures of Base/ that are drawn by code: texture, start picture and palette strip.

#include <QColor>
#include <QImage>

#include <vector>

/// "A.pn": a 64 × 64 tile of light warm paper with a faint 16-pixel grid and a stronger line every
/// 64 pixels, so a tiled 512 × 512 view shows its centre lines and quarters.
QImage MakeTexture();

/// "B.pn": the 512 × 512 start picture, white fading to a pale warm grey at the corners.
QImage MakeStartPicture();

/// "C.pn": the 21 × 600 palette strip, the colours as equal horizontal swatches from the top.
QImage MakePalette(const std::vector<QColor> &colours);
