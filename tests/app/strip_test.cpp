#include "appfixture.h"
#include "controls.h"
#include "books/bookwindows.h"
#include "reference/storewriter.h"
#include "reference/strip.h"
#include "reference/textlists.h"
#include "reference/picturestore.h"
#include "dialogs/tdict.h"

#include <QBuffer>
#include <QTest>

#include <random>
#include <set>

namespace {
class StripTest : public ProgramFolderTest {
public:
    static ImageControl *tile(const T_Form &form, int k)
    {
        return Control<ImageControl>(form, ("i_" + std::to_string(k + 1)).c_str());
    }
    static QLabel *tileName(const T_Form &form, int k)
    {
        return Control<QLabel>(form, ("l_n" + std::to_string(k + 1)).c_str());
    }
    /// A click on the strip beside the tiles: four new reference pictograms.
    static void refreshStrip(const T_Form &form)
    {
        QTest::mouseClick(Control(form, "p_Names"), Qt::LeftButton, {}, QPoint(2, 2));
    }
};

/// A PNG file of one colour, as stored pictures are.
std::string pngOf(QColor colour)
{
    QImage img(32, 32, QImage::Format_RGB32);
    img.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "PNG");
    return bytes.toStdString();
}
}

TEST(StripChoice, FourDifferentEntriesWithTheirMeaningLines)
{
    struct Case { const char *what; std::function<int(int)> random; std::array<int, 4> numbers, fields; } cases[] = {
        {"always the first", [](int) { return 0; }, {7, 25, 29, 67}, {0, 1, 2, 3}},
        {"always the last", [](int n) { return n - 1; }, {1359, 1337, 1291, 1171}, {29, 28, 27, 26}},
        {"same index again", [](int) { return 5; }, {73, 77, 89, 103}, {5, 6, 7, 8}},
        {"out of range", [](int n) { return n + 7; }, {7, 25, 29, 67}, {0, 1, 2, 3}},
    };
    for (const Case &c : cases) {
        const auto chosen = ChooseStripPictograms(c.random);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(chosen[i].number, c.numbers[i]) << c.what << " " << i;
            EXPECT_EQ(chosen[i].field, c.fields[i]) << c.what << " " << i;
        }
    }
    std::mt19937 seeded(42);
    for (int round = 0; round < 200; ++round) {
        const auto chosen = ChooseStripPictograms([&](int n) { return int(seeded() % unsigned(n)); });
        std::set<int> numbers;
        for (const StripChoice &c : chosen)
            numbers.insert(c.number);
        EXPECT_EQ(numbers.size(), 4u);
    }
}

TEST_F(StripTest, TilesShowNamesAndMeaningsFromTheStore)
{
    putDocument("001 A.vkz", "         0         0\r\n");
    random = [](int n) { return n - 1; };  // 1359, 1337, 1291, 1171: meaning fields 29 … 26
    auto form = start();
    T_Dict dict;
    form->AttachWindows(&dict, nullptr, nullptr);
    refreshStrip(*form);
    const std::vector<std::string> meanings = LoadTextLines((folder("Base") + "F.de").toStdString());
    const int numbers[4] = {1359, 1337, 1291, 1171};
    for (int i = 0; i < 4; ++i) {
        QString stored;
        ReadReferencePicto(folder("Base"), numbers[i], stored);
        if (const qsizetype percent = stored.indexOf('%'); percent >= 0)
            stored[percent] = ' ';
        const QString name = tileName(*form, i)->text();
        EXPECT_FALSE(name.isEmpty());
        EXPECT_EQ(name, stored) << i;
        EXPECT_EQ(tile(*form, i)->Picture.size(), QSize(72, 72));
        EXPECT_EQ(tile(*form, i)->Picture.pixel(0, 0), qRgb(241, 241, 241));  // rounded corner
        QTest::mouseClick(tile(*form, i), Qt::LeftButton, {}, QPoint(36, 36));  // its meaning shows
        EXPECT_EQ(dict.windowTitle(), name) << i;
        EXPECT_EQ(dict.m_Defin->text(), QString::fromStdString(meanings[29 - i])) << i;
        QTest::mouseClick(tile(*form, i), Qt::LeftButton, {}, QPoint(36, 36));
    }
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(StripTest, PercentBecomesASpaceOnceAndAFailingTileStopsTheRefresh)
{
    putDocument("001 A.vkz", "         0         0\r\n");
    random = [](int) { return 0; };  // 7, 25, 29, 67
    auto form = start();
    const QString before3 = tileName(*form, 3)->text();
    // A store in which 7 and 25 are fine, 29 is not a picture and 67 is missing.
    WriteReferenceStore(folder("Base").toStdString(), {{7, "Dwa%słowa%", pngOf(Qt::red)},
                                                       {25, "Kot", pngOf(Qt::blue)},
                                                       {29, "Zły", "nie PNG"}});
    refreshStrip(*form);
    EXPECT_EQ(tileName(*form, 0)->text(), "Dwa słowa%");
    EXPECT_EQ(tileName(*form, 1)->text(), "Kot");
    EXPECT_EQ(tile(*form, 0)->Picture.pixel(36, 36), qRgb(255, 0, 0));
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_EQ(tileName(*form, 3)->text(), before3);  // later tiles keep what they showed
}

TEST_F(StripTest, DictionaryToggles_FollowsTheWindowAndClosesOnANewChoice)
{
    putDocument("001 A.vkz", "         0         0\r\n");
    auto form = start();
    T_Dict dict;
    form->AttachWindows(&dict, nullptr, nullptr);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    auto clickTile = [&](int k) { QTest::mouseClick(tile(*form, k), Qt::LeftButton, {}, QPoint(36, 36)); };

    clickTile(1);
    ASSERT_TRUE(dict.isVisible());
    EXPECT_EQ(dict.windowTitle(), tileName(*form, 1)->text());
    EXPECT_FALSE(dict.m_Defin->text().isEmpty());
    // Just above the strip, centred on the tile, never over it.
    const QWidget *strip = Control(*form, "p_Picto_Tavelo");
    auto onScreen = [](const QWidget *w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); };
    auto expectAboveTile = [&](int k) {
        EXPECT_EQ(dict.frameGeometry().bottom() + 1 + 4, onScreen(strip).top()) << k;
        EXPECT_EQ(dict.frameGeometry().center().x(), onScreen(tile(*form, k)).center().x()) << k;
    };
    expectAboveTile(1);
    clickTile(1);
    EXPECT_FALSE(dict.isVisible());

    clickTile(0);
    clickTile(2);  // another tile while shown: hidden, with tile 2's texts stored
    EXPECT_FALSE(dict.isVisible());
    form->move(form->pos() + QPoint(17, 9));
    clickTile(2);
    ASSERT_TRUE(dict.isVisible());
    expectAboveTile(2);
    EXPECT_EQ(dict.windowTitle(), tileName(*form, 2)->text());

    QTest::mouseClick(&dict, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_FALSE(dict.isVisible());
    clickTile(3);
    ASSERT_TRUE(dict.isVisible());
    QTest::mouseClick(Control(*form, "p_Names"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(dict.isVisible());
}

TEST_F(StripTest, BookButtonsShowAndHideTheirBooksAndClosingABookReleasesItsButton)
{
    putDocument("001 A.vkz", "         0         0\r\n");
    auto form = start();
    const QString programFolder = QString(MERISKO_BASE_DIR) + "/..";
    T_Help help(programFolder, [&](const QString &text) { dialogs.Error(text); });
    T_SnowMen snowMen(programFolder, [&](const QString &text) { dialogs.Error(text); });
    form->AttachWindows(nullptr, &help, &snowMen);
    struct Case { int tag; BookWindow *book; } cases[] = {{700, &help}, {900, &snowMen}};
    for (const Case &c : cases) {
        QAbstractButton *button = ButtonOf(*form, ControlTag(c.tag));
        button->click();
        EXPECT_TRUE(button->isChecked()) << c.tag;
        EXPECT_TRUE(c.book->isVisible()) << c.tag;
        button->click();
        EXPECT_FALSE(c.book->isVisible()) << c.tag;
        button->click();
        c.book->close();
        EXPECT_FALSE(button->isChecked()) << c.tag;
    }
    EXPECT_TRUE(dialogs.errors.empty());
}
