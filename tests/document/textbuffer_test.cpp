#include "document/textbuffer.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// A buffer filled without recording, counting its change notifications.
struct Fixture {
    TextBuffer buffer;
    int notifications = 0;

    explicit Fixture(const Lines &lines)
    {
        buffer.SetLines(lines);
        buffer.OnChange = [this] { ++notifications; };
    }
};

// One edit as a document edit writes it: a labelled group of line changes.
template <typename Edit>
void grouped(TextBuffer &buffer, UndoLabel label, Edit edit)
{
    buffer.BeginUndoGroup(label);
    buffer.SetUndoGroupMode(true);
    edit(buffer);
    buffer.SetUndoGroupMode(false);
}

TEST(TextBufferTest, FillingRecordsNothingAndClearEmptiesHistories)
{
    Fixture f({"h", "a"});
    f.buffer.AddNL("");
    EXPECT_EQ(f.buffer.Lines(), (Lines{"h", "a", ""}));
    EXPECT_EQ(f.buffer.LineCount(), 3);
    EXPECT_EQ(f.buffer.Text(), "h\r\na\r\n");
    EXPECT_EQ(f.buffer.UndoAction(), UndoLabel::None);
    EXPECT_EQ(f.notifications, 0);

    f.buffer.SetItemTextEd(1, "b");
    f.buffer.SetItemTextEd(1, "c");
    ASSERT_TRUE(f.buffer.Undo());
    f.buffer.Clear();
    EXPECT_EQ(f.buffer.LineCount(), 0);
    EXPECT_EQ(f.buffer.UndoAction(), UndoLabel::None);
    EXPECT_FALSE(f.buffer.CanRedo());
    const int before = f.notifications;
    EXPECT_FALSE(f.buffer.Undo());
    EXPECT_FALSE(f.buffer.Redo());
    EXPECT_EQ(f.notifications, before);
}

TEST(TextBufferTest, LineIndexOutsideThrows)
{
    Fixture f({"h", "a", ""});
    for (int i : {-1, 3, 100}) {
        SCOPED_TRACE(i);
        EXPECT_THROW(f.buffer.GetItemText(i), std::out_of_range);
        EXPECT_THROW(f.buffer.SetItemTextEd(i, "x"), std::out_of_range);
        EXPECT_THROW(f.buffer.DeleteLine(i), std::out_of_range);
    }
    EXPECT_EQ(f.buffer.Lines(), (Lines{"h", "a", ""}));
    EXPECT_EQ(f.buffer.UndoAction(), UndoLabel::None);
    EXPECT_EQ(f.notifications, 0);
}

TEST(TextBufferTest, InsertTextPlacesEachPieceOnItsOwnLine)
{
    struct Case {
        const char *name;
        Lines before;
        std::string text;
        Lines after;
    };
    const Case cases[] = {
        {"before final empty line", {"h", "a", ""}, "X\r\n", {"h", "a", "X", ""}},
        {"several lines", {"h", ""}, "X\r\nY\r\n", {"h", "X", "Y", ""}},
        {"without final break", {"h", ""}, "X", {"h", "X"}},
        {"last line not empty", {"h", "a"}, "X\r\n", {"h", "a", "X", ""}},
        {"into empty buffer", {}, "X\r\n", {"X", ""}},
        {"empty text", {"h", ""}, "", {"h", ""}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f(c.before);
        f.buffer.InsertText(c.text);
        EXPECT_EQ(f.buffer.Lines(), c.after);
        EXPECT_EQ(f.notifications, 1);
        const bool changed = c.before != c.after;
        EXPECT_EQ(f.buffer.UndoAction(), changed ? UndoLabel::Modify : UndoLabel::None);
        EXPECT_EQ(f.buffer.Undo(), changed);
        EXPECT_EQ(f.buffer.Lines(), c.before);
        EXPECT_EQ(f.buffer.Redo(), changed);
        EXPECT_EQ(f.buffer.Lines(), c.after);
    }
}

TEST(TextBufferTest, EveryWriteNotifiesAndEmptiesRedo)
{
    struct Case {
        const char *name;
        void (*write)(TextBuffer &);
        bool changes;
    };
    const Case cases[] = {
        {"equal text", [](TextBuffer &b) { b.SetItemTextEd(1, "a"); }, false},
        {"new text", [](TextBuffer &b) { b.SetItemTextEd(1, "z"); }, true},
        {"insert", [](TextBuffer &b) { b.InsertText("z\r\n"); }, true},
        {"delete", [](TextBuffer &b) { b.DeleteLine(1); }, true},
        {"empty group", [](TextBuffer &b) {
             grouped(b, UndoLabel::Modify, [](TextBuffer &g) { g.SetItemTextEd(1, "a"); });
         }, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f({"h", "a", ""});
        f.buffer.SetItemTextEd(0, "h2");
        ASSERT_TRUE(f.buffer.Undo());
        ASSERT_TRUE(f.buffer.CanRedo());
        const int before = f.notifications;

        c.write(f.buffer);
        EXPECT_FALSE(f.buffer.CanRedo());
        EXPECT_FALSE(f.buffer.Redo());
        EXPECT_EQ(f.notifications, before + 1);
        // A write that changed no line leaves no step behind.
        EXPECT_EQ(f.buffer.UndoAction(), c.changes ? UndoLabel::Modify : UndoLabel::None);
    }
}

TEST(TextBufferTest, GroupIsOneLabelledStepUndoneInReverseAndRedoneInOrder)
{
    struct Case {
        const char *name;
        UndoLabel label;
        void (*edit)(TextBuffer &);
        Lines after;
    };
    const Case cases[] = {
        {"append layer", UndoLabel::Insert,
         [](TextBuffer &b) {
             b.InsertText("c\r\n");
             b.SetItemTextEd(0, "3 2");
         },
         {"3 2", "a", "b", "c", ""}},
        {"delete layer", UndoLabel::Delete,
         [](TextBuffer &b) {
             b.DeleteLine(1);
             b.SetItemTextEd(0, "1 0");
         },
         {"1 0", "b", ""}},
        {"swap layers", UndoLabel::Modify,
         [](TextBuffer &b) {
             b.SetItemTextEd(1, "b");
             b.SetItemTextEd(2, "a");
             b.SetItemTextEd(0, "2 1");
         },
         {"2 1", "b", "a", ""}},
        {"changes that depend on each other", UndoLabel::Modify,
         [](TextBuffer &b) {
             b.DeleteLine(1);
             b.SetItemTextEd(1, "x");
             b.InsertText("y\r\n");
             b.DeleteLine(0);
         },
         {"x", "y", ""}},
    };
    const Lines before{"2 0", "a", "b", ""};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f(before);
        grouped(f.buffer, c.label, c.edit);
        EXPECT_EQ(f.buffer.Lines(), c.after);
        EXPECT_EQ(f.buffer.UndoAction(), c.label);

        ASSERT_TRUE(f.buffer.Undo());
        EXPECT_EQ(f.buffer.Lines(), before);
        EXPECT_EQ(f.buffer.UndoAction(), UndoLabel::None);
        ASSERT_TRUE(f.buffer.Redo());
        EXPECT_EQ(f.buffer.Lines(), c.after);
        EXPECT_EQ(f.buffer.UndoAction(), c.label);
        EXPECT_FALSE(f.buffer.CanRedo());
    }
}

TEST(TextBufferTest, StepsStackWithoutLimitAndUngroupedChangesStandAlone)
{
    Fixture f({"0", "a", ""});
    grouped(f.buffer, UndoLabel::Insert, [](TextBuffer &b) {
        b.InsertText("b\r\n");
        b.SetItemTextEd(0, "1");
    });
    // Two ungrouped writes: two steps labelled modify, whatever label was announced.
    f.buffer.BeginUndoGroup(UndoLabel::Delete);
    f.buffer.SetItemTextEd(1, "A");
    f.buffer.SetItemTextEd(2, "B");
    EXPECT_EQ(f.buffer.UndoAction(), UndoLabel::Modify);
    for (int i = 0; i < 1000; ++i)
        f.buffer.SetItemTextEd(1, std::to_string(i));

    for (int i = 0; i < 1000; ++i)
        ASSERT_TRUE(f.buffer.Undo());
    EXPECT_EQ(f.buffer.Lines(), (Lines{"1", "A", "B", ""}));
    ASSERT_TRUE(f.buffer.Undo());
    EXPECT_EQ(f.buffer.Lines(), (Lines{"1", "A", "b", ""}));
    ASSERT_TRUE(f.buffer.Undo());
    EXPECT_EQ(f.buffer.UndoAction(), UndoLabel::Insert);
    ASSERT_TRUE(f.buffer.Undo());
    EXPECT_EQ(f.buffer.Lines(), (Lines{"0", "a", ""}));
    EXPECT_FALSE(f.buffer.Undo());

    // Undo does not empty redo; everything comes back in order.
    for (int i = 0; i < 1003; ++i)
        ASSERT_TRUE(f.buffer.Redo());
    EXPECT_EQ(f.buffer.Lines(), (Lines{"1", "999", "B", ""}));
    EXPECT_FALSE(f.buffer.Redo());
}

TEST(TextBufferTest, UndoAndRedoNotifyOnlyWhenTheyActAndSeeTheNewState)
{
    Fixture f({"h", "a", ""});
    std::vector<UndoLabel> seen;
    f.buffer.OnChange = [&] { seen.push_back(f.buffer.UndoAction()); };

    grouped(f.buffer, UndoLabel::Delete, [](TextBuffer &b) { b.DeleteLine(1); });
    EXPECT_EQ(seen, (std::vector<UndoLabel>{UndoLabel::Delete}));
    seen.clear();

    EXPECT_TRUE(f.buffer.Undo());
    EXPECT_FALSE(f.buffer.Undo());
    EXPECT_TRUE(f.buffer.Redo());
    EXPECT_FALSE(f.buffer.Redo());
    EXPECT_EQ(seen, (std::vector<UndoLabel>{UndoLabel::None, UndoLabel::Delete}));
    EXPECT_EQ(f.buffer.Lines(), (Lines{"h", ""}));
}

}  // namespace
