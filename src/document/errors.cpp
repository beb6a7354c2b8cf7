#include "document/errors.h"

#include "document/runtimetexts.h"

std::string IntegerConvertMessage(const std::string &field)
{
    return FormatRuntimeText(RuntimeMessage::IntegerConvert, {field});
}

std::string FloatConvertMessage(const std::string &field)
{
    return FormatRuntimeText(RuntimeMessage::FloatConvert, {field});
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

ListIndexError::ListIndexError(int index) : std::out_of_range(ListIndexMessage(index)) {}

InOutError::InOutError(int code) : std::runtime_error(InOutMessage(code)), m_code(code) {}

std::string SystemReason(int err)
{
    return FileReasonText(err);
}
