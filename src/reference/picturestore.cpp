#include "reference/picturestore.h"

#include "document/errors.h"
#include "document/runtimetexts.h"
#include "reference/cp1250.h"
#include "render/pngfile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <sys/stat.h>

namespace {

// Input/output error codes as the run-time library numbers them.
constexpr int FileNotFound = InOutFileNotFound;
constexpr int AccessDenied = 5;
constexpr int ReadBeyondEnd = InOutReadBeyondEnd;
constexpr int NegativeSeek = 131;

/// The strip draws a picture into a 72 × 72 tile and the store's pictures are 144 × 144; a header
/// claiming more than this is damage, and decoding it would reserve memory the tile never uses.
constexpr uint32_t MaxPictureSide = 1024;

// Where a read of the store failed: the file and the pictogram being read.
std::string Where(const std::string &path, int number)
{
    return "Plik \"" + path + "\", piktogram wzorcowy nr " + std::to_string(number) + ": ";
}

// An open record file of the store with its size in whole records, read for one pictogram.
class RecordFile {
public:
    RecordFile(const std::string &path, int recordSize, int number)
        : m_path(path), m_recordSize(recordSize), m_number(number)
    {
        errno = 0;
        m_file.reset(std::fopen(path.c_str(), "rb"));
        if (!m_file) {
            const int err = errno;
            if (err == ENOENT || err == ENOTDIR)
                throw Fail(FileNotFound, InOutMessage(FileNotFound));
            throw Fail(err == EACCES ? AccessDenied : err, SystemReason(err));
        }
        // A folder opens like a file and fails only when read.
        struct stat st;
        if (::fstat(fileno(m_file.get()), &st) == 0 && S_ISDIR(st.st_mode))
            throw Fail(EISDIR, SystemReason(EISDIR));
        if (std::fseek(m_file.get(), 0, SEEK_END) != 0)
            throw Fail(errno, SystemReason(errno));
        const long bytes = std::ftell(m_file.get());
        if (bytes < 0)
            throw Fail(errno, SystemReason(errno));
        m_records = int64_t(bytes) / recordSize;
    }

    /// Reads count records from record first on; the whole range must lie inside the file.
    std::string Read(int64_t first, int64_t count)
    {
        if (first < 0)
            throw Fail(NegativeSeek, InOutMessage(NegativeSeek) + " (ujemny numer rekordu " + std::to_string(first) + ")");
        if (count > m_records - first)
            throw Fail(ReadBeyondEnd, InOutMessage(ReadBeyondEnd) + " (potrzebny rekord nr " +
                                          std::to_string(first + count - 1) + "; liczba rekordów w pliku: " +
                                          std::to_string(m_records) + ")");
        std::string bytes(std::size_t(count * m_recordSize), '\0');
        if (std::fseek(m_file.get(), long(first * m_recordSize), SEEK_SET) != 0)
            throw Fail(errno, SystemReason(errno));
        if (std::fread(bytes.data(), 1, bytes.size(), m_file.get()) != bytes.size()) {
            if (std::ferror(m_file.get()))
                throw Fail(errno, SystemReason(errno));
            throw Fail(ReadBeyondEnd, InOutMessage(ReadBeyondEnd));
        }
        return bytes;
    }

    /// The store's error for this file and pictogram.
    ReferenceError Fail(int code, const std::string &what) const
    {
        return ReferenceError(code, Where(m_path, m_number) + what);
    }

private:
    struct Closer {
        void operator()(std::FILE *f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> m_file;
    std::string m_path;
    int m_recordSize;
    int m_number;
    int64_t m_records = 0;
};

int32_t LittleEndian32(const std::string &bytes, std::size_t at)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | uint8_t(bytes[at + i]);
    return int32_t(v);
}

std::string Joined(const std::string &folder, const char *name)
{
    if (folder.empty() || folder.back() == '/' || folder.back() == '\\')
        return folder + name;
    return folder + '/' + name;
}

} // namespace

ReferenceError::ReferenceError(int code, const std::string &message)
    : std::runtime_error(message), m_code(code)
{
}

std::vector<int> PictoNumbers()
{
    std::vector<int> numbers;
    for (std::size_t at = 0; at + 5 <= PictoList.size(); at += 5)
        numbers.push_back(std::stoi(std::string(PictoList.substr(at, 5))));
    return numbers;
}

std::string PictoNameFromField(std::string_view field)
{
    const std::string_view taken = field.size() > 2 ? field.substr(2, 40) : std::string_view();
    const std::size_t cr = taken.find('\r');
    return cr == std::string_view::npos ? std::string() : DecodeWindows1250(taken.substr(0, cr));
}

ReferenceRecord ReadReferenceRecord(const std::string &folder, int number)
{
    RecordFile index(Joined(folder, "E.bt"), PictoIndexSize, number);
    RecordFile data(Joined(folder, "D.bb"), PictoChunkSize, number);

    const std::string record = index.Read(number, 1);
    const int32_t firstChunk = LittleEndian32(record, 0);
    const int32_t chunkCount = LittleEndian32(record, 4);
    const int nameLength = std::min<int>(uint8_t(record[13]), PictoNameSize);

    ReferenceRecord out;
    out.name = PictoNameFromField(std::string_view(record).substr(14, std::size_t(nameLength)));
    if (chunkCount < 0)
        throw index.Fail(NegativeSeek, InOutMessage(NegativeSeek) + " (ujemna liczba rekordów obrazu " +
                                           std::to_string(chunkCount) + ")");
    if (chunkCount == 0)
        return out;
    const std::string chunks = data.Read(firstChunk, chunkCount);
    out.png.reserve(std::size_t(chunkCount) * PictoChunkData);
    for (std::size_t at = 0; at < chunks.size(); at += PictoChunkSize)
        out.png.append(chunks, at + 2, uint8_t(chunks[at + 1]));
    return out;
}

QImage ReadReferencePicto(const QString &folder, int number, QString &name)
{
    const std::string root = folder.toStdString();
    const ReferenceRecord record = ReadReferenceRecord(root, number);
    const QByteArray png = QByteArray::fromStdString(record.png);
    // The picture keeps its own size, read from the IHDR chunk that follows the signature.
    uint32_t width = 0;
    uint32_t height = 0;
    if (png.size() >= 24) {
        const auto at = [&png](int i) { return uint32_t(uint8_t(png[i])); };
        width = (at(16) << 24) | (at(17) << 16) | (at(18) << 8) | at(19);
        height = (at(20) << 24) | (at(21) << 16) | (at(22) << 8) | at(23);
    }
    const std::string where = Where(Joined(root, "D.bb"), number);
    if (width > MaxPictureSide || height > MaxPictureSide)
        throw ReferenceError(0, where + PictureSizeText(width, height, MaxPictureSide));
    try {
        QImage picture = LoadPngBitmapFromMemory(png, int(width), int(height));
        name = QString::fromStdString(record.name);
        return picture;
    } catch (const PictureError &e) {
        throw ReferenceError(0, where + e.what());
    }
}
