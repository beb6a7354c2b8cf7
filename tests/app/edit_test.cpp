// The editor driven through the real window: mouse events on the view, the buttons, the sliders,
// the layer dialog and the keyboard shortcuts.
#include "app/info.h"
#include "app/tinfo.h"
#include "appfixture.h"
#include "controls.h"
#include "document/textformat.h"
#include "edit/transforms.h"
#include "render/pictures.h"
#include "../edit/layerof.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {
/// Document text of the given layers, the last one current.
QByteArray documentText(std::vector<R_Curve> layers)
{
    PictoDocument d;
    d.Dimension = uint16_t(layers.size());
    d.TCurveStruct = std::move(layers);
    XYToPolar(d);
    std::string text = FormatHeaderLine(d.Dimension, std::max(0, d.Dimension - 1)) + "\r\n";
    for (int i = 0; i < d.Dimension; ++i)
        text += FormatCurveLine(d, i) + "\r\n";
    return QByteArray::fromStdString(text);
}

class EditWindowTest : public ProgramFolderTest {
public:
    std::unique_ptr<T_Form> form;

    void open(const QByteArray &text)
    {
        putDocument("001 Test.vkz", text);
        form = start();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    PictoDocument &doc() { return shelf().Doc(); }
    R_Curve &layer() { return doc().TCurveStruct[doc().Ind_Curve]; }
    QWidget *view() { return Control<ImageControl>(*form, "i_Image"); }
    void button(int tag) { QTest::mouseClick(ButtonOf(*form, ControlTag(tag)), Qt::LeftButton); }
    void move(QPoint p) { QTest::mouseMove(view(), p); }
    /// A move that arrives even where the last pointer event was (Qt drops moves that go nowhere).
    void hover(QPoint p)
    {
        move(p + QPoint(1, 1));
        move(p);
    }
    void click(QPoint p)
    {
        hover(p);
        QTest::mouseClick(view(), Qt::LeftButton, {}, p);
    }
    void drag(QPoint from, std::vector<QPoint> through)
    {
        move(from);
        QTest::mousePress(view(), Qt::LeftButton, {}, from);
        for (QPoint p : through)
            move(p);
        QTest::mouseRelease(view(), Qt::LeftButton, {}, through.back());
    }
    /// Lets the slider release apply its position: a press on the slider, the value, a release.
    void releaseSlider(QSlider *s, int value)
    {
        QTest::mousePress(s, Qt::LeftButton, {}, QPoint(16, 10));
        s->setValue(value);
        QTest::mouseRelease(s, Qt::LeftButton, {}, QPoint(16, 10));
    }
    /// The window shows the document as a fresh window would: the layer list top first with the
    /// current layer selected and each thumbnail its layer's, the view and the information window.
    void expectWindowShows()
    {
        const PictoDocument &d = doc();
        QListWidget *layers = Control<QListWidget>(*form, "lv_Layers");
        ASSERT_EQ(layers->count(), d.Dimension);
        EXPECT_EQ(layers->currentRow(), d.Dimension - 1 - d.Ind_Curve);
        LayerRenderer renderer;
        const QBrush texture = LoadTexture(folder("Base"));
        for (int p = 0; p < d.Dimension; ++p) {
            const QImage thumb = RenderLayerThumb(renderer, texture, d.TCurveStruct[d.Dimension - 1 - p]);
            EXPECT_EQ(layers->item(p)->icon().pixmap(thumb.size()).toImage().convertToFormat(QImage::Format_RGB32),
                      thumb.convertToFormat(QImage::Format_RGB32))
                << "thumbnail at " << p;
        }
        // A painter that has drawn a label once draws as the window's does.
        EditViewPainter fresh(renderer, texture);
        QImage view(512, 512, QImage::Format_RGB32);
        const bool all = ButtonOf(*form, ControlTag::AllLayers)->isChecked();
        const bool numbers = ButtonOf(*form, ControlTag::NumberAndPoint)->isChecked();
        fresh.RedrawImage(view, d, all, true);
        fresh.RedrawImage(view, d, all, numbers);
        EXPECT_EQ(Control<ImageControl>(*form, "i_Image")->Picture.convertToFormat(QImage::Format_RGB32), view);
        const QListWidget *info = Control<T_Info>(*form, "T_Info")->lb_Info;
        QStringList shown;
        for (int i = 0; i < info->count(); ++i)
            shown << info->item(i)->text();
        EditState edit;  // at rest in the mode whose button shows pressed
        edit.IMode = checkedMode() - ControlTag::ModeSketch;
        EXPECT_EQ(shown, InfoLines({d, all, numbers, edit}));
    }
    /// The text the window holds equals the layers as its view shows them.
    void expectStoredAsShown()
    {
        PictoDocument shown = doc();
        XYToPolar(shown);
        for (int k = 0; k < shown.Dimension; ++k)
            EXPECT_EQ(shelf().Session().rve_Items.GetItemText(k + 1), FormatCurveLine(shown, k)) << "layer " << k;
    }
    /// The mode button shown pressed.
    ControlTag checkedMode()
    {
        for (ControlTag tag = ControlTag::ModeSketch; tag <= ControlTag::ModeRotateLayer; tag = tag + 1)
            if (ButtonOf(*form, tag)->isChecked())
                return tag;
        return ControlTag::None;
    }
    /// The next layer dialog: act on it while it is open (it closes itself with OK or Cancel).
    void whenDialogOpens(std::function<void(T_Layer &)> act)
    {
        QTimer::singleShot(0, form.get(), [this, act] {
            ASSERT_TRUE(Control<T_Layer>(*form, "T_Layer")->isVisible());
            act(*Control<T_Layer>(*form, "T_Layer"));
            if (Control<T_Layer>(*form, "T_Layer")->isVisible())
                Control<T_Layer>(*form, "T_Layer")->b_Cancel->click();
        });
    }
};

std::vector<TGPPointF> three() { return {{100, 100}, {200, 100}, {300, 100}}; }
}

TEST_F(EditWindowTest, AStrokeOfSamplesIsResampledToTwelvePoints)
{
    open(documentText({}));
    whenDialogOpens([](T_Layer &d) {
        EXPECT_TRUE(d.rb[0]->isEnabled());
        EXPECT_TRUE(d.rb[0]->isChecked());  // no background yet
        d.rb[5]->setChecked(true);
        d.b_OK->click();
    });
    button(130);
    ASSERT_EQ(doc().Dimension, 1);
    EXPECT_EQ(checkedMode(), ControlTag::ModeSketch);
    ASSERT_EQ(layer().Count, 12);
    move({100, 200});
    QTest::mousePress(view(), Qt::LeftButton, {}, {100, 200});
    for (int i = 1; i <= 30; ++i)
        move({100 + 10 * i, 200});
    // While sketching the stroke is traced in the layer's colour (black), 3 pixels wide.
    for (int y : {199, 200, 201})
        EXPECT_EQ(Control<ImageControl>(*form, "i_Image")->Picture.pixel(255, y), 0xFF000000u) << y;
    QTest::mouseRelease(view(), Qt::LeftButton, {}, {400, 200});
    // 30 samples over 12 points, from the first sample to the last at equal steps (29/11 samples).
    for (int i = 0; i < 12; ++i)
        EXPECT_NEAR(layer().XYPoints[i].X, 110 + 10 * ((i * 29 + 5) / 11), 0.01) << i;
    EXPECT_NEAR(layer().XYPoints[11].X, 400, 0.01);
    EXPECT_EQ(view()->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(EditWindowTest, AddInsertAtTheEndAndTheFrontDeleteAndDragPastTheEdge)
{
    open(documentText({layerOf(KindBlob, three())}));
    button(131);
    click({150, 300});
    ASSERT_EQ(layer().Count, 4);
    EXPECT_EQ(layer().XYPoints[3].Y, 300);

    button(132);
    hover({150, 300});  // over the last point's marker
    EXPECT_EQ(Control<ImageControl>(*form, "i_Image")->cursor().shape(), Qt::DragMoveCursor);
    click({150, 300});  // the last point chosen: the next point goes after it
    click({50, 400});
    ASSERT_EQ(layer().Count, 5);
    EXPECT_EQ(layer().XYPoints[4].X, 50);

    // A press on a marker the pointer has not moved over in this mode chooses no point: the
    // next point goes to the front. (The mode buttons are clicked without the mouse here.)
    hover({60, 60});
    EXPECT_EQ(view()->cursor().shape(), Qt::PointingHandCursor);
    ButtonOf(*form, ControlTag::ModeAddPoint)->click();
    hover({50, 400});
    ButtonOf(*form, ControlTag::ModeInsertPoint)->click();
    QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(50, 400));  // no point chosen
    click({20, 20});
    ASSERT_EQ(layer().Count, 6);
    EXPECT_EQ(layer().XYPoints[0].X, 20);

    button(133);
    click({20, 20});
    ASSERT_EQ(layer().Count, 5);
    EXPECT_NEAR(layer().XYPoints[0].X, 100, 0.5);

    button(134);
    drag({200, 100}, {{220, 120}, {-30, 600}, {-40, 700}});
    EXPECT_EQ(layer().XYPoints[1].X, -40);
    EXPECT_EQ(layer().XYPoints[1].Y, 700);
    const PictoDocument stored = ParseDocument(shelf().Session().rve_Items.Lines());
    EXPECT_NEAR(stored.TCurveStruct[0].XYPoints[1].X, -40, 3);  // polar to two decimals
    EXPECT_NEAR(stored.TCurveStruct[0].XYPoints[1].Y, 700, 3);
}

TEST_F(EditWindowTest, MoveRotateAndScaleTheLayer)
{
    open(documentText({layerOf(KindSolid, {{356, 256}, {256, 156}})}));
    button(136);
    drag({10, 10}, {{30, 20}, {60, 40}});
    EXPECT_NEAR(layer().XYPoints[0].X, 406, 0.01);
    EXPECT_NEAR(layer().XYPoints[0].Y, 286, 0.01);
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_NEAR(layer().XYPoints[0].X, 356, 0.01);

    button(137);
    EXPECT_TRUE(Control<QSlider>(*form, "tb_Rotate")->isVisible());
    EXPECT_FALSE(Control<QSlider>(*form, "tb_Size")->isVisible());
    EXPECT_EQ(Control<QLabel>(*form, "l_Tool")->text(), QString::fromUtf8("0°"));
    Control<QSlider>(*form, "tb_Rotate")->setValue(45);
    EXPECT_EQ(Control<QLabel>(*form, "l_Tool")->text(), QString::fromUtf8("45°"));
    EXPECT_NEAR(layer().XYPoints[0].X, 356, 0.01);  // a change only writes the label
    for (int pass = 0; pass < 2; ++pass) {  // the second release starts from the same base
        releaseSlider(Control<QSlider>(*form, "tb_Rotate"), 90);
        EXPECT_NEAR(layer().XYPoints[0].X, 256, 0.01) << pass;
        EXPECT_NEAR(layer().XYPoints[0].Y, 356, 0.01) << pass;
    }

    button(135);
    EXPECT_EQ(Control<QSlider>(*form, "tb_Rotate")->value(), 0);
    EXPECT_TRUE(Control<QSlider>(*form, "tb_Size")->isVisible());
    EXPECT_EQ(Control<QLabel>(*form, "l_Tool")->text(), "1");
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_NEAR(layer().XYPoints[0].X, 356, 0.01);
    button(135);  // the base copy is the layer as it is now
    for (int pass = 0; pass < 2; ++pass) {
        releaseSlider(Control<QSlider>(*form, "tb_Size"), 50);
        EXPECT_NEAR(layer().XYPoints[0].X, 306, 0.01) << pass;
        EXPECT_NEAR(layer().XYPoints[0].Y, 256, 0.01) << pass;
    }
    EXPECT_EQ(Control<QLabel>(*form, "l_Tool")->text(), SizeLabel(50));
}

TEST_F(EditWindowTest, OneSliderAtATimeFillsTheStripAndATrackClickMovesAStep)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));  // a point as separator
    open(documentText({layerOf(KindSolid, {{356, 256}, {256, 156}})}));
    EXPECT_FALSE(Control<QSlider>(*form, "tb_Rotate")->isVisible());
    EXPECT_FALSE(Control<QSlider>(*form, "tb_Size")->isVisible());
    struct Case { int mode; QSlider *shown, *hidden; int after; const char *label; } cases[] = {
        {137, Control<QSlider>(*form, "tb_Rotate"), Control<QSlider>(*form, "tb_Size"), 15, "15°"},
        {135, Control<QSlider>(*form, "tb_Size"), Control<QSlider>(*form, "tb_Rotate"), 110, "1,1"},
    };
    for (const Case &c : cases) {
        button(c.mode);
        EXPECT_TRUE(c.shown->isVisible()) << c.mode;
        EXPECT_FALSE(c.hidden->isVisible()) << c.mode;
        // The whole strip above the label, the label right under the slider.
        EXPECT_EQ(c.shown->geometry(), QRect(0, 0, 32, Control<QLabel>(*form, "l_Tool")->y())) << c.mode;
        EXPECT_EQ(Control<QLabel>(*form, "l_Tool")->geometry().bottom(), Control<QWidget>(*form, "p_Tools")->height() - 1) << c.mode;
        QTest::mouseClick(c.shown, Qt::LeftButton, {}, QPoint(16, 4));  // the track near the top
        EXPECT_EQ(c.shown->value(), c.after) << c.mode;
        EXPECT_EQ(Control<QLabel>(*form, "l_Tool")->text(), QString::fromUtf8(c.label)) << c.mode;
    }
    QLocale::setDefault(before);
}

TEST_F(EditWindowTest, LayerButtonsEachOneUndoStepWithTheShortcuts)
{
    std::vector<R_Curve> layers{layerOf(KindBlob, {{1, 1}}), layerOf(KindSolid, {{2, 2}}), layerOf(KindDots, {{3, 3}})};
    for (int i = 0; i < 3; ++i)
        layers[i].Width = i + 1;
    open(documentText(layers));
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    auto widths = [&] {
        std::vector<int> w;
        for (int i = 0; i < doc().Dimension; ++i)
            w.push_back(doc().TCurveStruct[i].Width);
        return w;
    };
    auto key = [&](Qt::Key k, Qt::KeyboardModifiers m) { QTest::keyClick(form.get(), k, m); };
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;

    Control<QListWidget>(*form, "lv_Layers")->setCurrentRow(1);
    button(123);
    EXPECT_EQ(widths(), (std::vector<int>{1, 3}));
    EXPECT_EQ(Control<QListWidget>(*form, "lv_Layers")->count(), 2);
    EXPECT_EQ(Control<QListWidget>(*form, "lv_Layers")->currentRow(), 1);
    key(Qt::Key_Z, ctrl);
    EXPECT_EQ(widths(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Control<QListWidget>(*form, "lv_Layers")->count(), 3);
    key(Qt::Key_Y, ctrl);
    EXPECT_EQ(widths(), (std::vector<int>{1, 3}));
    key(Qt::Key_Z, ctrl);

    Control<QListWidget>(*form, "lv_Layers")->setCurrentRow(2);
    button(121);
    EXPECT_EQ(widths(), (std::vector<int>{2, 1, 3}));
    EXPECT_EQ(Control<QListWidget>(*form, "lv_Layers")->currentRow(), 1);
    button(124);
    EXPECT_EQ(widths(), (std::vector<int>{1, 2, 3}));
    key(Qt::Key_Z, ctrl);
    EXPECT_EQ(widths(), (std::vector<int>{2, 1, 3}));
    key(Qt::Key_Z, ctrl);
    EXPECT_EQ(widths(), (std::vector<int>{1, 2, 3}));
    key(Qt::Key_Z, ctrlShift);
    EXPECT_EQ(widths(), (std::vector<int>{2, 1, 3}));

    const int before = beeps;
    button(122);  // a new edit: redo has nothing left
    EXPECT_EQ(widths(), (std::vector<int>{2, 1, 3, 1}));
    EXPECT_EQ(Control<QListWidget>(*form, "lv_Layers")->currentRow(), 0);
    EXPECT_EQ(checkedMode(), ControlTag::ModeMoveLayer);
    button(141);
    EXPECT_EQ(beeps, before + 1);
    button(140);
    EXPECT_EQ(widths(), (std::vector<int>{2, 1, 3}));
}

TEST_F(EditWindowTest, HiddenPointsFindNothingButAGreenLayerIsAHit)
{
    open(documentText({layerOf(KindBlob, {{10, 400}, {500, 400}, {250, 500}}, 0xFF00FF00u),
                       layerOf(KindSolid, three())}));
    button(501);  // points and numbers hidden
    for (int tag : {132, 133, 134}) {
        button(tag);
        click({200, 100});
        drag({300, 100}, {{310, 110}});
        EXPECT_EQ(layer().Count, 3) << tag;
        EXPECT_NEAR(layer().XYPoints[2].X, 300, 0.5) << tag;
    }
    // The green blob under the pointer counts as a marker: the nearest point is deleted.
    button(133);
    click({290, 450});
    ASSERT_EQ(layer().Count, 2);
    EXPECT_NEAR(layer().XYPoints[1].X, 200, 0.5);
}

TEST_F(EditWindowTest, TheDialogOffersTheBackgroundOnlyOnceAndRefusesABadCount)
{
    open(documentText({}));
    whenDialogOpens([](T_Layer &d) { d.b_OK->click(); });  // "Tło", preselected
    button(120);
    ASSERT_EQ(doc().Dimension, 1);
    EXPECT_EQ(layer().TypeC, KindBackground);

    bool stayedOpen = false;
    whenDialogOpens([&](T_Layer &d) {
        EXPECT_FALSE(d.rb[0]->isEnabled());
        EXPECT_TRUE(d.rb[1]->isChecked());
        d.rb[5]->setChecked(true);
        for (const char *bad : {"abc", "2", "41", "-5", ""}) {
            d.e_Pkt->setText(bad);
            d.b_OK->click();
            stayedOpen = d.isVisible();
            EXPECT_TRUE(stayedOpen) << bad;
        }
    });
    button(120);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(doc().Dimension, 1);
    EXPECT_EQ(Control<T_Layer>(*form, "T_Layer")->N_Point, -1);
}

TEST_F(EditWindowTest, ClosureTogglesAndThePaletteGivesWhiteOutsideItsPicture)
{
    R_Curve odd = layerOf(KindSolid, three());
    odd.Closure = 2;
    open(documentText({odd}));
    ASSERT_EQ(layer().Closure, 2);
    button(540);
    EXPECT_EQ(layer().Closure, 1);
    EXPECT_EQ(ParseDocument(shelf().Session().rve_Items.Lines()).TCurveStruct[0].Closure, 1);
    button(540);
    EXPECT_EQ(layer().Closure, 0);
    button(514);
    EXPECT_EQ(layer().TypeC, KindDots);
    EXPECT_TRUE(ButtonOf(*form, ControlTag::Dots)->isChecked());
    // A right-button release, or a release after the pointer left the button, still sets and
    // stores the property; only a completed click repaints (and so presses the button).
    QTest::mouseClick(ButtonOf(*form, ControlTag::Blur), Qt::RightButton);
    EXPECT_EQ(layer().TypeC, KindBlob);
    EXPECT_EQ(ParseDocument(shelf().Session().rve_Items.Lines()).TCurveStruct[0].TypeC, KindBlob);
    EXPECT_TRUE(ButtonOf(*form, ControlTag::Dots)->isChecked());
    QTest::mousePress(ButtonOf(*form, ControlTag::Width08), Qt::LeftButton);
    QTest::mouseRelease(ButtonOf(*form, ControlTag::Width08), Qt::LeftButton, {}, QPoint(-30, -30));
    EXPECT_EQ(layer().Width, 8);

    const QImage &palette = Control<ImageControl>(*form, "i_Colors")->Picture;
    const uint32_t swatch = 0xFF000000u | palette.pixel(5, 5);
    struct Pick { QPoint at; uint32_t color; } picks[] = {
        {{5, 5}, swatch}, {{21, 5}, 0xFFFFFFFFu}, {{5, 600}, 0xFFFFFFFFu},
    };
    for (const Pick &p : picks) {
        layer().Color = 0xFF123456u;
        QTest::mouseClick(Control<ImageControl>(*form, "i_Colors"), Qt::LeftButton, {}, p.at);
        EXPECT_EQ(layer().Color, p.color) << p.at.x() << "," << p.at.y();
    }
    layer().Color = 0xFF123456u;
    QTest::mouseClick(Control<ImageControl>(*form, "i_Colors"), Qt::LeftButton, {}, QPoint(5, 601));
    EXPECT_EQ(layer().Color, 0xFF123456u);
}

TEST_F(EditWindowTest, ADragCutShortIsStoredAsOneEditOrTakenBackWhole)
{
    const struct Cut {
        const char *how;
        std::function<void(EditWindowTest &)> cut;
        bool takenBack;              ///< the cut itself undoes the drag (a shortcut)
        QPoint where = {250, 180};   ///< where the dragged point is left
    } cuts[] = {
        {"released outside the view",
         [](EditWindowTest &t) { QTest::mouseRelease(t.view(), Qt::LeftButton, {}, QPoint(-60, 900)); }, false,
         {-60, 900}},
        {"a second button", [](EditWindowTest &t) { QTest::mousePress(t.view(), Qt::RightButton, {}, QPoint(250, 180)); },
         false},
        {"focus lost to another window",
         [](EditWindowTest &) {
             QWidget other;
             other.show();
             other.activateWindow();
             ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
         },
         false},
        {"the window hidden", [](EditWindowTest &t) { t.form->hide(); }, false},
        {"the window closed, the save question cancelled",
         [](EditWindowTest &t) {
             t.dialogs.answer = UserDialogs::Cancel;
             EXPECT_FALSE(t.form->close());
             EXPECT_EQ(t.dialogs.questions, 1) << "the save question covers the drag";
         },
         false},
        {"undo by its shortcut", [](EditWindowTest &t) { QTest::keyClick(t.form.get(), Qt::Key_Z, Qt::ControlModifier); },
         true},
    };
    for (const Cut &c : cuts) {
        SCOPED_TRACE(c.how);
        open(documentText({layerOf(KindSolid, three())}));
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        const std::vector<std::string> before = shelf().Session().rve_Items.Lines();
        button(134);
        hover({200, 100});
        QTest::mousePress(view(), Qt::LeftButton, {}, QPoint(200, 100));
        move({220, 140});
        move({250, 180});
        c.cut(*this);
        if (!form->isVisible()) {
            form->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        }
        form->activateWindow();  // for the shortcuts below
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        expectStoredAsShown();
        if (c.takenBack) {
            EXPECT_EQ(shelf().Session().rve_Items.Lines(), before);
            EXPECT_NEAR(layer().XYPoints[1].X, 200, 0.5);
        } else {
            EXPECT_EQ(layer().XYPoints[1].X, c.where.x());
            EXPECT_EQ(layer().XYPoints[1].Y, c.where.y());
            EXPECT_TRUE(doc().RModif);
        }
        // The button still held drags nothing more, and its release stores nothing more.
        const std::vector<std::string> stored = shelf().Session().rve_Items.Lines();
        move({300, 300});
        QTest::mouseRelease(view(), Qt::LeftButton, {}, QPoint(300, 300));
        QTest::mouseRelease(view(), Qt::RightButton, {}, QPoint(300, 300));
        EXPECT_EQ(shelf().Session().rve_Items.Lines(), stored);
        expectStoredAsShown();
        if (!c.takenBack) {  // one undo takes the whole drag back
            QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
            EXPECT_EQ(shelf().Session().rve_Items.Lines(), before);
        }
        dialogs.answer = UserDialogs::No;
        form.reset();
        dialogs.questions = 0;
    }
}

TEST_F(EditWindowTest, SpaceAndEnterInTheMainWindowOpenNothing)
{
    open(documentText({layerOf(KindSolid, three())}));
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    for (int tag : {110, 112, 113, 114, 120, 121, 122, 123, 124, 130, 131, 132, 133, 134, 135, 136, 137, 140, 141, 500, 501,
                    510, 540, 700, 800, 900})
        EXPECT_EQ(ButtonOf(*form, ControlTag(tag))->focusPolicy(), Qt::NoFocus) << tag;

    int opened = 0;
    QTimer closer;
    closer.setInterval(5);
    QObject::connect(&closer, &QTimer::timeout, form.get(), [&] {
        if (Control<T_Layer>(*form, "T_Layer")->isVisible()) {
            ++opened;
            Control<T_Layer>(*form, "T_Layer")->b_Cancel->click();
        }
    });
    closer.start();
    // The add button clicked with the mouse and cancelled, then a mode button: neither keeps the
    // keyboard, so the keys that follow reach no button.
    button(120);
    ASSERT_EQ(opened, 1);
    button(131);
    const std::vector<std::string> lines = shelf().Session().rve_Items.Lines();
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
        QTest::keyClick(target, key);
        QTest::qWait(20);
        EXPECT_EQ(opened, 1) << key;
    }
    EXPECT_EQ(shelf().Session().rve_Items.Lines(), lines);
    EXPECT_EQ(checkedMode(), ControlTag::ModeAddPoint);
}

TEST_F(EditWindowTest, AClickOnTheEmptyPartOfTheLayerListKeepsTheCurrentLayer)
{
    open(documentText({layerOf(KindBlob, {{1, 1}}), layerOf(KindSolid, {{2, 2}}), layerOf(KindDots, {{3, 3}})}));
    QListWidget *list = Control<QListWidget>(*form, "lv_Layers");
    list->setCurrentRow(1);
    ASSERT_EQ(doc().Ind_Curve, 1);
    const QRect last = list->visualItemRect(list->item(2));
    const QPoint empty(20, last.bottom() + 40);
    ASSERT_LT(empty.y(), list->viewport()->height());
    for (Qt::KeyboardModifiers mods : {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ControlModifier)}) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, mods, empty);
        EXPECT_EQ(list->selectedItems().size(), 1);
        EXPECT_EQ(list->currentRow(), 1);
        EXPECT_EQ(doc().Ind_Curve, 1);
    }
    // Ctrl and a click on the selected layer itself does not clear it either.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(list->selectedItems().size(), 1);
    // The buttons and the palette go on working on the layer shown selected.
    button(122);
    EXPECT_EQ(doc().Dimension, 4);
    EXPECT_EQ(doc().TCurveStruct[3].TypeC, KindSolid);
    EXPECT_EQ(list->currentRow(), 0);
    QTest::mouseClick(Control<ImageControl>(*form, "i_Colors"), Qt::LeftButton, {}, QPoint(5, 300));
    EXPECT_EQ(doc().Ind_Curve, 3);
    EXPECT_NE(doc().TCurveStruct[3].Color, doc().TCurveStruct[1].Color);
}

TEST_F(EditWindowTest, EveryLayerCaptionIsWhollyVisible)
{
    PictoDocument snowman = ParseDocument(ExampleDocumentTemplate());
    std::vector<R_Curve> layers;
    for (int i = 0; i < 20; ++i)
        layers.push_back(snowman.TCurveStruct[i % 8]);
    open(documentText(layers));
    QListWidget *list = Control<QListWidget>(*form, "lv_Layers");
    ASSERT_EQ(list->count(), 20);
    const QFontMetrics metrics = list->fontMetrics();
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem *item = list->item(row);
        EXPECT_EQ(item->text(), QString::number(19 - row));
        const QRect r = list->visualItemRect(item);
        // The item lies inside the visible width, with room for the thumbnail and, under it, the
        // caption's whole text.
        EXPECT_GE(r.left(), 0) << row;
        EXPECT_LE(r.right(), list->viewport()->width() - 1) << row;
        EXPECT_GE(r.width(), std::max(64, metrics.horizontalAdvance(item->text()))) << row;
        EXPECT_GE(r.height(), 64 + metrics.height()) << row;
    }
}

// A thousand layers fill the list at once; a row far down shows its own layer when it comes into
// view, and a layer changed before its row was ever seen shows the change.
TEST_F(EditWindowTest, ALongLayerListShowsEachRowsOwnLayerWhenItComesIntoView)
{
    const R_Curve head = ParseDocument(ExampleDocumentTemplate()).TCurveStruct[1];
    std::vector<R_Curve> layers(1000, head);
    for (size_t i = 0; i < layers.size(); ++i)
        layers[i].Color = 0xFF000000u | uint32_t(i * 0x010305u);
    open(documentText(layers));
    QListWidget *list = Control<QListWidget>(*form, "lv_Layers");
    ASSERT_EQ(list->count(), 1000);
    // Layer 1 (the next to last row) recoloured and made current from the list, unseen until now.
    list->scrollToBottom();
    QCoreApplication::processEvents();
    list->setCurrentRow(998);
    doc().TCurveStruct[1].Color = 0xFF00FF00u;
    shelf().Session().StoreChange(StoreModify, 1);
    LayerRenderer renderer;
    const QBrush texture = LoadTexture(folder("Base"));
    for (int row : {0, 500, 998, 999}) {
        const QImage thumb = RenderLayerThumb(renderer, texture, doc().TCurveStruct[size_t(999 - row)]);
        EXPECT_EQ(list->item(row)->icon().pixmap(thumb.size()).toImage().convertToFormat(QImage::Format_RGB32),
                  thumb.convertToFormat(QImage::Format_RGB32))
            << "row " << row;
        EXPECT_EQ(list->visualItemRect(list->item(row)).size(), list->visualItemRect(list->item(0)).size());
    }
}

TEST_F(EditWindowTest, ActionsThatCannotActSayWhy)
{
    open(documentText({layerOf(KindSolid, three()), layerOf(KindBackground, {})}));
    QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(Control<QLabel>(*form, "sb_Funk_Panel0")->text(), QString::fromUtf8("Tła nie można rysować — dodaj warstwę"));

    // The point count's range stands beside its field; a refused count shows it in red.
    bool refused = false;
    whenDialogOpens([&](T_Layer &d) {
        EXPECT_TRUE(d.l_PktRange->isVisible());
        EXPECT_EQ(d.l_PktRange->text(), QString::fromUtf8("(3–40)"));
        EXPECT_GE(d.l_PktRange->width(), d.l_PktRange->fontMetrics().horizontalAdvance(d.l_PktRange->text()));
        EXPECT_LE(d.l_PktRange->geometry().right(), d.width());
        d.rb[5]->setChecked(true);
        d.e_Pkt->setText("50");
        d.b_OK->click();
        refused = d.isVisible() && d.l_PktRange->styleSheet().contains("color");
    });
    button(120);
    EXPECT_TRUE(refused);
    EXPECT_EQ(doc().Dimension, 2);
    whenDialogOpens([&](T_Layer &d) { EXPECT_TRUE(d.l_PktRange->styleSheet().isEmpty()) << "a new opening starts plain"; });
    button(120);

    form.reset();
    QFile::remove(folder("Result") + "001 Test.vkz");
    form = start();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    button(123);
    EXPECT_EQ(Control<QLabel>(*form, "sb_Funk_Panel0")->text(), QString::fromUtf8("Najpierw utwórz piktogram"));
}

TEST_F(EditWindowTest, SaveByItsShortcutInTheMiddleOfADragWritesWhatTheViewShows)
{
    open(documentText({layerOf(KindSolid, three())}));
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const std::vector<TGPPointF> start = layer().XYPoints;
    button(136);
    QTest::mousePress(view(), Qt::LeftButton, {}, QPoint(10, 10));
    move({40, 50});
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(doc().RModif);
    QFile saved(folder("Result") + "001 Test.vkz");
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const std::vector<std::string> written = SplitLines(saved.readAll().toStdString());
    PictoDocument shown = doc();
    XYToPolar(shown);
    ASSERT_EQ(written.size(), 3u);
    EXPECT_EQ(written[1], FormatCurveLine(shown, 0));
    EXPECT_EQ(layer().XYPoints[0].X, start[0].X + 30);
    // The rest of the drag moves nothing.
    move({100, 100});
    QTest::mouseRelease(view(), Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_FALSE(doc().RModif);
    EXPECT_EQ(layer().XYPoints[0].X, start[0].X + 30);
}

TEST_F(EditWindowTest, TheViewsFollowEveryChangeTheSessionAnnounces)
{
    R_Curve red = layerOf(KindBlob, {{100, 100}, {400, 120}, {250, 400}});
    red.Color = 0xFFFF0000u;
    R_Curve blue = layerOf(KindSolid, {{50, 50}, {450, 450}});
    blue.Color = 0xFF0000FFu;
    R_Curve dots = layerOf(KindDots, {{300, 60}, {60, 300}});
    open(documentText({red, blue, dots}));
    button(800);  // the information window shows and follows too
    LayerRenderer renderer;
    const QBrush texture = LoadTexture(folder("Base"));
    // Each step goes to the session alone: no refresh is asked for by hand.
    struct Case {
        const char *what;
        std::function<void(PictoSession &)> act;
        bool oneLayer = false;  ///< only the current layer's thumbnail and the information follow
    } cases[] = {
        {"a layer deleted", [](PictoSession &s) {
             s.doc.Ind_Curve = 1;
             DeleteCurve(s.doc, 1);
             XYToPolar(s.doc);
             s.StoreChange(StoreDelete, 2);
         }},
        {"undo", [](PictoSession &s) { s.UndoStep(false); }},
        {"redo", [](PictoSession &s) { s.UndoStep(true); }},
        {"one layer recoloured", [](PictoSession &s) {
             s.doc.TCurveStruct[s.doc.Ind_Curve].Color = 0xFF00FF00u;
             s.StoreChange(StoreModify, s.doc.Ind_Curve);
         }, true},
        {"undo of the colour", [](PictoSession &s) { s.UndoStep(false); }},
        {"the example as a new document", [](PictoSession &s) { s.FillTemplate(ExampleDocumentTemplate(), "n.vkz"); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QCoreApplication::processEvents();
        const int before = previews;
        c.act(shelf().Session());
        if (c.oneLayer) {
            const QImage thumb = RenderLayerThumb(renderer, texture, layer());
            EXPECT_EQ(Control<QListWidget>(*form, "lv_Layers")->item(doc().Dimension - 1 - doc().Ind_Curve)
                          ->icon().pixmap(thumb.size()).toImage().convertToFormat(QImage::Format_RGB32),
                      thumb.convertToFormat(QImage::Format_RGB32));
            continue;
        }
        // The layer list, its thumbnails, the view and the information follow at once; the
        // preview once, when the event loop turns.
        expectWindowShows();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        EXPECT_EQ(previews, before + 1);
        EXPECT_EQ(Control<ImageControl>(*form, "i_Picto")->Picture,
                  RenderPreview(RenderComposite(renderer, texture, doc())));
    }
    EXPECT_EQ(Control<QLabel>(*form, "sb_Name")->toolTip(), "n.vkz");
}
