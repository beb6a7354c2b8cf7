#pragma once
// The reference pictogram store of Base/: the index "E.bt" of 56-byte records (R_PictoIndex) and
// the picture data "D.bb" of 257-byte chunks (R_PictoChunk), both addressed by record number.
// Integers are little-endian; names are Windows-1250 text.

#include <QImage>
#include <QString>

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int PictoIndexSize = 56;   ///< bytes of one index record
inline constexpr int PictoNameSize = 42;    ///< bytes of the name field of an index record
inline constexpr int PictoChunkSize = 257;  ///< bytes of one chunk record
inline constexpr int PictoChunkData = 255;  ///< data bytes a chunk can hold

/// The reference pictograms the strip can show: 30 fields of 5 characters, each a number
/// right-aligned with leading spaces. Field k is also line k of the meanings "F.de".
inline constexpr std::string_view PictoList =
    "    7   25   29   67   69   73   77   89  103  141  145  171  181  293  299"
    "  339  373  393  683  701  707  885  931  975  989  991 1171 1291 1337 1359";

/// The 30 numbers of PictoList in field order.
std::vector<int> PictoNumbers();

/// A failed read of the store. what() names the file and the pictogram, then gives the Polish
/// reason: "Plik "…/D.bb", piktogram wzorcowy nr 7: Czytanie za końcem pliku (…)".
class ReferenceError : public std::runtime_error {
public:
    ReferenceError(int code, const std::string &message);
    /// 2 file not found, 5 access denied, 100 read beyond the end, 131 negative seek, 0 not a PNG
    /// picture, otherwise the system's error number.
    int code() const { return m_code; }

private:
    int m_code;
};

/// The name of an index record from its name field (the first L bytes): the first two bytes are
/// skipped, at most 40 are taken, decoded from Windows-1250 and cut at the first carriage return;
/// a name without a carriage return is empty. A "%" is kept for the strip to replace.
std::string PictoNameFromField(std::string_view field);

/// One pictogram as stored: its name (UTF-8) and the data of its chunks, concatenated.
struct ReferenceRecord {
    std::string name;
    std::string png;
};

/// Reads record number of folder + "E.bt" and its chunks of folder + "D.bb". Every record
/// number is checked against the file sizes first. Throws ReferenceError.
ReferenceRecord ReadReferenceRecord(const std::string &folder, int number);

/// The picture of reference pictogram number, decoded from PNG at its own size (24-bit, at most
/// 1024 × 1024), and its name. Throws ReferenceError, also for data that is not a PNG picture.
QImage ReadReferencePicto(const QString &folder, int number, QString &name);
