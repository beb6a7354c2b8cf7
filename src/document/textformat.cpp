#include "document/textformat.h"

#include "document/atomicfile.h"
#include "document/errors.h"
#include "document/readfile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <string_view>

std::string PadLeft(std::string text, std::size_t width)
{
    if (text.size() < width)
        text.insert(0, width - text.size(), ' ');
    return text;
}

namespace {

constexpr std::size_t FieldWidth = 10;

// Writes the digits of v so that they end at end; returns where they start.
char *digitsBefore(char *end, unsigned long long v)
{
    do {
        *--end = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v);
    return end;
}

// The fixed-point text of value (hundredths rounded half away from zero, "," as the separator),
// written to end at end; returns where it starts.
char *fixedBefore(char *end, long double value)
{
    const long double x = value * 100.0L;
    bool negative;
    unsigned long long hundredths;
    if (std::fabs(x) < 9.2e18L) {
        // Rounded half away from zero, as std::round does, without the library call and in whole
        // numbers: x minus its whole part is exact in extended precision, and one conversion
        // from extended precision does (each one switches the x87 unit's rounding mode twice).
        const long long whole = static_cast<long long>(x);
        const long double frac = x - static_cast<long double>(whole);
        const long long rounded = whole + (frac >= 0.5L) - (frac <= -0.5L);
        negative = rounded < 0;
        hundredths = negative ? 0ull - static_cast<unsigned long long>(rounded) : static_cast<unsigned long long>(rounded);
    } else {
        const long double scaled = std::round(x);
        negative = scaled < 0;
        const long double size = negative ? -scaled : scaled;
        // Beyond every field: such a number makes a line that is never saved, but it must not overflow.
        hundredths = size < 1.8e19L ? static_cast<unsigned long long>(size) : 18'000'000'000'000'000'000ull;
    }
    char *p = end;
    *--p = static_cast<char>('0' + hundredths % 10);
    *--p = static_cast<char>('0' + hundredths / 10 % 10);
    *--p = ',';
    p = digitsBefore(p, hundredths / 100);
    if (negative)
        *--p = '-';
    return p;
}

char *integerBefore(char *end, long long v)
{
    char *p = digitsBefore(end, static_cast<unsigned long long>(v < 0 ? -v : v));
    if (v < 0)
        *--p = '-';
    return p;
}

// Appends text right-aligned in a field (wider text as it is).
void appendField(std::string &line, const char *begin, const char *end)
{
    const std::size_t n = static_cast<std::size_t>(end - begin);
    if (n < FieldWidth)
        line.append(FieldWidth - n, ' ');
    line.append(begin, n);
}

void appendIntegerField(std::string &line, long long v)
{
    char buf[24];
    appendField(line, integerBefore(buf + sizeof buf, v), buf + sizeof buf);
}

void appendFixedField(std::string &line, long double v)
{
    char buf[32];
    appendField(line, fixedBefore(buf + sizeof buf, v), buf + sizeof buf);
}

// The longest text of one field: a sign, 20 digits, the separator and two more.
constexpr std::size_t LongestField = 24;

// Writes the fixed-point text of v right-aligned in the field starting at out (wider text as it
// is, like appendField); returns where the field ends. out has room for LongestField characters.
char *putFixedField(char *out, long double v)
{
    char buf[32];
    const char *begin = fixedBefore(buf + sizeof buf, v);
    const std::size_t n = static_cast<std::size_t>(buf + sizeof buf - begin);
    if (n < FieldWidth) {
        std::memset(out, ' ', FieldWidth - n);
        out += FieldWidth - n;
    }
    std::memcpy(out, begin, n);
    return out + n;
}

} // namespace

std::string FormatFixed(long double value)
{
    char buf[32];
    return std::string(fixedBefore(buf + sizeof buf, value), buf + sizeof buf);
}

std::string FormatHeaderLine(int count, int current)
{
    std::string line;
    appendIntegerField(line, count);
    appendIntegerField(line, current);
    return line;
}

std::string FormatCurveLine(const R_Curve &c)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string line;
    line.reserve(60 + 20 * static_cast<std::size_t>(std::max(c.Count, 0)));
    appendIntegerField(line, c.TypeC);
    appendIntegerField(line, c.Width);
    line += " $";
    for (int shift = 28; shift >= 0; shift -= 4)
        line += hex[(c.Color >> shift) & 0xF];
    appendIntegerField(line, c.Closure);
    appendFixedField(line, c.Tension);
    appendIntegerField(line, c.Count);
    // The points' fields written in place: room for the longest, cut to what was written.
    const int points = std::min(std::max(c.Count, 0), static_cast<int>(c.RAPoints.size()));
    const std::size_t start = line.size();
    line.resize(start + 2 * LongestField * static_cast<std::size_t>(points));
    char *out = line.data() + start;
    for (int i = 0; i < points; ++i) {
        out = putFixedField(out, c.RAPoints[i].R);
        out = putFixedField(out, c.RAPoints[i].A);
    }
    line.resize(static_cast<std::size_t>(out - line.data()));
    return line;
}

std::string FormatCurveLine(const PictoDocument &doc, int index)
{
    return FormatCurveLine(doc.TCurveStruct.at(index));
}

static bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

static int hexValue(char ch)
{
    if (isDigit(ch))
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

// Field readers work on views into the line; the text is copied only for an error message.
static int32_t readInteger(std::string_view field)
{
    const auto fail = [&] { return ConvertError(IntegerConvertMessage(std::string(field))); };
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ')
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-'))
        negative = field[i++] == '-';
    if (i >= field.size())
        throw fail();
    uint64_t value = 0;
    if (field[i] == '$') {
        // Hexadecimal: up to 0xFFFFFFFF, kept bit for bit.
        if (++i >= field.size())
            throw fail();
        for (; i < field.size(); ++i) {
            const int h = hexValue(field[i]);
            if (h < 0)
                throw fail();
            value = value * 16 + h;
            if (value > 0xFFFFFFFFull)
                throw fail();
        }
        const uint32_t bits = static_cast<uint32_t>(value);
        return static_cast<int32_t>(negative ? 0u - bits : bits);
    }
    for (; i < field.size(); ++i) {
        if (!isDigit(field[i]))
            throw fail();
        value = value * 10 + (field[i] - '0');
        if (value > 2147483648ull)
            throw fail();
    }
    if (!negative && value > 2147483647ull)
        throw fail();
    return static_cast<int32_t>(negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value));
}

int32_t ReadIntegerField(const std::string &field)
{
    return readInteger(field);
}

namespace {

// A fixed-point field as its digits read as one whole number, and how many came after the comma.
struct FixedDigits {
    bool negative = false;
    unsigned long long mantissa = 0;
    int decimals = 0;
};

// 10^0 … 10^19, each exact in extended precision (5^19 < 2^64).
constexpr auto PowersOfTen = [] {
    std::array<long double, 20> p{};
    long double v = 1;
    for (long double &x : p) {
        x = v;
        v *= 10;
    }
    return p;
}();

[[noreturn, gnu::noinline, gnu::cold]] void failFixed(std::string_view field)
{
    throw ConvertError(FloatConvertMessage(std::string(field)));
}

FixedDigits readFixedDigits(std::string_view field)
{
    const char *b = field.data();
    const char *e = b + field.size();
    while (b < e && *b == ' ')
        ++b;
    while (e > b && e[-1] == ' ')
        --e;
    FixedDigits f;
    if (b < e && (*b == '+' || *b == '-'))
        f.negative = *b++ == '-';
    // A field is at most 10 characters; 19 digits would still not overflow.
    const char *comma = nullptr;
    int digits = 0;
    for (const char *p = b; p < e; ++p) {
        const unsigned d = static_cast<unsigned char>(*p) - unsigned{'0'};
        if (d < 10 && digits < 19) {
            ++digits;
            f.mantissa = f.mantissa * 10 + d;
        } else if (*p == ',' && comma == nullptr) {
            comma = p;
        } else {
            failFixed(field);
        }
    }
    if (digits == 0)
        failFixed(field);
    f.decimals = comma == nullptr ? 0 : static_cast<int>(e - comma - 1);  // all digits, or we threw
    return f;
}

// The whole number scaled once, so the value is the nearest extended-precision number to the text.
long double valueOf(const FixedDigits &f)
{
    const long double value = static_cast<long double>(f.mantissa) / PowersOfTen[static_cast<std::size_t>(f.decimals)];
    return f.negative ? -value : value;
}

// The field in hundredths when it is exactly that (at most two decimals, of a sensible size), else
// a number beyond every angle table.
long long hundredthsOf(const FixedDigits &f)
{
    constexpr long long beyond = 1LL << 62;
    if (f.decimals > 2 || f.mantissa > 1'000'000'000ull)
        return beyond;
    const long long h = static_cast<long long>(f.mantissa) * (f.decimals == 0 ? 100 : f.decimals == 1 ? 10 : 1);
    return f.negative ? -h : h;
}

std::string_view fieldAt(const std::string &text, std::size_t firstColumn)
{
    const std::size_t start = firstColumn - 1;
    return start < text.size() ? std::string_view(text).substr(start, 10) : std::string_view();
}

} // namespace

long double ReadFixedField(const std::string &field)
{
    return valueOf(readFixedDigits(field));
}

R_Curve ParseCurveLine(const std::string &text)
{
    R_Curve c;
    c.TypeC = readInteger(fieldAt(text, 1));
    c.Width = readInteger(fieldAt(text, 11));
    c.Color = static_cast<uint32_t>(readInteger(fieldAt(text, 21)));
    c.Closure = static_cast<uint8_t>(readInteger(fieldAt(text, 31)));
    c.Tension = static_cast<float>(valueOf(readFixedDigits(fieldAt(text, 41))));
    c.Count = readInteger(fieldAt(text, 51));
    if (c.Count < 0)
        throw DocumentError("Ujemna liczba punktów warstwy: " + std::to_string(c.Count));
    // Never trust Count for the allocation: a short line fails at its first missing field.
    const std::size_t fits = text.size() > 60 ? (text.size() - 60) / 20 + 1 : 1;
    const std::size_t reserve = std::min<std::size_t>(static_cast<std::size_t>(c.Count), fits);
    c.RAPoints.reserve(reserve);
    c.XYPoints.reserve(reserve);
    for (int i = 0; i < c.Count; ++i) {
        const std::size_t column = 61 + 20 * static_cast<std::size_t>(i);
        const FixedDigits r = readFixedDigits(fieldAt(text, column));
        const FixedDigits a = readFixedDigits(fieldAt(text, column + 10));
        RRadAng p;
        MakeRadAng(p, valueOf(r), valueOf(a));
        c.RAPoints.push_back(p);
        c.XYPoints.push_back(PolarToPointHundredths(p, hundredthsOf(a), 256, 256));
    }
    return c;
}

static std::string where(const std::string &fileName, int line)
{
    std::string w = fileName.empty() ? std::string() : "Plik \"" + fileName + "\", ";
    return w + "wiersz " + std::to_string(line + 1) + ": ";
}

// Why a header that does not read may be text of another kind, or empty when it looks like ours.
static std::string otherEncodingNote(const std::vector<std::string> &lines)
{
    const std::string &header = lines[0];
    if (header.starts_with("\xEF\xBB\xBF"))
        return "; plik zaczyna się znacznikiem kodowania UTF-8 (bajty EF BB BF), a dokument musi być "
               "zwykłym tekstem bez tego znacznika";
    const bool allZero = std::all_of(lines.begin(), lines.end(), [](const std::string &line) {
        return line.find_first_not_of('\0') == std::string::npos;
    });
    if (allZero)
        return "; plik zawiera same bajty zerowe";
    // UTF-16 puts a zero beside every ASCII character, in even or odd places; a byte-order mark may lead.
    const std::string_view text = std::string_view(header).substr(0, 20);
    int zerosAt[2] = {0, 0};
    for (std::size_t i = 0; i < text.size(); ++i)
        zerosAt[i % 2] += text[i] == '\0';
    const bool mark = header.starts_with("\xFF\xFE") || header.starts_with("\xFE\xFF");
    const std::size_t half = text.size() / 2;
    if (mark || (half >= 1 && (std::size_t(zerosAt[0]) == half || std::size_t(zerosAt[1]) == half)
                 && (zerosAt[0] == 0 || zerosAt[1] == 0)))
        return "; plik wygląda na tekst w kodowaniu UTF-16 (dwa bajty na znak), a dokument musi być "
               "zwykłym tekstem jednobajtowym";
    return {};
}

PictoDocument ParseDocument(const std::vector<std::string> &lines, const std::string &fileName)
{
    if (lines.empty())
        throw DocumentError(where(fileName, 0) + "brak wiersza nagłówka");
    // What a file of no bytes at all splits into.
    if (lines.size() == 1 && lines[0].empty())
        throw DocumentError(where(fileName, 0) + (fileName.empty() ? "dokument" : "plik") + " jest pusty (0 bajtów)");
    PictoDocument doc;
    int32_t count = 0;
    try {
        count = readInteger(fieldAt(lines[0], 1));
        doc.Ind_Curve = readInteger(fieldAt(lines[0], 11));
    } catch (const ConvertError &e) {
        throw DocumentError(where(fileName, 0) + e.what() + otherEncodingNote(lines));
    }
    if (count < 0 || count > 65535)
        throw DocumentError(where(fileName, 0) + "niepoprawna liczba warstw " + std::to_string(count));
    doc.Dimension = static_cast<uint16_t>(count);
    if (static_cast<std::size_t>(doc.Dimension) + 1 > lines.size())
        throw DocumentError(where(fileName, 0) + "plik ma mniej warstw (" + std::to_string(lines.size() - 1) +
                            ") niż podaje nagłówek (" + std::to_string(doc.Dimension) + ")");
    if (doc.Dimension > 0 && (doc.Ind_Curve < 0 || doc.Ind_Curve >= doc.Dimension))
        throw DocumentError(where(fileName, 0) + "numer bieżącej warstwy " + std::to_string(doc.Ind_Curve) +
                            " spoza zakresu 0…" + std::to_string(doc.Dimension - 1));
    doc.TCurveStruct.reserve(doc.Dimension);
    for (int i = 1; i <= doc.Dimension; ++i) {
        try {
            doc.TCurveStruct.push_back(ParseCurveLine(lines[i]));
        } catch (const std::runtime_error &e) {
            throw DocumentError(where(fileName, i) + e.what());
        }
    }
    doc.CFName = fileName;
    return doc;
}

std::vector<std::string> SplitLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == '\r' || ch == '\n') {
            lines.push_back(std::move(current));
            current.clear();
            const char pair = ch == '\r' ? '\n' : '\r';
            if (i + 1 < text.size() && text[i + 1] == pair)
                ++i;
        } else {
            current += ch;
        }
    }
    lines.push_back(std::move(current));
    return lines;
}

std::vector<std::string> LoadPictoLines(const std::string &path)
{
    return SplitLines(ReadWholeFile(path));
}

void SavePictoText(const std::string &path, const std::vector<std::string> &lines, bool sync)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += lines[i];
        if (i + 1 < lines.size())
            text += "\r\n";
    }
    WriteFileAtomically(path, text, sync);
}

const std::vector<std::string> &EmptyDocumentTemplate()
{
    static const std::vector<std::string> lines = {
        "         1         0",
        "         0         0 $FFD7E1E1         1      0,00         0",
        "",
    };
    return lines;
}

const std::vector<std::string> &ExampleDocumentTemplate()
{
    static const std::vector<std::string> lines = {
        "         8         7",
        "         0         0 $FFD7E1E1         1      0,00         0",
        "         1        16 $FFFFFFFF         0      0,50        12     79,08      3,70    137,91      4,03    153,21      4,66    119,04      5,27     59,41      5,52    101,12      0,05    161,15      0,60    212,44      1,10    234,14      1,60    226,42      2,13    179,79      2,67    122,00      3,14",
        "         2         8 $FF000000         1      0,50        12     79,08      3,70    137,91      4,03    153,21      4,66    119,04      5,27     59,41      5,52    101,12      0,05    161,15      0,60    212,44      1,10    234,14      1,60    226,42      2,13    179,79      2,67    122,00      3,14",
        "         1        16 $FF2E3436         0      0,50        11    123,33      4,64    139,63      4,05    192,52      3,88    173,85      4,31    247,19      4,35    251,59      4,57    249,33      4,85    240,65      5,04    166,03      5,02    172,74      5,45    126,59      5,20",
        "         4         8 $FF000000         0      0,50         2    105,77      4,44    103,48      4,81",
        "         4        16 $FF000000         0      0,50         3     52,63      1,82    107,67      1,68    161,31      1,63",
        "         4         4 $FF000000         0      0,50         5     68,60      4,18     57,25      4,24     49,24      4,49     50,25      4,81     57,28      5,00",
        "         1        16 $FFEF2929         0      0,50         3     92,96      4,51     92,70      5,06     65,07      4,67",
        "",
    };
    return lines;
}
