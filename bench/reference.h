#pragma once
// Two straightforward renderers of the editing view, one with QPainter and one with Cairo, to
// hold the program's own repaint against: texture fill, each layer as one path of the same Bézier
// segments (antialiased), then the current layer's discs and numbers.

#include "document/picto.h"

#include <QImage>

#include <memory>

/// The program's texture: Base/A.pn of the build when it is there, else a plain 64 × 64 pattern.
QImage BenchTexture();

/// Mean absolute difference per channel of two 512 × 512 RGB32 pictures, in 1/255 units.
double MeanChannelDifference(const QImage &a, const QImage &b);

class QPainterReference {
public:
    explicit QPainterReference(const QImage &texture);
    void Paint(QImage &view, const PictoDocument &doc);

private:
    QImage m_texture;
};

class CairoReference {
public:
    explicit CairoReference(const QImage &texture);
    ~CairoReference();
    void Paint(const PictoDocument &doc);
    /// The last picture, copied into an RGB32 image.
    QImage Picture() const;

private:
    struct State;
    std::unique_ptr<State> m;
};
