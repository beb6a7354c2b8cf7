#pragma once
// The choice of four reference pictograms for the strip under the editing view.

#include "document/errors.h"

#include <array>
#include <functional>
#include <string>

/// One tile of the strip: the pictogram's number and its field of PictoList (= its meaning's line).
struct StripChoice {
    int number = 0;
    int field = 0;
};

/// Four different entries of PictoList, each uniform among those not yet taken. random(n) must
/// return a whole number 0 … n − 1.
std::array<StripChoice, 4> ChooseStripPictograms(const std::function<int(int)> &random);

/// Where a meaning is missing: "Plik "path", piktogram wzorcowy nr 69 (wiersz 5): ".
std::string MeaningPlace(int field, const std::string &path);

/// Line field of the meanings read from the file at path (field of StripChoice). Throws
/// ListIndexError (MeaningPlace, then "Indeks listy poza zakresem (field)") when the file has fewer lines.
template <class Lines>
const auto &MeaningLine(const Lines &meanings, int field, const std::string &path)
{
    if (field < 0 || field >= int(meanings.size()))
        throw ListIndexError(field, MeaningPlace(field, path));
    return meanings[field];
}
