#pragma once
// The run-time messages of our own error types, English key beside Polish text. The Polish message
// catalogue installs these same rows, so an error built here and a message looked up there agree.

#include <initializer_list>
#include <span>
#include <string>

/// One message: its English text (the catalogue's key) and the Polish text shown to the user.
/// Placeholders are %s (text) and %d (number), in the same order in both texts.
struct RuntimeText {
    const char *english;
    const char *polish;
};

enum class RuntimeMessage {
    IntegerConvert,  ///< a document field that is not an integer
    FloatConvert,    ///< a document field that is not a fixed-point number
    FileOpen,        ///< a file that cannot be opened: path, reason
    FileCreate,      ///< a file that cannot be written: path, reason
    ListIndex,       ///< a list addressed outside its entries: index
    FileNotFound,
    ReadBeyondEnd,
    InOut,           ///< any other input/output error: code
};

const RuntimeText &RuntimeTextOf(RuntimeMessage message);
/// Every row of the table, in the order of RuntimeMessage.
std::span<const RuntimeText> RuntimeTexts();

/// The Polish text of message with its placeholders filled by args in order.
std::string FormatRuntimeText(RuntimeMessage message, std::initializer_list<std::string> args = {});

/// Why a file could not be read or written: the system's error number (errno), in Polish,
/// e.g. "Brak miejsca na dysku." for a full disk.
std::string FileReasonText(int err);

/// Why a picture could not be read or made, besides the system's reasons.
enum class PictureProblem {
    Empty,       ///< there is no picture to write
    TooLarge,    ///< wider or higher than a PNG file of ours may be
    Encoding,    ///< the PNG coder failed
    NotPng,      ///< the bytes are not a whole PNG picture
};
std::string PictureProblemText(PictureProblem problem);
/// "Obraz ma zbyt duże wymiary (width × height pikseli, najwyżej limit × limit)."
std::string PictureSizeText(unsigned long width, unsigned long height, unsigned long limit);
