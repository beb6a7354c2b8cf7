#include "books/bookwindows.h"

#include "bookfixture.h"

#include <QAction>
#include <QClipboard>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include <gtest/gtest.h>

namespace {

/// A small help book: the index links to 110 and to a page that does not exist; 100 links to 120.
class HelpBook : public ::testing::Test {
protected:
    HelpBook()
    {
        folder.page(QStringLiteral("Help/000.xml"),
                    QStringLiteral("<p><link tag=\"110\">Pliki</link> <link tag=\"999\">Brak</link></p>"));
        folder.page(QStringLiteral("Help/100.xml"),
                    QStringLiteral("<p style=\"1\"><t style=\"1\">Witaj</t></p><p>Zobacz <link tag=\"120\">tryby</link>.</p>"));
        folder.page(QStringLiteral("Help/110.xml"), QStringLiteral("<p>Strona o plikach</p>"));
        folder.page(QStringLiteral("Help/120.xml"), QStringLiteral("<p>Strona o trybach</p>"));
    }

    static QString shownText(const BookPane *pane) { return pane->document()->toPlainText(); }

    /// The middle of the first letter of link id, in the pane's viewport.
    static QPoint linkPoint(BookPane *pane, int id)
    {
        QTextCursor c(pane->document());
        c.setPosition(pane->linkPosition(id) + 1);
        const QRect r = pane->cursorRect(c);
        return {r.left() - 3, r.center().y()};
    }

    static void clickLink(BookPane *pane, int id)
    {
        QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, linkPoint(pane, id));
    }

    static QColor linkColour(BookPane *pane, int id)
    {
        QTextCursor c(pane->document());
        c.setPosition(pane->linkPosition(id) + 1);
        return c.charFormat().foreground().color();
    }

    BookFolder folder;
    QStringList errors;
    ErrorReporter report = [this](const QString &message) { errors << message; };
};

} // namespace

TEST_F(HelpBook, OpensWithIndexAndFirstPage)
{
    T_Help help(folder.programFolder(), report);
    EXPECT_FALSE(help.isVisible());
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Pomoc programu Merisko®"));
    EXPECT_EQ(help.size(), QSize(592, 568));
    EXPECT_EQ(help.indexPane()->height(), 96);
    EXPECT_EQ(shownText(help.indexPane()), QStringLiteral("Pliki Brak"));
    EXPECT_EQ(shownText(help.textPane()), QStringLiteral("Witaj\nZobacz tryby."));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}

TEST_F(HelpBook, LinksOfBothPanesReplaceTheTextPage)
{
    T_Help help(folder.programFolder(), report);
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));

    clickLink(help.textPane(), 0);
    EXPECT_EQ(shownText(help.textPane()), QStringLiteral("Strona o trybach"));
    clickLink(help.indexPane(), 0);
    EXPECT_EQ(shownText(help.textPane()), QStringLiteral("Strona o plikach"));
    EXPECT_EQ(shownText(help.indexPane()), QStringLiteral("Pliki Brak"));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}

TEST_F(HelpBook, LinkUnderThePointerIsRed)
{
    T_Help help(folder.programFolder(), report);
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    BookPane *index = help.indexPane();
    QTest::mouseMove(index->viewport(), linkPoint(index, 1));
    EXPECT_EQ(linkColour(index, 1), QColor(Qt::red));
    EXPECT_EQ(linkColour(index, 0), QColor(Qt::blue));
    QTest::mouseMove(index->viewport(), linkPoint(index, 0));
    EXPECT_EQ(linkColour(index, 0), QColor(Qt::red));
    EXPECT_EQ(linkColour(index, 1), QColor(Qt::blue));
}

TEST_F(HelpBook, MissingPageIsReportedAndThePageStays)
{
    T_Help help(folder.programFolder(), report);
    help.Pomoc_RV_IndeksJump(1);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], QStringLiteral("Nie można otworzyć pliku \"%1\". Nie znaleziono pliku lub folderu.")
                             .arg(folder.path(QStringLiteral("Help/999.xml"))));
    EXPECT_EQ(shownText(help.textPane()), QStringLiteral("Witaj\nZobacz tryby."));
    EXPECT_EQ(help.textPane()->linkTag(0), QStringLiteral("120"));
}

TEST_F(HelpBook, MissingStartPagesLeaveEmptyPanes)
{
    QFile::remove(folder.path(QStringLiteral("Help/000.xml")));
    QFile::remove(folder.path(QStringLiteral("Help/100.xml")));
    T_Help help(folder.programFolder(), report);
    EXPECT_EQ(errors.size(), 2);
    EXPECT_TRUE(shownText(help.indexPane()).isEmpty());
    EXPECT_TRUE(shownText(help.textPane()).isEmpty());
}

TEST_F(HelpBook, ContextMenuActsOnTheTextPane)
{
    T_Help help(folder.programFolder(), report);
    EXPECT_EQ(help.copyAction()->text(), QStringLiteral("&Kopiuj"));
    EXPECT_EQ(help.copyAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
    EXPECT_EQ(help.selectAllAction()->text(), QStringLiteral("Zaznacz &wszystko"));
    EXPECT_EQ(help.selectAllAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));

    help.selectAllAction()->trigger();
    EXPECT_EQ(help.textPane()->textCursor().selectedText(), QStringLiteral("Witaj\u2029Zobacz tryby."));
    EXPECT_FALSE(help.indexPane()->textCursor().hasSelection());
    help.copyAction()->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Witaj\nZobacz tryby."));
}

TEST_F(HelpBook, CloseHidesAndTellsTheMainWindow)
{
    T_Help help(folder.programFolder(), report);
    help.show();
    QSignalSpy closed(&help, &BookWindow::closed);
    help.findChild<QPushButton *>(QStringLiteral("Pomoc_SB"))->click();
    EXPECT_FALSE(help.isVisible());
    EXPECT_EQ(closed.count(), 1);
    help.show();
    help.close();  // as the window system closes it
    EXPECT_EQ(closed.count(), 2);
    help.show();
    EXPECT_EQ(shownText(help.textPane()), QStringLiteral("Witaj\nZobacz tryby."));
}

TEST(SnowMenBook, CaptionSizeAndFolder)
{
    BookFolder folder;
    folder.page(QStringLiteral("SnowMen/000.xml"), QStringLiteral("<p><link tag=\"101\">Krok 1</link></p>"));
    folder.page(QStringLiteral("SnowMen/100.xml"), QStringLiteral("<p>Bałwanek</p>"));
    QStringList errors;
    T_SnowMen snowMen(folder.programFolder(), [&](const QString &m) { errors << m; });
    EXPECT_EQ(snowMen.windowTitle(), QStringLiteral("Jak narysować Bałwanka?"));
    EXPECT_EQ(snowMen.size(), QSize(592, 909));
    EXPECT_EQ(snowMen.indexPane()->height(), 34);
    EXPECT_EQ(snowMen.bookFolder(), folder.path(QStringLiteral("SnowMen/")));
    EXPECT_EQ(snowMen.textPane()->document()->toPlainText(), QStringLiteral("Bałwanek"));
    EXPECT_TRUE(errors.isEmpty());
}
