#include "document/session.h"

#include "document/textformat.h"

#include <algorithm>

const char *const ModifiedNote = "Obraz piktogramu jest zmodyfikowany";

PictoSession::PictoSession()
{
    rve_Items.OnChange = [this] { rve_ItemsChange(); };
}

void PictoSession::rve_ItemsChange()
{
    doc.RModif = rve_Items.UndoAction() != UndoLabel::None;
    if (OnStatusNote)
        OnStatusNote(doc.RModif ? ModifiedNote : "");
    if (OnChanged)
        OnChanged();
}

void PictoSession::LoadPicto(const std::string &path, const std::string &name)
{
    std::vector<std::string> lines = LoadPictoLines(path);
    PictoDocument loaded = ParseDocument(lines, name);
    // Only a document read whole replaces the open one.
    doc = std::move(loaded);
    rve_Items.SetLines(std::move(lines));
}

void PictoSession::FillTemplate(const std::vector<std::string> &lines, const std::string &name)
{
    PictoDocument created = ParseDocument(lines, name);
    doc = std::move(created);
    rve_Items.SetLines(lines);
}

void PictoSession::reparse()
{
    PictoDocument reread = ParseDocument(rve_Items.Lines(), doc.CFName);
    reread.RModif = doc.RModif;
    doc = std::move(reread);
}

void PictoSession::StoreChange(int kind, int index)
{
    UndoLabel label;
    int current;
    switch (kind) {
    case StoreModify:
    case StoreMoveUp:
    case StoreMoveDown:
        label = UndoLabel::Modify;
        current = doc.Ind_Curve + (kind == StoreMoveUp ? 1 : kind == StoreMoveDown ? -1 : 0);
        break;
    case StoreAdd:
    case StoreDuplicate:
        label = UndoLabel::Insert;
        current = doc.Dimension - 1;
        break;
    case StoreDelete:
        label = UndoLabel::Delete;
        current = doc.Ind_Curve == 0 ? 0 : doc.Ind_Curve - 1;
        break;
    default:
        return;
    }
    rve_Items.BeginUndoGroup(label);
    rve_Items.SetUndoGroupMode(true);
    switch (kind) {
    case StoreModify:
        rve_Items.SetItemTextEd(index + 1, FormatCurveLine(doc, index));
        break;
    case StoreAdd:
    case StoreDuplicate:
        // The new top layer's line goes right after the last layer line, so that blank or surplus
        // lines after the layers (which are never read) stay behind it.
        if (index + 1 < rve_Items.LineCount())
            rve_Items.InsertLine(index + 1, FormatCurveLine(doc, index));
        else  // a text without its final line break: the layer line and the break are appended
            rve_Items.InsertText(FormatCurveLine(doc, index) + "\r\n");
        break;
    case StoreMoveUp:
        rve_Items.SetItemTextEd(index, FormatCurveLine(doc, index - 1));
        rve_Items.SetItemTextEd(index + 1, FormatCurveLine(doc, index));
        break;
    case StoreDelete:
        rve_Items.DeleteLine(index);
        break;
    case StoreMoveDown:
        rve_Items.SetItemTextEd(index - 1, FormatCurveLine(doc, index - 2));
        rve_Items.SetItemTextEd(index, FormatCurveLine(doc, index - 1));
        break;
    }
    rve_Items.SetItemTextEd(0, FormatHeaderLine(doc.Dimension, current));
    rve_Items.SetUndoGroupMode(false);
}

bool PictoSession::UndoStep(bool redo)
{
    const bool done = redo ? rve_Items.Redo() : rve_Items.Undo();
    reparse();
    return done;
}

void PictoSession::SaveTo(const std::string &path)
{
    SavePictoText(path, rve_Items.Lines());
    doc.RModif = false;
}

void PictoSession::RestoreText(const std::vector<std::string> &lines)
{
    PictoDocument restored = ParseDocument(lines, doc.CFName);
    rve_Items.BeginUndoGroup(UndoLabel::Modify);
    rve_Items.SetUndoGroupMode(true);
    const int had = rve_Items.LineCount(), now = static_cast<int>(lines.size());
    // Equal lines record nothing, so the step holds only what differs.
    for (int i = 0; i < std::min(had, now); ++i)
        rve_Items.SetItemTextEd(i, lines[i]);
    for (int i = had; i < now; ++i)
        rve_Items.InsertLine(i, lines[i]);
    for (int i = had - 1; i >= now; --i)
        rve_Items.DeleteLine(i);
    rve_Items.SetUndoGroupMode(false);
    restored.RModif = doc.RModif;
    doc = std::move(restored);
}
