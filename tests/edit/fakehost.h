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

    std::vector<std::string> calls;                   ///< "redraw", "thumb", "fill", "info", "events", "beep"
    int row = -1;                                     ///< the layer list's selected position
    std::deque<std::optional<LayerChoice>> answers;   ///< the layer dialog's answers in turn
    std::vector<bool> askedWithBackground;            ///< one entry per opening of the dialog
    int rotate = 0, size = 100, pressed = -1;
    bool rotateShown = true, sizeShown = true;
    QString label = "?";
    QString status;                                   ///< the status bar's text
    struct Piece { TGPPointF from, to; uint32_t argb; int width; };
    std::vector<Piece> sketched;                      ///< the pieces of the stroke's trace, in turn

    /// Opens a document of the given lines with the layer list showing it.
    void open(const std::vector<std::string> &lines)
    {
        session.FillTemplate(lines, "test.vkz");
        row = doc.Dimension > 0 ? doc.Dimension - 1 - doc.Ind_Curve : -1;
        RedrawImage();
        calls.clear();
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

    uint32_t ViewPixel(int x, int y) const override { return view.valid(x, y) ? view.pixel(x, y) : 0u; }
    void DrawSketchLine(TGPPointF from, TGPPointF to, uint32_t argb, int width) override
    {
        QPainter g(&view);
        g.setPen(QPen(QColor::fromRgba(argb), width, Qt::SolidLine, Qt::RoundCap));
        g.drawLine(QPointF(from.X, from.Y), QPointF(to.X, to.Y));
        sketched.push_back({from, to, argb, width});
    }
    void SetStatusText(const QString &text) override { status = text; }
    void RedrawImage() override
    {
        painter.RedrawImage(view, doc, true, pointsShown);
        calls.push_back("redraw");
    }
    void UpdateLayerThumb() override { calls.push_back("thumb"); }
    void FillLayerList() override
    {
        row = -1;
        calls.push_back("fill");
    }
    void ShowInfo() override { calls.push_back("info"); }
    void ProcessEvents() override { calls.push_back("events"); }
    void Beep() override { calls.push_back("beep"); }
    int LayerRow() const override { return row; }
    void SelectLayerRow(int r) override
    {
        row = r;
        editor.lv_LayersChange(r);
    }
    std::optional<LayerChoice> AskLayer(bool hasBackground) override
    {
        askedWithBackground.push_back(hasBackground);
        if (answers.empty())
            return std::nullopt;
        const std::optional<LayerChoice> a = answers.front();
        answers.pop_front();
        return a;
    }
    void PressModeButton(ControlTag tag) override { pressed = static_cast<int>(tag); }
    void SetSliders(int r, int s) override
    {
        if (r != rotate)
            editor.tb_WRotateChange(rotate = r);
        if (s != size)
            editor.tb_WSizeChange(size = s);
    }
    void ShowSliders(bool r, bool s) override
    {
        rotateShown = r;
        sizeShown = s;
    }
    void SetToolLabel(const QString &text) override { label = text; }
};
