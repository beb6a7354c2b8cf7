#include "document/runtimetexts.h"

#include <array>
#include <cerrno>

namespace {

const std::array<RuntimeText, 8> kTexts{{
    {"'%s' is not a valid integer value", "'%s' nie jest poprawną wartością liczbową"},
    {"'%s' is not a valid floating point value", "'%s' nie jest poprawną wartością liczbową"},
    {"Cannot open file \"%s\". %s", "Nie można otworzyć pliku \"%s\". %s"},
    {"Cannot create file \"%s\". %s", "Nie można stworzyć pliku \"%s\". %s"},
    {"List index out of bounds (%d)", "Indeks listy poza zakresem (%d)"},
    {"File not found", "Nie znaleziono pliku"},
    {"Read beyond end of file", "Czytanie za końcem pliku"},
    {"I/O error %d", "Błąd wejścia/wyjścia %d"},
}};

} // namespace

const RuntimeText &RuntimeTextOf(RuntimeMessage message)
{
    return kTexts.at(static_cast<std::size_t>(message));
}

std::span<const RuntimeText> RuntimeTexts()
{
    return kTexts;
}

std::string FormatRuntimeText(RuntimeMessage message, std::initializer_list<std::string> args)
{
    const std::string format = RuntimeTextOf(message).polish;
    std::string out;
    auto arg = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        const bool placeholder = format[i] == '%' && i + 1 < format.size()
                                 && (format[i + 1] == 's' || format[i + 1] == 'd');
        if (placeholder && arg != args.end()) {
            out += *arg++;
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

std::string FileReasonText(int err)
{
    switch (err) {
    case ENOENT: return "Nie znaleziono pliku lub folderu.";
    case EACCES:
    case EPERM: return "Odmowa dostępu.";
    case ENOSPC: return "Brak miejsca na dysku.";
#ifdef EDQUOT  // not on Windows
    case EDQUOT: return "Przekroczono przydział miejsca na dysku.";
#endif
    case EFBIG: return "Plik przekroczyłby dozwoloną wielkość.";
    case EROFS: return "Nośnik jest tylko do odczytu.";
    case EISDIR: return "To jest folder, a nie plik.";
    case ENOTDIR: return "Część ścieżki nie jest folderem.";
    case ENAMETOOLONG: return "Nazwa pliku jest za długa.";
    case ELOOP: return "Za dużo dowiązań symbolicznych w ścieżce.";
    case EIO: return "Błąd wejścia/wyjścia.";
    default: return "Błąd systemu nr " + std::to_string(err) + ".";
    }
}

std::string PictureProblemText(PictureProblem problem)
{
    switch (problem) {
    case PictureProblem::Empty: return "Obraz jest pusty.";
    case PictureProblem::TooLarge: return "Obraz ma zbyt duże wymiary.";
    case PictureProblem::Encoding: return "Błąd kodowania obrazu PNG.";
    case PictureProblem::NotPng: return "To nie jest poprawny obraz PNG.";
    }
    return {};
}

std::string PictureSizeText(unsigned long width, unsigned long height, unsigned long limit)
{
    return "Obraz ma zbyt duże wymiary (" + std::to_string(width) + " × " + std::to_string(height) +
           " pikseli, najwyżej " + std::to_string(limit) + " × " + std::to_string(limit) + ").";
}
