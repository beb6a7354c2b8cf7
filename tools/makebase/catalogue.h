#pragma once
// The readable sources of Base/ in data/: the list of reference pictograms and the palette.

#include <QColor>

#include <string>
#include <vector>

/// One reference pictogram of data/reference/pictograms.txt.
struct CatalogueEntry {
    int number = 0;
    std::string name;     ///< UTF-8, one or more words
    std::string meaning;  ///< UTF-8, one line
    std::string drawing;  ///< path of its ".vkz" document: "NNNN Name.vkz" beside the list
};

/// Reads "number | name | meaning" lines (blank lines and "#" comments skipped) and checks that
/// the numbers are those of PictoList, in its order, and that every drawing exists.
/// Throws std::runtime_error naming the line.
std::vector<CatalogueEntry> ReadCatalogue(const std::string &referenceFolder);

/// Reads "RRGGBB name" lines (hexadecimal colour, then its name) of data/base/palette.txt, top swatch first.
std::vector<QColor> ReadPalette(const std::string &path);
