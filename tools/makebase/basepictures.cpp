#include "basepictures.h"

#include <QPainter>
#include <QRadialGradient>

QImage MakeTexture()
{
    QImage tile(64, 64, QImage::Format_RGB32);
    tile.fill(QColor(0xE6, 0xE3, 0xDC));
    for (int i = 0; i < 64; ++i) {
        for (int k = 16; k < 64; k += 16) {
            tile.setPixelColor(k, i, QColor(0xDB, 0xD7, 0xCF));
            tile.setPixelColor(i, k, QColor(0xDB, 0xD7, 0xCF));
        }
    }
    for (int i = 0; i < 64; ++i) {
        tile.setPixelColor(0, i, QColor(0xCF, 0xCA, 0xC0));
        tile.setPixelColor(i, 0, QColor(0xCF, 0xCA, 0xC0));
    }
    return tile;
}

QImage MakeStartPicture()
{
    QImage picture(512, 512, QImage::Format_RGB32);
    QPainter g(&picture);
    QRadialGradient shade(256, 256, 362);
    shade.setColorAt(0.0, Qt::white);
    shade.setColorAt(0.6, Qt::white);
    shade.setColorAt(1.0, QColor(0xF0, 0xEE, 0xE9));
    g.fillRect(picture.rect(), shade);
    return picture;
}

QImage MakePalette(const std::vector<QColor> &colours)
{
    QImage strip(21, 600, QImage::Format_RGB32);
    const int n = int(colours.size());
    for (int i = 0; i < n; ++i) {
        const int top = i * 600 / n;
        const int bottom = (i + 1) * 600 / n;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < 21; ++x)
                strip.setPixelColor(x, y, colours[std::size_t(i)]);
    }
    return strip;
}
