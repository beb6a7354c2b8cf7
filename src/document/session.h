#pragma once
// The open document together with its text buffer: every edit is written into the buffer as one
// undo group, and undo or redo re-reads the whole document from the buffer.
// After each operation that changes the document or its text the session announces one
// SessionChange (what happened, and the layer concerned) to every subscriber, in the order they
// subscribed; views refresh from that announcement instead of being told by each caller.

#include "document/picto.h"
#include "document/textbuffer.h"

#include <functional>
#include <string>
#include <vector>

/// The kinds of StoreChange: 0 one layer changed, and the layer-button tags.
enum StoreKind {
    StoreModify = 0,
    StoreAdd = 120,
    StoreMoveUp = 121,
    StoreDuplicate = 122,
    StoreDelete = 123,
    StoreMoveDown = 124,
};

/// "Obraz piktogramu jest zmodyfikowany": the status-bar note while RModif is set.
extern const char *const ModifiedNote;

/// What a SessionChange reports.
enum class ChangeKind {
    Stored,      ///< StoreChange wrote one edit of the layers (`store` says which)
    Undone,      ///< undo, then the document re-read (also when there was nothing to undo)
    Redone,      ///< redo, then the document re-read (also when there was nothing to redo)
    Loaded,      ///< LoadPicto read a document file
    Created,     ///< FillTemplate started a new document
    Restored,    ///< RestoreText replaced the whole text as one edit
    TextEdited,  ///< the text was typed into (TypeText) or written directly; the document not re-read
    TextRead,    ///< ReadText made the typed text the document
    Saved,       ///< SaveTo wrote the text: RModif is cleared, the document is as it was
};

/// One announcement of the session: what happened and to which layer.
struct SessionChange {
    ChangeKind what = ChangeKind::Stored;
    StoreKind store = StoreModify;  ///< for Stored: the kind of edit
    int layer = -1;                 ///< the layer concerned (the current layer afterwards); −1 none
    bool textChanged = false;       ///< the text and its undo history changed (RModif follows them)

    /// Only the current layer's properties or points changed: the layer list keeps its entries.
    bool OneLayer() const { return what == ChangeKind::Stored && store == StoreModify; }
    /// The document in memory may differ from before (every kind but TextEdited and Saved).
    bool DocumentChanged() const { return what != ChangeKind::TextEdited && what != ChangeKind::Saved; }
};

using SessionListener = std::function<void(const SessionChange &)>;

class PictoSession {
public:
    PictoSession();

    PictoDocument doc;
    TextBuffer rve_Items;
    /// Called with the status-bar note ("" or ModifiedNote) when an announced change altered the
    /// text, before the subscribers.
    std::function<void(const std::string &)> OnStatusNote;
    /// Called when an announced change altered the text, once RModif follows the undo state again,
    /// after OnStatusNote and before the subscribers.
    std::function<void()> OnChanged;

    /// Adds a listener of every announced change; returns its id for Unsubscribe.
    int Subscribe(SessionListener listener);
    void Unsubscribe(int id);

    /// Reads a document file. On any error nothing changes (document, buffer and history stay) and
    /// FileError or DocumentError is thrown.
    void LoadPicto(const std::string &path, const std::string &name);
    /// Starts a new document from a template's lines (history emptied).
    void FillTemplate(const std::vector<std::string> &lines, const std::string &name);
    /// Writes one edit of the layers (already changed, polar points recomputed) as one undo group.
    /// The current layer becomes the one the new header names (the layer moved, the copy or the new
    /// layer, the one below a deleted layer), as an undo would read it back.
    void StoreChange(int kind, int index);
    /// Undo (redo = false) or redo, then re-reads the document. Returns false when there was nothing
    /// to undo or redo (the caller beeps); the document is re-read all the same.
    bool UndoStep(bool redo);
    /// Writes the buffer to path atomically and clears RModif; throws FileError and keeps RModif on failure.
    void SaveTo(const std::string &path);
    /// Replaces the whole text by lines as one recorded edit (undo leads back to the text before),
    /// then re-reads the document. Throws DocumentError, changing nothing, when lines do not read whole.
    void RestoreText(const std::vector<std::string> &lines);
    /// Makes the text equal typed (lines without breaks) as one recorded edit: lines that differ are
    /// rewritten, added or removed. The document is not re-read (see ReadText).
    void TypeText(const std::vector<std::string> &typed);
    /// Re-reads the document from its text (RModif kept). Throws DocumentError, changing nothing,
    /// when the text does not read whole.
    void ReadText();

private:
    /// Collects the buffer's notifications of one operation into its one announcement.
    class Operation;
    void rve_ItemsChange();
    void reparse();
    void announce(SessionChange change);

    std::vector<std::pair<int, SessionListener>> m_listeners;
    int m_nextListener = 1;
    int m_depth = 0;             ///< operations in progress
    bool m_textChanged = false;  ///< the buffer changed during the operation in progress
};
