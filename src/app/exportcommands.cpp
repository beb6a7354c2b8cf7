#include "app/exportcommands.h"

#include "app/plural.h"
#include "document/textformat.h"
#include "files/documentpictures.h"
#include "files/vectorfiles.h"
#include "files/worksheet.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <exception>
#include <functional>

namespace {

void complain(const QString &text) { std::fprintf(stderr, "merisko: %s\n", qPrintable(text)); }

PictoDocument readDocument(const QString &path)
{
    return ParseDocument(LoadPictoLines(path.toStdString()), QFileInfo(path).fileName().toStdString());
}

/// The command's switches taken out of args, leaving the output and the documents in order.
struct Switches {
    int size = 0;  ///< --size N; 0: not given
    WorksheetOptions sheet;
    QStringList rest;
    QString error;  ///< not empty: the arguments make no command
};

Switches readSwitches(const QString &command, const QStringList &args)
{
    Switches s;
    const bool sheet = command == QLatin1String("--worksheet");
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--size") && command == QLatin1String("--export-png")) {
            bool number = false;
            s.size = hasValue ? args[++i].toInt(&number) : 0;
            if (!number || s.size < SmallestPictureSize || s.size > LargestPictureSize)
                s.error = QStringLiteral("--size wymaga liczby od %1 do %2").arg(SmallestPictureSize).arg(LargestPictureSize);
        } else if (a == QLatin1String("--per-page") && sheet) {
            bool number = false;
            s.sheet.perPage = hasValue ? args[++i].toInt(&number) : 0;
            if (!number || !WorksheetSizes().contains(s.sheet.perPage))
                s.error = QStringLiteral("--per-page przyjmuje 1, 2, 4, 6, 12 albo 20");
        } else if ((a == QLatin1String("--names") || a == QLatin1String("--no-names")) && sheet) {
            s.sheet.names = a == QLatin1String("--names");
        } else if (a == QLatin1String("--cut-lines") && sheet) {
            s.sheet.cutLines = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            s.error = QStringLiteral("nieznana opcja „%1” polecenia %2").arg(a, command);
        } else {
            s.rest.append(a);
        }
        if (!s.error.isEmpty())
            return s;
    }
    if (s.rest.size() < 2)
        s.error = sheet ? QStringLiteral("podaj plik PDF i co najmniej jeden dokument")
                        : QStringLiteral("podaj plik wyjściowy i dokument");
    return s;
}

int runWorksheet(const Switches &s, const QString &baseFolder)
{
    int status = 0;
    QList<WorksheetItem> items;
    for (qsizetype i = 1; i < s.rest.size(); ++i) {
        try {
            items.append({WorksheetName(s.rest[i]), readDocument(s.rest[i])});
        } catch (const std::exception &e) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(s.rest[i]), e.what());
            status = 1;
        }
    }
    if (items.isEmpty()) {
        complain(QStringLiteral("żaden dokument nie dał się odczytać, arkusz nie został zapisany"));
        return 1;
    }
    try {
        const int pages = WriteWorksheet(items, LoadStartPicture(baseFolder), s.sheet, s.rest[0]);
        std::printf("%s: %d %s\n", qPrintable(s.rest[0]), pages, PolishPlural(pages, "strona", "strony", "stron"));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return status;
}

} // namespace

int RunExportCommand(const QString &command, const QStringList &args, const QString &baseFolder)
{
    const Switches s = readSwitches(command, args);
    if (!s.error.isEmpty()) {
        complain(s.error);
        return 2;
    }
    if (command == QLatin1String("--worksheet"))
        return runWorksheet(s, baseFolder);

    const QString out = s.rest[0];
    const QStringList documents = s.rest.mid(1);
    const bool intoFolder = QFileInfo(out).isDir();
    if (!intoFolder && documents.size() > 1) {
        complain(QStringLiteral("kilka dokumentów zapisuje się do istniejącego folderu, a „%1” nim nie jest").arg(out));
        return 2;
    }
    const QString suffix = command == QLatin1String("--export-svg")         ? QStringLiteral("svg")
                           : command == QLatin1String("--export-thumbnail") ? QStringLiteral("bmp")
                                                                            : QStringLiteral("png");
    std::function<void(const PictoDocument &, const QString &)> write;
    try {
        if (suffix == QLatin1String("bmp"))
            write = [texture = LoadTexture(baseFolder)](const PictoDocument &d, const QString &to) {
                WriteDocumentThumb(d, texture, to);
            };
        else if (suffix == QLatin1String("svg"))
            write = [start = LoadStartPicture(baseFolder)](const PictoDocument &d, const QString &to) {
                WriteExportSvg(d, start, to);
            };
        else if (s.size == 0)  // without --size: exactly the editor's 512 × 512 export
            write = [start = LoadStartPicture(baseFolder)](const PictoDocument &d, const QString &to) {
                WriteExportPicture(d, start, to);
            };
        else
            write = [start = LoadStartPicture(baseFolder), size = s.size](const PictoDocument &d, const QString &to) {
                WriteExportPictureAt(d, start, size, to);
            };
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    int status = 0;
    for (const QString &path : documents) {
        // In a folder each picture is named after its document: "001 Dom.vkz" → "001 Dom.png".
        const QString target = intoFolder ? QDir(out).filePath(QFileInfo(path).completeBaseName() + '.' + suffix) : out;
        try {
            write(readDocument(path), target);
            if (intoFolder)
                std::printf("%s\n", qPrintable(target));
        } catch (const std::exception &e) {
            if (intoFolder)
                std::fprintf(stderr, "%s: %s\n", qPrintable(path), e.what());
            else
                std::fprintf(stderr, "%s\n", e.what());
            status = 1;
        }
    }
    return status;
}
