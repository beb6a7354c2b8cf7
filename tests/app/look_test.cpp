// What the window shows at a glance: pressed buttons, the information window's columns, the
// splash picture, and displays that must not keep the picture or note of a moment before.
#include "app/glyphs.h"
#include "app/info.h"
#include "app/splash.h"
#include "app/tinfo.h"
#include "appfixture.h"
#include "controls.h"
#include "books/bookpane.h"

#include <QTest>

#include <map>

namespace {
class LookTest : public ProgramFolderTest {
public:
    std::unique_ptr<T_Form> shown()
    {
        auto form = start();
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        return form;
    }
};

int difference(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

/// The box holding every pixel where two pictures of the same size differ clearly.
QRect changedBox(const QImage &a, const QImage &b, const QRect &within)
{
    QRect box;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (difference(a.pixel(x, y), b.pixel(x, y)) > 60)
                box |= QRect(x, y, 1, 1);
    return box;
}

QImage rendered(QWidget *w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }
}

TEST_F(LookTest, APressedButtonIsFramedAndFilledWhereAnUnpressedOneIsFlat)
{
    putDocument("001 A.vkz", snowmanLayers(3));
    auto form = shown();
    // A button of a group is released by pressing another of its group.
    struct Case { const char *what; int tag, other; } cases[] = {
        {"mode", 137, 131}, {"kind", 511, 512}, {"width", 521, 522}, {"curve", 531, 530},
        {"view", 500, 500}, {"closure", 540, 540},
    };
    for (const Case &c : cases) {
        QAbstractButton *b = ButtonOf(*form, ControlTag(c.tag));
        b->setChecked(true);
        const QImage on = rendered(b);
        ButtonOf(*form, ControlTag(c.other))->setChecked(c.other != c.tag);
        ASSERT_FALSE(b->isChecked()) << c.what;
        const QImage off = rendered(b);
        // The frame at the left edge and the background inside it both change colour.
        int changed = 0;
        for (int y = 0; y < on.height(); ++y)
            for (int x = 0; x < on.width(); ++x)
                changed += difference(on.pixel(x, y), off.pixel(x, y)) > 90;
        EXPECT_GT(changed, on.width() * on.height() / 4) << c.what;
        EXPECT_GT(difference(on.pixel(1, on.height() / 2), off.pixel(1, off.height() / 2)), 150) << c.what;
    }
}

TEST_F(LookTest, TheInformationValuesStartInOneColumnWhateverTheFont)
{
    putDocument("001 A.vkz", snowmanLayers(3));
    auto form = shown();
    ButtonOf(*form, ControlTag::Info)->click();
    T_Info *info = Control<T_Info>(*form, "T_Info");
    QListWidget *list = info->lb_Info;
    ASSERT_TRUE(list->isVisible());
    info->resize(632, 600);  // every line in sight
    QFont wide("DejaVu Serif");
    wide.setPixelSize(16);
    wide.setBold(true);
    for (const QFont &font : {list->font(), wide}) {
        list->setFont(font);
        QCoreApplication::processEvents();
        const QImage picture = rendered(list->viewport());
        const QFontMetrics metrics(font);
        std::map<QString, int> valueStarts;  // the value's first inked column, by line
        for (int row = 0; row < list->count(); ++row) {
            const QString line = list->item(row)->text();
            const InfoColumns columns = SplitInfoLine(line);
            if (columns.value.isEmpty())
                continue;
            const QRect r = list->visualItemRect(list->item(row));
            const int from = r.left() + info->TextMargin() + metrics.horizontalAdvance(columns.label) + 2;
            for (int x = from; x < picture.width() && !valueStarts.count(line); ++x)
                for (int y = r.top(); y <= std::min(r.bottom(), picture.height() - 1); ++y)
                    if (qGray(picture.pixel(x, y)) < 110) {
                        valueStarts[line] = x;
                        break;
                    }
        }
        ASSERT_EQ(valueStarts.size(), 5u) << list->count() << " lines in " << font.family().toStdString();
        const int first = valueStarts.begin()->second;
        for (const auto &[line, x] : valueStarts)
            EXPECT_NEAR(x, first, 2) << line.toStdString() << " in " << font.family().toStdString();
    }
}

TEST(SplashPicture, FillsTheWholeSplashWithAPictureNotAnEmptyBox)
{
    widgetApp();
    T_Ue splash;
    splash.t_UE.stop();
    EXPECT_EQ(splash.size(), QSize(1230, 765));
    const QImage picture = SplashPicture(splash.size());
    std::map<QRgb, int> colours;
    for (int y = 0; y < picture.height(); y += 3)
        for (int x = 0; x < picture.width(); x += 3)
            ++colours[picture.pixel(x, y)];
    int commonest = 0;
    for (const auto &[colour, count] : colours)
        commonest = std::max(commonest, count);
    const int samples = (picture.width() / 3 + 1) * (picture.height() / 3 + 1);
    EXPECT_LT(commonest, samples / 2);  // no colour covers half of it
    // The upper half is a picture too, and the name's dark letters stand in the middle third.
    int dark = 0;
    for (int y = picture.height() / 4; y < picture.height() / 2; ++y)
        for (int x = picture.width() / 3; x < 2 * picture.width() / 3; ++x)
            dark += qGray(picture.pixel(x, y)) < 90;
    EXPECT_GT(dark, 2000);
}

TEST_F(LookTest, DeletingTheLastLayerEmptiesThePreview)
{
    putDocument("001 A.vkz", snowmanLayers(2));
    putDocument("002 pusty.vkz", "         0         0\r\n");
    auto form = shown();
    ImageControl *preview = Control<ImageControl>(*form, "i_Picto");
    QListWidget *layers = Control<QListWidget>(*form, "lv_Layers");
    QCoreApplication::processEvents();
    const QImage before = preview->Picture;
    for (int n = 0; n < 2; ++n) {
        layers->setCurrentRow(0);
        ClickButton(*form, ControlTag::LayerDelete);
        QCoreApplication::processEvents();  // the preview of what each deletion left
    }
    ASSERT_EQ(layers->count(), 0);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    const QImage after = preview->Picture;
    EXPECT_NE(after, before);
    // What a document without layers shows: the one opened next, the deletions not kept.
    dialogs.answer = UserDialogs::No;
    DoubleClickRow(Control<QListWidget>(*form, "lv_ListFile"), 1);
    QCoreApplication::processEvents();
    ASSERT_EQ(Control<QLabel>(*form, "sb_Name")->text(), "002 pusty.vkz");
    EXPECT_EQ(after, preview->Picture);
}

TEST_F(LookTest, OpeningAnotherDocumentClearsTheNoteAboutThePreviousOne)
{
    putDocument("001 A.vkz", snowmanLayers(2));
    putDocument("002 B.vkz", snowmanLayers(3));
    auto form = shown();
    QLabel *note = Control<QLabel>(*form, "sb_Funk_Panel0");
    ButtonOf(*form, ControlTag::ExportPng)->click();  // export: a note about 001 A
    ASSERT_FALSE(note->text().isEmpty());
    DoubleClickRow(Control<QListWidget>(*form, "lv_ListFile"), 1);
    ASSERT_EQ(Control<QLabel>(*form, "sb_Name")->text(), "002 B.vkz");
    EXPECT_EQ(note->text(), "");
}

TEST_F(LookTest, TheChosenDocumentsHighlightFramesItsThumbnailAndNothingBeside)
{
    putDocument("001 A.vkz", snowmanLayers(2));
    putDocument("002 B.vkz", snowmanLayers(3));
    auto form = shown();
    QListWidget *list = Control<QListWidget>(*form, "lv_ListFile");
    list->setCurrentRow(1);
    const QImage plain = rendered(list->viewport());
    list->setCurrentRow(0);
    const QImage chosen = rendered(list->viewport());
    const QRect item = list->visualItemRect(list->item(0));
    const QRect box = changedBox(chosen, plain, QRect(0, item.top(), plain.width(), item.height()));
    ASSERT_FALSE(box.isEmpty());
    EXPECT_LE(box.width(), 64 + 2 * 5);  // the thumbnail and a thin frame
    EXPECT_GE(box.width(), 64);
}

TEST(BookLinks, AFollowedLinkAndOneThePointerLeftLookLikeTheOthersAgain)
{
    widgetApp();
    QTemporaryDir dir;
    const QString page = dir.path() + "/000.xml";
    QFile f(page);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<?xml version=\"1.0\" encoding=\"windows-1250\"?>\n<book>\n<p><link tag=\"100\">Start of the book</link>"
            "<t> and </t><link tag=\"110\">Files</link></p>\n<p><t>plain text under the links</t></p>\n</book>\n");
    f.close();
    BookPane pane(IndexStyleSheet(), BookPane::PageStyles::Ignore);
    pane.resize(400, 200);
    pane.loadPage(page);
    pane.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pane));
    const int at = pane.linkPosition(0);
    ASSERT_GE(at, 0);
    QTextCursor c(pane.document());
    c.setPosition(at + 2);
    const QPoint onLink = pane.cursorRect(c).center();
    auto colourOfLink = [&] {
        QTextCursor probe(pane.document());
        probe.setPosition(at + 3);
        return probe.charFormat().foreground().color();
    };
    const QColor normal = colourOfLink();
    ASSERT_NE(normal, HoverLinkColor);
    QTest::mouseMove(pane.viewport(), onLink);
    ASSERT_EQ(colourOfLink(), HoverLinkColor);
    QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, onLink);
    EXPECT_EQ(colourOfLink(), normal) << "after the click";

    QTest::mouseMove(pane.viewport(), QPoint(390, 190));
    QTest::mouseMove(pane.viewport(), onLink + QPoint(1, 0));
    ASSERT_EQ(colourOfLink(), HoverLinkColor);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(pane.viewport(), &leave);
    EXPECT_EQ(colourOfLink(), normal) << "after the pointer left the pane";
}
