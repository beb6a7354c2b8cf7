// New, save, save as, the save question and the export, driven through the main window.
#include "appfixture.h"

#include <QTest>

namespace {
class FilesTest : public ProgramFolderTest {
public:
    QByteArray fileBytes(const QString &name) const
    {
        QFile f(folder("Result") + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    /// Starts with "001 A.vkz" (2 layers, open) and "002 B.vkz" (3 layers).
    std::unique_ptr<T_Form> startWithTwo()
    {
        putDocument("001 A.vkz", snowmanLayers(2));
        putDocument("002 B.vkz", snowmanLayers(3));
        return start();
    }
    /// One recorded edit: layer 0 takes the colour FF123456.
    static void modify(T_Form &form)
    {
        form.doc().TCurveStruct[0].Color = 0xFF123456;
        form.session.StoreChange(StoreModify, 0);
    }
};
}

TEST_F(FilesTest, NewStartsTheEmptyDocumentOrTheExampleInMemoryOnly)
{
    auto form = startWithTwo();
    const QStringList listed = form->lb_ListFile.Items;
    names.newName = "000 Nowy.vkz";
    form->ButtonByTag(110)->click();
    EXPECT_EQ(form->doc().CFName, "000 Nowy.vkz");
    EXPECT_EQ(form->doc().Dimension, 1);
    EXPECT_EQ(form->doc().TCurveStruct[0].TypeC, KindBackground);
    EXPECT_FALSE(form->doc().RModif);
    EXPECT_EQ(form->lv_Layers->count(), 1);
    EXPECT_EQ(form->sb_Panel->text(), "");
    EXPECT_EQ(form->lb_ListFile.Items, listed);
    EXPECT_EQ(form->lb_ListFile.ItemIndex, 0);  // still the document open before
    EXPECT_FALSE(QFile::exists(folder("Result") + "000 Nowy.vkz"));

    names.newName = "999 Bałwanek.vkz";
    names.example = true;
    form->ButtonByTag(110)->click();
    EXPECT_EQ(form->doc().CFName, "999 Bałwanek.vkz");
    EXPECT_EQ(form->doc().Dimension, 8);
    EXPECT_EQ(form->session.rve_Items.Lines(), ExampleDocumentTemplate());
    EXPECT_EQ(form->lv_Layers->count(), 8);
    EXPECT_EQ(form->lv_Layers->currentRow(), 0);  // the current layer, 7, is the top one

    form->show();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(dialogs.questions, 0);
    EXPECT_FALSE(QFile::exists(folder("Result") + "999 Bałwanek.vkz"));
}

TEST_F(FilesTest, NoThenCancellingTheNameKeepsTheOldDocumentWithItsChangesNoLongerCounted)
{
    auto form = startWithTwo();
    modify(*form);
    dialogs.answer = UserDialogs::No;
    names.newName.clear();
    form->b_NewPictoClick();
    EXPECT_EQ(form->doc().CFName, "001 A.vkz");
    EXPECT_EQ(form->doc().TCurveStruct[0].Color, 0xFF123456u);
    EXPECT_FALSE(form->doc().RModif);
    form->show();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(dialogs.questions, 1);
}

TEST_F(FilesTest, SaveWritesTheDocumentAndItsThumbnailAndMakesItTheOpenEntry)
{
    auto form = startWithTwo();
    modify(*form);
    EXPECT_EQ(form->sb_Panel->text(), "Obraz piktogramu jest zmodyfikowany");
    form->ButtonByTag(112)->click();
    EXPECT_EQ(names.asked, 0);
    EXPECT_FALSE(form->doc().RModif);
    EXPECT_EQ(form->sb_Panel->text(), "Obraz piktogramu został zapisany");
    EXPECT_TRUE(fileBytes("001 A.vkz").contains("$FF123456"));
    EXPECT_EQ(QImage(folder("Result") + "001 A.bmp").size(), QSize(64, 64));
    // The column shows the new thumbnail (rounded corners in the panel colour), not the placeholder.
    const QImage shown = form->lv_ListFile->item(0)->icon().pixmap(64, 64).toImage();
    EXPECT_EQ(shown.pixel(0, 0) & 0xFFFFFF, qRgb(241, 241, 241) & 0xFFFFFF);
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(FilesTest, SaveAsOverAnotherDocumentReplacesItAndItsThumbnail)
{
    auto form = startWithTwo();
    QImage old(64, 64, QImage::Format_RGB32);
    old.fill(Qt::red);
    old.save(folder("Result") + "002 B.bmp", "BMP");
    modify(*form);
    names.saveName = "002 B.vkz";
    form->ButtonByTag(113)->click();
    EXPECT_EQ(names.asked, 1);
    EXPECT_EQ(form->doc().CFName, "002 B.vkz");
    EXPECT_EQ(form->lb_ListFile.Items, QStringList({"001 A.vkz", "002 B.vkz"}));
    EXPECT_EQ(form->lb_ListFile.ItemIndex, 1);
    EXPECT_EQ(fileBytes("002 B.vkz"), QByteArray::fromStdString(form->session.rve_Items.Text()));
    EXPECT_FALSE(fileBytes("001 A.vkz").contains("$FF123456"));
    EXPECT_NE(QImage(folder("Result") + "002 B.bmp").pixel(32, 32), qRgb(255, 0, 0));
    // Cancelling the name writes nothing; with no document there is no dialog at all.
    names.saveName.clear();
    EXPECT_FALSE(form->b_SavePictoClick(113));
    EXPECT_EQ(form->doc().CFName, "002 B.vkz");
}

TEST_F(FilesTest, SaveWithNoDocumentDoesNothing)
{
    auto form = start();
    for (int tag : {112, 113})
        EXPECT_FALSE(form->b_SavePictoClick(tag));
    EXPECT_EQ(names.asked, 0);
    EXPECT_TRUE(QDir(folder("Result")).entryList(QDir::Files).isEmpty());
}

TEST_F(FilesTest, TheSaveQuestionFromEveryCaller)
{
    struct Caller {
        const char *what;
        std::function<void(T_Form &)> act;
        std::function<bool(T_Form &)> proceeded;
    } callers[] = {
        {"closing", [](T_Form &f) { f.close(); }, [](T_Form &f) { return !f.isVisible(); }},
        {"New", [](T_Form &f) { f.ButtonByTag(110)->click(); }, [](T_Form &f) { return f.doc().CFName == "Nowy.vkz"; }},
        {"double-click",
         [](T_Form &f) {
             f.lv_ListFile->setCurrentRow(1);
             f.lv_ListFileDblClick();
         },
         [](T_Form &f) { return f.doc().CFName == "002 B.vkz" && f.lb_ListFile.ItemIndex == 1; }},
    };
    for (const Caller &c : callers)
        for (UserDialogs::Answer answer : {UserDialogs::Cancel, UserDialogs::No, UserDialogs::Yes}) {
            const std::string what = std::string(c.what) + " answer " + std::to_string(answer);
            QDir(folder("Result")).removeRecursively();
            SetUp();
            auto form = startWithTwo();
            const QByteArray before = fileBytes("001 A.vkz");
            form->show();
            modify(*form);
            dialogs = RecordingDialogs();
            dialogs.answer = answer;
            names.newName = "Nowy.vkz";
            c.act(*form);
            EXPECT_EQ(dialogs.questions, 1) << what;
            EXPECT_EQ(c.proceeded(*form), answer != UserDialogs::Cancel) << what;
            EXPECT_EQ(fileBytes("001 A.vkz") == before, answer != UserDialogs::Yes) << what;
            EXPECT_EQ(QFile::exists(folder("Result") + "001 A.bmp"), answer == UserDialogs::Yes) << what;
            if (answer == UserDialogs::Cancel) {
                EXPECT_TRUE(form->doc().RModif) << what;
                EXPECT_EQ(form->doc().CFName, "001 A.vkz") << what;
                EXPECT_EQ(form->lb_ListFile.ItemIndex, 0) << what;
            }
            EXPECT_TRUE(dialogs.errors.empty()) << what;
        }
}

TEST_F(FilesTest, AFailedWriteKeepsTheChangesTheOldFileAndSaysWhy)
{
    auto form = startWithTwo();
    const QByteArray before = fileBytes("001 A.vkz");
    modify(*form);
    // A folder where the temporary file would go: the write fails even for the superuser.
    QDir(folder("Result")).mkdir("001 A.vkz.zapis~");
    EXPECT_FALSE(form->b_SavePictoClick(112));
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_TRUE(dialogs.errors[0].startsWith("Nie można stworzyć pliku")) << dialogs.errors[0].toStdString();
    EXPECT_TRUE(dialogs.errors[0].contains("001 A.vkz")) << dialogs.errors[0].toStdString();
    EXPECT_TRUE(form->doc().RModif);
    EXPECT_EQ(form->sb_Panel->text(), "Obraz piktogramu jest zmodyfikowany");
    EXPECT_EQ(fileBytes("001 A.vkz"), before);

    // Tak to the save question on closing: the save fails, so the window stays open.
    form->show();
    dialogs.answer = UserDialogs::Yes;
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(dialogs.errors.size(), 2u);

    // Save As under a name whose failure would change the name: the old name stays.
    names.saveName = "001 A.vkz";
    EXPECT_FALSE(form->b_SavePictoClick(113));
    EXPECT_EQ(form->doc().CFName, "001 A.vkz");
}

TEST_F(FilesTest, AThumbnailOrPictureThatCannotBeWrittenIsReported)
{
    auto form = startWithTwo();
    modify(*form);
    QDir(folder("Result")).mkdir("003 C.bmp");
    QDir(folder("Result")).mkdir("003 C.png");
    names.saveName = "003 C.vkz";
    EXPECT_TRUE(form->b_SavePictoClick(113));
    EXPECT_TRUE(QFile::exists(folder("Result") + "003 C.vkz"));
    EXPECT_FALSE(form->doc().RModif);
    EXPECT_EQ(form->lb_ListFile.ItemIndex, 2);
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_TRUE(dialogs.errors[0].contains("003 C.bmp")) << dialogs.errors[0].toStdString();
    EXPECT_EQ(form->sb_Panel->text(), "");

    form->ButtonByTag(114)->click();
    ASSERT_EQ(dialogs.errors.size(), 2u);
    EXPECT_TRUE(dialogs.errors[1].contains("003 C.png")) << dialogs.errors[1].toStdString();
    EXPECT_EQ(form->sb_Panel->text(), "");
    EXPECT_TRUE(openedFolders.isEmpty());
}

TEST_F(FilesTest, ExportWritesThePictureAndShowsTheFolder)
{
    auto form = startWithTwo();
    form->ButtonByTag(114)->click();
    EXPECT_EQ(QImage(folder("Result") + "001 A.png").size(), QSize(512, 512));
    EXPECT_EQ(form->sb_Panel->text(), QStringLiteral("Obraz piktogramu został zapisany jako png „001 A.png” w folderze ")
                                          + QDir::toNativeSeparators(QDir::cleanPath(folder("Result"))));
    EXPECT_EQ(openedFolders, QStringList({folder("Result")}));
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(FilesTest, KeyboardShortcutsReachTheFileButtons)
{
    auto form = startWithTwo();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(form->sb_Panel->text(), "Obraz piktogramu został zapisany");
    QTest::keyClick(form.get(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(openedFolders.size(), 1);
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(names.asked, 1);
    names.newName = "Nowy.vkz";
    QTest::keyClick(form.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(form->doc().CFName, "Nowy.vkz");
}
