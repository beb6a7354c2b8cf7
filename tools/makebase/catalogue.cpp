#include "catalogue.h"

#include "reference/picturestore.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

std::string Trimmed(const std::string &text)
{
    const std::size_t from = text.find_first_not_of(" \t\r");
    if (from == std::string::npos)
        return {};
    return text.substr(from, text.find_last_not_of(" \t\r") - from + 1);
}

// The meaningful lines of a source file with their line numbers.
std::vector<std::pair<int, std::string>> SourceLines(const std::string &path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error(path + ": nie można otworzyć pliku");
    std::vector<std::pair<int, std::string>> lines;
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
        line = Trimmed(line);
        if (!line.empty() && line[0] != '#')
            lines.emplace_back(n, line);
    }
    return lines;
}

} // namespace

std::vector<CatalogueEntry> ReadCatalogue(const std::string &referenceFolder)
{
    const std::string path = referenceFolder + "/pictograms.txt";
    const std::vector<int> expected = PictoNumbers();
    std::vector<CatalogueEntry> entries;
    for (const auto &[n, line] : SourceLines(path)) {
        const auto fail = [&, n = n](const std::string &what) {
            return std::runtime_error(path + ":" + std::to_string(n) + ": " + what);
        };
        const std::size_t bar1 = line.find('|');
        const std::size_t bar2 = bar1 == std::string::npos ? bar1 : line.find('|', bar1 + 1);
        if (bar2 == std::string::npos)
            throw fail("oczekiwano „numer | nazwa | znaczenie”");
        CatalogueEntry e;
        try {
            e.number = std::stoi(line.substr(0, bar1));
        } catch (const std::exception &) {
            throw fail("numer nie jest liczbą");
        }
        e.name = Trimmed(line.substr(bar1 + 1, bar2 - bar1 - 1));
        e.meaning = Trimmed(line.substr(bar2 + 1));
        if (e.name.empty() || e.meaning.empty())
            throw fail("brak nazwy albo znaczenia");
        if (entries.size() >= expected.size() || e.number != expected[entries.size()])
            throw fail("numery muszą być kolejnymi numerami listy piktogramów");
        char prefix[8];
        std::snprintf(prefix, sizeof prefix, "%04d ", e.number);
        e.drawing = referenceFolder + "/" + prefix + e.name + ".vkz";
        if (!std::filesystem::exists(std::filesystem::u8path(e.drawing)))
            throw fail("brak rysunku " + e.drawing);
        entries.push_back(std::move(e));
    }
    if (entries.size() != expected.size())
        throw std::runtime_error(path + ": potrzeba " + std::to_string(expected.size()) + " piktogramów, jest "
                                 + std::to_string(entries.size()));
    return entries;
}

std::vector<QColor> ReadPalette(const std::string &path)
{
    std::vector<QColor> colours;
    for (const auto &[n, line] : SourceLines(path)) {
        const QColor c = QColor::fromString(QString::fromStdString("#" + line.substr(0, 6)));
        if (line.size() < 6 || !c.isValid() || (line.size() > 6 && line[6] != ' '))
            throw std::runtime_error(path + ":" + std::to_string(n) + ": oczekiwano koloru RRGGBB");
        colours.push_back(c);
    }
    if (colours.empty())
        throw std::runtime_error(path + ": paleta jest pusta");
    return colours;
}
