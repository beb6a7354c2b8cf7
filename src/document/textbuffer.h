#pragma once
// The document text held line by line, with a grouped undo and redo history.
// Plain C++: no Qt. The history stores one record per line change, never copies
// of the whole buffer, so recording an edit costs only the lines it touched.

#include <functional>
#include <string>
#include <vector>

/// Label of an undo step; None is the undo state of an empty undo history.
enum class UndoLabel { None, Modify, Insert, Delete };

class TextBuffer {
public:
    /// Removes all lines and empties both histories. Sends no notification.
    void Clear();
    /// Appends a line without recording it. Sends no notification.
    void AddNL(const std::string &text);
    /// Replaces the whole content like Clear followed by AddNL for each line.
    void SetLines(std::vector<std::string> lines);

    /// Text of line i; throws std::out_of_range when i is not a line number.
    const std::string &GetItemText(int i) const;
    int LineCount() const;
    const std::vector<std::string> &Lines() const { return lines_; }
    /// The lines joined by CR LF, each line followed by its break except the last.
    std::string Text() const;

    /// Recorded replacement of line i (throws std::out_of_range when outside).
    /// Equal text records no change but still empties the redo history and notifies.
    void SetItemTextEd(int i, const std::string &text);
    /// Recorded insertion at the end of the last line; each CR LF starts a new line.
    /// When the last line is not empty, the text begins a line of its own after it.
    void InsertText(const std::string &text);
    /// Recorded insertion of a line of its own before line i (i = LineCount appends it).
    void InsertLine(int i, const std::string &text);
    /// Recorded removal of line i together with its line break.
    void DeleteLine(int i);

    /// Sets the label of the group that the next recorded changes join.
    void BeginUndoGroup(UndoLabel label);
    /// On: recorded changes join the open group. Off: the group is closed; a group
    /// in which no line changed leaves no step in the history.
    void SetUndoGroupMode(bool on);
    bool UndoGroupMode() const { return groupMode_; }

    /// Reverts the top undo step; false, changing nothing, when there is none.
    bool Undo();
    /// Reapplies the top redo step; false, changing nothing, when there is none.
    bool Redo();
    /// Label of the top undo step, or None when the undo history is empty.
    UndoLabel UndoAction() const;
    bool CanUndo() const { return !undo_.empty() || !open_.changes.empty(); }
    bool CanRedo() const { return !redo_.empty(); }

    /// Change notification, called synchronously after every recorded write and
    /// after every undo or redo that did something.
    std::function<void()> OnChange;

private:
    enum class ChangeKind { Replace, Insert, Erase };
    struct Change {
        ChangeKind kind;
        int index;
        std::string oldText;  // Replace, Erase
        std::string newText;  // Replace, Insert
    };
    struct Step {
        UndoLabel label = UndoLabel::Modify;
        std::vector<Change> changes;
    };

    void record(Change change);
    void beginWrite();
    void endWrite();
    void closeGroup();
    void apply(const Change &change);
    void revert(const Change &change);
    void checkIndex(int i) const;
    void notify();

    std::vector<std::string> lines_;
    std::vector<Step> undo_;
    std::vector<Step> redo_;
    Step open_;                  // the group being filled while group mode is on
    UndoLabel nextLabel_ = UndoLabel::Modify;
    bool groupMode_ = false;
};
