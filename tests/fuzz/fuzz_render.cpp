// Any bytes as a document file, and when they read as one, every picture the editor paints of it:
// the editing view with its markers and numbers, the current layer's thumbnail, the composite and
// the export picture drawn by the vector path (the one behind large PNGs, SVG and worksheets).
// A document that reads must paint, whatever its numbers, and quickly: the runs use a short
// timeout, since a slow paint freezes the editor on every repaint.
#include "document/errors.h"
#include "document/textbuffer.h"
#include "document/textformat.h"
#include "fuzzqt.h"
#include "render/editview.h"
#include "render/pictures.h"
#include "render/vectorpainter.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startOffscreenApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    PictoDocument doc;
    try {
        doc = ParseDocument(SplitLines(std::string(reinterpret_cast<const char *>(data), size)), "fuzz.vkz");
    } catch (const DocumentError &) {
        return 0;
    } catch (const ConvertError &) {
        return 0;
    }
    static LayerRenderer renderer;
    static const QBrush texture(QColor(200, 220, 240));
    static EditViewPainter painter(renderer, texture);
    static QImage view(512, 512, QImage::Format_ARGB32_Premultiplied);
    painter.ForgetLayerPictures();
    painter.RedrawImage(view, doc, true, true);
    if (doc.Dimension > 0)
        RenderLayerThumb(renderer, texture, doc.TCurveStruct[static_cast<std::size_t>(doc.Ind_Curve)]);
    RenderComposite(renderer, texture, doc);
    static const QImage start = [] {
        QImage white(512, 512, QImage::Format_RGB32);
        white.fill(Qt::white);
        return white;
    }();
    RenderExportPictureAt(start, doc, 128);
    return 0;
}
