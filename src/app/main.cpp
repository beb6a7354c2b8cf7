// Program entry. Until the editor window exists the program offers its command-line tools.

#include "document/textformat.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

static void printHelp()
{
    std::puts("Merisko — edytor piktogramów\n"
              "\n"
              "Użycie:\n"
              "  merisko --check PLIK.vkz...   sprawdza, czy dokumenty dają się odczytać,\n"
              "                                i podaje liczbę warstw każdego z nich\n"
              "  merisko --help                ta pomoc");
}

/// Reads each document as the editor would; prints "FILE: N warstw" or the Polish error.
static int checkDocuments(int argc, char **argv)
{
    int status = 0;
    for (int i = 2; i < argc; ++i) {
        const std::string path = argv[i];
        try {
            const std::string name = path.substr(path.find_last_of('/') + 1);
            const PictoDocument doc = ParseDocument(LoadPictoLines(path), name);
            std::printf("%s: %d warstw\n", path.c_str(), doc.Dimension);
        } catch (const std::exception &e) {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), e.what());
            status = 1;
        }
    }
    return status;
}

int main(int argc, char **argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "--check") == 0) {
        if (argc < 3) {
            std::fputs("merisko --check: podaj co najmniej jeden plik\n", stderr);
            return 2;
        }
        return checkDocuments(argc, argv);
    }
    printHelp();
    return argc >= 2 && std::strcmp(argv[1], "--help") != 0 ? 2 : 0;
}
