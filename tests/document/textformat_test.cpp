#include "document/errors.h"
#include "document/textformat.h"
#include "filesizelimit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

TEST(TextFormat, ExampleLinesReproducedDirectlyAndAfterXYToPolar)
{
    const auto &lines = ExampleDocumentTemplate();
    PictoDocument doc = ParseDocument(lines);
    ASSERT_EQ(doc.Dimension, 8);
    EXPECT_EQ(doc.Ind_Curve, 7);
    EXPECT_EQ(FormatHeaderLine(doc.Dimension, doc.Ind_Curve), lines[0]);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(FormatCurveLine(doc, i), lines[i + 1]) << "layer " << i;
    XYToPolar(doc);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(FormatCurveLine(doc, i), lines[i + 1]) << "layer " << i << " after XYToPolar";
}

TEST(TextFormat, EmptyDocumentAndColourBits)
{
    PictoDocument doc = ParseDocument(EmptyDocumentTemplate());
    ASSERT_EQ(doc.Dimension, 1);
    EXPECT_EQ(doc.Ind_Curve, 0);
    EXPECT_EQ(doc.TCurveStruct[0].Count, 0);
    EXPECT_EQ(FormatCurveLine(doc, 0), EmptyDocumentTemplate()[1]);
    EXPECT_EQ(FormatCurveLine(doc, 0).size(), 60u);

    R_Curve black;
    black.Color = 0xFF000000u;
    const std::string line = FormatCurveLine(black);
    EXPECT_EQ(line.substr(20, 10), " $FF000000");
    EXPECT_EQ(ParseCurveLine(line).Color, 0xFF000000u);
}

TEST(TextFormat, FixedPointRounding)
{
    EXPECT_EQ(FormatFixed(0), "0,00");
    EXPECT_EQ(FormatFixed(0.5L), "0,50");
    EXPECT_EQ(FormatFixed(79.0849L), "79,08");
    EXPECT_EQ(FormatFixed(122), "122,00");
    EXPECT_EQ(FormatFixed(-0.5L), "-0,50");
    EXPECT_EQ(PadLeft("12345678901", 10), "12345678901");
}

TEST(TextFormat, IntegerFieldRules)
{
    struct Case { const char *field; bool ok; int32_t value; } cases[] = {
        {"        16", true, 16},     {"       +16", true, 16},   {"       -16", true, -16},
        {" $FF000000", true, static_cast<int32_t>(0xFF000000u)}, {"  $ff00ff", true, 0xFF00FF},
        {"16", true, 16},             {"", false, 0},             {"        ", false, 0},
        {"       16 ", false, 0},     {"      16a", false, 0},    {"      1.5", false, 0},
        {" $1FFFFFFFF", false, 0},    {"2147483648", false, 0},   {"-2147483648", true, INT32_MIN},
        {"         $", false, 0},
    };
    for (const Case &c : cases) {
        if (c.ok) {
            EXPECT_EQ(ReadIntegerField(c.field), c.value) << "'" << c.field << "'";
        } else {
            try {
                ReadIntegerField(c.field);
                ADD_FAILURE() << "accepted '" << c.field << "'";
            } catch (const ConvertError &e) {
                EXPECT_EQ(e.what(), "'" + std::string(c.field) + "' nie jest poprawną wartością liczbową");
            }
        }
    }
}

TEST(TextFormat, FixedFieldRules)
{
    struct Case { const char *field; bool ok; long double value; } cases[] = {
        {"      0,50", true, 0.5L}, {"   +79,08 ", true, 79.08L}, {"  -1,25", true, -1.25L},
        {"         3", true, 3},    {"      0.50", false, 0},     {"", false, 0},
        {"     1,2x", false, 0},    {"    1,2,3", false, 0},      {"    ,", false, 0},
    };
    for (const Case &c : cases) {
        if (c.ok) {
            EXPECT_NEAR(static_cast<double>(ReadFixedField(c.field)), static_cast<double>(c.value), 1e-12) << c.field;
        } else {
            try {
                ReadFixedField(c.field);
                ADD_FAILURE() << "accepted '" << c.field << "'";
            } catch (const ConvertError &e) {
                EXPECT_EQ(e.what(), "'" + std::string(c.field) + "' nie jest poprawną wartością liczbową");
            }
        }
    }
}

// The reader takes the sine and cosine of a file's usual angles from a table; every spelling of an
// angle must still give the very point the direct conversion gives, in and beyond the table.
TEST(TextFormat, ScreenPointsOfALineEqualTheDirectConversion)
{
    std::vector<std::string> angles;
    for (int k = -710; k <= 710; ++k) {
        const int whole = std::abs(k) / 100, frac = std::abs(k) % 100;
        const std::string sign = k < 0 ? "-" : "";
        angles.push_back(sign + std::to_string(whole) + "," + (frac < 10 ? "0" : "") + std::to_string(frac));
        if (frac % 10 == 0)
            angles.push_back(sign + std::to_string(whole) + "," + std::to_string(frac / 10));
        if (frac == 0)
            angles.push_back(sign + std::to_string(whole));
    }
    for (const char *a : {",5", "5,", "+3,14", "1,234", "6,2832", "0,005", "12,34", "-99,99", "628,32", "-0,00"})
        angles.push_back(a);
    const char *radii[] = {"0", "1,5", "79,08", "362,04", "-4,2", "1000000"};

    for (const char *r : radii) {
        std::string line = PadLeft("2", 10) + PadLeft("1", 10) + " $FF000000" + PadLeft("0", 10) +
                           PadLeft("0,50", 10) + PadLeft(std::to_string(angles.size()), 10);
        for (const std::string &a : angles)
            line += PadLeft(r, 10) + PadLeft(a, 10);
        const R_Curve c = ParseCurveLine(line);
        ASSERT_EQ(c.XYPoints.size(), angles.size());
        for (std::size_t i = 0; i < angles.size(); ++i) {
            RRadAng p;
            MakeRadAng(p, ReadFixedField(r), ReadFixedField(angles[i]));
            const TGPPointF want = PolarToPoint(p, 256, 256);
            ASSERT_EQ(c.RAPoints[i].A, p.A) << angles[i];
            ASSERT_EQ(c.XYPoints[i].X, want.X) << r << " " << angles[i];
            ASSERT_EQ(c.XYPoints[i].Y, want.Y) << r << " " << angles[i];
        }
    }
}

TEST(TextFormat, HeaderCountSmallerThanLinesReadsOnlyThatMany)
{
    std::vector<std::string> lines = ExampleDocumentTemplate();
    lines[0] = FormatHeaderLine(3, 1);
    const PictoDocument doc = ParseDocument(lines);
    EXPECT_EQ(doc.Dimension, 3);
    EXPECT_EQ(doc.TCurveStruct.size(), 3u);
}

TEST(TextFormat, UnreadableDocumentsAreRejectedWhole)
{
    const std::string layer = "         4         8 $FF000000         0      0,50         2    105,77      4,44    103,48      4,81";
    struct Case { std::vector<std::string> lines; const char *mention; } cases[] = {
        {{FormatHeaderLine(3, 0), layer, ""}, "mniej warstw"},
        {{FormatHeaderLine(1, 1), layer, ""}, "bieżącej warstwy"},
        {{FormatHeaderLine(1, -1), layer, ""}, "bieżącej warstwy"},
        {{FormatHeaderLine(-2, 0), ""}, "liczba warstw"},
        {{FormatHeaderLine(1, 0), layer.substr(0, 90), ""}, "'' nie jest poprawną wartością "},
        {{FormatHeaderLine(1, 0), "         4         8 $FF000000         0      0,50        -1", ""}, "Ujemna"},
        {{FormatHeaderLine(1, 0), "         4         8 $FF000000         0      0,50 999999999", ""}, "wiersz 2"},
        {{"   x"}, "wiersz 1"},
        {{}, "nagłówka"},
    };
    for (const Case &c : cases) {
        try {
            ParseDocument(c.lines, "zły.vkz");
            ADD_FAILURE() << "accepted a document expected to mention " << c.mention;
        } catch (const DocumentError &e) {
            EXPECT_NE(std::string(e.what()).find(c.mention), std::string::npos) << e.what();
        }
    }
}

TEST(TextFormat, SplitLinesAcceptsEveryLineEnd)
{
    const std::vector<std::string> expected = {"a", "b", "c", "d", ""};
    EXPECT_EQ(SplitLines("a\r\nb\n\rc\rd\n"), expected);
    EXPECT_EQ(SplitLines("a\n\nb"), (std::vector<std::string>{"a", "", "b"}));
}

class FileFixture : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("merisko-test-" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override
    {
        fs::permissions(dir, fs::perms::owner_all);
        fs::remove_all(dir);
    }
};

TEST_F(FileFixture, SaveWritesCrLfAndLoadsBack)
{
    const std::string path = (dir / "a.vkz").string();
    SavePictoText(path, ExampleDocumentTemplate());
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text.substr(0, 22), ExampleDocumentTemplate()[0] + "\r\n");
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(LoadPictoLines(path), ExampleDocumentTemplate());
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1) << "no temporary file left behind";
}
// A damaged file is described whole: what is wrong and where, with bytes that cannot be shown
// (a NUL would end the message) written out, and a hint when the file is text of another kind.
TEST_F(FileFixture, DamagedFilesAreDescribedWholeAndExactly)
{
    const std::string header = "         1         0\r\n";
    const std::string background = "         0         0 $FFD7E1E1         1      0,00         0\r\n";
    const std::string notANumber = "' nie jest poprawną wartością liczbową";
    const auto utf16 = [](std::string_view ascii, bool bigEndian) {
        std::string out;
        for (const char ch : ascii)
            out += bigEndian ? std::string{'\0', ch} : std::string{ch, '\0'};
        return out;
    };
    const struct {
        const char *what;
        std::string bytes;
        std::string message;  ///< after "Plik "x.vkz", "
    } cases[] = {
        {"no bytes at all", "", "wiersz 1: plik jest pusty (0 bajtów)"},
        {"only zero bytes", std::string(300, '\0'),
         "wiersz 1: '\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00" + notANumber + "; plik zawiera same bajty zerowe"},
        {"a NUL in a field", header + "   " + std::string(1, '\0') + background.substr(4),
         "wiersz 2: '   \\x00     0" + notANumber},
        {"a NUL in a point", header + "         1         8 $FF000000         0      0,50         1    1" +
                                 std::string(1, '\0') + "2,00      1,00\r\n",
         "wiersz 2: '    1\\x002,00" + notANumber},
        {"UTF-8 with its byte-order mark", "\xEF\xBB\xBF" + header + background,
         "wiersz 1: '\\xEF\\xBB\\xBF       " + notANumber +
             "; plik zaczyna się znacznikiem kodowania UTF-8 (bajty EF BB BF), a dokument musi być zwykłym tekstem "
             "bez tego znacznika"},
        {"UTF-16 with its byte-order mark", "\xFF\xFE" + utf16("         1", false),
         "wiersz 1: '\\xFF\\xFE \\x00 \\x00 \\x00 \\x00" + notANumber +
             "; plik wygląda na tekst w kodowaniu UTF-16 (dwa bajty na znak), a dokument musi być zwykłym "
             "tekstem jednobajtowym"},
        {"UTF-16 without a mark", utf16("         1", true),
         "wiersz 1: '\\x00 \\x00 \\x00 \\x00 \\x00 " + notANumber +
             "; plik wygląda na tekst w kodowaniu UTF-16 (dwa bajty na znak), a dokument musi być zwykłym "
             "tekstem jednobajtowym"},
        {"a letter of the code page in a field", header + "         0         0 $FFD7E1E\xB9         1      0,00         0\r\n",
         "wiersz 2: ' $FFD7E1E\\xB9" + notANumber},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path path = dir / "x.vkz";
        std::ofstream(path, std::ios::binary | std::ios::trunc) << c.bytes;
        try {
            ParseDocument(LoadPictoLines(path.string()), "x.vkz");
            ADD_FAILURE() << "the document was read";
        } catch (const DocumentError &e) {
            EXPECT_EQ(e.what(), "Plik \"x.vkz\", " + c.message);
        }
    }
    // A folder is named as such, not read as an empty file.
    fs::create_directory(dir / "folder.vkz");
    try {
        LoadPictoLines((dir / "folder.vkz").string());
        ADD_FAILURE() << "a folder was read";
    } catch (const FileError &e) {
        EXPECT_EQ(e.what(), "Nie można otworzyć pliku \"" + (dir / "folder.vkz").string() + "\". To jest folder, a nie plik.");
    }
}


TEST_F(FileFixture, FailedSaveReportsAndKeepsTheOldFile)
{
    const std::string path = (dir / "a.vkz").string();
    SavePictoText(path, EmptyDocumentTemplate());
    // A full disk makes the write fail, even for root.
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            FileSizeLimit full(16);
            SavePictoText(path, ExampleDocumentTemplate());
            ADD_FAILURE() << "a failed save was reported as success";
        } catch (const FileError &e) {
            EXPECT_EQ(e.what(), "Nie można stworzyć pliku \"" + path + "\". Plik przekroczyłby dozwoloną wielkość.");
        }
        EXPECT_EQ(LoadPictoLines(path), EmptyDocumentTemplate());
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1) << "no temporary file left behind";
    }
}

TEST_F(FileFixture, SaveIntoAMissingFolderFails)
{
    const std::string path = (dir / "brak" / "a.vkz").string();
    EXPECT_THROW(SavePictoText(path, EmptyDocumentTemplate()), FileError);
    EXPECT_THROW(LoadPictoLines(path), FileError);
}
