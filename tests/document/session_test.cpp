#include "document/errors.h"
#include "document/session.h"
#include "document/textformat.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

class SessionTest : public ::testing::Test {
protected:
    PictoSession s;
    std::string note = "untouched";
    void SetUp() override
    {
        s.FillTemplate(ExampleDocumentTemplate(), "a.vkz");
        s.OnStatusNote = [this](const std::string &n) { note = n; };
    }
    std::vector<std::string> lines() const { return s.rve_Items.Lines(); }
};

TEST_F(SessionTest, ModifyRewritesOneLineAndTheHeader)
{
    s.doc.TCurveStruct[3].XYPoints[0] = {100, 100};
    XYToPolar(s.doc);
    s.StoreChange(StoreModify, 3);
    EXPECT_EQ(lines()[4], FormatCurveLine(s.doc, 3));
    EXPECT_EQ(lines()[0], FormatHeaderLine(8, 7));
    EXPECT_TRUE(s.doc.RModif);
    EXPECT_EQ(note, ModifiedNote);
    EXPECT_EQ(s.rve_Items.UndoAction(), UndoLabel::Modify);

    ASSERT_TRUE(s.UndoStep(false));
    EXPECT_EQ(lines(), ExampleDocumentTemplate());
    EXPECT_FALSE(s.doc.RModif);
    EXPECT_EQ(note, "");
}

TEST_F(SessionTest, AddThenUndoRestoresCountAndCurrent)
{
    s.doc.Ind_Curve = 2;
    NewCurve(s.doc, KindDots, 0);
    XYToPolar(s.doc);
    s.StoreChange(StoreAdd, s.doc.Dimension - 1);
    EXPECT_EQ(lines().size(), 11u);
    EXPECT_EQ(lines()[9], FormatCurveLine(s.doc, 8));
    EXPECT_EQ(lines()[10], "") << "the buffer keeps its empty last line";
    EXPECT_EQ(lines()[0], FormatHeaderLine(9, 8));
    EXPECT_EQ(s.rve_Items.UndoAction(), UndoLabel::Insert);
    s.UndoStep(false);
    EXPECT_EQ(s.doc.Dimension, 8);
    EXPECT_EQ(s.doc.Ind_Curve, 7);
    EXPECT_EQ(lines(), ExampleDocumentTemplate());
}

TEST_F(SessionTest, DeleteUndoRedoAndSaveReopen)
{
    s.doc.Ind_Curve = 3;
    DeleteCurve(s.doc, 3);
    XYToPolar(s.doc);
    s.StoreChange(StoreDelete, 4);
    EXPECT_EQ(lines()[0], FormatHeaderLine(7, 2));
    EXPECT_EQ(s.rve_Items.UndoAction(), UndoLabel::Delete);
    s.UndoStep(false);
    EXPECT_EQ(lines(), ExampleDocumentTemplate());
    ASSERT_TRUE(s.UndoStep(true));
    EXPECT_EQ(s.doc.Dimension, 7);
    EXPECT_EQ(s.doc.Ind_Curve, 2);

    const fs::path path = fs::temp_directory_path() / ("merisko-session-" + std::to_string(::getpid()) + ".vkz");
    s.SaveTo(path.string());
    EXPECT_FALSE(s.doc.RModif);
    PictoSession reopened;
    reopened.LoadPicto(path.string(), "x.vkz");
    EXPECT_EQ(reopened.doc.Dimension, 7);
    EXPECT_EQ(reopened.rve_Items.LineCount(), 9) << "header, seven layers, empty last line";
    fs::remove(path);
}

TEST_F(SessionTest, MoveUpThenDownIsTwoSteps)
{
    s.doc.Ind_Curve = 2;
    SwapCurves(s.doc, 2, 3);
    s.StoreChange(StoreMoveUp, 3);
    EXPECT_EQ(lines()[0], FormatHeaderLine(8, 3));
    EXPECT_EQ(lines()[3], ExampleDocumentTemplate()[4]);
    EXPECT_EQ(lines()[4], ExampleDocumentTemplate()[3]);
    s.doc.Ind_Curve = 3;
    SwapCurves(s.doc, 3, 2);
    s.StoreChange(StoreMoveDown, 4);
    EXPECT_EQ(lines()[0], FormatHeaderLine(8, 2));
    EXPECT_EQ(lines()[3], ExampleDocumentTemplate()[3]);
    EXPECT_TRUE(s.UndoStep(false));
    EXPECT_TRUE(s.UndoStep(false));
    EXPECT_EQ(lines(), ExampleDocumentTemplate());
    EXPECT_FALSE(s.UndoStep(false)) << "nothing more to undo";
}

TEST_F(SessionTest, HistoryRules)
{
    EXPECT_FALSE(s.UndoStep(false)) << "undo right after opening only beeps";
    EXPECT_EQ(s.doc.Dimension, 8);

    s.StoreChange(StoreModify, 1);  // equal text: no step, no modified note
    EXPECT_FALSE(s.doc.RModif);
    s.doc.TCurveStruct[1].Color = 0xFF123456;
    s.StoreChange(StoreModify, 1);
    s.UndoStep(false);
    s.StoreChange(StoreModify, 1);  // a write after an undo, even an unchanged one, drops redo
    EXPECT_FALSE(s.UndoStep(true));

    s.doc.TCurveStruct[1].Color = 0xFF654321;
    s.StoreChange(StoreModify, 1);
    s.SaveTo((fs::temp_directory_path() / ("merisko-h-" + std::to_string(::getpid()) + ".vkz")).string());
    EXPECT_FALSE(s.doc.RModif);
    s.doc.TCurveStruct[1].Color = 0xFF000001;
    s.StoreChange(StoreModify, 1);
    EXPECT_TRUE(s.doc.RModif) << "every edit after a save sets the note again";
    EXPECT_EQ(note, ModifiedNote);
    s.StoreChange(999, 1);
    EXPECT_EQ(lines()[2], FormatCurveLine(s.doc, 1)) << "an unknown kind changes nothing";
    fs::remove(fs::temp_directory_path() / ("merisko-h-" + std::to_string(::getpid()) + ".vkz"));
}

TEST_F(SessionTest, AFailedLoadLeavesTheOpenDocument)
{
    s.doc.TCurveStruct[1].Color = 0xFF123456;
    s.StoreChange(StoreModify, 1);
    const auto before = lines();
    const fs::path bad = fs::temp_directory_path() / ("merisko-bad-" + std::to_string(::getpid()) + ".vkz");
    SavePictoText(bad.string(), {FormatHeaderLine(2, 0), EmptyDocumentTemplate()[1], ""});
    EXPECT_THROW(s.LoadPicto(bad.string(), "bad.vkz"), DocumentError);
    EXPECT_THROW(s.LoadPicto((bad.string() + ".brak"), "x.vkz"), FileError);
    EXPECT_EQ(lines(), before);
    EXPECT_EQ(s.doc.Dimension, 8);
    EXPECT_EQ(s.doc.CFName, "a.vkz");
    EXPECT_TRUE(s.UndoStep(false)) << "the history survives a failed load";
    fs::remove(bad);
}

// Documents whose text goes on after the layer lines, or stops short of the final line break: a
// new or duplicated top layer still lands right after the last layer line, and the rest stays.
TEST(SessionLayerLine, AddAndDuplicateGoRightAfterTheLastLayerLine)
{
    const std::string blob = "         1        16 $FF000000         0      0,50         0";
    const std::string dots = "         4         8 $FF000000         0      0,50         1     10,00      1,00";
    const struct Case {
        const char *what;
        std::string file;   // the document file as it lies on disk
        std::string after;  // what follows the layer lines in the saved file, once a layer is added
    } cases[] = {
        {"ordinary", FormatHeaderLine(1, 0) + "\r\n" + blob + "\r\n", "\r\n"},
        {"a trailing blank line", FormatHeaderLine(1, 0) + "\r\n" + blob + "\r\n\r\n", "\r\n\r\n"},
        {"a surplus layer line", FormatHeaderLine(1, 0) + "\r\n" + blob + "\r\n" + dots + "\r\n",
         "\r\n" + dots + "\r\n"},
        {"no final line break", FormatHeaderLine(1, 0) + "\r\n" + blob, "\r\n"},
    };
    const fs::path path = fs::temp_directory_path() / ("merisko-tail-" + std::to_string(::getpid()) + ".vkz");
    auto readFile = [&] {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    for (const Case &c : cases) {
        for (int kind : {StoreAdd, StoreDuplicate}) {
            SCOPED_TRACE(std::string(c.what) + (kind == StoreAdd ? ", add" : ", duplicate"));
            std::ofstream(path, std::ios::binary) << c.file;
            PictoSession s;
            s.LoadPicto(path.string(), "t.vkz");
            const std::vector<std::string> before = s.rve_Items.Lines();
            if (kind == StoreAdd)
                NewCurve(s.doc, KindSolid, 0);
            else
                DuplicateCurve(s.doc, 0);
            XYToPolar(s.doc);
            s.StoreChange(kind, s.doc.Dimension - 1);
            const std::string top = FormatCurveLine(s.doc, 1);

            s.SaveTo(path.string());
            EXPECT_EQ(readFile(), FormatHeaderLine(2, 1) + "\r\n" + blob + "\r\n" + top + c.after);
            PictoSession reopened;
            reopened.LoadPicto(path.string(), "t.vkz");
            ASSERT_EQ(reopened.doc.Dimension, 2);
            EXPECT_EQ(FormatCurveLine(reopened.doc, 1), top);

            ASSERT_TRUE(s.UndoStep(false));
            EXPECT_EQ(s.rve_Items.Lines(), before);
            EXPECT_EQ(s.doc.Dimension, 1);
        }
    }
    fs::remove(path);
}

namespace {
/// A session on the example document (8 layers, 7 current) that records its announcements.
struct Announced {
    PictoSession s;
    std::vector<SessionChange> changes;
    std::vector<std::string> notes;
    int changedCalls = 0;
    Announced()
    {
        s.FillTemplate(ExampleDocumentTemplate(), "a.vkz");
        s.OnStatusNote = [this](const std::string &n) { notes.push_back(n); };
        s.OnChanged = [this] { ++changedCalls; };
        s.Subscribe([this](const SessionChange &c) {
            // Told once the document is final: its current layer is the one announced.
            EXPECT_EQ(c.layer, s.doc.Ind_Curve);
            changes.push_back(c);
        });
    }
};
}

TEST(SessionChanges, EachOperationAnnouncesOnceWhatChangedAndTheLayer)
{
    const fs::path path = fs::temp_directory_path() / ("merisko-ann-" + std::to_string(::getpid()) + ".vkz");
    {
        PictoSession writer;
        writer.FillTemplate(ExampleDocumentTemplate(), "b.vkz");
        writer.doc.Ind_Curve = 2;
        writer.StoreChange(StoreModify, 2);
        writer.SaveTo(path.string());
    }
    struct Case {
        const char *what;
        std::function<void(PictoSession &)> act;
        ChangeKind kind;
        StoreKind store;
        int layer;
        bool textChanged;
        bool oneLayer;
    } cases[] = {
        {"modify", [](PictoSession &s) { s.doc.TCurveStruct[7].Color = 0xFF010203u; s.StoreChange(StoreModify, 7); }, ChangeKind::Stored, StoreModify, 7, true, true},
        {"move up the middle", [](PictoSession &s) {
             s.doc.Ind_Curve = 3;
             SwapCurves(s.doc, 3, 4);
             s.StoreChange(StoreMoveUp, 4);
         }, ChangeKind::Stored, StoreMoveUp, 4, true, false},
        {"move down", [](PictoSession &s) {
             s.doc.Ind_Curve = 3;
             SwapCurves(s.doc, 3, 2);
             s.StoreChange(StoreMoveDown, 4);
         }, ChangeKind::Stored, StoreMoveDown, 2, true, false},
        {"add", [](PictoSession &s) { NewCurve(s.doc, KindDots, 0); s.StoreChange(StoreAdd, 8); },
         ChangeKind::Stored, StoreAdd, 8, true, false},
        {"duplicate", [](PictoSession &s) { DuplicateCurve(s.doc, 1); s.StoreChange(StoreDuplicate, 8); },
         ChangeKind::Stored, StoreDuplicate, 8, true, false},
        {"delete the bottom", [](PictoSession &s) {
             s.doc.Ind_Curve = 0;
             DeleteCurve(s.doc, 0);
             s.StoreChange(StoreDelete, 1);
         }, ChangeKind::Stored, StoreDelete, 0, true, false},
        {"undo with nothing to undo", [](PictoSession &s) { s.UndoStep(false); }, ChangeKind::Undone, StoreModify, 7, false, false},
        {"redo with nothing to redo", [](PictoSession &s) { s.UndoStep(true); }, ChangeKind::Redone, StoreModify, 7, false, false},
        {"load", [&](PictoSession &s) { s.LoadPicto(path.string(), "b.vkz"); }, ChangeKind::Loaded, StoreModify, 2, false, false},
        {"new", [](PictoSession &s) { s.FillTemplate({FormatHeaderLine(0, 0), ""}, "c.vkz"); }, ChangeKind::Created, StoreModify, 0, false, false},
        {"restore", [](PictoSession &s) {
             std::vector<std::string> lines = ExampleDocumentTemplate();
             lines[0] = FormatHeaderLine(8, 5);
             s.RestoreText(lines);
         }, ChangeKind::Restored, StoreModify, 5, true, false},
        {"typed text", [](PictoSession &s) {
             std::vector<std::string> lines = ExampleDocumentTemplate();
             lines[0] = FormatHeaderLine(8, 4);
             s.TypeText(lines);
         }, ChangeKind::TextEdited, StoreModify, 7, true, false},
        {"save", [&](PictoSession &s) { s.SaveTo(path.string()); }, ChangeKind::Saved, StoreModify, 7, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Announced a;
        c.act(a.s);
        ASSERT_EQ(a.changes.size(), 1u);
        const SessionChange &got = a.changes[0];
        EXPECT_EQ(got.what, c.kind);
        if (c.kind == ChangeKind::Stored) {
            EXPECT_EQ(got.store, c.store);
        }
        EXPECT_EQ(got.layer, c.layer);
        EXPECT_EQ(got.textChanged, c.textChanged);
        EXPECT_EQ(got.OneLayer(), c.oneLayer);
        // The status note and the recovery hook follow exactly the changes of the text.
        EXPECT_EQ(a.changedCalls, c.textChanged ? 1 : 0);
        EXPECT_EQ(a.notes, c.textChanged ? std::vector<std::string>{ModifiedNote} : std::vector<std::string>{});
    }
    fs::remove(path);
}

TEST(SessionChanges, UndoAndRedoAnnounceTheDocumentReReadWithItsCurrentLayer)
{
    Announced a;
    a.s.doc.Ind_Curve = 3;
    DeleteCurve(a.s.doc, 3);
    a.s.StoreChange(StoreDelete, 4);
    ASSERT_EQ(a.s.doc.Ind_Curve, 2);
    a.s.UndoStep(false);
    a.s.UndoStep(true);
    ASSERT_EQ(a.changes.size(), 3u);
    EXPECT_EQ(a.changes[1].what, ChangeKind::Undone);
    EXPECT_EQ(a.changes[1].layer, 7);  // the header before the delete
    EXPECT_EQ(a.changes[2].what, ChangeKind::Redone);
    EXPECT_EQ(a.changes[2].layer, 2);
    EXPECT_EQ(a.notes, (std::vector<std::string>{ModifiedNote, "", ModifiedNote}));
}

TEST(SessionChanges, ErrorsAnnounceNothingAndEveryListenerHearsUntilItLeaves)
{
    Announced a;
    std::vector<ChangeKind> second;
    const int id = a.s.Subscribe([&](const SessionChange &c) { second.push_back(c.what); });
    EXPECT_THROW(a.s.RestoreText({"x"}), DocumentError);
    EXPECT_THROW(a.s.LoadPicto("/nonexistent/merisko.vkz", "n.vkz"), std::exception);
    std::vector<std::string> unreadable = ExampleDocumentTemplate();
    unreadable[0] = "x";
    a.s.TypeText(unreadable);  // typing announces; only reading the text fails
    EXPECT_THROW(a.s.ReadText(), DocumentError);
    a.s.Unsubscribe(id);
    a.s.UndoStep(false);
    EXPECT_EQ(second, std::vector<ChangeKind>{ChangeKind::TextEdited});
    ASSERT_EQ(a.changes.size(), 2u);
    EXPECT_EQ(a.changes[1].what, ChangeKind::Undone);
    EXPECT_EQ(a.s.rve_Items.Lines(), ExampleDocumentTemplate());

    // A write into the text outside the session's operations is announced on its own.
    a.s.rve_Items.SetItemTextEd(0, FormatHeaderLine(8, 6));
    ASSERT_EQ(a.changes.size(), 3u);
    EXPECT_EQ(a.changes[2].what, ChangeKind::TextEdited);
    EXPECT_TRUE(a.changes[2].textChanged);
}
