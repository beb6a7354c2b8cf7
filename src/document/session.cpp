#include "document/session.h"

#include "document/textformat.h"

#include <algorithm>

const char *const ModifiedNote = "Obraz piktogramu jest zmodyfikowany";

/// One operation of the session: the buffer's notifications during it are gathered, and Done
/// announces the operation once, with the document in its final state.
class PictoSession::Operation {
public:
    explicit Operation(PictoSession &s) : m_s(s) { ++m_s.m_depth; }
    ~Operation()
    {
        if (m_done)
            return;
        --m_s.m_depth;
        // An operation ended by an error (an undone text that no longer reads) still says that its
        // text changed; the error itself goes on to the caller.
        if (m_s.m_textChanged) {
            try {
                m_s.announce({ChangeKind::TextEdited, StoreModify, m_s.doc.Ind_Curve, false});
            } catch (...) {
            }
        }
    }
    void Done(ChangeKind what, int layer, StoreKind store = StoreModify)
    {
        m_done = true;
        --m_s.m_depth;
        m_s.announce({what, store, layer, false});
    }

private:
    PictoSession &m_s;
    bool m_done = false;
};

PictoSession::PictoSession()
{
    rve_Items.OnChange = [this] { rve_ItemsChange(); };
}

int PictoSession::Subscribe(SessionListener listener)
{
    m_listeners.emplace_back(m_nextListener, std::move(listener));
    return m_nextListener++;
}

void PictoSession::Unsubscribe(int id)
{
    std::erase_if(m_listeners, [id](const auto &entry) { return entry.first == id; });
}

void PictoSession::rve_ItemsChange()
{
    doc.RModif = rve_Items.UndoAction() != UndoLabel::None;
    m_textChanged = true;
    // A write into the buffer from outside an operation is announced on its own.
    if (m_depth == 0)
        announce({ChangeKind::TextEdited, StoreModify, doc.Ind_Curve, true});
}

void PictoSession::announce(SessionChange change)
{
    change.textChanged = change.textChanged || m_textChanged;
    m_textChanged = false;
    if (change.textChanged) {
        if (OnStatusNote)
            OnStatusNote(doc.RModif ? ModifiedNote : "");
        if (OnChanged)
            OnChanged();
    }
    // A copy: a listener may subscribe or unsubscribe while it is told.
    const auto listeners = m_listeners;
    for (const auto &entry : listeners)
        entry.second(change);
}

void PictoSession::LoadPicto(const std::string &path, const std::string &name)
{
    Operation op(*this);
    std::vector<std::string> lines = LoadPictoLines(path);
    PictoDocument loaded = ParseDocument(lines, name);
    // Only a document read whole replaces the open one.
    doc = std::move(loaded);
    rve_Items.SetLines(std::move(lines));
    op.Done(ChangeKind::Loaded, doc.Ind_Curve);
}

void PictoSession::FillTemplate(const std::vector<std::string> &lines, const std::string &name)
{
    Operation op(*this);
    PictoDocument created = ParseDocument(lines, name);
    doc = std::move(created);
    rve_Items.SetLines(lines);
    op.Done(ChangeKind::Created, doc.Ind_Curve);
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
    Operation op(*this);
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
    // The document's current layer is the one its header now names, as an undo would read it.
    doc.Ind_Curve = current;
    op.Done(ChangeKind::Stored, current, static_cast<StoreKind>(kind));
}

bool PictoSession::UndoStep(bool redo)
{
    Operation op(*this);
    const bool done = redo ? rve_Items.Redo() : rve_Items.Undo();
    reparse();
    op.Done(redo ? ChangeKind::Redone : ChangeKind::Undone, doc.Ind_Curve);
    return done;
}

void PictoSession::SaveTo(const std::string &path)
{
    SavePictoText(path, rve_Items.Lines());
    doc.RModif = false;
    announce({ChangeKind::Saved, StoreModify, doc.Ind_Curve, false});
}

void PictoSession::RestoreText(const std::vector<std::string> &lines)
{
    PictoDocument restored = ParseDocument(lines, doc.CFName);
    Operation op(*this);
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
    op.Done(ChangeKind::Restored, doc.Ind_Curve);
}

void PictoSession::TypeText(const std::vector<std::string> &typed)
{
    Operation op(*this);
    TextBuffer &b = rve_Items;
    b.BeginUndoGroup(UndoLabel::Modify);
    b.SetUndoGroupMode(true);
    const int had = b.LineCount(), now = int(typed.size());
    for (int i = 0; i < std::min(had, now); ++i)
        if (b.GetItemText(i) != typed[i])
            b.SetItemTextEd(i, typed[i]);
    for (int i = had; i < now; ++i) {
        // InsertText fills an empty last line; a placeholder makes sure a line of its own is added.
        b.InsertText(b.LineCount() > 0 && b.GetItemText(b.LineCount() - 1).empty() ? "\r\n-" : "-");
        b.SetItemTextEd(b.LineCount() - 1, typed[i]);
    }
    for (int i = had - 1; i >= now; --i)
        b.DeleteLine(i);
    b.SetUndoGroupMode(false);
    op.Done(ChangeKind::TextEdited, doc.Ind_Curve);
}

void PictoSession::ReadText()
{
    Operation op(*this);
    reparse();
    op.Done(ChangeKind::TextRead, doc.Ind_Curve);
}
