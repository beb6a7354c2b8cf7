#include "app/listreference.h"

#include "reference/picturestore.h"
#include "reference/strip.h"
#include "reference/textlists.h"

#include <QDir>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

int ListReference(const QString &baseFolder)
{
    const std::string meaningsPath = QDir(baseFolder).filePath(QStringLiteral("F.de")).toStdString();
    std::vector<std::string> meanings;
    try {
        meanings = LoadTextLines(meaningsPath);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    int status = 0;
    const std::vector<int> numbers = PictoNumbers();
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        try {
            QString name;
            const QImage picture = ReadReferencePicto(baseFolder, numbers[k], name);
            const std::string &meaning = MeaningLine(meanings, int(k), meaningsPath);
            std::printf("%5d  %s (%d × %d): %s\n", numbers[k], name.toStdString().c_str(), picture.width(),
                        picture.height(), meaning.c_str());
        } catch (const std::exception &e) {
            // The message names the pictogram and the file.
            std::fprintf(stderr, "%s\n", e.what());
            status = 1;
        }
    }
    return status;
}
