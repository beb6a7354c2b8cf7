#pragma once
// The editor with a window of plain records around it: the view picture is painted by the real
// EditViewPainter (so the pixel hit test sees real markers), the layer dialog answers from a list.

#include "document/session.h"
#include "document/textformat.h"
#include "edit/pictoeditor.h"
#include "layerof.h"
#include "render/editview.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

/// Document lines: header and one line per layer, the last layer current.
inline std::vector<std::string> documentOf(const std::vector<R_Curve> &layers)
{
    PictoDocument d;
    d.Dimension = uint16_t(layers.size());
    d.TCurveStruct = layers;
    XYToPolar(d);
    std::vector<std::string> lines{FormatHeaderLine(d.Dimension, d.Dimension - 1)};
    for (int i = 0; i < d.Dimension; ++i)
        lines.push_back(FormatCurveLine(d, i));
    lines.push_back("");
    return lines;
}

/// The editor with plain records for a window: it subscribes to the session's and the editor's
/// announcements and records what a window would refresh.
class FakeHost : public EditHost {
public:
    PictoSession session;
    EditState state;
    PictoEditor editor{session, state, *this};
    PictoDocument &doc = session.doc;

    LayerRenderer renderer;
    EditViewPainter painter{renderer, QBrush(Qt::white)};
    QImage view{512, 512, QImage::Format_RGB32};
    bool pointsShown = true;

    std::vector<std::string> calls;                   ///< "redraw", "thumb", "fill", "info", "beep"
    int row = -1;                                     ///< the layer list's selected position
    std::deque<std::optional<LayerChoice>> answers;   ///< the layer dialog's answers in turn
    std::vector<bool> askedWithBackground;            ///< one entry per opening of the dialog
    int rotate = 0, size = 100, pressed = -1;
    std::vector<int> pressedTags;                     ///< every mode button shown pressed, in turn
    bool rotateShown = true, sizeShown = true;
    QString label = "?";
    QString status;                                   ///< the status bar's text
    struct Piece { TGPPointF from, to; uint32_t argb; int width; };
    std::vector<Piece> sketched;                      ///< the pieces of the stroke's trace, in turn
    std::vector<SessionChange> changes;               ///< the session's announcements, in turn

    FakeHost()
    {
        session.Subscribe([this](const SessionChange &c) { sessionChanged(c); });
        editor.Subscribe([this](const EditorChange &c) { editorChanged(c); });
    }

    /// Opens a document of the given lines with the layer list showing it.
    void open(const std::vector<std::string> &lines)
    {
        session.FillTemplate(lines, "test.vkz");
        calls.clear();
        changes.clear();
    }
    /// Opens a document of these layers, with their screen points exactly as given (the text
    /// holds them in polar form to two decimals).
    void open(const std::vector<R_Curve> &layers)
    {
        open(documentOf(layers));
        for (size_t i = 0; i < layers.size(); ++i)
            doc.TCurveStruct[i].XYPoints = layers[i].XYPoints;
        XYToPolar(doc);
        RedrawImage();
        calls.clear();
    }
    R_Curve &layer() { return doc.TCurveStruct[doc.Ind_Curve]; }
    int count(const std::string &call) const { return int(std::count(calls.begin(), calls.end(), call)); }

    // Pointer shortcuts: a move over (x, y), then a press and release there.
    void move(int x, int y, bool left = false) { editor.i_ImageMouseMove(left, x, y); }
    void click(int x, int y)
    {
        editor.i_ImageMouseDown(x, y);
        editor.i_ImageMouseUp(x, y);
    }
    /// Repaints the view's picture from the document.
    void RedrawImage()
    {
        painter.RedrawImage(view, doc, true, pointsShown);
        calls.push_back("redraw");
    }
    /// The user selects a position of the layer list: the list's change handler follows.
    void SelectLayerRow(int r)
    {
        row = r;
        editor.lv_LayersChange(r);
    }

    uint32_t ViewPixel(int x, int y) const override { return view.valid(x, y) ? view.pixel(x, y) : 0u; }
    void Beep() override { calls.push_back("beep"); }
    std::optional<LayerChoice> AskLayer(bool hasBackground) override
    {
        askedWithBackground.push_back(hasBackground);
        if (answers.empty())
            return std::nullopt;
        const std::optional<LayerChoice> a = answers.front();
        answers.pop_front();
        return a;
    }

private:
    // What the window does with each announcement, as records.
    void sessionChanged(const SessionChange &c)
    {
        changes.push_back(c);
        if (!c.DocumentChanged())
            return;
        if (c.OneLayer()) {
            calls.push_back("thumb");
            calls.push_back("info");
            return;
        }
        calls.push_back("fill");
        RedrawImage();
        calls.push_back("info");
        row = doc.Dimension > 0 ? doc.Dimension - 1 - doc.Ind_Curve : -1;
    }
    void editorChanged(const EditorChange &c)
    {
        switch (c.kind) {
        case EditorChange::ModeEntered:
            pressed = static_cast<int>(c.tag);
            pressedTags.push_back(static_cast<int>(c.tag));
            rotate = 0;
            size = 100;
            rotateShown = state.IMode == 7;
            sizeShown = state.IMode == 5;
            label = QString();
            break;
        case EditorChange::ToolLabel:
            label = c.text;
            break;
        case EditorChange::StatusText:
            status = c.text;
            break;
        case EditorChange::SketchPiece: {
            QPainter g(&view);
            g.setPen(QPen(QColor::fromRgba(c.argb), c.width, Qt::SolidLine, Qt::RoundCap));
            g.drawLine(QPointF(c.from.X, c.from.Y), QPointF(c.to.X, c.to.Y));
            sketched.push_back({c.from, c.to, c.argb, c.width});
            break;
        }
        case EditorChange::ViewChanged:
            RedrawImage();
            if (c.thumb)
                calls.push_back("thumb");
            break;
        case EditorChange::InfoChanged:
            calls.push_back("info");
            break;
        }
    }
};
