#pragma once
// Errors of the document core. Each carries its Polish message, shown to the user as it is.

#include <stdexcept>
#include <string>

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

/// "'field' nie jest poprawną wartością liczbową"
std::string IntegerConvertMessage(const std::string &field);
/// "'field' nie jest poprawną wartością "
std::string FloatConvertMessage(const std::string &field);
/// "Nie można otworzyć pliku "path". reason"
std::string FileOpenMessage(const std::string &path, const std::string &reason);
/// "Nie można stworzyć pliku "path". reason"
std::string FileCreateMessage(const std::string &path, const std::string &reason);
/// The system's reason for a failed file operation, in Polish.
std::string SystemReason(int err);
