#include "document/textbuffer.h"

#include <stdexcept>
#include <utility>

namespace {
const std::string kLineBreak = "\r\n";
}

void TextBuffer::Clear()
{
    lines_.clear();
    undo_.clear();
    redo_.clear();
    open_.changes.clear();
}

void TextBuffer::AddNL(const std::string &text)
{
    lines_.push_back(text);
}

void TextBuffer::SetLines(std::vector<std::string> lines)
{
    Clear();
    lines_ = std::move(lines);
}

void TextBuffer::checkIndex(int i) const
{
    if (i < 0 || i >= LineCount())
        throw std::out_of_range("line " + std::to_string(i) + " outside 0.."
                                + std::to_string(LineCount() - 1));
}

const std::string &TextBuffer::GetItemText(int i) const
{
    checkIndex(i);
    return lines_[static_cast<size_t>(i)];
}

int TextBuffer::LineCount() const
{
    return static_cast<int>(lines_.size());
}

std::string TextBuffer::Text() const
{
    std::string text;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (i > 0)
            text += kLineBreak;
        text += lines_[i];
    }
    return text;
}

void TextBuffer::notify()
{
    if (OnChange)
        OnChange();
}

void TextBuffer::beginWrite()
{
    redo_.clear();
    open_.label = groupMode_ ? nextLabel_ : UndoLabel::Modify;
}

void TextBuffer::endWrite()
{
    if (!groupMode_)
        closeGroup();
    notify();
}

void TextBuffer::record(Change change)
{
    apply(change);
    open_.changes.push_back(std::move(change));
}

void TextBuffer::closeGroup()
{
    if (!open_.changes.empty())
        undo_.push_back(std::move(open_));
    open_ = Step{};
}

void TextBuffer::SetItemTextEd(int i, const std::string &text)
{
    checkIndex(i);
    beginWrite();
    const std::string &current = lines_[static_cast<size_t>(i)];
    if (current != text)
        record({ChangeKind::Replace, i, current, text});
    endWrite();
}

void TextBuffer::InsertText(const std::string &text)
{
    beginWrite();
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t at; (at = text.find(kLineBreak, start)) != std::string::npos;
         start = at + kLineBreak.size())
        pieces.push_back(text.substr(start, at - start));
    pieces.push_back(text.substr(start));

    if (!text.empty()) {
        // The first piece extends the last line when that line is empty; otherwise
        // it starts a line of its own, so earlier text is never glued onto.
        size_t next = 0;
        if (!lines_.empty() && lines_.back().empty()) {
            if (!pieces[0].empty())
                record({ChangeKind::Replace, LineCount() - 1, std::string(), pieces[0]});
            next = 1;
        }
        for (; next < pieces.size(); ++next)
            record({ChangeKind::Insert, LineCount(), std::string(), pieces[next]});
    }
    endWrite();
}

void TextBuffer::InsertLine(int i, const std::string &text)
{
    if (i != LineCount())
        checkIndex(i);
    beginWrite();
    record({ChangeKind::Insert, i, std::string(), text});
    endWrite();
}

void TextBuffer::DeleteLine(int i)
{
    checkIndex(i);
    beginWrite();
    record({ChangeKind::Erase, i, lines_[static_cast<size_t>(i)], std::string()});
    endWrite();
}

void TextBuffer::BeginUndoGroup(UndoLabel label)
{
    if (label == UndoLabel::None)
        label = UndoLabel::Modify;
    if (groupMode_ && !open_.changes.empty())
        closeGroup();
    nextLabel_ = label;
    open_.label = label;
}

void TextBuffer::SetUndoGroupMode(bool on)
{
    if (!on) {
        closeGroup();
        nextLabel_ = UndoLabel::Modify;
    }
    groupMode_ = on;
}

void TextBuffer::apply(const Change &change)
{
    auto at = lines_.begin() + change.index;
    switch (change.kind) {
    case ChangeKind::Replace: *at = change.newText; break;
    case ChangeKind::Insert: lines_.insert(at, change.newText); break;
    case ChangeKind::Erase: lines_.erase(at); break;
    }
}

void TextBuffer::revert(const Change &change)
{
    auto at = lines_.begin() + change.index;
    switch (change.kind) {
    case ChangeKind::Replace: *at = change.oldText; break;
    case ChangeKind::Insert: lines_.erase(at); break;
    case ChangeKind::Erase: lines_.insert(at, change.oldText); break;
    }
}

bool TextBuffer::Undo()
{
    // A group still open is finished first, so that its changes are undone as one step.
    SetUndoGroupMode(false);
    if (undo_.empty())
        return false;
    Step step = std::move(undo_.back());
    undo_.pop_back();
    for (auto it = step.changes.rbegin(); it != step.changes.rend(); ++it)
        revert(*it);
    redo_.push_back(std::move(step));
    notify();
    return true;
}

bool TextBuffer::Redo()
{
    SetUndoGroupMode(false);
    if (redo_.empty())
        return false;
    Step step = std::move(redo_.back());
    redo_.pop_back();
    for (const Change &change : step.changes)
        apply(change);
    undo_.push_back(std::move(step));
    notify();
    return true;
}

UndoLabel TextBuffer::UndoAction() const
{
    if (!open_.changes.empty())
        return open_.label;
    return undo_.empty() ? UndoLabel::None : undo_.back().label;
}
