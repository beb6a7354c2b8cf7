#pragma once
// The open document together with its text buffer: every edit is written into the buffer as one
// undo group, and undo or redo re-reads the whole document from the buffer.

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

class PictoSession {
public:
    PictoSession();

    PictoDocument doc;
    TextBuffer rve_Items;
    /// Called with the status-bar note ("" or ModifiedNote) after every change notification.
    std::function<void(const std::string &)> OnStatusNote;
    /// Called after every change notification, once RModif follows the undo state again.
    std::function<void()> OnChanged;

    /// Reads a document file. On any error nothing changes (document, buffer and history stay) and
    /// FileError or DocumentError is thrown.
    void LoadPicto(const std::string &path, const std::string &name);
    /// Starts a new document from a template's lines (history emptied).
    void FillTemplate(const std::vector<std::string> &lines, const std::string &name);
    /// Writes one edit of the layers (already changed, polar points recomputed) as one undo group.
    void StoreChange(int kind, int index);
    /// Undo (redo = false) or redo, then re-reads the document. Returns false when there was nothing
    /// to undo or redo (the caller beeps); the document is re-read all the same.
    bool UndoStep(bool redo);
    /// Writes the buffer to path atomically and clears RModif; throws FileError and keeps RModif on failure.
    void SaveTo(const std::string &path);
    /// Replaces the whole text by lines as one recorded edit (undo leads back to the text before),
    /// then re-reads the document. Throws DocumentError, changing nothing, when lines do not read whole.
    void RestoreText(const std::vector<std::string> &lines);

private:
    void rve_ItemsChange();
    void reparse();
};
