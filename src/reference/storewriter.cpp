#include "reference/storewriter.h"

#include "document/atomicfile.h"
#include "reference/cp1250.h"
#include "reference/picturestore.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace {

void PutLittleEndian32(std::string &bytes, std::size_t at, int32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char((uint32_t(value) >> (8 * i)) & 0xFF);
}

// Whole or not at all, with the Polish reason of a failure (FileError).
void WriteFile(const std::string &path, const std::string &bytes)
{
    WriteFileAtomically(path, bytes);
}

} // namespace

std::string PictoNameField(const std::string &name)
{
    const std::optional<std::string> encoded = EncodeWindows1250(name);
    if (!encoded)
        throw std::invalid_argument("nazwa \"" + name + "\" ma znak spoza polskiego alfabetu");
    if (encoded->size() > PictoNameSize - 3)
        throw std::invalid_argument("nazwa \"" + name + "\" jest dłuższa niż 39 znaków");
    return "  " + *encoded + '\r';
}

void WriteReferenceStore(const std::string &folder, const std::vector<ReferenceEntry> &entries)
{
    int last = -1;
    for (const ReferenceEntry &e : entries) {
        if (e.number < 0)
            throw std::invalid_argument("ujemny numer piktogramu");
        last = std::max(last, e.number);
    }
    std::string index(std::size_t(last + 1) * PictoIndexSize, '\0');
    std::string data;
    int chunk = 0;
    for (const ReferenceEntry &e : entries) {
        const std::string field = PictoNameField(e.name);
        const int count = int((e.png.size() + PictoChunkData - 1) / PictoChunkData);
        const std::size_t at = std::size_t(e.number) * PictoIndexSize;
        PutLittleEndian32(index, at, chunk);
        PutLittleEndian32(index, at + 4, count);
        index[at + 13] = char(field.size());
        index.replace(at + 14, field.size(), field);
        for (int i = 0; i < count; ++i) {
            const std::string part = e.png.substr(std::size_t(i) * PictoChunkData, PictoChunkData);
            std::string record(PictoChunkSize, '\0');
            record[1] = char(part.size());
            record.replace(2, part.size(), part);
            data += record;
        }
        chunk += count;
    }
    const std::string base = folder.empty() || folder.back() == '/' ? folder : folder + '/';
    WriteFile(base + "E.bt", index);
    WriteFile(base + "D.bb", data);
}
