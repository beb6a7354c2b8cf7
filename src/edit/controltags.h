#pragma once
// The tags of the main window's controls. A tag keys a control's hint, its glyph and the button
// itself, and tells the edit handlers which button was used; the values are fixed.

/// A control's tag. Groups of buttons take consecutive values, so a button's place in its group is
/// its tag minus the group's first tag.
enum class ControlTag : int {
    None = 0,  ///< a control without a hint: the banner and the project badge

    // File row and the document list: new, the list, save, save as, export as PNG.
    NewPicto = 110,
    FileList = 111,
    SavePicto = 112,
    SavePictoAs = 113,
    ExportPng = 114,

    // Layer buttons: add, up, duplicate, delete, down (the numbers StoreKind gives their changes).
    LayerAdd = 120,
    LayerUp = 121,
    LayerDuplicate = 122,
    LayerDelete = 123,
    LayerDown = 124,

    // Mode buttons; EditState::IMode holds the tag minus ModeSketch.
    ModeSketch = 130,
    ModeAddPoint = 131,
    ModeInsertPoint = 132,
    ModeDeletePoint = 133,
    ModeMovePoint = 134,
    ModeResizeLayer = 135,
    ModeMoveLayer = 136,
    ModeRotateLayer = 137,

    // Undo and redo of a group of changes.
    Undo = 140,
    Redo = 141,

    // Sliders of the rotate and the resize modes.
    RotateSlider = 160,
    SizeSlider = 170,

    // The layer list with its thumbnails.
    LayerList = 200,

    // Pictures without a hint: the logo, the editing view and the preview.
    Picture = 300,

    // The colour palette.
    Palette = 400,

    // View switches: all layers or the current one alone; points and their numbers shown or not.
    AllLayers = 500,
    NumberAndPoint = 501,

    // Layer kind buttons; the kind (R_Curve::TypeC) is the tag minus Back.
    Back = 510,
    Blur = 511,
    LineSolid = 512,
    LineDot = 513,
    Dots = 514,

    // Width buttons: 0, 4, 8 and 16 pixels.
    Width00 = 520,
    Width04 = 521,
    Width08 = 522,
    Width16 = 523,

    // Line shape buttons: broken line (tension 0) or curve (tension 0,5).
    Broken = 530,
    Curve = 531,

    // Closed or open outline.
    Closure = 540,

    // Reference strip and its four tiles.
    Strip = 600,
    Tile1 = 601,
    Tile2 = 602,
    Tile3 = 603,
    Tile4 = 604,

    // Windows opened beside the main one: help, the information window, the snowman book.
    Help = 700,
    Info = 800,
    SnowMen = 900,
};

/// The tag k places after first in its group.
constexpr ControlTag operator+(ControlTag first, int k)
{
    return static_cast<ControlTag>(static_cast<int>(first) + k);
}

/// The place of tag in the group that starts at first.
constexpr int operator-(ControlTag tag, ControlTag first)
{
    return static_cast<int>(tag) - static_cast<int>(first);
}
