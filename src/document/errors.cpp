#include "document/errors.h"

#include "document/runtimetexts.h"

std::string VisibleBytes(std::string_view bytes)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x20 && b < 0x7F) {
            out += ch;
        } else {
            out += "\\x";
            out += hex[b >> 4];
            out += hex[b & 0xF];
        }
    }
    return out;
}

std::string IntegerConvertMessage(const std::string &field)
{
    return FormatRuntimeText(RuntimeMessage::IntegerConvert, {VisibleBytes(field)});
}

std::string FloatConvertMessage(const std::string &field)
{
    return FormatRuntimeText(RuntimeMessage::FloatConvert, {VisibleBytes(field)});
}

std::string FileOpenMessage(const std::string &path, const std::string &reason)
{
    return FormatRuntimeText(RuntimeMessage::FileOpen, {path, reason});
}

std::string FileCreateMessage(const std::string &path, const std::string &reason)
{
    return FormatRuntimeText(RuntimeMessage::FileCreate, {path, reason});
}

std::string ListIndexMessage(int index)
{
    return FormatRuntimeText(RuntimeMessage::ListIndex, {std::to_string(index)});
}

std::string InOutMessage(int code)
{
    switch (code) {
    case InOutFileNotFound: return FormatRuntimeText(RuntimeMessage::FileNotFound);
    case InOutReadBeyondEnd: return FormatRuntimeText(RuntimeMessage::ReadBeyondEnd);
    default: return FormatRuntimeText(RuntimeMessage::InOut, {std::to_string(code)});
    }
}

ListIndexError::ListIndexError(int index, const std::string &where)
    : std::out_of_range(where + ListIndexMessage(index))
{
}

InOutError::InOutError(int code) : std::runtime_error(InOutMessage(code)), m_code(code) {}

std::string SystemReason(int err)
{
    return FileReasonText(err);
}
