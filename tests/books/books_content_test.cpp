// The books as the build lays them out in the program folder: every page loads and every link of
// every page leads to a page that loads.

#include "books/bookwindows.h"

#include "bookfixture.h"

#include <QDirIterator>

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
