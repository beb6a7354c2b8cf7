#pragma once
// The single-byte Windows-1250 code page of the reference data files, for the Polish letters.

#include <optional>
#include <string>
#include <string_view>

/// UTF-8 text of Windows-1250 bytes. ASCII and the Polish letters are decoded; any other byte
/// above 0x7F becomes U+FFFD.
std::string DecodeWindows1250(std::string_view bytes);

/// Windows-1250 bytes of UTF-8 text, or nothing when the text holds a character other than
/// ASCII and the Polish letters (or is not valid UTF-8).
std::optional<std::string> EncodeWindows1250(std::string_view utf8);
