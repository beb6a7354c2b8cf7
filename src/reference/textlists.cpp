#include "reference/textlists.h"

#include "document/atomicfile.h"
#include "document/errors.h"
#include "document/readfile.h"
#include "document/textformat.h"
#include "reference/cp1250.h"

#include <stdexcept>

std::vector<std::string> LoadTextLines(const std::string &path)
{
    std::vector<std::string> lines = SplitLines(ReadWholeFile(path));
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    for (std::string &line : lines)
        line = DecodeWindows1250(line);
    return lines;
}

void SaveTextLines(const std::string &path, const std::vector<std::string> &lines)
{
    std::string text;
    for (const std::string &line : lines) {
        const std::optional<std::string> encoded = EncodeWindows1250(line);
        if (!encoded)
            throw std::invalid_argument("wiersz \"" + line + "\" ma znak spoza polskiego alfabetu");
        text += *encoded + "\r\n";
    }
    WriteFileAtomically(path, text);
}
