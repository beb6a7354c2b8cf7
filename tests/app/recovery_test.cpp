// Copies of the unsaved document in Work/odzysk/, driven through the main window: written after edits,
// dropped with the changes, offered at the next start.
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
    /// One stored edit, made with the mouse: the closure button on the current layer.
    static void edit(T_Form &form) { QTest::mouseClick(form.ButtonByTag(ControlTag::Closure), Qt::LeftButton); }
    /// Lets the window finish the turn of the event loop in which an edit was made.
    static void settle() { QCoreApplication::processEvents(); }
};
}

TEST_F(RecoveryTest, EveryStoredEditUndoAndRedoKeepTheCopyInStepSaveRemovesIt)
{
    putTwo();
    auto form = start();
    EXPECT_TRUE(dialogs.yesNoAsked.empty());
    edit(*form);
    settle();
    ASSERT_TRUE(hasCopy("001 A.vkz"));
    EXPECT_EQ(copyLines("001 A.vkz"), form->session.rve_Items.Lines());
    {  // the document itself is untouched
        QFile saved(folder("Result") + "001 A.vkz");
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(saved.readAll(), snowmanLayers(2));
    }

    form->ButtonByTag(ControlTag::Undo)->click();  // undone back to the document as saved: nothing to recover
    settle();
    EXPECT_FALSE(form->doc().RModif);
    EXPECT_FALSE(hasCopy("001 A.vkz"));
    form->ButtonByTag(ControlTag::Redo)->click();
    settle();
    EXPECT_EQ(copyLines("001 A.vkz"), form->session.rve_Items.Lines());

    form->ButtonByTag(ControlTag::SavePicto)->click();
    EXPECT_FALSE(hasCopy("001 A.vkz"));
    settle();
    EXPECT_FALSE(hasCopy("001 A.vkz"));
}

TEST_F(RecoveryTest, TheSaveQuestionKeepsTheCopyOnAnulujAndRemovesItOnNie)
{
    putTwo();
    auto form = start();
    form->show();
    edit(*form);
    settle();
    dialogs.answer = UserDialogs::Cancel;
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(hasCopy("001 A.vkz"));
    dialogs.answer = UserDialogs::No;
    EXPECT_TRUE(form->close());
    settle();
    EXPECT_FALSE(hasCopy("001 A.vkz"));
}

TEST_F(RecoveryTest, SaveAsRemovesTheCopyUnderTheOldName)
{
    putTwo();
    auto form = start();
    edit(*form);
    settle();
    names.saveName = "003 C.vkz";
    form->ButtonByTag(ControlTag::SavePictoAs)->click();
    settle();
    EXPECT_FALSE(hasCopy("001 A.vkz"));
    EXPECT_FALSE(hasCopy("003 C.vkz"));
}

TEST_F(RecoveryTest, AfterACrashTheNextStartOffersTheNewDocumentAndTakOpensItModified)
{
    putTwo();
    {
        auto form = start();
        names.newName = "000 Nowy.vkz";
        names.example = true;
        form->ButtonByTag(ControlTag::NewPicto)->click();
        edit(*form);
        settle();
        ASSERT_TRUE(hasCopy("000 Nowy.vkz"));
        dated(copyOf("000 Nowy.vkz"), crash);
        // The window goes without its close path, as when the program is killed.
    }
    dialogs.yesNo = UserDialogs::Yes;
    auto form = start();
    ASSERT_EQ(dialogs.yesNoAsked.size(), 1u);
    EXPECT_EQ(dialogs.yesNoAsked[0],
              "Znaleziono niezapisane zmiany piktogramu „000 Nowy.vkz” z 10.12.2026 14:05. Przywrócić je?");
    EXPECT_EQ(form->doc().CFName, "000 Nowy.vkz");
    EXPECT_EQ(form->doc().Dimension, 8);
    EXPECT_TRUE(form->doc().RModif);
    EXPECT_EQ(form->sb_Panel->text(), "Obraz piktogramu jest zmodyfikowany");
    EXPECT_EQ(form->lv_Layers->count(), 8);
    EXPECT_EQ(form->lb_ListFile.ItemIndex, -1);  // never saved: not in the list
    EXPECT_FALSE(QFile::exists(folder("Result") + "000 Nowy.vkz"));
    EXPECT_TRUE(hasCopy("000 Nowy.vkz"));  // still protected until saved or dropped
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(RecoveryTest, TakOpensTheSavedDocumentWithTheChangesOneUndoAwayAndKeepsTheOtherCopies)
{
    putTwo();
    putCopy("002 B.vkz", snowmanLayers(5), crash);
    putCopy("003 C.vkz", snowmanLayers(4), crash);  // never saved
    dialogs.yesNo = UserDialogs::Yes;
    auto form = start();
    ASSERT_EQ(dialogs.yesNoAsked.size(), 1u);
    EXPECT_TRUE(dialogs.yesNoAsked[0].contains("„002 B.vkz”"));
    EXPECT_EQ(form->doc().CFName, "002 B.vkz");
    EXPECT_EQ(form->doc().Dimension, 5);
    EXPECT_TRUE(form->doc().RModif);
    EXPECT_EQ(form->lb_ListFile.ItemIndex, 1);
    EXPECT_EQ(form->lv_ListFile->currentRow(), 1);
    EXPECT_TRUE(hasCopy("003 C.vkz"));

    form->ButtonByTag(ControlTag::Undo)->click();
    EXPECT_EQ(form->doc().Dimension, 3);  // the document as saved
    EXPECT_FALSE(form->doc().RModif);
    form->ButtonByTag(ControlTag::Redo)->click();
    EXPECT_EQ(form->doc().Dimension, 5);
    form->ButtonByTag(ControlTag::SavePicto)->click();
    QFile saved(folder("Result") + "002 B.vkz");
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), snowmanLayers(5));
    EXPECT_FALSE(hasCopy("002 B.vkz"));
}

TEST_F(RecoveryTest, NieDeletesEachCopyAndAStaleOneGoesWithoutAQuestion)
{
    putTwo();
    putCopy("001 A.vkz", snowmanLayers(1), longAgo.addSecs(-60));  // older than its document
    putCopy("002 B.vkz", snowmanLayers(5), crash);
    putCopy("003 C.vkz", snowmanLayers(4), crash);
    dialogs.yesNo = UserDialogs::No;
    auto form = start();
    ASSERT_EQ(dialogs.yesNoAsked.size(), 2u);
    EXPECT_TRUE(dialogs.yesNoAsked[0].contains("„002 B.vkz”"));
    EXPECT_TRUE(dialogs.yesNoAsked[1].contains("„003 C.vkz”"));
    for (const char *name : {"001 A.vkz", "002 B.vkz", "003 C.vkz"})
        EXPECT_FALSE(hasCopy(name)) << name;
    EXPECT_EQ(form->doc().CFName, "001 A.vkz");
    EXPECT_EQ(form->doc().Dimension, 2);
    EXPECT_FALSE(form->doc().RModif);
}

TEST_F(RecoveryTest, ADamagedCopyIsReportedKeptAsideAndTheDocumentOpensAsSaved)
{
    putTwo();
    QByteArray cut = snowmanLayers(5);
    cut.chop(30);
    putCopy("001 A.vkz", cut, crash);
    auto form = start();
    EXPECT_TRUE(dialogs.yesNoAsked.empty());
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_TRUE(dialogs.errors[0].startsWith(
        "Niezapisane zmiany piktogramu „001 A.vkz” są uszkodzone i nie zostaną przywrócone. "
        "Plik odłożono jako „001 A.vkz.uszkodzony”"))
        << dialogs.errors[0].toStdString();
    EXPECT_FALSE(hasCopy("001 A.vkz"));
    EXPECT_TRUE(hasCopy("001 A.vkz.uszkodzony"));
    EXPECT_EQ(form->doc().CFName, "001 A.vkz");
    EXPECT_EQ(form->doc().Dimension, 2);
    EXPECT_FALSE(form->doc().RModif);

    form.reset();
    dialogs.errors.clear();
    form = start();
    EXPECT_TRUE(dialogs.errors.empty());  // reported once: never looked at again
    EXPECT_TRUE(dialogs.yesNoAsked.empty());
}

TEST_F(RecoveryTest, ACopyThatCannotBeWrittenIsReportedOnceAndTheEditStays)
{
    putTwo();
    {
        QFile blocker(folder("Work") + "odzysk");  // a file where the folder should be
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    auto form = start();
    edit(*form);
    settle();
    edit(*form);
    settle();
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_TRUE(dialogs.errors[0].startsWith("Nie można zapisać kopii niezapisanych zmian"));
    EXPECT_TRUE(form->doc().RModif);
    EXPECT_EQ(form->sb_Panel->text(), "Obraz piktogramu jest zmodyfikowany");
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
