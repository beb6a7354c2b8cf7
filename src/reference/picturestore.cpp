#include "reference/picturestore.h"

#include "document/errors.h"
#include "reference/cp1250.h"
#include "render/pngfile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace {

// Input/output error codes as the run-time library numbers them.
constexpr int FileNotFound = InOutFileNotFound;
constexpr int AccessDenied = 5;
constexpr int ReadBeyondEnd = InOutReadBeyondEnd;
constexpr int NegativeSeek = 131;

ReferenceError IoError(int code)
{
    return ReferenceError(code, InOutMessage(code));
}

// An open record file of the store with its size in whole records.
class RecordFile {
public:
    RecordFile(const std::string &path, int recordSize) : m_recordSize(recordSize)
    {
        errno = 0;
        m_file.reset(std::fopen(path.c_str(), "rb"));
        if (!m_file)
            throw IoError(errno == ENOENT || errno == ENOTDIR ? FileNotFound
                          : errno == EACCES         ? AccessDenied
                                                    : errno);
        if (std::fseek(m_file.get(), 0, SEEK_END) != 0)
            throw IoError(errno);
        const long bytes = std::ftell(m_file.get());
        if (bytes < 0)
            throw IoError(errno);
        m_records = int64_t(bytes) / recordSize;
    }

    /// Reads count records from record first on; the whole range must lie inside the file.
    std::string Read(int64_t first, int64_t count)
    {
        if (first < 0)
            throw IoError(NegativeSeek);
        if (count > m_records - first)
            throw IoError(ReadBeyondEnd);
        std::string bytes(std::size_t(count * m_recordSize), '\0');
        if (std::fseek(m_file.get(), long(first * m_recordSize), SEEK_SET) != 0)
            throw IoError(errno);
        if (std::fread(bytes.data(), 1, bytes.size(), m_file.get()) != bytes.size())
            throw IoError(std::ferror(m_file.get()) ? errno : ReadBeyondEnd);
        return bytes;
    }

private:
    struct Closer {
        void operator()(std::FILE *f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> m_file;
    int m_recordSize;
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
    RecordFile index(Joined(folder, "E.bt"), PictoIndexSize);
    RecordFile data(Joined(folder, "D.bb"), PictoChunkSize);

    const std::string record = index.Read(number, 1);
    const int32_t firstChunk = LittleEndian32(record, 0);
    const int32_t chunkCount = LittleEndian32(record, 4);
    const int nameLength = std::min<int>(uint8_t(record[13]), PictoNameSize);

    ReferenceRecord out;
    out.name = PictoNameFromField(std::string_view(record).substr(14, std::size_t(nameLength)));
    if (chunkCount < 0)
        throw IoError(NegativeSeek);
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
    const ReferenceRecord record = ReadReferenceRecord(folder.toStdString(), number);
    const QByteArray png = QByteArray::fromStdString(record.png);
    // The picture keeps its own size, read from the IHDR chunk that follows the signature.
    int width = 0;
    int height = 0;
    if (png.size() >= 24) {
        const auto at = [&png](int i) { return int(uint8_t(png[i])); };
        width = (at(16) << 24) | (at(17) << 16) | (at(18) << 8) | at(19);
        height = (at(20) << 24) | (at(21) << 16) | (at(22) << 8) | at(23);
    }
    try {
        QImage picture = LoadPngBitmapFromMemory(png, width, height);
        name = QString::fromStdString(record.name);
        return picture;
    } catch (const PngError &e) {
        throw ReferenceError(0, e.what());
    }
}
