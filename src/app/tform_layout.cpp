// The controls of the main window, placed by hand at the pixel positions of the window's layout.
#include "app/glyphs.h"
#include "app/hints.h"
#include "app/tform.h"
#include "render/fonts.h"

namespace {
QWidget *panel(QWidget *parent, const char *name, QRect geometry, const QColor &colour)
{
    auto *w = new QWidget(parent);
    w->setObjectName(name);
    w->setGeometry(geometry);
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
    return w;
}

ImageControl *picture(QWidget *parent, const char *name, QRect geometry, ControlTag tag)
{
    auto *i = new ImageControl(parent);
    i->setObjectName(name);
    i->setGeometry(geometry);
    SetTag(i, tag);
    return i;
}

QListWidget *thumbList(QWidget *parent, const char *name, QRect geometry, const QColor &colour, ControlTag tag)
{
    auto *lv = new QListWidget(parent);
    lv->setObjectName(name);
    lv->setGeometry(geometry);
    SetTag(lv, tag);
    lv->setIconSize(QSize(64, 64));
    lv->setViewMode(QListView::ListMode);
    lv->setFrameShape(QFrame::NoFrame);
    lv->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lv->setSelectionMode(QAbstractItemView::SingleSelection);
    lv->setStyleSheet(QStringLiteral("QListWidget { background: %1; }").arg(colour.name()));
    return lv;
}

QFont windowFont()
{
    QFont f(InterfaceFontFamily());
    f.setPixelSize(11);
    return f;
}
}

QToolButton *T_Form::makeButton(QWidget *parent, const char *name, ControlTag tag, QRect geometry, bool checkable)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    SetTag(b, tag);
    b->setGeometry(geometry);
    b->setAutoRaise(true);
    b->setCheckable(checkable);
    // A pressed mode, kind, width, curve or view button must show at a glance: a warm background
    // inside a thick orange frame, where an unpressed one stays flat on its panel.
    b->setStyleSheet(QStringLiteral(
        "QToolButton { border: 3px solid transparent; border-radius: 8px; background: transparent; }"
        "QToolButton:hover { border-color: #8FA3B3; }"
        "QToolButton:pressed, QToolButton:checked { background: #FFD966; border-color: #D9620B; }"));
    // No button of the panels takes keyboard focus: a Space or Enter meant for nothing in particular
    // must not add a layer, start a document or open a window.
    b->setFocusPolicy(Qt::NoFocus);
    const int side = std::min(geometry.width(), geometry.height());
    b->setIconSize(QSize(side - 8, side - 8));
    b->setIcon(QIcon(QPixmap::fromImage(ButtonGlyph(tag, QSize(side - 8, side - 8)))));
    m_buttons[tag] = b;
    return b;
}

QAbstractButton *T_Form::ButtonByTag(ControlTag tag) const
{
    const auto it = m_buttons.find(tag);
    return it == m_buttons.end() ? nullptr : it->second;
}

void T_Form::buildControls()
{
    setFont(windowFont());
    const QColor grey(0xD4, 0xD4, 0xD4), light(0xF1, 0xF1, 0xF1);
    const int workHeight = 735 - 18 - 16;

    i_AllRights = picture(this, "i_AllRights", QRect(0, 735 - 18, 1224, 18), ControlTag::None);
    i_AllRights->Picture = BannerPicture(1224);
    sb_Funk = panel(this, "sb_Funk", QRect(0, workHeight, 1224, 16), grey.lighter(105));
    // The open document's name stands in front of the state note; both are placed as the name changes.
    sb_Name = new QLabel(sb_Funk);
    sb_Name->setObjectName("sb_Name");
    sb_Name->setGeometry(4, 0, 0, 16);
    QFont nameFont = font();
    nameFont.setBold(true);
    sb_Name->setFont(nameFont);
    sb_Panel = new QLabel(sb_Funk);
    sb_Panel->setObjectName("sb_Funk_Panel0");
    sb_Panel->setGeometry(4, 0, 1216, 16);

    // Left column: logo, layer and mode buttons, undo, and the tools strip with the sliders.
    QWidget *p_Left = panel(this, "p_Left", QRect(0, 0, 322, workHeight), grey);
    i_Logo = picture(p_Left, "i_Logo", QRect(0, 0, 322, 116), ControlTag::Picture);
    i_Logo->Picture = LogoPicture();
    QWidget *command = panel(p_Left, "p_Command", QRect(0, 116, 290, workHeight - 116), grey);
    QWidget *p_Layer1 = panel(command, "p_Layer1", QRect(0, 0, 290, 96), grey);
    // The row starts with an empty cell, so that "up" stands right above "down".
    makeButton(p_Layer1, "b_LayerAdd", ControlTag::LayerAdd, QRect(96, 0, 96, 96), false);
    makeButton(p_Layer1, "b_LayerTop", ControlTag::LayerUp, QRect(192, 0, 96, 96), false);
    QWidget *p_Layer2 = panel(command, "p_Layer2", QRect(0, 96, 290, 96), grey);
    makeButton(p_Layer2, "b_LayerDupl", ControlTag::LayerDuplicate, QRect(0, 0, 96, 96), false);
    makeButton(p_Layer2, "b_LayerDel", ControlTag::LayerDelete, QRect(96, 0, 96, 96), false);
    makeButton(p_Layer2, "b_LayerBottom", ControlTag::LayerDown, QRect(192, 0, 96, 96), false);
    QWidget *p_Mode = panel(command, "p_Mode", QRect(0, 192, 290, 288), grey);
    i_Projekt = picture(p_Mode, "i_Projekt", QRect(0, 0, 96, 96), ControlTag::None);
    i_Projekt->Picture = ProjectBadge();
    i_Projekt->setToolTip(QStringLiteral(
        "Merisko — edytor piktogramów dla szkół.\n"
        "Uczniowie i nauczyciele układają w nim proste znaki obrazkowe\n"
        "z warstw punktów: tła, plam, linii ciągłych, linii kropkowanych i kropek.\n"
        "Piktogramy pomagają czytać i rozumieć znaki wokół nas."));
    static const char *modeNames[] = {"b_DrawPoints", "b_AddPoint", "b_InsertPoint", "b_DelPoint", "b_MovePoint",
                                      "b_ResizeLayer", "b_MoveLayer", "b_RotateLayer"};
    modeGroup = new QButtonGroup(this);
    for (int i = 0; i < 8; ++i) {
        const int cell = i + 1;
        const ControlTag tag = ControlTag::ModeSketch + i;
        QToolButton *b = makeButton(p_Mode, modeNames[i], tag, QRect(cell % 3 * 96, cell / 3 * 96, 96, 96), true);
        modeGroup->addButton(b, static_cast<int>(tag));
    }
    ButtonByTag(ControlTag::ModeAddPoint)->setChecked(true);
    QWidget *p_Undo = panel(command, "p_Undo", QRect(0, 480, 290, 80), grey);
    makeButton(p_Undo, "b_Undo", ControlTag::Undo, QRect(0, 0, 144, 80), false);
    makeButton(p_Undo, "b_Redo", ControlTag::Redo, QRect(144, 0, 144, 80), false);

    p_Tools = panel(p_Left, "p_Tools", QRect(290, 116, 32, workHeight - 116), QColor(0x72, 0xEB, 0xEF));
    // One slider at a time takes the whole strip above its value label, so rotation gets all the
    // travel there is; a click on the track moves by a step that shows (15° or a size of 0,1).
    const int sliderHeight = workHeight - 116 - 16;
    auto slider = [&](const char *name, ControlTag tag, int min, int max, int pos, int tick, int step) {
        auto *s = new QSlider(Qt::Vertical, p_Tools);
        s->setObjectName(name);
        SetTag(s, tag);
        s->setRange(min, max);
        s->setValue(pos);
        s->setPageStep(step);
        s->setTickInterval(tick);
        s->setTickPosition(QSlider::TicksBothSides);
        s->setGeometry(0, 0, 32, sliderHeight);
        s->hide();  // shown by its own edit mode
        return s;
    };
    tb_Rotate = slider("tb_Rotate", ControlTag::RotateSlider, 0, 359, 0, 30, 15);
    tb_Size = slider("tb_Size", ControlTag::SizeSlider, 20, 200, 100, 10, 10);
    l_Tool = new QLabel(p_Tools);
    l_Tool->setObjectName("l_Tool");
    l_Tool->setGeometry(0, workHeight - 116 - 16, 32, 16);
    l_Tool->setAlignment(Qt::AlignCenter);
    QFont toolFont = font();
    toolFont.setPixelSize(13);
    l_Tool->setFont(toolFont);

    // Document thumbnails.
    lv_ListFile = thumbList(this, "lv_ListFile", QRect(322, 0, 112, workHeight), light, ControlTag::FileList);
    // The thumbnails stand in the middle of the column, with room for the scroll bar on the right;
    // the chosen one gets a frame of its own size.
    lv_ListFile->setStyleSheet(lv_ListFile->styleSheet()
                               + QStringLiteral(" QListWidget { padding-left: 10px; }"
                                                " QListWidget::item { border: 3px solid transparent; border-radius: 6px; }"
                                                " QListWidget::item:selected { background: #CFE3F7; border-color: #2F7FD0; }"));
    ppm_LvList = new QMenu(lv_ListFile);
    ppm_LvList->setObjectName("ppm_LvList");
    usupiktogram1 = ppm_LvList->addAction(QStringLiteral("usuń piktogram"));
    usupiktogram1->setObjectName("usupiktogram1");
    usupiktogram1->setEnabled(false);
    arkusz1 = ppm_LvList->addAction(QStringLiteral("Arkusz do druku…"));
    arkusz1->setObjectName("arkusz1");
    lv_ListFile->setContextMenuPolicy(Qt::CustomContextMenu);
    lv_ListFile->setToolTip(QStringLiteral("Kliknij jedną z miniatur"));

    // Central page: file row, editing view, reference strip and names.
    pc_Pages = new QStackedWidget(this);
    pc_Pages->setObjectName("pc_Pages");
    pc_Pages->setGeometry(434, 0, 524, workHeight);
    QWidget *ts_1 = panel(nullptr, "ts_1", QRect(0, 0, 524, workHeight), light);
    pc_Pages->addWidget(ts_1);
    pc_Pages->addWidget(panel(nullptr, "ts_2", QRect(0, 0, 524, workHeight), light));
    pc_Pages->addWidget(panel(nullptr, "ts_3", QRect(0, 0, 524, workHeight), light));
    QWidget *p_File = panel(ts_1, "p_File", QRect(0, 0, 524, 72), light);
    makeButton(p_File, "b_NewPicto", ControlTag::NewPicto, QRect(2, 0, 72, 72), false);
    makeButton(p_File, "b_SavePicto", ControlTag::SavePicto, QRect(74, 0, 72, 72), false);
    makeButton(p_File, "b_SavePictoAs", ControlTag::SavePictoAs, QRect(146, 0, 72, 72), false);
    makeButton(p_File, "b_ExportPng", ControlTag::ExportPng, QRect(218, 0, 72, 72), false);
    makeButton(p_File, "b_Info", ControlTag::Info, QRect(306, 0, 72, 72), true);  // pressed: T_Info shown
    makeButton(p_File, "b_Help", ControlTag::Help, QRect(378, 0, 72, 72), false);
    makeButton(p_File, "b_SnowMen", ControlTag::SnowMen, QRect(450, 0, 72, 72), false);
    i_Image = picture(ts_1, "i_Image", QRect(2, 78, 512, 512), ControlTag::Picture);
    QWidget *strip = panel(ts_1, "p_Picto_Tavelo", QRect(4, 594, 516, 72), light);
    SetTag(strip, ControlTag::Strip);
    QWidget *p_Names = panel(ts_1, "p_Names", QRect(4, 668, 516, 15), light);
    for (int k = 0; k < 4; ++k) {
        i_Tiles[k] = picture(strip, qPrintable(QStringLiteral("i_%1").arg(k + 1)), QRect(k * 128 + 28, 0, 72, 72),
                             ControlTag::Tile1 + k);
        i_Tiles[k]->Picture = QImage(72, 72, QImage::Format_RGB32);
        i_Tiles[k]->Picture.fill(light);
        l_Names[k] = new QLabel(QStringLiteral("#"), p_Names);
        l_Names[k]->setObjectName(QStringLiteral("l_n%1").arg(k + 1));
        l_Names[k]->setGeometry(k * 128, 0, 128, 15);
        l_Names[k]->setAlignment(Qt::AlignCenter);
    }

    // Layer thumbnails.
    lv_Layers = thumbList(this, "lv_Layers", QRect(958, 0, 96, workHeight), QColor(0xFE, 0xFE, 0x80),
                          ControlTag::LayerList);

    // Right column: preview and the view and property buttons.
    QWidget *p_Right = panel(this, "p_Right", QRect(1054, 0, 148, workHeight), grey);
    QWidget *p_Picto = panel(p_Right, "p_Picto", QRect(1, 0, 146, 146), light);
    i_Picto = picture(p_Picto, "i_Picto", QRect(37, 37, 72, 72), ControlTag::Picture);
    struct Spec { const char *name; ControlTag tag; } right[] = {
        {"b_AllLayers", ControlTag::AllLayers}, {"b_NumberAndPoint", ControlTag::NumberAndPoint},
        {"b_Back", ControlTag::Back},           {"b_Blur", ControlTag::Blur},
        {"b_LineSolid", ControlTag::LineSolid}, {"b_LineDot", ControlTag::LineDot},
        {"b_Dots", ControlTag::Dots},           {"b_Closure", ControlTag::Closure},
        {"b_Width_00", ControlTag::Width00},    {"b_Width_04", ControlTag::Width04},
        {"b_Width_08", ControlTag::Width08},    {"b_Width_16", ControlTag::Width16},
        {"b_Broken", ControlTag::Broken},       {"b_Curve", ControlTag::Curve},
    };
    kindGroup = new QButtonGroup(this);
    widthGroup = new QButtonGroup(this);
    curveGroup = new QButtonGroup(this);
    for (int i = 0; i < 14; ++i) {
        QToolButton *b = makeButton(p_Right, right[i].name, right[i].tag, QRect(2 + i % 2 * 72, 146 + i / 2 * 72, 72, 72),
                                    true);
        const ControlTag tag = right[i].tag;
        if (tag >= ControlTag::Back && tag <= ControlTag::Dots)
            kindGroup->addButton(b, static_cast<int>(tag));
        else if (tag >= ControlTag::Width00 && tag <= ControlTag::Width16)
            widthGroup->addButton(b, static_cast<int>(tag));
        else if (tag == ControlTag::Broken || tag == ControlTag::Curve)
            curveGroup->addButton(b, static_cast<int>(tag));
    }
    for (ControlTag tag : {ControlTag::AllLayers, ControlTag::NumberAndPoint, ControlTag::Dots})
        ButtonByTag(tag)->setChecked(true);

    i_Colors = picture(this, "i_Colors", QRect(1202, 0, 22, workHeight), ControlTag::Palette);
    i_Colors->setCursor(Qt::PointingHandCursor);
    i_Colors->Picture = QImage(21, 600, QImage::Format_RGB32);
    i_Colors->Picture.fill(Qt::white);

    // Wiring of what this window does itself; the editing handlers are wired in tform_edit.cpp.
    connect(ButtonByTag(ControlTag::AllLayers), &QAbstractButton::clicked, this,
            [this] { Guarded([this] { b_AllLayersClick(); }); });
    connect(ButtonByTag(ControlTag::NumberAndPoint), &QAbstractButton::clicked, this,
            [this] { Guarded([this] { b_NumberAndPointClick(); }); });
    connect(lv_ListFile, &QListWidget::itemDoubleClicked, this, [this] { Guarded([this] { lv_ListFileDblClick(); }); });
    connect(lv_ListFile, &QListWidget::itemSelectionChanged, this, [this] { lv_ListFileSelectItem(); });
    connect(lv_ListFile, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        ppm_LvListPopup();
        ppm_LvList->popup(lv_ListFile->viewport()->mapToGlobal(at));
    });
    connect(usupiktogram1, &QAction::triggered, this, [this] { Guarded([this] { DeletePicto(); }); });
    wireEditing();
}
