#pragma once
// Writing the reference pictogram store, for the data generator and the tests.

#include <string>
#include <vector>

/// One pictogram to store: its number (index record), name (UTF-8) and PNG file bytes.
struct ReferenceEntry {
    int number = 0;
    std::string name;
    std::string png;
};

/// The name field of an index record: two leading bytes, the name in Windows-1250 and a
/// carriage return. Throws std::invalid_argument for a name longer than 39 bytes or with a
/// letter outside ASCII and the Polish letters.
std::string PictoNameField(const std::string &name);

/// Writes folder/"E.bt" and folder/"D.bb": index records 0 … the largest number (records of no
/// entry are zero: no chunks, no name) and the chunks of each picture, 255 bytes each, the last
/// one shorter. Throws std::invalid_argument for a bad entry and FileError (a std::runtime_error) when a
/// file cannot be written.
void WriteReferenceStore(const std::string &folder, const std::vector<ReferenceEntry> &entries);
