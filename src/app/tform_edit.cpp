// The main window's part in editing: its controls' events go to the PictoEditor, which reads the
// view and asks the layer dialog through FormEditHost. The window subscribes once to what the
// session and the editor announce and refreshes the view, the lists and the panels from that alone.
#include "app/hints.h"
#include "app/tform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcut>

#include <cmath>

/// The editor's inputs from the window: the view's picture, the layer dialog and the beep.
class T_Form::FormEditHost : public EditHost {
public:
    explicit FormEditHost(T_Form &form) : f(form) {}

    uint32_t ViewPixel(int x, int y) const override
    {
        const QImage &view = f.i_Image->Picture;
        return view.valid(x, y) ? view.pixel(x, y) : 0u;
    }
    std::optional<LayerChoice> AskLayer(bool hasBackground) override { return f.layerDialog->Ask(hasBackground); }
    void Beep() override
    {
        f.m_beep();
    }

private:
    T_Form &f;
};

/// Integer view pixel of a pointer position (the view is not scaled).
static QPoint pixelOf(const QMouseEvent *e)
{
    return {int(std::floor(e->position().x())), int(std::floor(e->position().y()))};
}

constexpr ControlTag PropertyTags[] = {
    ControlTag::Back,    ControlTag::Blur,    ControlTag::LineSolid, ControlTag::LineDot,
    ControlTag::Dots,    ControlTag::Width00, ControlTag::Width04,   ControlTag::Width08,
    ControlTag::Width16, ControlTag::Broken,  ControlTag::Curve,     ControlTag::Closure,
};
constexpr ControlTag LayerTags[] = {ControlTag::LayerAdd, ControlTag::LayerUp, ControlTag::LayerDuplicate,
                                    ControlTag::LayerDelete, ControlTag::LayerDown};

/// While a press in the view awaits its release, watches the whole application for what cuts the
/// drag short: the main window closed, hidden or left for another window, or a key (a shortcut
/// may save or undo). The drag is then stored as one edit, before the event is handled.
class T_Form::DragWatch : public QObject {
public:
    explicit DragWatch(T_Form &form) : QObject(&form), f(form) {}

    /// Starts or stops watching, as a press is waiting for its release or not.
    void follow(bool pressed)
    {
        if (pressed == m_watching)
            return;
        m_watching = pressed;
        if (pressed)
            qApp->installEventFilter(this);
        else
            qApp->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (cutsShort(watched, e)) {
            follow(false);
            f.EndDrag();
        }
        return false;
    }

private:
    bool cutsShort(QObject *watched, QEvent *e) const
    {
        switch (e->type()) {
        case QEvent::Close:
        case QEvent::Hide:
        case QEvent::WindowDeactivate:
            return watched == &f;
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent *>(e)->key();
            return key != Qt::Key_Shift && key != Qt::Key_Control && key != Qt::Key_Alt && key != Qt::Key_Meta;
        }
        default:
            return false;
        }
    }

    T_Form &f;
    bool m_watching = false;
};

void T_Form::wireEditing()
{
    m_editHost = std::make_unique<FormEditHost>(*this);
    m_editor = std::make_unique<PictoEditor>(session, edit, *m_editHost);
    session.Subscribe([this](const SessionChange &c) { showSessionChange(c); });
    m_editor->Subscribe([this](const EditorChange &c) { showEditorChange(c); });
    m_dragWatch = new DragWatch(*this);
    layerDialog = new T_Layer(this);

    i_Image->setMouseTracking(true);
    i_Image->OnMouseDown = [this](QMouseEvent *e) { i_ImageMouseDown(e); };
    i_Image->OnMouseMove = [this](QMouseEvent *e) { i_ImageMouseMove(e); };
    i_Image->OnMouseUp = [this](QMouseEvent *e) { i_ImageMouseUp(e); };
    showPointerShape();

    connect(modeGroup, &QButtonGroup::idClicked, this, [this](int tag) { Guarded([&] { b_ModeClick(tag); }); });
    for (ControlTag tag : LayerTags)
        connect(ButtonByTag(tag), &QAbstractButton::clicked, this, [this, tag] { Guarded([&] { b_LayerClick(tag); }); });
    connect(lv_Layers, &QListWidget::itemSelectionChanged, this, [this] { Guarded([this] { lv_LayersChange(); }); });

    // A slider's change writes its label; a release of any button on it applies the value.
    connect(tb_Rotate, &QSlider::valueChanged, this, [this] { Guarded([this] { tb_WRotateChange(); }); });
    connect(tb_Size, &QSlider::valueChanged, this, [this] { Guarded([this] { tb_WSizeChange(); }); });
    tb_Rotate->installEventFilter(this);
    tb_Size->installEventFilter(this);

    // A property button sets its field when a mouse button is released on it, wherever the
    // pointer then is, and repaints when that release completes a click (like every button of the
    // panels it takes no keyboard focus, so no key press clicks it without that release).
    for (ControlTag tag : PropertyTags) {
        ButtonByTag(tag)->installEventFilter(this);
        connect(ButtonByTag(tag), &QAbstractButton::clicked, this, [this] { Guarded([this] { b_Draw(); }); });
    }
    i_Colors->OnMouseDown = [this](QMouseEvent *e) { i_ColorsMouseDown(e); };
    i_Colors->OnMouseUp = [this](QMouseEvent *) { Guarded([this] { Property_Change(ControlTag::Palette); }); };

    for (ControlTag tag : {ControlTag::Undo, ControlTag::Redo})
        connect(ButtonByTag(tag), &QAbstractButton::clicked, this, [this, tag] { Guarded([&] { b_UndoClick(tag); }); });
    auto shortcut = [this](const QKeySequence &keys, ControlTag tag) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this, tag] { Guarded([&] { b_UndoClick(tag); }); });
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), ControlTag::Undo);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), ControlTag::Redo);
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), ControlTag::Redo);
}

bool T_Form::eventFilter(QObject *watched, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonRelease) {
        if (watched == tb_Rotate)
            Guarded([this] { tb_RotateMouseUp(); });
        else if (watched == tb_Size)
            Guarded([this] { tb_SizeMouseUp(); });
        else if (const ControlTag tag = TagOf(watched); tag >= ControlTag::Back && tag <= ControlTag::Closure)
            Guarded([&] { Property_Change(tag); });
    }
    return QWidget::eventFilter(watched, e);
}

void T_Form::showSessionChange(const SessionChange &c)
{
    if (c.what == ChangeKind::Saved) {
        ShowDocumentName();  // no longer "zmieniony"
        ShowInfo();
        return;
    }
    if (!c.DocumentChanged())
        return;  // typing into the text: the status note says it, the document is read on leaving
    if (c.OneLayer()) {
        // One layer's points or properties: its thumbnail and the information. The view was
        // repainted by the action itself where it shows the change (a property button repaints
        // only when its click completes).
        UpdateLayerThumb();
        ShowInfo();
        return;
    }
    // Layers added, removed or moved, or the whole document read anew: the list is rebuilt with
    // the current layer selected, the view and (once this turn) the preview repainted.
    FillLayerList();
    RedrawImage();
    SelectCurrentLayer();
    ShowDocumentName();
}

void T_Form::showEditorChange(const EditorChange &c)
{
    switch (c.kind) {
    case EditorChange::ModeEntered: {
        if (QAbstractButton *b = ButtonByTag(c.tag))
            b->setChecked(true);
        // Put back without their change handlers: the label is the editor's to write.
        const QSignalBlocker quietRotate(tb_Rotate), quietSize(tb_Size);
        tb_Rotate->setValue(0);
        tb_Size->setValue(100);
        tb_Rotate->setVisible(edit.IMode == 7);
        tb_Size->setVisible(edit.IMode == 5);
        l_Tool->setText(QString());
        showPointerShape();
        break;
    }
    case EditorChange::ToolLabel:
        l_Tool->setText(c.text);
        break;
    case EditorChange::StatusText:
        sb_Panel->setText(c.text);
        break;
    case EditorChange::SketchPiece: {
        {
            QPainter g(&i_Image->Picture);
            g.setRenderHint(QPainter::Antialiasing);
            g.setPen(QPen(QColor::fromRgba(c.argb), c.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            g.drawLine(QPointF(c.from.X, c.from.Y), QPointF(c.to.X, c.to.Y));
        }
        // Only the piece is shown: a repaint of the whole view would hide the stroke until its end.
        const QRectF piece = QRectF(QPointF(c.from.X, c.from.Y), QPointF(c.to.X, c.to.Y)).normalized();
        i_Image->update(piece.toAlignedRect().adjusted(-c.width, -c.width, c.width, c.width));
        ShowInfo();
        break;
    }
    case EditorChange::ViewChanged:
        RedrawImage();
        if (c.thumb)
            UpdateLayerThumb();
        break;
    case EditorChange::InfoChanged:
        ShowInfo();
        break;
    }
}

int T_Form::layerRow() const
{
    const QList<QListWidgetItem *> chosen = lv_Layers->selectedItems();
    return chosen.isEmpty() ? -1 : lv_Layers->row(chosen.first());
}

void T_Form::showPointerShape()
{
    static const Qt::CursorShape shapes[] = {Qt::PointingHandCursor, Qt::DragMoveCursor, Qt::CrossCursor};
    i_Image->setCursor(shapes[edit.Shape]);
}

void T_Form::b_ModeClick(int tag) { b_ModeClick(static_cast<ControlTag>(tag)); }

void T_Form::b_ModeClick(ControlTag tag)
{
    m_editor->b_ModeClick(tag);
    // The button of the mode in force is shown pressed (the clicked one unless the layer dialog
    // was cancelled); with no mode at all, the look of the start.
    const int mode = edit.IMode;
    const ControlTag shown = mode == 11                ? ControlTag::ModeInsertPoint
                             : mode >= 0 && mode <= 7 ? ControlTag::ModeSketch + mode
                                                      : ControlTag::ModeAddPoint;
    if (QAbstractButton *b = ButtonByTag(shown))
        b->setChecked(true);
    showPointerShape();
}

void T_Form::i_ImageMouseDown(QMouseEvent *e)
{
    const QPoint p = pixelOf(e);
    Guarded([&] { m_editor->i_ImageMouseDown(p.x(), p.y()); });
    afterPointer();
}

void T_Form::i_ImageMouseMove(QMouseEvent *e)
{
    const QPoint p = pixelOf(e);
    Guarded([&] { m_editor->i_ImageMouseMove(e->buttons().testFlag(Qt::LeftButton), p.x(), p.y()); });
    showPointerShape();
}

void T_Form::i_ImageMouseUp(QMouseEvent *e)
{
    const QPoint p = pixelOf(e);
    Guarded([&] { m_editor->i_ImageMouseUp(p.x(), p.y()); });
    afterPointer();
}

void T_Form::EndDrag()
{
    Guarded([this] { m_editor->EndDrag(); });
    afterPointer();
}

void T_Form::afterPointer()
{
    static_cast<DragWatch *>(m_dragWatch)->follow(edit.Pressed);
    showPointerShape();
}

void T_Form::tb_WRotateChange() { m_editor->tb_WRotateChange(tb_Rotate->value()); }
void T_Form::tb_WSizeChange() { m_editor->tb_WSizeChange(tb_Size->value()); }
void T_Form::tb_RotateMouseUp() { m_editor->tb_RotateMouseUp(tb_Rotate->value()); }
void T_Form::tb_SizeMouseUp() { m_editor->tb_SizeMouseUp(tb_Size->value()); }

void T_Form::b_LayerClick(ControlTag tag)
{
    m_editor->b_LayerClick(tag);
    showPointerShape();
}

void T_Form::lv_LayersChange()
{
    // A click on the list's empty part must not leave the document without a selected layer:
    // the current layer is shown selected again.
    const PictoDocument &d = session.doc;
    if (layerRow() < 0 && d.Ind_Curve >= 0 && d.Ind_Curve < d.Dimension) {
        SelectCurrentLayer();
        return;
    }
    m_editor->lv_LayersChange(layerRow());
}

void T_Form::Property_Change(ControlTag tag) { m_editor->Property_Change(tag); }
void T_Form::b_Draw() { m_editor->b_Draw(); }

void T_Form::i_ColorsMouseDown(QMouseEvent *e)
{
    const QPoint p = pixelOf(e);
    Guarded([&] { m_editor->i_ColorsMouseDown(i_Colors->Picture, p.x(), p.y()); });
}

void T_Form::b_UndoClick(ControlTag tag) { m_editor->b_UndoClick(tag); }
