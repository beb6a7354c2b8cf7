#pragma once
// The layers under and over the current one, kept as pictures between repaints of the editing
// view: while a pupil works on one layer, the others are copied in instead of drawn again.

#include "document/picto.h"
#include "render/layerrenderer.h"

#include <QBrush>
#include <QImage>
#include <QPainter>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

class LayerStackCache {
public:
    LayerStackCache() = default;
    LayerStackCache(const LayerStackCache &) = delete;
    LayerStackCache &operator=(const LayerStackCache &) = delete;
    ~LayerStackCache();

    /// Paints the texture and every layer of doc onto g (active on a 512 × 512 image), the same
    /// picture as painting them one by one. Layers other than Ind_Curve come from the kept pictures
    /// when they are unchanged since the last call.
    void PaintStack(QPainter &g, const PictoDocument &doc, const QBrush &texture, LayerRenderer &renderer);

    /// Forgets what the kept pictures show; the next PaintStack draws every layer (into the same
    /// pictures: their memory stays).
    void Clear();

private:
    /// A run of layers under or over the current one. A short run's picture is made only when the
    /// same run comes twice in a row (a drag, a colour tried out): seen once, it is painted straight
    /// onto the view, which costs no more than a plain painter would.
    struct Part {
        enum State { Unknown, Seen, Painted };
        std::vector<R_Curve> layers;  ///< the run last asked for
        bool antialiased = false;
        State state = Unknown;
        QImage picture;  ///< the run's picture when Painted; its memory kept either way
    };
    static bool matches(const Part &part, const PictoDocument &doc, int from, int to, bool antialiased);
    static void remember(Part &part, const PictoDocument &doc, int from, int to, bool antialiased);

    /// Paints layers [from, to) of doc onto m_upper (transparent first) on the helper thread.
    void startUpper(const PictoDocument &doc, int from, int to, bool antialiased);
    void waitUpper();
    void helperLoop();

    Part m_below;  ///< texture and layers under the current one, opaque
    Part m_above;  ///< layers over the current one on transparency
    LayerRenderer m_helper;  ///< pens and masks of the second painting thread
    QImage m_upper;          ///< the helper's half of a split run, kept for the next one

    // The helper thread lives as long as the cache, so a split repaint starts no thread.
    std::thread m_thread;
    std::mutex m_lock;
    std::condition_variable m_wake;
    const PictoDocument *m_jobDoc = nullptr;
    int m_jobFrom = 0, m_jobTo = 0;
    bool m_jobAntialiased = false, m_jobPending = false, m_jobDone = false, m_quit = false;
    static constexpr int SplitLayers = 24;  ///< runs this long are painted in two halves at once
};
