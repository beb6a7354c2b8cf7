// The Base/ folder the build lays out: every pictogram of PictoList readable, named and explained.

#include "reference/picturestore.h"
#include "reference/textlists.h"
#include "render/pngfile.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

const QString Base = QStringLiteral(MERISKO_BASE_DIR);

// Width and height from the IHDR chunk of a PNG file.
QSize PngSize(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.read(24);
    const auto at = [&head](int i) { return int(uint8_t(head[i])); };
    return head.size() < 24 ? QSize() : QSize((at(18) << 8) | at(19), (at(22) << 8) | at(23));
}

TEST(Collection, EveryListedPictogramHasAPictureANameAndAMeaning)
{
    const std::vector<int> numbers = PictoNumbers();
    ASSERT_EQ(numbers.size(), 30u);
    EXPECT_EQ(numbers.front(), 7);
    EXPECT_EQ(numbers.back(), 1359);
    const std::vector<std::string> meanings = LoadTextLines((Base + "/F.de").toStdString());
    ASSERT_EQ(meanings.size(), numbers.size());
    const std::vector<std::string> words = LoadTextLines((Base + "/G.wo").toStdString());

    std::set<QString> names;
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        SCOPED_TRACE(numbers[k]);
        QString name;
        const QImage picture = ReadReferencePicto(Base, numbers[k], name);
        EXPECT_FALSE(picture.isNull());
        EXPECT_GE(picture.width(), 72);
        EXPECT_EQ(picture.width(), picture.height());
        EXPECT_FALSE(name.trimmed().isEmpty());
        names.insert(name);
        EXPECT_GT(meanings[k].size(), 20u);
        EXPECT_NE(std::find(words.begin(), words.end(), name.toStdString()), words.end());
    }
    EXPECT_EQ(names.size(), numbers.size()) << "every pictogram has its own name";
}

TEST(Collection, PicturesOfTheProgramFolder)
{
    EXPECT_EQ(PngSize(Base + "/B.pn"), QSize(512, 512));
    ASSERT_EQ(PngSize(Base + "/C.pn"), QSize(21, 600));
    EXPECT_FALSE(LoadPngBitmap(Base + "/A.pn", 64, 64).isNull());

    // Every swatch of the palette is tall enough to hit.
    const QImage palette = LoadPngBitmap(Base + "/C.pn", 21, 600);
    int run = 1;
    for (int y = 1; y <= 600; ++y) {
        if (y < 600 && palette.pixel(0, y) == palette.pixel(0, y - 1)) {
            ++run;
            continue;
        }
        EXPECT_GE(run, 16) << "swatch ending at row " << y;
        for (int x = 1; x < 21; ++x)
            EXPECT_EQ(palette.pixel(x, y - 1), palette.pixel(0, y - 1));
        run = 1;
    }
}

} // namespace
