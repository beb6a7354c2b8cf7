#include "render/pngfile.h"
#include "render/pictures.h"
#include "../document/filesizelimit.h"
#include "../pngbytes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <png.h>
#include <csetjmp>
#include <functional>
#include <vector>

namespace {

QImage Distinct(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(x * 17 % 256, y * 29 % 256, (x * 7 + y * 13) % 256));
    return img;
}

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

void WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Encodes a picture row by row with libpng itself, so that a large or interlaced test file costs
// one row of memory to make.
QByteArray EncodeRgb(int w, int h, bool interlaced, QRgb (*pixel)(int x, int y))
{
    QByteArray out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<png_byte> row(size_t(w) * 3);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        ADD_FAILURE() << "libpng could not write the test picture";
        return {};
    }
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t n) {
            static_cast<QByteArray *>(png_get_io_ptr(p))->append(reinterpret_cast<char *>(data), qsizetype(n));
        },
        nullptr);
    png_set_IHDR(png, info, png_uint_32(w), png_uint_32(h), 8, PNG_COLOR_TYPE_RGB,
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const int passes = png_set_interlace_handling(png);
    for (int pass = 0; pass < passes; ++pass)
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const QRgb c = pixel(x, y);
                row[size_t(x) * 3] = png_byte(qRed(c));
                row[size_t(x) * 3 + 1] = png_byte(qGreen(c));
                row[size_t(x) * 3 + 2] = png_byte(qBlue(c));
            }
            png_write_row(png, row.data());
        }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

QRgb DistinctPixel(int x, int y)
{
    return qRgb(x * 17 % 256, y * 29 % 256, (x * 7 + y * 13) % 256);
}

} // namespace

TEST(PngFile, RoundTripCropAndExtend)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.png");
    const QImage src = Distinct(9, 7);
    SavePngBitmap(src, path);

    struct Case { int w, h; };
    for (const Case c : {Case{9, 7}, Case{4, 3}, Case{12, 10}, Case{12, 2}}) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
        const QImage img = LoadPngBitmap(path, c.w, c.h);
        ASSERT_EQ(img.size(), QSize(c.w, c.h));
        EXPECT_EQ(img.format(), QImage::Format_RGB32);
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x) {
                const QRgb want = (x < 9 && y < 7) ? src.pixel(x, y) : qRgb(0, 0, 0);
                ASSERT_EQ(img.pixel(x, y), want) << x << "," << y;
            }
    }
    const QImage mem = LoadPngBitmapFromMemory(ReadAll(path), 9, 7);
    EXPECT_EQ(mem, LoadPngBitmap(path, 9, 7));
}

TEST(PngFile, SavedHeaderIsPlainRgb8)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("b.png");
    QImage withAlpha(5, 3, QImage::Format_ARGB32);
    withAlpha.fill(qRgba(10, 20, 30, 128));
    SavePngBitmap(withAlpha, path);
    SavePngBitmap(Distinct(5, 3), path); // replaces the existing file

    const QByteArray b = ReadAll(path);
    ASSERT_GT(b.size(), 33);
    EXPECT_EQ(b.mid(12, 4), QByteArray("IHDR"));
    EXPECT_EQ(b.mid(16, 8), QByteArray::fromHex("0000000500000003"));
    EXPECT_EQ(quint8(b[24]), 8);  // bit depth
    EXPECT_EQ(quint8(b[25]), 2);  // colour type RGB
    EXPECT_EQ(quint8(b[28]), 0);  // not interlaced
    EXPECT_FALSE(b.contains("tRNS"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"b.png"});
}

TEST(PngFile, BadFilesThrowPolishErrors)
{
    QTemporaryDir dir;
    const QString good = dir.filePath("good.png");
    SavePngBitmap(Distinct(40, 40), good);
    const QByteArray bytes = ReadAll(good);

    QDir(dir.path()).mkdir("folder.png");
    // The message after the file's path; the reasons are the same words as for a document.
    struct Case { const char *name; QByteArray content; bool create; const char *text; };
    const Case cases[] = {
        {"truncated.png", bytes.left(bytes.size() / 2), true, "\": To nie jest poprawny obraz PNG."},
        {"header-only.png", bytes.left(20), true, "\": To nie jest poprawny obraz PNG."},
        {"text.png", QByteArray("to nie jest obraz, tylko tekst"), true, "\": To nie jest poprawny obraz PNG."},
        {"empty.png", QByteArray(), true, "\": To nie jest poprawny obraz PNG."},
        {"missing.png", QByteArray(), false, "\". Nie znaleziono pliku lub folderu."},
        {"folder.png", QByteArray(), false, "\". To jest folder, a nie plik."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(c.name);
        if (c.create)
            WriteAll(path, c.content);
        try {
            LoadPngBitmap(path, 8, 8);
            ADD_FAILURE() << "no error";
        } catch (const PictureError &e) {
            const QString where = c.create ? QStringLiteral("Plik \"") : QStringLiteral("Nie można otworzyć pliku \"");
            EXPECT_EQ(e.message(), where + path + QString::fromUtf8(c.text));
        }
        if (c.create) {
            EXPECT_THROW(LoadPngBitmapFromMemory(c.content, 8, 8), PictureError);
        }
    }

    // A header claiming an absurd size is refused before any pixels are read; with a wrong checksum
    // it is refused as damaged.
    QByteArray huge = bytes;
    huge.replace(16, 8, QByteArray::fromHex("0000800100000010"));
    const QString hugePath = dir.filePath("huge.png");
    const struct {
        bool checksum;
        QString message;
    } claims[] = {
        {true, "Plik \"" + hugePath + "\": Obraz ma zbyt duże wymiary (32769 × 16 pikseli, najwyżej 16384 × 16384)."},
        {false, "Plik \"" + hugePath + "\": To nie jest poprawny obraz PNG."},
    };
    for (const auto &c : claims) {
        const quint32 crc = c.checksum ? Crc32(std::string_view(huge.constData() + 12, 17)) : 0;
        for (int i = 0; i < 4; ++i)
            huge[29 + i] = char(crc >> (24 - 8 * i));
        WriteAll(hugePath, huge);
        try {
            LoadPngBitmap(hugePath, 8, 8);
            ADD_FAILURE() << "no error";
        } catch (const PictureError &e) {
            EXPECT_EQ(e.message(), c.message);
        }
    }

    EXPECT_THROW(SavePngBitmap(Distinct(2, 2), dir.filePath("no/such/dir/x.png")), PictureError);
    EXPECT_THROW(SavePngBitmap(QImage(), dir.filePath("null.png")), PictureError);
}

// A chunk's length is only a claim. A hundred-byte file announcing an 800 MB text chunk must be
// refused without the memory, and text in an ordinary file must not get in the way of its pixels.
TEST(PngFile, AncillaryChunksAreSkippedWithoutTakingTheirClaimedSize)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("titled.png");
    QImage titled = Distinct(6, 4);
    titled.setText("Title", "Bałwanek");
    ASSERT_TRUE(titled.save(path, "PNG"));
    ASSERT_TRUE(ReadAll(path).contains("tEXt") || ReadAll(path).contains("iTXt"));
    EXPECT_EQ(LoadPngBitmap(path, 6, 4), Distinct(6, 4));

    QTemporaryDir dir2;
    SavePngBitmap(Distinct(5, 5), dir2.filePath("small.png"));
    QByteArray bomb = ReadAll(dir2.filePath("small.png")).left(33);  // signature and header
    bomb += QByteArray::fromHex("32000025") + "tEXt" + "date\0" + "2026-12-10";
    const long before = PeakKilobytes();
    EXPECT_THROW(LoadPngBitmapFromMemory(bomb, 8, 8), PictureError);
    EXPECT_LT(PeakKilobytes() - before, 64L * 1024) << "kilobytes taken at the peak";
}

TEST(PngFile, InterlacedAndPlainFilesGiveTheSamePixels)
{
    for (const bool interlaced : {false, true}) {
        const QByteArray bytes = EncodeRgb(13, 11, interlaced, DistinctPixel);
        struct Case { int w, h; };
        for (const Case c : {Case{13, 11}, Case{9, 7}, Case{16, 14}}) {
            SCOPED_TRACE(testing::Message() << interlaced << " " << c.w << "x" << c.h);
            const QImage img = LoadPngBitmapFromMemory(bytes, c.w, c.h);
            ASSERT_EQ(img.size(), QSize(c.w, c.h));
            for (int y = 0; y < c.h; ++y)
                for (int x = 0; x < c.w; ++x)
                    ASSERT_EQ(img.pixel(x, y), x < 13 && y < 11 ? DistinctPixel(x, y) : qRgb(0, 0, 0))
                        << x << "," << y;
        }
    }
}

// A picture of 4000 x 4000 (48 MB of pixels, a few hundred kilobytes of file) read for a 72 x 72
// tile keeps only the rows it needs.
TEST(PngFile, ALargePictureReadForASmallSizeKeepsOnlyTheRowsItNeeds)
{
    const QByteArray bytes = EncodeRgb(4000, 4000, false, [](int x, int y) {
        return x == y ? qRgb(255, 255, 255) : qRgb(0, 0, 40);
    });
    const long before = PeakKilobytes();
    const QImage img = LoadPngBitmapFromMemory(bytes, 72, 72);
    EXPECT_LT(PeakKilobytes() - before, 16L * 1024) << "kilobytes taken at the peak";
    EXPECT_EQ(img.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(5, 6), qRgb(0, 0, 40));
}

TEST(PngFile, GrayAndPaletteLoadAsRgb)
{
    QTemporaryDir dir;
    QImage gray(4, 2, QImage::Format_Grayscale8);
    for (int x = 0; x < 4; ++x) {
        gray.setPixel(x, 0, qRgb(x * 60, x * 60, x * 60));
        gray.setPixel(x, 1, qRgb(255 - x, 255 - x, 255 - x));
    }
    QImage pal(4, 2, QImage::Format_Indexed8);
    pal.setColorTable({qRgb(255, 0, 0), qRgb(0, 128, 0), qRgb(1, 2, 250)});
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            pal.setPixel(x, y, uint((x + y) % 3));

    for (const QImage &src : {gray, pal}) {
        SCOPED_TRACE(src.format());
        const QString path = dir.filePath("in.png");
        ASSERT_TRUE(src.save(path, "PNG"));
        const QImage img = LoadPngBitmap(path, 4, 2);
        ASSERT_EQ(img.format(), QImage::Format_RGB32);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 4; ++x)
                EXPECT_EQ(img.pixel(x, y), src.pixel(x, y) | 0xFF000000u) << x << "," << y;
    }
}

TEST(PngFile, APictureThatDoesNotFitIsAFailureAndTheOldOneStays)
{
    // A picture that compresses badly, so that its file is far larger than the 4 KB left.
    const QImage noise = [] {
        QImage img(512, 512, QImage::Format_RGB32);
        quint32 x = 12345;
        for (int y = 0; y < 512; ++y)
            for (int i = 0; i < 512; ++i)
                img.setPixel(i, y, (x = x * 1103515245u + 12345u) >> 8);
        return img;
    }();
    const struct {
        const char *name;
        std::function<void(const QString &)> save;
    } writers[] = {
        {"x.png", [&](const QString &p) { SavePngBitmap(noise, p); }},
        {"x.bmp", [&](const QString &p) { SaveBmpFile(noise.scaled(64, 64), p); }},
    };
    QTemporaryDir dir;
    for (const auto &w : writers) {
        const QString path = dir.filePath(w.name);
        const QByteArray old(12342, 'o');
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(old);
        }
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        try {
            FileSizeLimit fourKilobytes(w.name == std::string("x.bmp") ? 4096 : 65536);
            w.save(path);
            ADD_FAILURE() << w.name << ": a cut picture was reported as saved";
        } catch (const PictureError &e) {
            EXPECT_TRUE(e.message().startsWith("Nie można stworzyć pliku \"" + path + "\". ")) << e.what();
            EXPECT_FALSE(e.message().contains("Nieznany") || e.message().contains("Unknown")) << e.what();
        }
        EXPECT_EQ(ReadAll(path), old) << w.name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter(w.name).size(), 1) << w.name;

        // With room again, the picture is written whole, over a link's target, keeping its permissions.
        QFile::rename(path, dir.filePath("cel"));
        QFile::link("cel", path);
        w.save(path);
        EXPECT_TRUE(QFileInfo(path).isSymLink()) << w.name;
        EXPECT_EQ(QImage(dir.filePath("cel")).size(), w.name == std::string("x.bmp") ? QSize(64, 64) : QSize(512, 512));
        EXPECT_EQ(QFile::permissions(dir.filePath("cel")) & QFileDevice::Permissions(0x7077),
                  QFile::ReadOwner | QFile::WriteOwner) << w.name;
        QFile::remove(path);
        QFile::remove(dir.filePath("cel"));
    }
}

// A document thumbnail is shown only when the file holds all of its 64 × 64 pixels; anything else
// gives no picture, and the document list shows its placeholder.
TEST(BmpThumbnail, OnlyAWholeThumbnailOfTheRightSizeIsShown)
{
    QTemporaryDir dir;
    const QString whole = dir.filePath("whole.bmp");
    SaveBmpFile(Distinct(64, 64), whole);
    const QByteArray bytes = ReadAll(whole);
    EXPECT_EQ(LoadBmpThumbnail(whole, 64).convertToFormat(QImage::Format_RGB32), Distinct(64, 64));

    // A thumbnail with a colour table reads as well.
    ASSERT_TRUE(Distinct(64, 64).convertToFormat(QImage::Format_Indexed8).save(dir.filePath("indexed.bmp"), "BMP"));
    EXPECT_FALSE(LoadBmpThumbnail(dir.filePath("indexed.bmp"), 64).isNull());

    SaveBmpFile(Distinct(64, 48), dir.filePath("64x48.bmp"));
    QDir(dir.path()).mkdir("folder.bmp");
    const struct {
        const char *name;
        QByteArray bytes;  ///< written unless empty
    } cases[] = {
        {"half.bmp", bytes.left(bytes.size() / 2)},
        {"one byte short.bmp", bytes.left(bytes.size() - 1)},
        {"header only.bmp", bytes.left(54)},
        {"text.bmp", "to nie jest obraz"},
        {"64x48.bmp", {}},
        {"missing.bmp", {}},
        {"folder.bmp", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.bytes.isEmpty())
            WriteAll(dir.filePath(c.name), c.bytes);
        EXPECT_TRUE(LoadBmpThumbnail(dir.filePath(c.name), 64).isNull());
    }
    // Why the check is ours: Qt reads the half file as a whole 64 × 64 picture, its lower half black.
    EXPECT_EQ(QImage(dir.filePath("half.bmp")).size(), QSize(64, 64));
}
