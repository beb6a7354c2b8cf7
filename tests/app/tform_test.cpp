#include "app/glyphs.h"
#include "appfixture.h"
#include "controls.h"

#include <QImage>
#include <QTest>

namespace {
class StartupTest : public ProgramFolderTest {};
class WindowTest : public ProgramFolderTest {};
}

TEST_F(StartupTest, EachRefusalShowsItsOneMessageAndTheWindowClosesOnActivation)
{
    struct Case {
        const char *what;
        std::function<void(StartupTest &)> arrange;
        QString text, caption;
    } cases[] = {
        {"no Result folder", [](StartupTest &t) { QDir(t.folder("Result")).removeRecursively(); },
         "Program wymaga uprawnień do zapisu na dysku i nie może być uruchomiony bez tych uprawnień.",
         "Uprawnienia programu"},
        {"A.pn and D.bb missing",
         [](StartupTest &t) {
             QFile::remove(t.folder("Base") + "A.pn");
             QFile::remove(t.folder("Base") + "D.bb");
         },
         "Brak " + QDir::toNativeSeparators(root.path() + "/Base/A.pn"), "Program nie może być uruchomiony"},
        {"1229 x 1024", [](StartupTest &t) { t.screen = {1229, 1024, 96}; },
         "Wielkość monitora wynosi 1229 × 1024. Wielkość programu to 1230 × 765. Program nie mieści się na "
         "ekranie monitora i nie zostanie uruchomiony.",
         "Własności MONITORA"},
        {"1920 x 764", [](StartupTest &t) { t.screen = {1920, 764, 96}; },
         "Wielkość monitora wynosi 1920 × 764. Wielkość programu to 1230 × 765. Program nie mieści się na "
         "ekranie monitora i nie zostanie uruchomiony.",
         "Własności MONITORA"},
    };
    for (const Case &c : cases) {
        SetUp();
        c.arrange(*this);
        dialogs.shown.clear();
        auto form = start();
        ASSERT_EQ(dialogs.shown.size(), 1u) << c.what;
        EXPECT_EQ(dialogs.shown[0].text, c.text) << c.what;
        EXPECT_EQ(dialogs.shown[0].caption, c.caption) << c.what;
        form->show();
        form->FormActivate();  // a refused start closes the window at once
        EXPECT_FALSE(form->isVisible()) << c.what;
        screen = {1280, 1024, 96};
    }
}

TEST_F(StartupTest, ExactSizeMarkerFileDensityAndLeftoverProbeAllStart)
{
    struct Case {
        const char *what;
        ScreenFacts screen;
        bool marker;
        size_t boxes;
    } cases[] = {
        {"exactly 1230 x 765", {1230, 765, 96}, false, 0},
        {"small screen with H.hi", {800, 600, 96}, true, 0},
        {"120 ppi warns", {1280, 1024, 120}, false, 1},
    };
    for (const Case &c : cases) {
        QFile::remove(folder("Base") + "H.hi");
        if (c.marker)
            QFile(folder("Base") + "H.hi").open(QIODevice::WriteOnly);
        QFile(folder("Result") + "_.$$$").open(QIODevice::WriteOnly);  // left over from a crash
        dialogs.shown.clear();
        screen = c.screen;
        auto form = start();
        form->show();
        form->FormActivate();
        EXPECT_TRUE(form->isVisible()) << c.what;
        ASSERT_EQ(dialogs.shown.size(), c.boxes) << c.what;
        EXPECT_FALSE(QFile::exists(folder("Result") + "_.$$$")) << c.what;
        EXPECT_EQ(form->width(), 1224);
        EXPECT_EQ(form->height(), 735);
    }
    EXPECT_EQ(dialogs.shown[0].text, "Rozdzielczość monitora jest ustawiona niestandardowo na 120 ppi - ale program "
                                     "zostanie uruchomiony");
    EXPECT_EQ(dialogs.shown[0].caption, "Rozdzielczość monitora w ppi");
}

TEST_F(WindowTest, OpensTheFirstDocumentInNameOrderWithItsLayersTopFirst)
{
    putDocument("999 Piktogram.vkz", snowmanLayers(8));
    putDocument("000 Nowy.vkz", snowmanLayers(3));
    auto form = start();
    EXPECT_EQ(shelf().Names(), QStringList({"000 Nowy.vkz", "999 Piktogram.vkz"}));
    EXPECT_EQ(shelf().OpenEntry(), 0);
    EXPECT_EQ(shelf().Doc().CFName, "000 Nowy.vkz");
    ASSERT_EQ(Control<QListWidget>(*form, "lv_Layers")->count(), 3);
    EXPECT_EQ(Control<QListWidget>(*form, "lv_Layers")->item(0)->text(), "2");
    EXPECT_EQ(Control<QListWidget>(*form, "lv_Layers")->item(1)->text(), "1");
    EXPECT_EQ(Control<QListWidget>(*form, "lv_Layers")->item(2)->text(), "0");
    EXPECT_EQ(Control<QListWidget>(*form, "lv_Layers")->currentRow(), 0);  // the current layer, 2, is the top one
    // Layer 2 is not a background: the move-layer mode is chosen.
    EXPECT_TRUE(ButtonOf(*form, ControlTag::ModeMoveLayer)->isChecked());
    for (int tag : {131, 500, 501})
        EXPECT_EQ(ButtonOf(*form, ControlTag(tag))->isChecked(), tag != 131) << tag;
}

TEST_F(WindowTest, SeveralRepaintsInOneActionRefreshThePreviewOnce)
{
    putDocument("001 A.vkz", snowmanLayers(8));
    auto form = start();
    QCoreApplication::processEvents();
    const int before = previews;
    // Each switch of the view repaints it.
    for (int click = 0; click < 3; ++click)
        ClickButton(*form, ControlTag::NumberAndPoint);
    EXPECT_EQ(previews, before);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(previews, before + 1);
    // The preview is the rounded tile: panel-coloured corners.
    EXPECT_EQ(Control<ImageControl>(*form, "i_Picto")->Picture.pixel(0, 0), qRgb(241, 241, 241));
}

TEST_F(WindowTest, MissingAndWronglySizedThumbnailsShowThePlaceholder)
{
    for (const char *name : {"001 Bez miniatury.vkz", "002 Mała.vkz", "003 Dobra.vkz"})
        putDocument(name, snowmanLayers(2));
    QImage small(64, 48, QImage::Format_RGB32);
    small.fill(Qt::red);
    small.save(folder("Result") + "002 Mała.bmp", "BMP");
    QImage good(64, 64, QImage::Format_RGB32);
    good.fill(Qt::blue);
    good.save(folder("Result") + "003 Dobra.bmp", "BMP");
    auto form = start();
    ASSERT_EQ(Control<QListWidget>(*form, "lv_ListFile")->count(), 3);
    auto shown = [&](int row) {
        return Control<QListWidget>(*form, "lv_ListFile")->item(row)->icon().pixmap(64, 64).toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage placeholder = PlaceholderThumb().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown(0), placeholder);
    EXPECT_EQ(shown(1), placeholder);
    EXPECT_EQ(shown(2).pixel(10, 10), qRgb(0, 0, 255));
}

TEST_F(WindowTest, DeleteIsOfferedAwayFromTheOpenDocumentAndRemovesAllThreeFiles)
{
    putDocument("001 A.vkz", snowmanLayers(2));
    putDocument("002 B.vkz", snowmanLayers(3));
    for (const char *f : {"002 B.bmp", "002 B.png"})
        QFile(folder("Result") + f).open(QIODevice::WriteOnly);
    auto form = start();
    QListWidget *list = Control<QListWidget>(*form, "lv_ListFile");
    OpenRowMenu(list, 0);
    EXPECT_FALSE(Control<QAction>(*form, "usupiktogram1")->isEnabled());
    OpenRowMenu(list, 1);
    EXPECT_TRUE(Control<QAction>(*form, "usupiktogram1")->isEnabled());
    EXPECT_EQ(Control<QListWidget>(*form, "lv_ListFile")->toolTip(),
              "Dwukrotne kliknięcie zaznaczonej miniatury otworzy plik z piktogramem 002 B.vkz");
    Control<QAction>(*form, "usupiktogram1")->trigger();
    for (const char *f : {"002 B.vkz", "002 B.bmp", "002 B.png"})
        EXPECT_FALSE(QFile::exists(folder("Result") + f)) << f;
    EXPECT_EQ(shelf().Names(), QStringList({"001 A.vkz"}));
    EXPECT_EQ(shelf().Doc().CFName, "001 A.vkz");
}

TEST_F(WindowTest, EmptyResultStartsWithoutADocument)
{
    auto form = start();
    form->show();
    form->FormActivate();
    EXPECT_TRUE(form->isVisible());  // an empty documents folder is no reason to refuse the start
    EXPECT_EQ(shelf().Doc().Dimension, 0);
    EXPECT_EQ(Control<QListWidget>(*form, "lv_ListFile")->count(), 0);
    EXPECT_EQ(Control<QListWidget>(*form, "lv_Layers")->count(), 0);
    DoubleClickNothing(Control<QListWidget>(*form, "lv_ListFile"));  // nothing chosen: nothing happens
    OpenRowMenu(Control<QListWidget>(*form, "lv_ListFile"), -1);
    EXPECT_FALSE(Control<QAction>(*form, "usupiktogram1")->isEnabled());
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(WindowTest, ADocumentThatCannotBeReadLeavesTheOpenOneAsItWas)
{
    putDocument("001 A.vkz", snowmanLayers(3));
    putDocument("002 Zepsuty.vkz", "         2         0\r\n  ABC\r\n");
    auto form = start();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QPoint second = Control<QListWidget>(*form, "lv_ListFile")->visualItemRect(Control<QListWidget>(*form, "lv_ListFile")->item(1)).center();
    QTest::mouseClick(Control<QListWidget>(*form, "lv_ListFile")->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(Control<QListWidget>(*form, "lv_ListFile")->viewport(), Qt::LeftButton, {}, second);
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_TRUE(dialogs.errors[0].contains("002 Zepsuty.vkz")) << dialogs.errors[0].toStdString();
    EXPECT_EQ(shelf().Doc().CFName, "001 A.vkz");
    EXPECT_EQ(shelf().Doc().Dimension, 3);
    EXPECT_EQ(shelf().OpenEntry(), 0);
    EXPECT_EQ(Control<QListWidget>(*form, "lv_Layers")->count(), 3);
}

TEST_F(WindowTest, ClosingWithoutChangesAsksNothing)
{
    putDocument("001 A.vkz", snowmanLayers(3));
    auto form = start();
    form->show();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(dialogs.questions, 0);
}
