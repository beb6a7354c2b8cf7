#pragma once
// The ".vkz" document text: a header line and one line per layer, fields 10 characters wide,
// fixed-point numbers with two decimals and a decimal comma whatever the locale.

#include "document/picto.h"

#include <string>
#include <vector>

std::string PadLeft(std::string text, std::size_t width);
/// Fixed-point text with two decimals and ",", e.g. "79,08", "-0,50".
std::string FormatFixed(long double value);
std::string FormatHeaderLine(int count, int current);
std::string FormatCurveLine(const R_Curve &curve);
std::string FormatCurveLine(const PictoDocument &doc, int index);

/// Integer field: leading spaces, optional sign, decimal digits or "$" and hex digits. Throws ConvertError.
int32_t ReadIntegerField(const std::string &field);
/// Fixed-point field: spaces around, optional sign, digits with an optional "," part. Throws ConvertError.
long double ReadFixedField(const std::string &field);

/// Fills a layer from its line; screen points are computed from the polar ones. Throws ConvertError
/// (the message quotes the field) or DocumentError for a negative point count.
R_Curve ParseCurveLine(const std::string &text);

/// Reads a whole document from its lines. Either the complete document comes back or DocumentError
/// is thrown, naming fileName, the line and the field; nothing half-read ever escapes.
PictoDocument ParseDocument(const std::vector<std::string> &lines, const std::string &fileName = {});

/// Splits file text into lines; CR LF, LF CR, CR and LF each end a line; a final break gives an empty last line.
std::vector<std::string> SplitLines(const std::string &text);
/// Reads a document file as lines. Throws FileError when it cannot be read.
std::vector<std::string> LoadPictoLines(const std::string &path);
/// Writes lines joined by CR LF through a temporary file renamed over the target, so the old file
/// stays whole if anything fails. Throws FileError ("Nie można stworzyć pliku ...").
/// sync false skips waiting for the disk: the file is whole after a crash of the program, but a power
/// cut may leave it old or cut short (only for copies that are checked when read back).
void SavePictoText(const std::string &path, const std::vector<std::string> &lines, bool sync = true);

/// The built-in documents the new-document command starts from (final empty line included).
const std::vector<std::string> &EmptyDocumentTemplate();
const std::vector<std::string> &ExampleDocumentTemplate();
