#pragma once
// The line lists of Base/: the meanings "F.de" and the words "G.wo", Windows-1250 text.

#include <string>
#include <vector>

/// The lines of a Windows-1250 text file as UTF-8; CR LF, CR or LF end a line and a final line
/// break adds no empty line. Throws FileError with the Polish reason.
std::vector<std::string> LoadTextLines(const std::string &path);

/// Writes UTF-8 lines as Windows-1250 text, each ended by CR LF. Throws std::invalid_argument
/// for a character outside ASCII and the Polish letters, FileError when writing fails.
void SaveTextLines(const std::string &path, const std::vector<std::string> &lines);
