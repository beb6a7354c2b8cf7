// Program entry: the editor, or one of the command-line tools.

#include "app/editorapp.h"
#include "app/exportcommands.h"
#include "app/listreference.h"
#include "app/plural.h"
#include "app/startup.h"
#include "document/textformat.h"
#include "files/programfolders.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>

/// Windows gives main() its arguments in the ANSI code page, which has no "ł" or "ż": the program
/// takes them from the wide command line instead, as UTF-8 like everywhere else.
static char **utf8Arguments(int &argc)
{
    static std::vector<std::string> texts;
    static std::vector<char *> pointers;
    wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &argc);
    for (int i = 0; i < argc; ++i) {
        const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string text(bytes > 0 ? bytes - 1 : 0, '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, text.data(), bytes, nullptr, nullptr);
        texts.push_back(std::move(text));
    }
    LocalFree(wide);
    for (std::string &text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    // The program is a window program (no console of its own beside the editor): the command-line
    // tools print into the console they were started from, unless their output goes elsewhere.
    const auto unset = [](DWORD which) { return GetFileType(GetStdHandle(which)) == FILE_TYPE_UNKNOWN; };
    if (unset(STD_OUTPUT_HANDLE) && unset(STD_ERROR_HANDLE) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
    // The console shows what the program prints (Polish texts in UTF-8) as written.
    SetConsoleOutputCP(CP_UTF8);
    return pointers.data();
}
#endif

static void printHelp()
{
    std::puts("Merisko — edytor piktogramów\n"
              "\n"
              "Użycie:\n"
              "  merisko\n"
              "      otwiera edytor\n"
              "      przykład: merisko\n"
              "  merisko --quit-after-start\n"
              "      otwiera edytor i kończy pracę po pierwszym wyświetleniu okna; komunikaty wypisuje\n"
              "      na wyjście błędów zamiast je pokazywać, a gdy program nie może być uruchomiony,\n"
              "      kończy się kodem 1\n"
              "      przykład: merisko --quit-after-start\n"
              "  merisko --check PLIK.vkz...\n"
              "      sprawdza, czy dokumenty dają się odczytać, i podaje liczbę warstw każdego z nich\n"
              "      przykład: merisko --check \"Result/001 Bałwanek.vkz\"\n"
              "  merisko --export-png WYJ.png PLIK.vkz [--size N]\n"
              "      zapisuje obraz dokumentu, jak przycisk eksportu: 512 × 512, a z --size N × N\n"
              "      (N od 64 do 4096, rysowany wektorowo)\n"
              "      przykład: merisko --export-png plakat.png \"Result/002 Dom.vkz\" --size 4096\n"
              "  merisko --export-svg WYJ.svg PLIK.vkz\n"
              "      zapisuje obraz dokumentu jako rysunek wektorowy SVG (z ramką, bez punktów)\n"
              "      przykład: merisko --export-svg dom.svg \"Result/002 Dom.vkz\"\n"
              "  merisko --export-thumbnail WYJ.bmp PLIK.vkz\n"
              "      zapisuje miniaturę 64 × 64 dokumentu, jak zapis\n"
              "      przykład: merisko --export-thumbnail dom.bmp \"Result/002 Dom.vkz\"\n"
              "  merisko --export-png|--export-svg|--export-thumbnail FOLDER PLIK.vkz...\n"
              "      gdy wyjściem jest istniejący folder: po jednym pliku na dokument, nazwanym jak on;\n"
              "      błędny dokument jest zgłaszany, a pozostałe i tak są zapisywane\n"
              "      przykład: merisko --export-png obrazy/ Result/*.vkz\n"
              "  merisko --worksheet WYJ.pdf [--per-page 1|2|4|6|12|20] [--names|--no-names]\n"
              "          [--cut-lines] PLIK.vkz...\n"
              "      zapisuje arkusz A4 do druku: piktogramy w siatce, w podanej kolejności, każdy\n"
              "      z nazwą pod spodem; więcej dokumentów, niż mieści strona, daje kolejne strony\n"
              "        --per-page N   liczba piktogramów na stronie (domyślnie 12)\n"
              "        --names        nazwy pod piktogramami (domyślnie)\n"
              "        --no-names     bez nazw\n"
              "        --cut-lines    cienkie przerywane linie do cięcia\n"
              "      przykład: merisko --worksheet arkusz.pdf --per-page 6 --cut-lines Result/*.vkz\n"
              "      przykład: merisko --worksheet lekcja.pdf --per-page 20 --names Result/*.vkz\n"
              "      przykład: merisko --worksheet karty.pdf --per-page 1 --no-names \"Result/002 Dom.vkz\"\n"
              "  merisko --list-reference\n"
              "      wypisuje piktogramy wzorcowe z Base/: numer, nazwę i znaczenie\n"
              "      przykład: merisko --list-reference\n"
              "  merisko --version\n"
              "      wypisuje numer wersji programu\n"
              "      przykład: merisko --version\n"
              "  merisko --help\n"
              "      ta pomoc\n"
              "      przykład: merisko --help\n"
              "\n"
              "Kod zakończenia poleceń: 0 — wszystko się udało, 1 — któryś dokument lub plik się nie udał\n"
              "(pozostałe zostały zapisane), 2 — błędne argumenty.");
}

/// Reads each document as the editor would; prints "FILE: 5 warstw" ("1 warstwa", "2 warstwy") or
/// the Polish error.
static int checkDocuments(int argc, char **argv)
{
    int status = 0;
    for (int i = 2; i < argc; ++i) {
        const std::string path = argv[i];
        try {
#ifdef _WIN32
            const std::string name = path.substr(path.find_last_of("/\\") + 1);  // C:\Dokumenty\Dom.vkz too
#else
            const std::string name = path.substr(path.find_last_of('/') + 1);
#endif
            const PictoDocument doc = ParseDocument(LoadPictoLines(path), name);
            std::printf("%s: %d %s\n", path.c_str(), doc.Dimension,
                        PolishPlural(doc.Dimension, "warstwa", "warstwy", "warstw"));
        } catch (const std::exception &e) {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), e.what());
            status = 1;
        }
    }
    return status;
}

/// The program's folders, found as the editor finds them (an application object must exist).
static ProgramFolders programFolders() { return ProgramFolders::Beside(QCoreApplication::applicationDirPath()); }

/// --export-png, --export-svg, --export-thumbnail and --worksheet: the pictures the editor makes,
/// without a display.
static int exportPictures(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args;
    for (int i = 2; i < argc; ++i)
        args.append(QString::fromUtf8(argv[i]));
    return RunExportCommand(QString::fromLatin1(argv[1]), args, programFolders().Base_B);
}

int main(int argc, char **argv)
{
#ifdef _WIN32
    argv = utf8Arguments(argc);
#endif
    if (argc == 1 || (argc == 2 && std::strcmp(argv[1], "--quit-after-start") == 0))
        return RunEditor(argc, argv, argc == 2);
    for (const char *command : {"--export-png", "--export-svg", "--export-thumbnail", "--worksheet"})
        if (argc >= 2 && std::strcmp(argv[1], command) == 0)
            return exportPictures(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "--list-reference") == 0) {
        const QCoreApplication app(argc, argv);
        return ListReference(programFolders().Base_B);
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("Merisko " MERISKO_VERSION);
        return 0;
    }
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
