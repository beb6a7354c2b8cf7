// What the window shows of the copies of unsaved changes: a recovered document, and typing on the
// developers' text page; the copies themselves are tested on the document shelf.
#include "appfixture.h"

#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>

namespace {
class RecoveryTest : public ProgramFolderTest {
public:
    const QDateTime longAgo = QDateTime(QDate(2026, 1, 5), QTime(9, 0));
    const QDateTime crash = QDateTime(QDate(2026, 12, 10), QTime(14, 5));

    QString copyOf(const QString &name) const { return folder("Work") + "odzysk/" + name; }
    bool hasCopy(const QString &name) const { return QFile::exists(copyOf(name)); }
    std::vector<std::string> copyLines(const QString &name) const
    {
        return LoadPictoLines(copyOf(name).toStdString());
    }
    static void dated(const QString &path, const QDateTime &when)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite | QIODevice::Append)) << path.toStdString();
        ASSERT_TRUE(f.setFileTime(when, QFileDevice::FileModificationTime));
    }
    void putCopy(const QString &name, const QByteArray &text, const QDateTime &when)
    {
        QDir().mkpath(folder("Work") + "odzysk");
        QFile f(copyOf(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        f.close();
        dated(copyOf(name), when);
    }
    /// "001 A.vkz" (2 layers) and "002 B.vkz" (3 layers), both saved long ago.
    void putTwo()
    {
        putDocument("001 A.vkz", snowmanLayers(2));
        putDocument("002 B.vkz", snowmanLayers(3));
        dated(folder("Result") + "001 A.vkz", longAgo);
        dated(folder("Result") + "002 B.vkz", longAgo);
    }
    /// Lets the window finish the turn of the event loop in which an edit was made.
    static void settle() { QCoreApplication::processEvents(); }
};
}

TEST_F(RecoveryTest, ARecoveredDocumentIsShownOpenAndModified)
{
    const struct {
        const char *what;
        const char *name;
        int row;  ///< highlighted in the document list, -1 none
    } cases[] = {{"saved before", "002 B.vkz", 1}, {"never saved", "003 C.vkz", -1}};
    for (const auto &c : cases) {
        QDir(folder("Work")).removeRecursively();
        putTwo();
        putCopy(c.name, snowmanLayers(5), crash);
        dialogs.yesNo = UserDialogs::Yes;
        auto form = start();
        EXPECT_EQ(form->sb_Panel->text(), "Obraz piktogramu jest zmodyfikowany") << c.what;
        EXPECT_EQ(form->sb_Name->text(), QString::fromUtf8(c.name) + " — zmieniony") << c.what;
        EXPECT_EQ(form->lv_Layers->count(), 5) << c.what;
        EXPECT_EQ(form->lv_ListFile->currentRow(), c.row) << c.what;
        EXPECT_TRUE(dialogs.errors.empty()) << c.what;
    }
}

TEST_F(RecoveryTest, TypingOnTheDevelopersTextPageIsAnEditThatIsCopiedToo)
{
    putTwo();
    QFile(folder("Work") + "A.txt").open(QIODevice::WriteOnly);
    auto form = start();
    form->show();
    QTest::mouseClick(form->i_Projekt, Qt::LeftButton);
    form->pc_Tabs->setCurrentIndex(1);
    form->rve_ItemsView->moveCursor(QTextCursor::End);
    QTest::keyClick(form->rve_ItemsView, Qt::Key_X);
    settle();
    ASSERT_TRUE(hasCopy("001 A.vkz"));
    EXPECT_EQ(copyLines("001 A.vkz"), form->session.rve_Items.Lines());
    EXPECT_EQ(copyLines("001 A.vkz").back(), "x");
}
