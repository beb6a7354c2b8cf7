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

std::string MeaningPlace(int field, const std::string &path)
{
    const std::vector<int> numbers = PictoNumbers();
    const std::string pictogram = field >= 0 && field < int(numbers.size())
                                      ? "piktogram wzorcowy nr " + std::to_string(numbers[std::size_t(field)]) + " "
                                      : std::string();
    return "Plik \"" + path + "\", " + pictogram + "(wiersz " + std::to_string(field + 1) + "): ";
}
