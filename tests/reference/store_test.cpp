// The reference store: pictures in one chunk and in many, and every record number range-checked.

#include "reference/strip.h"
#include "storefixture.h"
#include "../pngbytes.h"

#include <QDir>
#include <QRandomGenerator>

#include <cerrno>
#include <chrono>

#include <functional>

namespace {

QImage SmallPicture()
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(QColor(0x20, 0x80, 0xE0));
    image.setPixelColor(1, 1, QColor(0xEF, 0x29, 0x29));
    return image;
}

// Noise does not compress, so its PNG spans many chunks.
QImage NoisyPicture()
{
    QImage image(40, 30, QImage::Format_RGB32);
    QRandomGenerator random(1359);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, 0xFF000000u | (random.generate() & 0xFFFFFFu));
    return image;
}

void ExpectSamePixels(const QImage &actual, const QImage &expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            ASSERT_EQ(actual.pixel(x, y), expected.pixel(x, y)) << x << "," << y;
}

class StoreTest : public StoreFixture {
protected:
    void SetUp() override
    {
        m_small = pngBytes(SmallPicture());
        m_noisy = pngBytes(NoisyPicture());
        WriteReferenceStore(folder(), {{3, "Dom", m_small}, {10, "Słońce", m_noisy}});
    }
    std::string m_small;
    std::string m_noisy;
};

TEST_F(StoreTest, PictureInOneChunkAndInManyDecodeAlike)
{
    ASSERT_LE(m_small.size(), std::size_t(PictoChunkData));
    ASSERT_NE(m_noisy.size() % PictoChunkData, 0u) << "the last chunk must be shorter";
    const int noisyChunks = int((m_noisy.size() + PictoChunkData - 1) / PictoChunkData);
    ASSERT_GT(noisyChunks, 10);

    EXPECT_EQ(readFile("E.bt").size(), std::size_t(11 * PictoIndexSize));
    EXPECT_EQ(indexField(3, 4), 1);
    EXPECT_EQ(indexField(10, 0), 1);
    EXPECT_EQ(indexField(10, 4), noisyChunks);
    const std::string data = readFile("D.bb");
    ASSERT_EQ(data.size(), std::size_t((1 + noisyChunks) * PictoChunkSize));
    EXPECT_EQ(uint8_t(data[std::size_t(noisyChunks * PictoChunkSize + 1)]), m_noisy.size() % PictoChunkData);

    QString name;
    ExpectSamePixels(ReadReferencePicto(QString::fromStdString(folder()), 3, name), SmallPicture());
    EXPECT_EQ(name, "Dom");
    ExpectSamePixels(ReadReferencePicto(QString::fromStdString(folder()), 10, name), NoisyPicture());
    EXPECT_EQ(name, QString::fromUtf8("Słońce"));
    EXPECT_EQ(ReadReferenceRecord(folder(), 10).png, m_noisy);
}

TEST_F(StoreTest, RecordsInBetweenAreEmpty)
{
    const ReferenceRecord empty = ReadReferenceRecord(folder(), 5);
    EXPECT_EQ(empty.name, "");
    EXPECT_EQ(empty.png, "");
    QString name = "poprzednia";
    EXPECT_THROW(ReadReferencePicto(QString::fromStdString(folder()), 5, name), ReferenceError);
    EXPECT_EQ(name, "poprzednia") << "a failed read keeps the previous name";
}

// Each case damages the store and reads one pictogram: a Polish input/output error that names the
// file and the pictogram, never a crash.
struct Damage {
    const char *what;
    int number;
    std::function<void(StoreTest &)> damage;
    int code;
    const char *file;     ///< the file the message names
    std::string message;  ///< after "Plik "…", piktogram wzorcowy nr N: "
};

TEST_F(StoreTest, DamagedOrMissingFilesGiveThePolishInputOutputErrorWithFileAndNumber)
{
    const int chunks = int((m_noisy.size() + PictoChunkData - 1) / PictoChunkData);
    const int end = 1 + chunks;
    const auto beyond = [](int64_t record, int64_t records) {
        return "Czytanie za końcem pliku (potrzebny rekord nr " + std::to_string(record) +
               "; liczba rekordów w pliku: " + std::to_string(records) + ")";
    };
    const Damage cases[] = {
        {"number past the index", 11, [](StoreTest &) {}, 100, "E.bt", beyond(11, 11)},
        {"number far past the index", 1 << 30, [](StoreTest &) {}, 100, "E.bt", beyond(1 << 30, 11)},
        {"negative number", -1, [](StoreTest &) {}, 131, "E.bt", "Błąd wejścia/wyjścia 131 (ujemny numer rekordu -1)"},
        {"index cut inside its last record", 10,
         [](StoreTest &t) { t.writeFile("E.bt", t.readFile("E.bt").substr(0, 11 * PictoIndexSize - 10)); }, 100,
         "E.bt", beyond(10, 10)},
        {"data cut inside the last chunk", 10,
         [](StoreTest &t) { t.writeFile("D.bb", t.readFile("D.bb").substr(0, t.readFile("D.bb").size() - 100)); },
         100, "D.bb", beyond(chunks, chunks)},
        {"first chunk past the data", 3, [end](StoreTest &t) { t.patchIndex(3, 0, end); }, 100, "D.bb",
         beyond(end, end)},
        {"negative first chunk", 3, [](StoreTest &t) { t.patchIndex(3, 0, -2); }, 131, "D.bb",
         "Błąd wejścia/wyjścia 131 (ujemny numer rekordu -2)"},
        {"negative chunk count", 3, [](StoreTest &t) { t.patchIndex(3, 4, -1); }, 131, "E.bt",
         "Błąd wejścia/wyjścia 131 (ujemna liczba rekordów obrazu -1)"},
        {"huge chunk count", 10, [](StoreTest &t) { t.patchIndex(10, 4, 0x7FFFFFFF); }, 100, "D.bb",
         beyond(0x7FFFFFFF, end)},
        {"huge first chunk", 10, [](StoreTest &t) { t.patchIndex(10, 0, 0x7FFFFFF0); }, 100, "D.bb",
         beyond(int64_t(0x7FFFFFF0) + chunks - 1, end)},
        {"missing index", 3, [](StoreTest &t) { QFile::remove(QString::fromStdString(t.path("E.bt"))); }, 2,
         "E.bt", "Nie znaleziono pliku"},
        {"missing data", 3, [](StoreTest &t) { QFile::remove(QString::fromStdString(t.path("D.bb"))); }, 2,
         "D.bb", "Nie znaleziono pliku"},
        {"data is a folder", 3,
         [](StoreTest &t) {
             QFile::remove(QString::fromStdString(t.path("D.bb")));
             QDir().mkdir(QString::fromStdString(t.path("D.bb")));
         },
         EISDIR, "D.bb", "To jest folder, a nie plik."},
    };
    for (const Damage &c : cases) {
        SCOPED_TRACE(c.what);
        QDir().rmdir(QString::fromStdString(path("D.bb")));
        SetUp();
        c.damage(*this);
        QString name;
        try {
            ReadReferencePicto(QString::fromStdString(folder()), c.number, name);
            ADD_FAILURE() << "no error";
        } catch (const ReferenceError &e) {
            EXPECT_EQ(e.code(), c.code);
            EXPECT_EQ(e.what(), "Plik \"" + path(c.file) + "\", piktogram wzorcowy nr " + std::to_string(c.number) +
                                    ": " + c.message);
        }
    }
}

TEST_F(StoreTest, BytesThatAreNotAPngGiveTheDecodersError)
{
    const auto expectPngError = [this](int number) {
        QString name;
        try {
            ReadReferencePicto(QString::fromStdString(folder()), number, name);
            ADD_FAILURE() << "no error";
        } catch (const ReferenceError &e) {
            EXPECT_EQ(e.code(), 0);
            EXPECT_EQ(e.what(), "Plik \"" + path("D.bb") + "\", piktogram wzorcowy nr " + std::to_string(number) +
                                    ": To nie jest poprawny obraz PNG.");
        }
    };
    std::string data = readFile("D.bb");
    data[2] = 'X';  // first byte of the PNG signature of picture 3
    writeFile("D.bb", data);
    expectPngError(3);

    SetUp();
    data = readFile("D.bb");
    const std::size_t lastChunk = data.size() - PictoChunkSize;
    data[lastChunk + 1] = char(uint8_t(data[lastChunk + 1]) / 2);  // the picture loses its end
    writeFile("D.bb", data);
    expectPngError(10);
}

// A damaged header claiming 16384 × 16384 (with a correct checksum, so the decoder believes it)
// is refused before any memory is set aside for its pixels: 805 MB of them, for a 72 × 72 tile.
TEST_F(StoreTest, APictureClaimingAHugeSizeIsRefusedWithoutReservingItsPixels)
{
    std::string png = m_small;
    ASSERT_EQ(png.substr(12, 4), "IHDR");
    for (const std::size_t at : {16u, 20u})
        png.replace(at, 4, std::string("\x00\x00\x40\x00", 4));
    const uint32_t crc = Crc32(png.substr(12, 17));
    for (int i = 0; i < 4; ++i)
        png[std::size_t(29 + i)] = char(crc >> (24 - 8 * i));
    WriteReferenceStore(folder(), {{3, "Dom", png}});

    const long before = PeakKilobytes();
    const auto start = std::chrono::steady_clock::now();
    QString name;
    try {
        ReadReferencePicto(QString::fromStdString(folder()), 3, name);
        ADD_FAILURE() << "no error";
    } catch (const ReferenceError &e) {
        EXPECT_EQ(e.code(), 0);
        EXPECT_EQ(e.what(), "Plik \"" + path("D.bb") +
                                "\", piktogram wzorcowy nr 3: Obraz ma zbyt duże wymiary (16384 × 16384 pikseli, "
                                "najwyżej 1024 × 1024).");
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_LT(PeakKilobytes() - before, 16L * 1024) << "kilobytes taken at the peak";
}

// A meanings file with fewer lines than PictoList has numbers: the list-index error, naming the file,
// the pictogram and the missing line, instead of an empty meaning.
TEST(Meanings, AMissingLineIsTheListIndexError)
{
    const std::vector<std::string> three = {"Dom to budynek.", "Słońce świeci.", "Drzewo rośnie."};
    EXPECT_EQ(MeaningLine(three, 2, "Base/F.de"), "Drzewo rośnie.");
    const struct {
        int field;
        const char *message;
    } cases[] = {
        {3, "Plik \"Base/F.de\", piktogram wzorcowy nr 67 (wiersz 4): Indeks listy poza zakresem (3)"},
        {29, "Plik \"Base/F.de\", piktogram wzorcowy nr 1359 (wiersz 30): Indeks listy poza zakresem (29)"},
    };
    for (const auto &c : cases) {
        try {
            MeaningLine(three, c.field, "Base/F.de");
            ADD_FAILURE() << "no error for line " << c.field;
        } catch (const ListIndexError &e) {
            EXPECT_STREQ(e.what(), c.message);
        }
        EXPECT_THROW(MeaningLine(QStringList{"Dom to budynek."}, c.field, "Base/F.de"), ListIndexError);
    }
}

} // namespace
