#include "document/errors.h"
#include "document/session.h"
#include "document/textformat.h"

#include <gtest/gtest.h>

#include <filesystem>
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
