// What the window shows of new, open, save, save as, delete and export; the flows themselves are
// tested on the document shelf.
#include "../dialogs/dialogdriver.h"
#include "appfixture.h"
#include "controls.h"

#include <QTest>

#include <functional>
#include <vector>

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
    void modify(T_Form &)
    {
        shelf().Doc().TCurveStruct[0].Color = 0xFF123456;
        shelf().Session().StoreChange(StoreModify, 0);
    }
    /// Starts with the window's own name dialogs, driven by DialogDriver.
    std::unique_ptr<T_Form> startWithRealNames() { return start(nullptr); }
    static NameDialogBase *nameDialog(T_Form &form, const char *objectName)
    {
        return static_cast<NameDialogBase *>(form.findChild<QDialog *>(objectName));
    }
    /// The row highlighted in the document list, -1 when none.
    static int highlighted(const T_Form &form)
    {
        const QListWidget *list = Control<QListWidget>(form, "lv_ListFile");
        const QList<QListWidgetItem *> items = list->selectedItems();
        return items.size() == 1 ? list->row(items[0]) : -1;
    }
};
}

TEST_F(FilesTest, NewShowsTheNewDocumentWithNoEntryOfTheList)
{
    auto form = startWithTwo();
    names.newName = "000 Nowy.vkz";
    ButtonOf(*form, ControlTag::NewPicto)->click();
    EXPECT_EQ(Control<QListWidget>(*form, "lv_Layers")->count(), 1);
    EXPECT_EQ(Control<QLabel>(*form, "sb_Funk_Panel0")->text(), "");
    EXPECT_EQ(Control<QLabel>(*form, "sb_Name")->text(), "000 Nowy.vkz");
    EXPECT_TRUE(Control<QListWidget>(*form, "lv_ListFile")->selectedItems().isEmpty());

    names.newName = "999 Bałwanek.vkz";
    names.example = true;
    ButtonOf(*form, ControlTag::NewPicto)->click();
    EXPECT_EQ(Control<QListWidget>(*form, "lv_Layers")->count(), 8);
    EXPECT_EQ(Control<QListWidget>(*form, "lv_Layers")->currentRow(), 0);  // the current layer, 7, is the top one
    form->show();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(dialogs.questions, 0);
}

TEST_F(FilesTest, SaveShowsItsNoteAndTheNewThumbnail)
{
    auto form = startWithTwo();
    modify(*form);
    EXPECT_EQ(Control<QLabel>(*form, "sb_Funk_Panel0")->text(), "Obraz piktogramu jest zmodyfikowany");
    ButtonOf(*form, ControlTag::SavePicto)->click();
    EXPECT_EQ(Control<QLabel>(*form, "sb_Funk_Panel0")->text(), "Obraz piktogramu został zapisany: „001 A.vkz”");
    // The column shows the new thumbnail (rounded corners in the panel colour), not the placeholder.
    const QImage shown = Control<QListWidget>(*form, "lv_ListFile")->item(0)->icon().pixmap(64, 64).toImage();
    EXPECT_EQ(shown.pixel(0, 0) & 0xFFFFFF, qRgb(241, 241, 241) & 0xFFFFFF);
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(FilesTest, ClosingAsksTheSaveQuestionAndAnulujKeepsTheWindow)
{
    for (UserDialogs::Answer answer : {UserDialogs::Cancel, UserDialogs::No, UserDialogs::Yes}) {
        auto form = startWithTwo();
        form->show();
        modify(*form);
        dialogs = RecordingDialogs();
        dialogs.answer = answer;
        EXPECT_EQ(form->close(), answer != UserDialogs::Cancel) << answer;
        EXPECT_EQ(form->isVisible(), answer == UserDialogs::Cancel) << answer;
        EXPECT_EQ(dialogs.questions, 1) << answer;
    }
}

TEST_F(FilesTest, ExportShowsTheFolderOnlyWhenThePictureWasWritten)
{
    auto form = startWithTwo();
    ButtonOf(*form, ControlTag::ExportPng)->click();
    EXPECT_EQ(Control<QLabel>(*form, "sb_Funk_Panel0")->text(), QStringLiteral("Obraz piktogramu został zapisany jako png „001 A.png” w folderze ")
                                          + QDir::toNativeSeparators(QDir::cleanPath(folder("Result"))));
    EXPECT_EQ(openedFolders, QStringList({folder("Result")}));
    openedFolders.clear();
    QFile::remove(folder("Result") + "001 A.png");
    QDir(folder("Result")).mkdir("001 A.png");
    ButtonOf(*form, ControlTag::ExportPng)->click();
    EXPECT_EQ(Control<QLabel>(*form, "sb_Funk_Panel0")->text(), "");
    EXPECT_EQ(dialogs.errors.size(), 1u);
    EXPECT_TRUE(openedFolders.isEmpty());
}

TEST_F(FilesTest, TheOpenDocumentIsNeverOfferedForDeletion)
{
    // Names differing in letter case are two documents; an unreadable first one is not open.
    const struct {
        const char *what;
        QByteArray first;
        int openRow;  ///< -1: nothing open
    } cases[] = {
        {"letter case", snowmanLayers(2), 0},
        {"unreadable first document", "         2         0\r\n  ABC\r\n", -1},
    };
    for (const auto &c : cases) {
        QDir(folder("Result")).removeRecursively();
        SetUp();
        putDocument("Dom.vkz", c.first);
        putDocument("dom.vkz", snowmanLayers(3));
        auto form = start();
        EXPECT_EQ(highlighted(*form), c.openRow) << c.what;
        for (int row : {0, 1}) {
            OpenRowMenu(Control<QListWidget>(*form, "lv_ListFile"), row);
            EXPECT_EQ(Control<QAction>(*form, "usupiktogram1")->isEnabled(), row != c.openRow) << c.what << " " << row;
        }
        // Deleting the other one opens the first that is left, and highlights it.
        dialogs.yesNo = UserDialogs::Yes;
        DeleteRowFromMenu(Control<QListWidget>(*form, "lv_ListFile"), c.openRow == 0 ? 1 : 0);
        EXPECT_EQ(shelf().Names().size(), 1) << c.what;
        EXPECT_EQ(highlighted(*form), 0) << c.what;
    }
}

TEST_F(FilesTest, KeyboardShortcutsReachTheFileButtons)
{
    auto form = startWithTwo();
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(Control<QLabel>(*form, "sb_Funk_Panel0")->text(), "Obraz piktogramu został zapisany: „001 A.vkz”");
    QTest::keyClick(form.get(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(openedFolders.size(), 1);
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(names.asked, 1);
    names.newName = "Nowy.vkz";
    QTest::keyClick(form.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(shelf().Doc().CFName, "Nowy.vkz");
}


TEST_F(FilesTest, NieToReplacingReturnsToTheNameDialogWithTheNameSelected)
{
    putDocument("001 A.vkz", snowmanLayers(2));
    putDocument("002 B.vkz", snowmanLayers(3));
    auto form = startWithRealNames();
    NameDialogBase *nowy = nameDialog(*form, "T_Nowy");
    NameDialogBase *save = nameDialog(*form, "T_Save");
    ASSERT_TRUE(nowy && save);
    const QByteArray other = fileBytes("002 B.vkz");
    dialogs.yesNo = UserDialogs::No;
    {
        // Save As typed onto another document, Nie: the dialog comes back with that name selected.
        DialogDriver driver({nowy, save}, {
                                              [](NameDialogBase &d) {
                                                  DialogDriver::type(d, "002 B.vkz");
                                                  DialogDriver::enter(d);
                                              },
                                              [](NameDialogBase &d) {
                                                  EXPECT_TRUE(DialogDriver::readyToRetype(d));
                                                  EXPECT_EQ(d.e_NameP->text(), "002 B.vkz");
                                                  DialogDriver::type(d, "003 C.vkz");
                                                  DialogDriver::enter(d);
                                              },
                                          });
        modify(*form);
        ButtonOf(*form, ControlTag::SavePictoAs)->click();
        EXPECT_EQ(driver.shown, 2);
    }
    EXPECT_EQ(dialogs.yesNoAsked, std::vector<QString>{"Piktogram „002 B.vkz” już istnieje. Zastąpić go?"});
    EXPECT_EQ(fileBytes("002 B.vkz"), other);
    EXPECT_EQ(shelf().Doc().CFName, "003 C.vkz");
    EXPECT_TRUE(QFile::exists(folder("Result") + "003 C.vkz"));
    {
        // A new document typed under an existing name, then Save: Nie offers Save As.
        DialogDriver driver({nowy, save}, {
                                              [](NameDialogBase &d) {
                                                  DialogDriver::type(d, "002 B.vkz");
                                                  DialogDriver::enter(d);
                                              },
                                              [](NameDialogBase &d) {
                                                  EXPECT_EQ(d.windowTitle(), "Zapisz piktogram jako");
                                                  EXPECT_TRUE(DialogDriver::readyToRetype(d));
                                                  DialogDriver::type(d, "004 D.vkz");
                                                  DialogDriver::enter(d);
                                              },
                                          });
        ButtonOf(*form, ControlTag::NewPicto)->click();
        EXPECT_EQ(shelf().Doc().CFName, "002 B.vkz");
        ButtonOf(*form, ControlTag::SavePicto)->click();
        EXPECT_EQ(driver.shown, 2);
    }
    EXPECT_EQ(dialogs.yesNoAsked.size(), 2u);
    EXPECT_EQ(fileBytes("002 B.vkz"), other);
    EXPECT_EQ(shelf().Doc().CFName, "004 D.vkz");
    EXPECT_EQ(shelf().Names(), QStringList({"001 A.vkz", "002 B.vkz", "003 C.vkz", "004 D.vkz"}));
    EXPECT_EQ(highlighted(*form), 3);
    EXPECT_TRUE(dialogs.errors.empty());
}


TEST_F(FilesTest, TheOpenDocumentIsNamedInTheStatusBarAndHighlightedInTheList)
{
    auto form = startWithTwo();
    ASSERT_EQ(Control<QListWidget>(*form, "lv_ListFile")->count(), 2);
    EXPECT_EQ(Control<QListWidget>(*form, "lv_ListFile")->item(0)->toolTip(), "001 A.vkz");
    EXPECT_EQ(Control<QListWidget>(*form, "lv_ListFile")->item(1)->toolTip(), "002 B.vkz");
    EXPECT_EQ(Control<QLabel>(*form, "sb_Name")->text(), "001 A.vkz");
    EXPECT_EQ(highlighted(*form), 0);
    modify(*form);
    EXPECT_EQ(Control<QLabel>(*form, "sb_Name")->text(), "001 A.vkz — zmieniony");
    // The name stands in front of the state note, and both are whole.
    EXPECT_LT(Control<QLabel>(*form, "sb_Name")->geometry().right(), Control<QLabel>(*form, "sb_Funk_Panel0")->x());
    EXPECT_LE(Control<QLabel>(*form, "sb_Name")->fontMetrics().horizontalAdvance(Control<QLabel>(*form, "sb_Name")->text()), Control<QLabel>(*form, "sb_Name")->width());
    EXPECT_EQ(Control<QLabel>(*form, "sb_Funk_Panel0")->text(), "Obraz piktogramu jest zmodyfikowany");
    ClickButton(*form, ControlTag::Undo);
    EXPECT_EQ(Control<QLabel>(*form, "sb_Name")->text(), "001 A.vkz");

    struct Step {
        const char *what;
        std::function<void()> act;
        const char *name;  ///< in the status bar
        int row;           ///< highlighted, -1 none
    } steps[] = {
        {"Save As",
         [&] {
             modify(*form);
             names.saveName = "003 C.vkz";
             ButtonOf(*form, ControlTag::SavePictoAs)->click();
         },
         "003 C.vkz", 2},
        {"open", [&] {
             DoubleClickRow(Control<QListWidget>(*form, "lv_ListFile"), 1);
         },
         "002 B.vkz", 1},
        {"a cancelled open",
         [&] {
             modify(*form);
             dialogs.answer = UserDialogs::Cancel;
             DoubleClickRow(Control<QListWidget>(*form, "lv_ListFile"), 0);
         },
         "002 B.vkz — zmieniony", 1},
        {"Save", [&] { ButtonOf(*form, ControlTag::SavePicto)->click(); }, "002 B.vkz", 1},
        {"a cancelled delete",
         [&] {
             dialogs.yesNo = UserDialogs::No;
             DeleteRowFromMenu(Control<QListWidget>(*form, "lv_ListFile"), 2);
         },
         "002 B.vkz", 1},
        {"New",
         [&] {
             names.newName = "Nowy.vkz";
             ButtonOf(*form, ControlTag::NewPicto)->click();
         },
         "Nowy.vkz", -1},
        {"a delete",
         [&] {
             dialogs.yesNo = UserDialogs::Yes;
             DeleteRowFromMenu(Control<QListWidget>(*form, "lv_ListFile"), 2);
         },
         "001 A.vkz", 0},
        {"Save of a new document",
         [&] {
             names.newName = "000 Pierwszy.vkz";
             ButtonOf(*form, ControlTag::NewPicto)->click();
             ButtonOf(*form, ControlTag::SavePicto)->click();
         },
         "000 Pierwszy.vkz", 0},
    };
    for (const Step &s : steps) {
        s.act();
        EXPECT_EQ(Control<QLabel>(*form, "sb_Name")->text(), QString::fromUtf8(s.name)) << s.what;
        EXPECT_EQ(highlighted(*form), s.row) << s.what;
        EXPECT_EQ(shelf().OpenEntry(), s.row) << s.what;
    }
    EXPECT_EQ(Control<QLabel>(*form, "sb_Funk_Panel0")->text(), "Obraz piktogramu został zapisany: „000 Pierwszy.vkz”");
    EXPECT_EQ(shelf().Names(), QStringList({"000 Pierwszy.vkz", "001 A.vkz", "002 B.vkz"}));
}


TEST_F(FilesTest, TheReasonForAGreyedOkFitsItsLineInTheWindowsFont)
{
    putDocument("001 A.vkz", snowmanLayers(2));
    auto form = startWithRealNames();
    for (const char *dialog : {"T_Nowy", "T_Save"}) {
        NameDialogBase *d = nameDialog(*form, dialog);
        ASSERT_NE(d, nullptr) << dialog;
        for (const char *name : {"Dom", "Dom.vkz.vkz", "a\"b.vkz", ".Dom.vkz", ""}) {
            d->e_NameP->setText(QString::fromUtf8(name));
            EXPECT_FALSE(d->b_OK->isEnabled()) << dialog << " " << name;
            ASSERT_FALSE(d->l_Reason->text().isEmpty()) << dialog << " " << name;
            EXPECT_LE(d->l_Reason->fontMetrics().horizontalAdvance(d->l_Reason->text()), d->l_Reason->width())
                << dialog << " " << d->l_Reason->text().toStdString();
            EXPECT_LE(d->l_Reason->fontMetrics().height(), d->l_Reason->height()) << dialog;
        }
    }
}

