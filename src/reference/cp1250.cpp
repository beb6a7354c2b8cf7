#include "reference/cp1250.h"

#include <cstdint>

namespace {

struct Letter {
    unsigned char byte;
    char32_t code;
};

// ą ć ę ł ń ó ś ź ż and their capitals.
constexpr Letter PolishLetters[] = {
    {0xB9, U'ą'}, {0xE6, U'ć'}, {0xEA, U'ę'}, {0xB3, U'ł'}, {0xF1, U'ń'}, {0xF3, U'ó'},
    {0x9C, U'ś'}, {0x9F, U'ź'}, {0xBF, U'ż'}, {0xA5, U'Ą'}, {0xC6, U'Ć'}, {0xCA, U'Ę'},
    {0xA3, U'Ł'}, {0xD1, U'Ń'}, {0xD3, U'Ó'}, {0x8C, U'Ś'}, {0x8F, U'Ź'}, {0xAF, U'Ż'},
};

void AppendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// Next code point of UTF-8 text at pos (advanced past it); nothing for a malformed sequence.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t &pos)
{
    const auto lead = uint8_t(text[pos]);
    const int extra = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2
                    : (lead & 0xF8) == 0xF0 ? 3 : -1;
    if (extra < 0 || pos + extra >= text.size())
        return std::nullopt;
    char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) {
        const auto next = uint8_t(text[pos + i]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    pos += extra + 1;
    return c;
}

} // namespace

std::string DecodeWindows1250(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto byte = uint8_t(ch);
        char32_t code = byte < 0x80 ? char32_t(byte) : U'\uFFFD';
        for (const Letter &l : PolishLetters)
            if (l.byte == byte)
                code = l.code;
        AppendUtf8(out, code);
    }
    return out;
}

std::optional<std::string> EncodeWindows1250(std::string_view utf8)
{
    std::string out;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::optional<char32_t> c = NextCodePoint(utf8, pos);
        if (!c)
            return std::nullopt;
        if (*c < 0x80) {
            out += char(*c);
            continue;
        }
        bool found = false;
        for (const Letter &l : PolishLetters)
            if (l.code == *c) {
                out += char(l.byte);
                found = true;
            }
        if (!found)
            return std::nullopt;
    }
    return out;
}
