#include "document/errors.h"

#include <cerrno>

std::string IntegerConvertMessage(const std::string &field)
{
    return "'" + field + "' nie jest poprawną wartością liczbową";
}

std::string FloatConvertMessage(const std::string &field)
{
    return "'" + field + "' nie jest poprawną wartością ";
}

std::string FileOpenMessage(const std::string &path, const std::string &reason)
{
    return "Nie można otworzyć pliku \"" + path + "\". " + reason;
}

std::string FileCreateMessage(const std::string &path, const std::string &reason)
{
    return "Nie można stworzyć pliku \"" + path + "\". " + reason;
}

std::string SystemReason(int err)
{
    switch (err) {
    case ENOENT: return "Nie znaleziono pliku lub folderu.";
    case EACCES:
    case EPERM: return "Odmowa dostępu.";
    case ENOSPC: return "Brak miejsca na dysku.";
    case EROFS: return "Nośnik jest tylko do odczytu.";
    case EISDIR: return "To jest folder, a nie plik.";
    case ENOTDIR: return "Część ścieżki nie jest folderem.";
    case ENAMETOOLONG: return "Nazwa pliku jest za długa.";
    case EIO: return "Błąd wejścia/wyjścia.";
    default: return "Błąd systemu nr " + std::to_string(err) + ".";
    }
}
