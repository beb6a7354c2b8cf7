#pragma once
// The choice of four reference pictograms for the strip under the editing view.

#include <array>
#include <functional>

/// One tile of the strip: the pictogram's number and its field of PictoList (= its meaning's line).
struct StripChoice {
    int number = 0;
    int field = 0;
};

/// Four different entries of PictoList, each uniform among those not yet taken. random(n) must
/// return a whole number 0 … n − 1.
std::array<StripChoice, 4> ChooseStripPictograms(const std::function<int(int)> &random);
