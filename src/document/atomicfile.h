#pragma once
// Every file the program writes goes through here: the bytes go to a new temporary file beside the
// target, which is flushed, checked, synced and only then renamed over the target.

#include <string>
#include <string_view>

/// The temporary file's name: ".zapis-" and six letters or digits chosen so that the name is new,
/// then "~". It is short whatever the target's name, so every name the system allows can be saved.
inline constexpr std::string_view TemporaryPrefix = ".zapis-";
inline constexpr std::string_view TemporarySuffix = "~";
inline constexpr std::size_t TemporaryUniqueLength = 6;

/// Whether a file name (without folder) has the form of a temporary file of WriteFileAtomically.
bool IsTemporaryName(std::string_view name);

/// Writes bytes to path whole or not at all; the old file stays as it was when anything fails.
/// A symbolic link at path is followed and its target written (the link stays a link), and an
/// existing file keeps its permissions. Throws FileError ("Nie można stworzyć pliku "path". reason").
/// sync false skips waiting for the disk: the file is whole after a crash of the program, but a power
/// cut may leave it old or cut short (only for copies that are checked when read back).
void WriteFileAtomically(const std::string &path, std::string_view bytes, bool sync = true);

/// The file a write to path lands in: path itself, or the end of its chain of symbolic links.
std::string ResolveWriteTarget(const std::string &path);
