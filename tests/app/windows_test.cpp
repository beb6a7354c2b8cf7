// The windows that open over the editor: where they go, that they stay where the user puts them,
// and that every window of the program shows its exact caption whole with only a close button.
#include "app/editorapp.h"
#include "app/placement.h"
#include "app/tinfo.h"
#include "appfixture.h"
#include "controls.h"
#include "books/bookwindows.h"
#include "dialogs/tdict.h"

#include <QTest>
#include <QTimer>

#include <map>

namespace {
/// An outer window size as a window manager frames a client area (1 px sides, 26 px title bar).
QSize framed(int width, int height) { return {width + 2, height + 27}; }
}

TEST(PlaceBesideMain, BesideWhenTheScreenHasRoomElseOverTheLayerList)
{
    // The main window's outer rectangle is 1230 × 765; `over` is its layer list below the file row.
    const QSize info = framed(632, 328), help = framed(592, 568), tutorial = framed(592, 909);
    struct Case {
        const char *what;
        QRect screen, main, over;
        QSize window;
        QRect expected;
    } cases[] = {
        {"1280 × 1024, centred: no room beside", {0, 0, 1280, 1024}, {25, 129, 1230, 765}, {986, 227, 96, 663},
         info, {1280 - 634, 227, 634, 355}},
        {"1280 × 1024, the tall tutorial is made shorter", {0, 0, 1280, 1024}, {25, 129, 1230, 765},
         {986, 227, 96, 663}, tutorial, {1280 - 594, 227, 594, 1024 - 227}},
        {"main window low: shorter would be less than half, so it is moved up", {0, 0, 1280, 1024},
         {25, 250, 1230, 765}, {986, 700, 96, 300}, tutorial, {1280 - 594, 1024 - 936, 594, 936}},
        {"1920 × 1080, centred: 345 px each side is too narrow", {0, 0, 1920, 1080}, {345, 157, 1230, 765},
         {1306, 255, 96, 663}, help, {1920 - 594, 255, 594, 595}},
        {"1920 × 1080, window at the left edge: on its right", {0, 0, 1920, 1080}, {0, 157, 1230, 765},
         {961, 255, 96, 663}, info, {1230, 157, 634, 355}},
        {"1920 × 1080, window at the right edge: on its left", {0, 0, 1920, 1080}, {690, 157, 1230, 765},
         {1651, 255, 96, 663}, help, {690 - 594, 157, 594, 595}},
        {"beside, but the tutorial would leave the bottom: moved up", {0, 0, 1920, 1080}, {0, 157, 1230, 765},
         {961, 255, 96, 663}, tutorial, {1230, 1080 - 936, 594, 936}},
        {"a panel above the usable area", {0, 30, 1280, 994}, {25, 10, 1230, 765}, {986, 20, 96, 663}, help,
         {1280 - 594, 30, 594, 595}},
        {"a second screen right of the first", {1280, 0, 1920, 1080}, {1280, 157, 1230, 765},
         {2241, 255, 96, 663}, info, {2510, 157, 634, 355}},
    };
    for (const Case &c : cases) {
        const QRect placed = PlaceBesideMain(c.screen, c.main, c.over, c.window);
        EXPECT_EQ(placed, c.expected) << c.what;
        EXPECT_TRUE(c.screen.contains(placed)) << c.what;
    }
}

TEST(PlaceAboveTile, AboveTheStripCentredOnTheTileAndNeverOverIt)
{
    const QSize popup = framed(294, 190);  // 296 × 217
    struct Case {
        const char *what;
        QRect screen, strip, tile;
        QPoint expected;
    } cases[] = {
        {"second tile", {0, 0, 1280, 1024}, {488, 749, 516, 72}, {644, 749, 72, 72}, {680 - 148, 749 - 4 - 217}},
        {"first tile", {0, 0, 1280, 1024}, {488, 749, 516, 72}, {516, 749, 72, 72}, {552 - 148, 749 - 4 - 217}},
        {"last tile at the screen's right edge", {0, 0, 1280, 1024}, {720, 749, 516, 72}, {1160, 749, 72, 72},
         {1280 - 296, 749 - 4 - 217}},
        {"first tile at the screen's left edge", {0, 0, 1280, 1024}, {0, 749, 516, 72}, {28, 749, 72, 72},
         {0, 749 - 4 - 217}},
        {"no room above: below the strip", {0, 0, 1280, 1024}, {488, 150, 516, 72}, {644, 150, 72, 72},
         {680 - 148, 150 + 72 + 4}},
    };
    for (const Case &c : cases) {
        const QRect placed = PlaceAboveTile(c.screen, c.strip, c.tile, popup);
        EXPECT_EQ(placed.topLeft(), c.expected) << c.what;
        EXPECT_EQ(placed.size(), popup) << c.what;
        EXPECT_FALSE(placed.intersects(c.strip)) << c.what;
        EXPECT_TRUE(c.screen.contains(placed)) << c.what;
    }
}

namespace {
class WindowsTest : public ProgramFolderTest {
protected:
    /// The main window with the windows the program makes after it, as at a real start.
    std::unique_ptr<T_Form> startAll(bool realNameDialogs = false)
    {
        putDocument("001 A.vkz", snowmanLayers(2));
        T_Form::Environment env = environment();
        if (realNameDialogs)
            env.names = nullptr;  // the window's own name dialogs
        auto form = std::make_unique<T_Form>(env);
        dict = std::make_unique<T_Dict>();
        const QString programFolder = QString(MERISKO_BASE_DIR) + "/..";
        auto report = [this](const QString &text) { dialogs.Error(text); };
        help = std::make_unique<T_Help>(programFolder, report);
        snowMen = std::make_unique<T_SnowMen>(programFolder, report);
        form->AttachWindows(dict.get(), help.get(), snowMen.get());
        return form;
    }

    std::unique_ptr<T_Dict> dict;
    std::unique_ptr<T_Help> help;
    std::unique_ptr<T_SnowMen> snowMen;
};

/// Clicks a toggle button of the main window (800 information, 700 help, 900 tutorial).
void clickButton(T_Form &form, int tag)
{
    QTest::mouseClick(ButtonOf(form, ControlTag(tag)), Qt::LeftButton, {}, QPoint(36, 36));
}
}

TEST_F(WindowsTest, EveryWindowShowsItsExactCaptionWholeWithOnlyACloseButton)
{
    auto form = startAll(true);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QTest::mouseClick(Control(*form, "i_1"), Qt::LeftButton, {}, QPoint(36, 36));  // the popup gets its title
    const QString word = Control<QLabel>(*form, "l_n1")->text();
    ASSERT_FALSE(word.isEmpty());

    const std::map<QString, QString> captions = {
        {"T_Form", "Merisko"},
        {"T_Info", "Informacja o parametrach projektu"},
        {"T_Layer", "Warstwa"},
        {"T_Nowy", "Nowy piktogram"},
        {"T_Save", "Zapisz piktogram jako"},
        {"T_Worksheet", "Arkusz do druku"},
        {"T_Dict", word},
        {"T_Help", "Pomoc programu Merisko®"},
        {"T_SnowMen", "Jak narysować Bałwanka?"},
    };
    std::map<QString, int> seen;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        if (type == Qt::Popup || type == Qt::ToolTip || w->windowFlags().testFlag(Qt::FramelessWindowHint))
            continue;  // menus and hints have no title bar
        const QString name = w->objectName();
        ++seen[name];
        ASSERT_TRUE(captions.count(name)) << "a window not known to this test: " << name.toStdString();
        EXPECT_EQ(w->windowTitle(), captions.at(name)) << name.toStdString();
        const Qt::WindowFlags f = w->windowFlags();
        for (Qt::WindowType needed : {Qt::WindowTitleHint, Qt::WindowSystemMenuHint, Qt::WindowCloseButtonHint})
            EXPECT_TRUE(f.testFlag(needed)) << name.toStdString() << " lacks " << needed;
        for (Qt::WindowType unwanted : {Qt::WindowMaximizeButtonHint, Qt::WindowContextHelpButtonHint,
                                        Qt::WindowFullscreenButtonHint})
            EXPECT_FALSE(f.testFlag(unwanted)) << name.toStdString() << " has " << unwanted;
        // Only the main window can be minimised; it has no maximise button either, as its size is fixed.
        EXPECT_EQ(f.testFlag(Qt::WindowMinimizeButtonHint), name == "T_Form") << name.toStdString();
        EXPECT_LE(TitleBarNeeds(w->windowTitle()), w->frameGeometry().width())
            << name.toStdString() << ": the title would be cut short";
    }
    for (const auto &[name, caption] : captions)
        EXPECT_EQ(seen[name], 1) << name.toStdString();
}

TEST(ApplicationName, NoDisplayNameIsAddedToTheTitles)
{
    const QString before = QCoreApplication::applicationName();
    NameApplication();
    EXPECT_EQ(QCoreApplication::applicationName(), "Merisko");
    // A display name of its own would stay "Merisko"; without one it follows the application's name.
    QCoreApplication::setApplicationName("Inna");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Inna");
    QCoreApplication::setApplicationName(before);
}

TEST(DictionaryPopup, WidensForATitleThatWouldNotFit)
{
    T_Dict popup;
    popup.Words = "Samochód";
    popup.FitTitle();
    EXPECT_EQ(popup.width(), 294);
    popup.Words = QString("Bardzo długa nazwa piktogramu wzorcowego, która nie mieści się w tytule");
    popup.FitTitle();
    EXPECT_EQ(popup.width(), TitleBarNeeds(popup.Words));
    EXPECT_EQ(popup.m_Defin->width(), popup.width() - 12);
}

TEST_F(WindowsTest, BooksAndInformationOpenBesideTheMainWindowOrOverItsLayerList)
{
    enum Side { Right, Left, ScreenEdge };
    struct Case {
        const char *what;
        ScreenFacts facts;
        QPoint mainAt;
        Side side;
    } cases[] = {
        {"1280 × 1024, centred", {1280, 1024, 96}, {25, 129}, ScreenEdge},
        {"1920 × 1080, centred", {1920, 1080, 96}, {345, 157}, ScreenEdge},
        {"1920 × 1080, main window at the left edge", {1920, 1080, 96}, {0, 157}, Right},
        {"1920 × 1080, main window at the right edge", {1920, 1080, 96}, {690, 157}, Left},
    };
    for (const Case &c : cases) {
        screen = c.facts;
        auto form = startAll();
        form->move(c.mainAt);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get())) << c.what;
        const QRect main = form->frameGeometry();
        const QWidget *image = Control(*form, "i_Image");
        const QRect view(image->mapToGlobal(QPoint(0, 0)), image->size());
        const QRect buttons(ButtonOf(*form, ControlTag::Info)->mapToGlobal(QPoint(0, 0)), QSize(3 * 72, 72));
        const std::pair<int, QWidget *> windows[] = {{800, Control(*form, "T_Info")}, {700, help.get()}, {900, snowMen.get()}};
        for (const auto &[tag, window] : windows) {
            clickButton(*form, tag);
            ASSERT_TRUE(window->isVisible()) << c.what << " " << tag;
            const QRect at = window->frameGeometry();
            switch (c.side) {
            case Right:
                EXPECT_EQ(at.left(), main.right() + 1) << c.what << " " << tag;
                break;
            case Left:
                EXPECT_EQ(at.right(), main.left() - 1) << c.what << " " << tag;
                break;
            case ScreenEdge:
                EXPECT_EQ(at.right(), c.facts.width - 1) << c.what << " " << tag;
                EXPECT_TRUE(at.intersects(Control(*form, "lv_Layers")->geometry().translated(form->geometry().topLeft())))
                    << c.what << " " << tag;
                break;
            }
            // Level with the main window beside it, under the file buttons over it; on screen.
            const int top = c.side == ScreenEdge ? buttons.bottom() + 1 : main.top();
            EXPECT_EQ(at.top(), std::min(top, c.facts.height - at.height())) << c.what << " " << tag;
            EXPECT_FALSE(at.intersects(buttons)) << c.what << " " << tag << ": covers the book buttons";
            EXPECT_LE(at.bottom(), c.facts.height - 1) << c.what << " " << tag;
            if (c.side != ScreenEdge) {
                EXPECT_FALSE(at.intersects(view)) << c.what << " " << tag << ": covers the editing view";
            }
            clickButton(*form, tag);
            EXPECT_FALSE(window->isVisible()) << c.what << " " << tag;
        }
    }
}

TEST_F(WindowsTest, AWindowTheUserMovedStaysThereForTheRestOfTheRun)
{
    auto form = startAll();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    clickButton(*form, 700);
    clickButton(*form, 800);
    const QPoint infoAt = Control(*form, "T_Info")->pos();
    help->move(40, 300);  // as the user drags it by its title bar
    clickButton(*form, 700);
    clickButton(*form, 700);
    EXPECT_EQ(help->pos(), QPoint(40, 300));
    help->close();  // its own close button, then its button in the main window
    clickButton(*form, 700);
    EXPECT_EQ(help->pos(), QPoint(40, 300));

    // The main window moves: the window never moved by the user follows it, the moved one stays.
    clickButton(*form, 800);
    clickButton(*form, 700);
    form->move(form->pos() + QPoint(-20, -60));
    clickButton(*form, 800);
    clickButton(*form, 700);
    EXPECT_EQ(Control(*form, "T_Info")->pos(), infoAt + QPoint(0, -60));
    EXPECT_EQ(help->pos(), QPoint(40, 300));
}

TEST_F(WindowsTest, TheLayerDialogOpensAtTheSamePlaceEveryTime)
{
    auto form = startAll();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    T_Layer &dialog = *Control<T_Layer>(*form, "T_Layer");
    QList<QPoint> openedAt;
    auto answer = [&](QPoint userMove) {
        QTimer::singleShot(0, &dialog, [&dialog, &openedAt, userMove] {
            openedAt << dialog.pos();
            dialog.move(dialog.pos() + userMove);
            dialog.b_CancelClick();
        });
        EXPECT_FALSE(dialog.Ask(false));
    };
    answer({150, -90});
    answer({0, 0});
    ASSERT_EQ(openedAt.size(), 2);
    // Centred on the 1224 × 735 main window at (25, 129).
    EXPECT_EQ(openedAt[0], QPoint(25 + (1224 - 197) / 2, 129 + (735 - 178) / 2));
    EXPECT_EQ(openedAt[1], openedAt[0]);
}
