#include "render/pngfile.h"

#include "document/atomicfile.h"
#include "document/errors.h"
#include "document/readfile.h"
#include "document/runtimetexts.h"


#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

namespace {

constexpr png_uint_32 MaxDimension = 16384;
constexpr png_alloc_size_t MaxChunkBytes = 1 << 20;

enum class Status { Ok, Corrupt, TooLarge };

// Plain C state shared with the libpng callbacks; nothing here has a destructor.
struct ReadState {
    const png_byte *data;
    size_t size;
    size_t pos;
    png_uint_32 width;
    png_uint_32 height;
};

struct WriteState {
    std::vector<png_byte> *out;
};

[[noreturn]] void OnError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

void ReadBytes(png_structp png, png_bytep dest, png_size_t length)
{
    auto *st = static_cast<ReadState *>(png_get_io_ptr(png));
    if (length > st->size - st->pos)
        png_error(png, "truncated");
    std::memcpy(dest, st->data + st->pos, length);
    st->pos += length;
}

void WriteBytes(png_structp png, png_bytep src, png_size_t length)
{
    auto *st = static_cast<WriteState *>(png_get_io_ptr(png));
    st->out->insert(st->out->end(), src, src + length);
}

void FlushBytes(png_structp) {}

// Reads the header; on success st->width/height are set. The png/info structs are owned by the
// caller. Only plain data lives in this frame across setjmp.
Status ReadHeader(png_structp png, png_infop info, ReadState *st)
{
    if (setjmp(png_jmpbuf(png)))
        return Status::Corrupt;
    png_set_read_fn(png, st, ReadBytes);
    png_set_user_limits(png, 0x7fffffff, 0x7fffffff);
    // Only the pixels are wanted. Text, colour profiles and the like are skipped unread, and no
    // chunk may ask for a large buffer: a file of a hundred bytes can claim a text chunk of
    // 800 MB, which libpng would allocate and clear before it finds that the file ends.
    static const png_byte notRead[] = "tEXt\0zTXt\0iTXt\0iCCP\0sPLT\0eXIf";
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, notRead, int(sizeof notRead / 5));
    png_set_chunk_malloc_max(png, MaxChunkBytes);
    png_read_info(png, info);
    st->width = png_get_image_width(png, info);
    st->height = png_get_image_height(png, info);
    if (st->width == 0 || st->height == 0)
        return Status::Corrupt;
    if (st->width > MaxDimension || st->height > MaxDimension)
        return Status::TooLarge;
    return Status::Ok;
}

// Decodes the pixels as 8-bit RGB. Only the first keptRows rows are kept (in pixels, sized
// width*3*keptRows by the caller); the others pass through one scratch row, so a large picture
// costs no more memory than the part of it that is wanted. Every row is still read, so a damaged
// file is refused whatever part of it is damaged.
Status ReadPixels(png_structp png, png_infop info, ReadState *st, png_uint_32 keptRows,
                  png_byte *pixels, png_byte *scratch)
{
    if (setjmp(png_jmpbuf(png)))
        return Status::Corrupt;
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_strip_alpha(png);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const size_t rowBytes = size_t(st->width) * 3;
    if (png_get_rowbytes(png, info) != rowBytes)
        return Status::Corrupt;
    // An interlaced picture arrives in passes, each adding pixels to rows already read.
    for (int pass = 0; pass < passes; ++pass)
        for (png_uint_32 y = 0; y < st->height; ++y)
            png_read_row(png, y < keptRows ? pixels + y * rowBytes : scratch, nullptr);
    png_read_end(png, nullptr);
    return Status::Ok;
}

// where: what the messages start with, e.g. "Plik "x": ", or nothing.
QImage Decode(const QByteArray &bytes, int width, int height, const std::string &where)
{
    const QString notPngMessage = QString::fromStdString(where + PictureProblemText(PictureProblem::NotPng));
    if (bytes.size() < 8
        || png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.constData()), 0, 8) != 0)
        throw PictureError(notPngMessage);

    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (!png)
        throw PictureError(notPngMessage);
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        throw PictureError(notPngMessage);
    }

    ReadState st{reinterpret_cast<const png_byte *>(bytes.constData()), size_t(bytes.size()), 0,
                 0, 0};
    Status status = ReadHeader(png, info, &st);
    const png_uint_32 keptRows = qMin<png_uint_32>(png_uint_32(qMax(0, height)), st.height);
    std::vector<png_byte> pixels;
    std::vector<png_byte> scratch;
    if (status == Status::Ok) {
        try {
            pixels.resize(size_t(st.width) * 3 * keptRows);
            scratch.resize(size_t(st.width) * 3);
        } catch (const std::bad_alloc &) {
            status = Status::TooLarge;
        }
    }
    if (status == Status::Ok)
        status = ReadPixels(png, info, &st, keptRows, pixels.data(), scratch.data());
    png_destroy_read_struct(&png, &info, nullptr);

    if (status == Status::TooLarge)
        throw PictureError(QString::fromStdString(where + PictureSizeText(st.width, st.height, MaxDimension)));
    if (status != Status::Ok)
        throw PictureError(notPngMessage);

    width = qMax(0, width);
    height = qMax(0, height);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 0));
    const int copyW = qMin<png_uint_32>(png_uint_32(width), st.width);
    const int copyH = qMin<png_uint_32>(png_uint_32(height), st.height);
    for (int y = 0; y < copyH; ++y) {
        const png_byte *src = pixels.data() + size_t(y) * st.width * 3;
        auto *dst = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < copyW; ++x)
            dst[x] = qRgb(src[x * 3], src[x * 3 + 1], src[x * 3 + 2]);
    }
    return image;
}

uint32_t LittleEndian(const std::string &bytes, std::size_t at, int size)
{
    uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = (v << 8) | uint8_t(bytes[at + std::size_t(i)]);
    return v;
}

// Whether a Windows bitmap file holds all the pixel data its header announces. Qt's reader stops
// quietly at the end of a file cut short and leaves the missing rows black.
bool BmpIsWhole(const std::string &bytes)
{
    if (bytes.size() < 26 || bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    const uint64_t pixelsAt = LittleEndian(bytes, 10, 4);
    const uint32_t headerSize = LittleEndian(bytes, 14, 4);
    int64_t width = 0, height = 0;
    uint32_t bits = 0, compression = 0, imageSize = 0;
    if (headerSize == 12) {  // the old OS/2 header
        width = LittleEndian(bytes, 18, 2);
        height = LittleEndian(bytes, 20, 2);
        bits = LittleEndian(bytes, 24, 2);
    } else if (headerSize >= 40 && bytes.size() >= 38) {
        width = int32_t(LittleEndian(bytes, 18, 4));
        height = int32_t(LittleEndian(bytes, 22, 4));
        bits = LittleEndian(bytes, 28, 2);
        compression = LittleEndian(bytes, 30, 4);
        imageSize = LittleEndian(bytes, 34, 4);
    } else {
        return false;
    }
    if (width <= 0 || height == 0 || bits == 0)
        return false;
    // Plain rows (also with colour masks) have a known length; compressed data only its stated size.
    const bool plainRows = compression == 0 || compression == 3 || compression == 6;
    const uint64_t rowBytes = (uint64_t(width) * bits + 31) / 32 * 4;
    const uint64_t pixelBytes = plainRows ? rowBytes * uint64_t(height < 0 ? -height : height) : imageSize;
    return pixelBytes > 0 && bytes.size() >= pixelsAt + pixelBytes;
}

// Encodes rows of 8-bit RGB; the png/info structs and output are owned by the caller.
bool Encode(png_structp png, png_infop info, WriteState *st, png_uint_32 width,
            png_uint_32 height, png_bytep *rowPtrs)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_write_fn(png, st, WriteBytes, FlushBytes);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rowPtrs);
    png_write_end(png, info);
    return true;
}

} // namespace

PictureError::PictureError(const QString &message)
    : std::runtime_error(message.toStdString()), m_message(message)
{
}

QImage LoadPngBitmap(const QString &path, int width, int height)
{
    QByteArray bytes;
    try {
        bytes = QByteArray::fromStdString(ReadWholeFile(path.toStdString()));
    } catch (const FileError &e) {
        throw PictureError(QString::fromUtf8(e.what()));
    }
    return Decode(bytes, width, height, "Plik \"" + path.toStdString() + "\": ");
}

QImage LoadPngBitmapFromMemory(const QByteArray &bytes, int width, int height)
{
    return Decode(bytes, width, height, {});
}

QImage LoadBmpThumbnail(const QString &path, int size)
{
    std::string bytes;
    try {
        bytes = ReadWholeFile(path.toStdString());
    } catch (const FileError &) {
        return {};
    }
    QImage image;
    if (!BmpIsWhole(bytes) || !image.loadFromData(QByteArray::fromStdString(bytes), "BMP")
        || image.size() != QSize(size, size))
        return {};
    return image;
}

void WritePictureFile(const QByteArray &bytes, const QString &path)
{
    try {
        WriteFileAtomically(path.toStdString(), std::string_view(bytes.constData(), std::size_t(bytes.size())));
    } catch (const FileError &e) {
        throw PictureError(QString::fromUtf8(e.what()));
    }
}

void SavePngBitmap(const QImage &image, const QString &path)
{
    const auto failure = [&](PictureProblem problem) {
        return PictureError(QString::fromStdString(FileCreateMessage(path.toStdString(), PictureProblemText(problem))));
    };
    if (image.isNull())
        throw failure(PictureProblem::Empty);
    if (image.width() > int(MaxDimension) || image.height() > int(MaxDimension))
        throw failure(PictureProblem::TooLarge);

    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::vector<png_bytep> rowPtrs(size_t(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y)
        rowPtrs[size_t(y)] = const_cast<png_bytep>(rgb.constScanLine(y));

    std::vector<png_byte> encoded;
    bool ok = false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (png && info) {
        WriteState st{&encoded};
        ok = Encode(png, info, &st, png_uint_32(rgb.width()), png_uint_32(rgb.height()),
                    rowPtrs.data());
    }
    if (png)
        png_destroy_write_struct(&png, info ? &info : nullptr);
    if (!ok)
        throw failure(PictureProblem::Encoding);
    WritePictureFile(QByteArray::fromRawData(reinterpret_cast<const char *>(encoded.data()),
                                             qsizetype(encoded.size())),
                     path);
}
