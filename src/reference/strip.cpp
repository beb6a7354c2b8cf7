#include "reference/strip.h"

#include "reference/picturestore.h"

#include <string>

std::array<StripChoice, 4> ChooseStripPictograms(const std::function<int(int)> &random)
{
    // Works on a copy of the list text, taking out each chosen field, as the strip always has.
    std::string work(PictoList);
    std::array<StripChoice, 4> chosen{};
    for (StripChoice &c : chosen) {
        const int n = int(work.size() / 5);
        int j = random(n);
        if (j < 0 || j >= n)
            j = 0;  // a generator out of range must not read outside the list
        const std::string field = work.substr(size_t(j) * 5, 5);
        c.field = int(std::string_view(PictoList).find(field) / 5);
        c.number = std::stoi(field);
        work.erase(size_t(j) * 5, 5);
    }
    return chosen;
}
