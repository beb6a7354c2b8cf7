// The reference store: pictures in one chunk and in many, and every record number range-checked.

#include "storefixture.h"

#include <QRandomGenerator>

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

// Each case damages the store and reads one pictogram: a Polish input/output error, never a crash.
struct Damage {
    const char *what;
    int number;
    std::function<void(StoreTest &)> damage;
    int code;
    const char *message;
};

TEST_F(StoreTest, DamagedOrMissingFilesGiveThePolishInputOutputError)
{
    const int end = 1 + int((m_noisy.size() + PictoChunkData - 1) / PictoChunkData);
    const Damage cases[] = {
        {"number past the index", 11, [](StoreTest &) {}, 100, "Czytanie za końcem pliku"},
        {"number far past the index", 1 << 30, [](StoreTest &) {}, 100, "Czytanie za końcem pliku"},
        {"negative number", -1, [](StoreTest &) {}, 131, "I/O błąd 131"},
        {"index cut inside its last record", 10,
         [](StoreTest &t) { t.writeFile("E.bt", t.readFile("E.bt").substr(0, 11 * PictoIndexSize - 10)); }, 100,
         "Czytanie za końcem pliku"},
        {"data cut inside the last chunk", 10,
         [](StoreTest &t) { t.writeFile("D.bb", t.readFile("D.bb").substr(0, t.readFile("D.bb").size() - 100)); },
         100, "Czytanie za końcem pliku"},
        {"first chunk past the data", 3, [end](StoreTest &t) { t.patchIndex(3, 0, end); }, 100,
         "Czytanie za końcem pliku"},
        {"negative first chunk", 3, [](StoreTest &t) { t.patchIndex(3, 0, -2); }, 131, "I/O błąd 131"},
        {"negative chunk count", 3, [](StoreTest &t) { t.patchIndex(3, 4, -1); }, 131, "I/O błąd 131"},
        {"huge chunk count", 10, [](StoreTest &t) { t.patchIndex(10, 4, 0x7FFFFFFF); }, 100,
         "Czytanie za końcem pliku"},
        {"huge first chunk", 10, [](StoreTest &t) { t.patchIndex(10, 0, 0x7FFFFFF0); }, 100,
         "Czytanie za końcem pliku"},
        {"missing index", 3, [](StoreTest &t) { QFile::remove(QString::fromStdString(t.path("E.bt"))); }, 2,
         "Nieznaleziono pliku"},
        {"missing data", 3, [](StoreTest &t) { QFile::remove(QString::fromStdString(t.path("D.bb"))); }, 2,
         "Nieznaleziono pliku"},
    };
    for (const Damage &c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        c.damage(*this);
        QString name;
        try {
            ReadReferencePicto(QString::fromStdString(folder()), c.number, name);
            ADD_FAILURE() << "no error";
        } catch (const ReferenceError &e) {
            EXPECT_EQ(e.code(), c.code);
            EXPECT_STREQ(e.what(), c.message);
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
            EXPECT_NE(std::string(e.what()).find("PNG"), std::string::npos) << e.what();
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

} // namespace
