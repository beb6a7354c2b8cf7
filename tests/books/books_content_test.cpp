// The books as the build lays them out in the program folder: every page loads, every link of
// every page leads to a page that loads, the index names every page, and the help's shortcut page
// lists every key of the main window.

#include "books/bookwindows.h"

#include "../app/appfixture.h"
#include "bookfixture.h"

#include <QAction>
#include <QDirIterator>
#include <QShortcut>
#include <QTextBlock>

#include <gtest/gtest.h>

#include <set>

namespace {

void followEveryLink(BookWindow &book, const char *name)
{
    SCOPED_TRACE(name);
    std::set<QString> seen{QStringLiteral("100")};
    std::vector<QString> toVisit;
    for (BookPane *pane : {book.indexPane(), book.textPane()})
        for (int id = 0; id < pane->linkCount(); ++id)
            toVisit.push_back(pane->linkTag(id));
    while (!toVisit.empty()) {
        const QString tag = toVisit.back();
        toVisit.pop_back();
        if (!seen.insert(tag).second)
            continue;
        ASSERT_TRUE(book.showPage(tag)) << tag.toStdString();
        EXPECT_FALSE(book.textPane()->document()->isEmpty()) << tag.toStdString();
        for (int id = 0; id < book.textPane()->linkCount(); ++id)
            toVisit.push_back(book.textPane()->linkTag(id));
    }
    // Every page of the folder can be reached.
    QDirIterator pages(book.bookFolder(), {QStringLiteral("*.xml")});
    while (pages.hasNext()) {
        const QString page = QFileInfo(pages.next()).completeBaseName();
        if (page != u"000") {
            EXPECT_TRUE(seen.count(page)) << "no link to " << page.toStdString();
        }
    }
}

/// The text of link id of a pane, all its fragments together.
QString linkText(const BookPane &pane, int id)
{
    const QString href = QString::number(id);
    QString text;
    for (QTextBlock b = pane.document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorHref() == href)
                text += it.fragment().text();
    return text;
}

/// Page names of the book folder, the index page left out.
std::set<QString> pagesOf(const BookWindow &book)
{
    std::set<QString> pages;
    QDirIterator it(book.bookFolder(), {QStringLiteral("*.xml")});
    while (it.hasNext())
        if (const QString page = QFileInfo(it.next()).completeBaseName(); page != u"000")
            pages.insert(page);
    return pages;
}

} // namespace

TEST(BookContent, EveryLinkOfBothBooksLeadsToAPage)
{
    QStringList errors;
    const ErrorReporter report = [&](const QString &m) { errors << m; };
    T_Help help(QStringLiteral(MERISKO_PROGRAM_DIR), report);
    T_SnowMen snowMen(QStringLiteral(MERISKO_PROGRAM_DIR), report);
    EXPECT_GT(help.indexPane()->linkCount(), 0);
    EXPECT_GT(snowMen.indexPane()->linkCount(), 0);
    followEveryLink(help, "Help");
    followEveryLink(snowMen, "SnowMen");
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}

TEST(BookContent, TheIndexNamesEveryPageOfItsBook)
{
    QStringList errors;
    const ErrorReporter report = [&](const QString &m) { errors << m; };
    T_Help help(QStringLiteral(MERISKO_PROGRAM_DIR), report);
    T_SnowMen snowMen(QStringLiteral(MERISKO_PROGRAM_DIR), report);
    for (BookWindow *book : std::initializer_list<BookWindow *>{&help, &snowMen}) {
        SCOPED_TRACE(book->bookFolder().toStdString());
        std::set<QString> indexed;
        for (int id = 0; id < book->indexPane()->linkCount(); ++id) {
            const QString tag = book->indexPane()->linkTag(id);
            const QString text = linkText(*book->indexPane(), id);
            indexed.insert(tag);
            EXPECT_TRUE(book->showPage(tag)) << tag.toStdString();
            // A bare step number does not say what the step draws.
            EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\\p{L}"))))
                << "link to " << tag.toStdString() << " reads \"" << text.toStdString() << '"';
        }
        for (const QString &page : pagesOf(*book))
            EXPECT_TRUE(indexed.count(page)) << "the index has no link to " << page.toStdString();
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}

class ShortcutPage : public ProgramFolderTest {};

TEST_F(ShortcutPage, ListsEveryKeyOfTheMainWindow)
{
    const std::unique_ptr<T_Form> form = start();
    QStringList keys;
    for (const QShortcut *s : form->findChildren<QShortcut *>())
        keys << s->key().toString(QKeySequence::PortableText);
    for (const QAction *a : form->findChildren<QAction *>())
        for (const QKeySequence &k : a->shortcuts())
            keys << k.toString(QKeySequence::PortableText);
    keys.removeDuplicates();
    ASSERT_GE(keys.size(), 8) << keys.join(u' ').toStdString();

    QStringList errors;
    T_Help help(QStringLiteral(MERISKO_PROGRAM_DIR), [&](const QString &m) { errors << m; });
    QString shortcutPage;
    for (int id = 0; id < help.indexPane()->linkCount(); ++id)
        if (linkText(*help.indexPane(), id).contains(QStringLiteral("Skróty")))
            shortcutPage = help.indexPane()->linkTag(id);
    ASSERT_FALSE(shortcutPage.isEmpty()) << "the help's index has no link to the shortcut page";
    ASSERT_TRUE(help.showPage(shortcutPage));
    const QString text = help.textPane()->document()->toPlainText();
    for (const QString &key : keys)
        EXPECT_TRUE(text.contains(key)) << key.toStdString() << " is missing from the shortcut page";
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}
