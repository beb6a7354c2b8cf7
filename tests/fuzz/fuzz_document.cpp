// Any bytes as a document file: read whole or refused with our error, never anything else.
#include "document/errors.h"
#include "document/textformat.h"
#include "document/textbuffer.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    try {
        const PictoDocument doc = ParseDocument(SplitLines(text), "fuzz.vkz");
        // A document that was read must write back to lines that read the same.
        std::vector<std::string> lines{FormatHeaderLine(doc.Dimension, doc.Ind_Curve)};
        for (int i = 0; i < doc.Dimension; ++i)
            lines.push_back(FormatCurveLine(doc, i));
        const PictoDocument again = ParseDocument(lines, "fuzz.vkz");
        if (again.Dimension != doc.Dimension)
            __builtin_trap();
    } catch (const DocumentError &) {
    } catch (const ConvertError &) {
    }
    return 0;
}
