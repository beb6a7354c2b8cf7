// makebase DATA BASE WORK [--contact-sheet SHEET.png]
// Writes the seven files of the program's Base/ folder from the readable sources in DATA:
// the texture, start picture and palette, the reference pictogram store rendered from the ".vkz"
// drawings of DATA/reference, the meanings and the word list. WORK receives the rendered pictures.

#include "basepictures.h"
#include "catalogue.h"
#include "contactsheet.h"

#include "document/textformat.h"
#include "reference/picturestore.h"
#include "reference/storewriter.h"
#include "reference/textlists.h"
#include "render/pictures.h"
#include "render/pngfile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <exception>

namespace {

/// Size of a stored reference picture: twice the 72 × 72 tile of the strip.
constexpr int PictureSize = 144;

std::string ReadBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(path.toStdString() + ": " + file.errorString().toStdString());
    return file.readAll().toStdString();
}

/// The stored picture of one drawing: all layers over white, reduced smoothly.
std::string RenderReferencePng(LayerRenderer &renderer, const CatalogueEntry &entry, const QString &work)
{
    const std::string fileName = entry.drawing.substr(entry.drawing.find_last_of('/') + 1);
    const PictoDocument doc = ParseDocument(LoadPictoLines(entry.drawing), fileName);
    const QImage composite = RenderComposite(renderer, QBrush(Qt::white), doc);
    const QString path = work + QString::asprintf("/%04d.png", entry.number);
    SavePngBitmap(composite.scaled(PictureSize, PictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                  path);
    return ReadBytes(path);
}

int Run(const QString &data, const QString &base, const QString &work, const QString &sheet)
{
    QDir().mkpath(base);
    QDir().mkpath(work);
    const std::vector<CatalogueEntry> catalogue = ReadCatalogue((data + "/reference").toStdString());

    LayerRenderer renderer;
    std::vector<ReferenceEntry> entries;
    std::vector<std::string> meanings;
    std::vector<std::string> words;
    for (const CatalogueEntry &c : catalogue) {
        entries.push_back({c.number, c.name, RenderReferencePng(renderer, c, work)});
        meanings.push_back(c.meaning);
        words.push_back(c.name);
    }
    WriteReferenceStore(base.toStdString(), entries);
    SaveTextLines((base + "/F.de").toStdString(), meanings);
    SaveTextLines((base + "/G.wo").toStdString(), words);
    SavePngBitmap(MakeTexture(), base + "/A.pn");
    SavePngBitmap(MakeStartPicture(), base + "/B.pn");
    SavePngBitmap(MakePalette(ReadPalette((data + "/base/palette.txt").toStdString())), base + "/C.pn");

    // Read everything back as the program will, so a faulty store never leaves the build.
    std::vector<SheetItem> items;
    for (const CatalogueEntry &c : catalogue) {
        QString name;
        const QImage picture = ReadReferencePicto(base, c.number, name);
        if (name.toStdString() != c.name || picture.size() != QSize(PictureSize, PictureSize))
            throw std::runtime_error("piktogram " + std::to_string(c.number) + " nie odczytuje się poprawnie");
        items.push_back({c.number, name, picture});
    }
    if (!sheet.isEmpty())
        SavePngBitmap(MakeContactSheet(items), sheet);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const bool withSheet = argc == 6 && std::strcmp(argv[4], "--contact-sheet") == 0;
    if (argc != 4 && !withSheet) {
        std::fputs("użycie: makebase DANE BASE ROBOCZY [--contact-sheet ARKUSZ.png]\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        return Run(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]),
                   QString::fromLocal8Bit(argv[3]), withSheet ? QString::fromLocal8Bit(argv[5]) : QString());
    } catch (const std::exception &e) {
        std::fprintf(stderr, "makebase: %s\n", e.what());
        return 1;
    }
}
