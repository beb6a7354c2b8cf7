// Program entry: the editor, or one of the command-line tools.

#include "app/editorapp.h"
#include "app/listreference.h"
#include "app/plural.h"
#include "app/startup.h"
#include "document/textformat.h"
#include "render/pictures.h"
#include "render/pngfile.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

static void printHelp()
{
    std::puts("Merisko — edytor piktogramów\n"
              "\n"
              "Użycie:\n"
              "  merisko                       otwiera edytor\n"
              "  merisko --quit-after-start    otwiera edytor i kończy pracę po pierwszym wyświetleniu okna;\n"
              "                                komunikaty wypisuje na wyjście błędów zamiast je pokazywać,\n"
              "                                a gdy program nie może być uruchomiony, kończy się kodem 1\n"
              "  merisko --check PLIK.vkz...   sprawdza, czy dokumenty dają się odczytać,\n"
              "                                i podaje liczbę warstw każdego z nich\n"
              "  merisko --export-png WYJ.png PLIK.vkz\n"
              "                                zapisuje obraz 512 × 512 dokumentu, jak przycisk eksportu\n"
              "  merisko --export-thumbnail WYJ.bmp PLIK.vkz\n"
              "                                zapisuje miniaturę 64 × 64 dokumentu, jak zapis\n"
              "  merisko --list-reference      wypisuje piktogramy wzorcowe z Base/: numer, nazwę i znaczenie\n"
              "  merisko --version             wypisuje numer wersji programu\n"
              "  merisko --help                ta pomoc");
}

/// Reads each document as the editor would; prints "FILE: 5 warstw" ("1 warstwa", "2 warstwy") or
/// the Polish error.
static int checkDocuments(int argc, char **argv)
{
    int status = 0;
    for (int i = 2; i < argc; ++i) {
        const std::string path = argv[i];
        try {
            const std::string name = path.substr(path.find_last_of('/') + 1);
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

/// A Base/ picture, or a plain one of the given colour while the folder lacks it.
static QImage basePicture(const QString &name, int size, const QColor &fallback)
{
    const QString path = programFolders().Base_B + name;
    if (QFileInfo::exists(path))
        return LoadPngBitmap(path, size, size);
    QImage plain(size, size, QImage::Format_RGB32);
    plain.fill(fallback);
    return plain;
}

/// --export-png and --export-thumbnail: the pictures the editor makes, without a display.
static int exportPicture(int argc, char **argv, bool thumbnail)
{
    if (argc != 4) {
        std::fputs("merisko: podaj plik wyjściowy i dokument\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        const std::string path = argv[3];
        const PictoDocument doc = ParseDocument(LoadPictoLines(path), path.substr(path.find_last_of('/') + 1));
        LayerRenderer renderer;
        const QString out = QString::fromLocal8Bit(argv[2]);
        if (thumbnail) {
            const QBrush texture(basePicture("A.pn", 64, QColor(0xE8, 0xE4, 0xDC)));
            SaveBmpFile(RenderDocumentThumb(RenderComposite(renderer, texture, doc)), out);
        } else {
            SavePngBitmap(RenderExportPicture(renderer, basePicture("B.pn", 512, Qt::white), doc), out);
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}

int main(int argc, char **argv)
{
    if (argc == 1 || (argc == 2 && std::strcmp(argv[1], "--quit-after-start") == 0))
        return RunEditor(argc, argv, argc == 2);
    if (argc >= 2 && (std::strcmp(argv[1], "--export-png") == 0 || std::strcmp(argv[1], "--export-thumbnail") == 0))
        return exportPicture(argc, argv, std::strcmp(argv[1], "--export-thumbnail") == 0);
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
