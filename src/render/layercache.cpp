#include "render/layercache.h"

#include "render/texture.h"

static bool sameLayer(const R_Curve &a, const R_Curve &b)
{
    if (a.TypeC != b.TypeC || a.Width != b.Width || a.Color != b.Color || a.Closure != b.Closure
        || a.Tension != b.Tension || a.Count != b.Count || a.XYPoints.size() != b.XYPoints.size())
        return false;
    for (size_t i = 0; i < a.XYPoints.size(); ++i)
        if (a.XYPoints[i].X != b.XYPoints[i].X || a.XYPoints[i].Y != b.XYPoints[i].Y)
            return false;
    return true;
}

bool LayerStackCache::matches(const Part &part, const PictoDocument &doc, int from, int to, bool antialiased)
{
    if (part.state == Part::Unknown || part.antialiased != antialiased || part.layers.size() != size_t(to - from))
        return false;
    for (int i = from; i < to; ++i)
        if (!sameLayer(part.layers[size_t(i - from)], doc.TCurveStruct[size_t(i)]))
            return false;
    return true;
}

void LayerStackCache::remember(Part &part, const PictoDocument &doc, int from, int to, bool antialiased)
{
    part.layers.assign(doc.TCurveStruct.begin() + from, doc.TCurveStruct.begin() + to);
    part.antialiased = antialiased;
}

void LayerStackCache::Clear()
{
    m_below.state = Part::Unknown;
    m_above.state = Part::Unknown;
}

LayerStackCache::~LayerStackCache()
{
    if (!m_thread.joinable())
        return;
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        m_quit = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void LayerStackCache::helperLoop()
{
    std::unique_lock<std::mutex> hold(m_lock);
    for (;;) {
        m_wake.wait(hold, [this] { return m_jobPending || m_quit; });
        if (m_quit)
            return;
        m_jobPending = false;
        hold.unlock();
        m_upper.fill(Qt::transparent);
        {
            QPainter p(&m_upper);
            p.setRenderHint(QPainter::Antialiasing, m_jobAntialiased);
            for (int i = m_jobFrom; i < m_jobTo; ++i)
                m_helper.PaintLayer(p, m_jobDoc->TCurveStruct[size_t(i)]);
        }
        hold.lock();
        m_jobDone = true;
        m_wake.notify_all();
    }
}

void LayerStackCache::startUpper(const PictoDocument &doc, int from, int to, bool antialiased)
{
    if (m_upper.size() != QSize(512, 512))
        m_upper = QImage(512, 512, QImage::Format_ARGB32_Premultiplied);
    if (!m_thread.joinable())
        m_thread = std::thread([this] { helperLoop(); });
    {
        const std::lock_guard<std::mutex> hold(m_lock);
        m_jobDoc = &doc;
        m_jobFrom = from;
        m_jobTo = to;
        m_jobAntialiased = antialiased;
        m_jobDone = false;
        m_jobPending = true;
    }
    m_wake.notify_all();
}

void LayerStackCache::waitUpper()
{
    std::unique_lock<std::mutex> hold(m_lock);
    m_wake.wait(hold, [this] { return m_jobDone; });
}

// A kept picture is made once and painted over afterwards.
static void keepPicture(QImage &picture, QImage::Format format)
{
    if (picture.size() != QSize(512, 512) || picture.format() != format)
        picture = QImage(512, 512, format);
}

void LayerStackCache::PaintStack(QPainter &g, const PictoDocument &doc, const QBrush &texture,
                                 LayerRenderer &renderer)
{
    const int n = std::min<int>(doc.Dimension, int(doc.TCurveStruct.size()));
    const int current = doc.Ind_Curve;
    const bool aa = g.testRenderHint(QPainter::Antialiasing);
    const QRect all(0, 0, 512, 512);
    auto paintLayers = [&](QPainter &p, int from, int to, bool withTexture) {
        // A background layer replaces everything under it: the texture and the layers before the
        // last one are not painted at all.
        for (int i = to - 1; i >= from; --i) {
            if (doc.TCurveStruct[size_t(i)].TypeC == KindBackground) {
                from = i;
                withTexture = false;
                break;
            }
        }
        // A long run of layers is painted in two halves at once, the upper half on transparency
        // by the second core, then laid over the lower: the same picture, sooner. A background
        // layer in the upper half would have to clear the lower one, so such runs stay in one piece.
        const int mid = from + (to - from) / 2;
        bool backgroundInUpper = false;
        for (int i = mid; i < to; ++i)
            backgroundInUpper = backgroundInUpper || doc.TCurveStruct[size_t(i)].TypeC == KindBackground;
        const bool split = to - from >= SplitLayers && !backgroundInUpper;
        if (split)
            startUpper(doc, mid, to, aa);
        if (withTexture)
            FillWithTexture(p, all, texture);
        const int lowerEnd = split ? mid : to;
        for (int i = from; i < lowerEnd; ++i)
            renderer.PaintLayer(p, doc.TCurveStruct[size_t(i)]);
        if (split) {
            waitUpper();
            p.drawImage(0, 0, m_upper);
        }
    };

    if (current < 0 || current >= n) {
        FillWithTexture(g, all, texture);
        for (int i = 0; i < n; ++i)
            renderer.PaintLayer(g, doc.TCurveStruct[size_t(i)]);
        return;
    }

    // A short run's picture is painted when the run comes the second time in a row, a long run's
    // at once (its layers cost far more than the picture's two passes); then it is used.
    const auto paintPart = [&](Part &part, int from, int to, bool below) {
        const bool same = matches(part, doc, from, to, aa);
        if (same && part.state == Part::Painted) {
            g.drawImage(0, 0, part.picture);
            return;
        }
        if (!same)
            remember(part, doc, from, to, aa);
        if (!same && to - from < SplitLayers) {
            paintLayers(g, from, to, below);
            part.state = Part::Seen;
            return;
        }
        keepPicture(part.picture, below ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
        if (!below)
            part.picture.fill(Qt::transparent);
        {
            QPainter p(&part.picture);
            p.setRenderHint(QPainter::Antialiasing, aa);
            paintLayers(p, from, to, below);
        }
        part.state = Part::Painted;
        g.drawImage(0, 0, part.picture);
    };

    paintPart(m_below, 0, current, true);
    renderer.PaintLayer(g, doc.TCurveStruct[size_t(current)]);

    // A background layer over the current one replaces everything under it, which a transparent
    // picture laid over cannot do: such stacks are painted layer by layer.
    bool backgroundAbove = false;
    for (int i = current + 1; i < n; ++i)
        backgroundAbove = backgroundAbove || doc.TCurveStruct[size_t(i)].TypeC == KindBackground;
    if (backgroundAbove) {
        for (int i = current + 1; i < n; ++i)
            renderer.PaintLayer(g, doc.TCurveStruct[size_t(i)]);
        return;
    }
    if (current + 1 == n)
        return;
    paintPart(m_above, current + 1, n, false);
}
