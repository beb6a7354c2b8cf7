// What the window shows of the copies of unsaved changes: a recovered document, and typing on the
// developers' text page; the copies themselves are tested on the document shelf.
#include "../files/recoverycopies.h"
#include "appfixture.h"
#include "controls.h"

#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>

namespace {
class RecoveryTest : public WithRecoveryCopies<ProgramFolderTest> {
public:
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
        EXPECT_EQ(Control<QLabel>(*form, "sb_Funk_Panel0")->text(), "Obraz piktogramu jest zmodyfikowany") << c.what;
        EXPECT_EQ(Control<QLabel>(*form, "sb_Name")->text(), QString::fromUtf8(c.name) + " — zmieniony") << c.what;
        EXPECT_EQ(Control<QListWidget>(*form, "lv_Layers")->count(), 5) << c.what;
        EXPECT_EQ(Control<QListWidget>(*form, "lv_ListFile")->currentRow(), c.row) << c.what;
        EXPECT_TRUE(dialogs.errors.empty()) << c.what;
    }
}

TEST_F(RecoveryTest, TypingOnTheDevelopersTextPageIsAnEditThatIsCopiedToo)
{
    putTwo();
    QFile(folder("Work") + "A.txt").open(QIODevice::WriteOnly);
    auto form = start();
    form->show();
    QTest::mouseClick(Control<ImageControl>(*form, "i_Projekt"), Qt::LeftButton);
    Control<QTabBar>(*form, "pc_Tabs")->setCurrentIndex(1);
    Control<QPlainTextEdit>(*form, "rve_Items")->moveCursor(QTextCursor::End);
    QTest::keyClick(Control<QPlainTextEdit>(*form, "rve_Items"), Qt::Key_X);
    settle();
    ASSERT_TRUE(hasCopy("001 A.vkz"));
    EXPECT_EQ(copyLines("001 A.vkz"), shelf().Session().rve_Items.Lines());
    EXPECT_EQ(copyLines("001 A.vkz").back(), "x");
}
