#pragma once
// Errors of the document core. Each carries its Polish message, shown to the user as it is; the texts
// come from the run-time message table (runtimetexts.h) that the message catalogue also installs.

#include <stdexcept>
#include <string>
#include <string_view>

/// A field of the document text that is not a valid number.
class ConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// A document that cannot be read as a whole; the message names the file, line and field.
class DocumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// A file that cannot be opened or written; the message names the file and the system's reason.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// A list or array addressed outside its entries: "Indeks listy poza zakresem (index)", after
/// where (e.g. "Plik "F.de", wiersz 30: ") when given.
class ListIndexError : public std::out_of_range {
public:
    explicit ListIndexError(int index, const std::string &where = {});
};

/// Input/output codes of InOutError, as the run-time library numbers them.
enum InOutCode : int { InOutFileNotFound = 2, InOutReadBeyondEnd = 100 };

/// A failed read or write of a data file; code is an InOutCode or the system's error number.
class InOutError : public std::runtime_error {
public:
    explicit InOutError(int code);
    int code() const { return m_code; }

private:
    int m_code;
};

/// Bytes as a message can show them whole: printable ASCII as it is, every other byte as "\xNN"
/// (a NUL would end the message, and a stray byte of another encoding would show as garbage).
std::string VisibleBytes(std::string_view bytes);

/// "'field' nie jest poprawną wartością liczbową", the field shown by VisibleBytes
std::string IntegerConvertMessage(const std::string &field);
/// The same text for a fixed-point field
std::string FloatConvertMessage(const std::string &field);
/// "Nie można otworzyć pliku "path". reason"
std::string FileOpenMessage(const std::string &path, const std::string &reason);
/// "Nie można stworzyć pliku "path". reason"
std::string FileCreateMessage(const std::string &path, const std::string &reason);
/// "Indeks listy poza zakresem (index)"
std::string ListIndexMessage(int index);
/// "Nie znaleziono pliku", "Czytanie za końcem pliku" or "Błąd wejścia/wyjścia code"
std::string InOutMessage(int code);
/// The system's reason for a failed file operation, in Polish.
std::string SystemReason(int err);
