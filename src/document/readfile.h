#pragma once
// Reading a whole data file, with the reason of a failure in Polish: every reader of documents,
// lists and pictures goes through here, so one cause always has one wording.

#include <string>

/// The bytes of the file at path. Throws FileError ("Nie można otworzyć pliku "path". reason"),
/// also for a folder, which the system would otherwise open and then fail to read.
std::string ReadWholeFile(const std::string &path);
