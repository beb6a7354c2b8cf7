// New, save, save as, the save question and the export, driven through the main window.
#include "../document/filesizelimit.h"
#include "../dialogs/dialogdriver.h"
#include "appfixture.h"

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
    /// An action that asks the save question first, and how to tell that it went on afterwards.
    struct Caller {
        const char *what;
        std::function<void(T_Form &)> act;
        std::function<bool(T_Form &)> proceeded;
    };
    /// Closing, New (named "Nowy.vkz"), opening "002 B.vkz" and, with withDelete, deleting it.
    std::vector<Caller> saveQuestionCallers(bool withDelete)
    {
        std::vector<Caller> callers = {
            {"closing", [](T_Form &f) { f.close(); }, [](T_Form &f) { return !f.isVisible(); }},
            {"New", [](T_Form &f) { f.ButtonByTag(ControlTag::NewPicto)->click(); },
             [](T_Form &f) { return f.doc().CFName == "Nowy.vkz"; }},
            {"double-click",
             [](T_Form &f) {
                 f.lv_ListFile->setCurrentRow(1);
                 f.lv_ListFileDblClick();
             },
             [](T_Form &f) { return f.doc().CFName == "002 B.vkz" && f.lb_ListFile.ItemIndex == 1; }},
        };
        if (withDelete)
            callers.push_back({"delete",
                               [](T_Form &f) {
                                   f.lv_ListFile->setCurrentRow(1);
                                   f.DeletePicto();
                               },
                               [this](T_Form &) { return !QFile::exists(folder("Result") + "002 B.vkz"); }});
        return callers;
    }
    /// One recorded edit: layer 0 takes the colour FF123456.
    static void modify(T_Form &form)
    {
        form.doc().TCurveStruct[0].Color = 0xFF123456;
        form.session.StoreChange(StoreModify, 0);
    }
    /// Starts with the window's own name dialogs, driven by DialogDriver.
    std::unique_ptr<T_Form> startWithRealNames()
    {
        return std::make_unique<T_Form>(T_Form::Environment{
            root.path(), screen, &dialogs, nullptr, [this](const QString &f) { openedFolders << f; }});
    }
    static NameDialogBase *nameDialog(T_Form &form, const char *objectName)
    {
        return static_cast<NameDialogBase *>(form.findChild<QDialog *>(objectName));
    }
    /// The row highlighted in the document list, -1 when none.
    static int highlighted(const T_Form &form)
    {
        const QList<QListWidgetItem *> items = form.lv_ListFile->selectedItems();
        return items.size() == 1 ? form.lv_ListFile->row(items[0]) : -1;
    }
};
}

TEST_F(FilesTest, NewStartsTheEmptyDocumentOrTheExampleInMemoryOnly)
{
    auto form = startWithTwo();
    const QStringList listed = form->lb_ListFile.Items;
    names.newName = "000 Nowy.vkz";
    form->ButtonByTag(ControlTag::NewPicto)->click();
    EXPECT_EQ(form->doc().CFName, "000 Nowy.vkz");
    EXPECT_EQ(form->doc().Dimension, 1);
    EXPECT_EQ(form->doc().TCurveStruct[0].TypeC, KindBackground);
    EXPECT_FALSE(form->doc().RModif);
    EXPECT_EQ(form->lv_Layers->count(), 1);
    EXPECT_EQ(form->sb_Panel->text(), "");
    EXPECT_EQ(form->lb_ListFile.Items, listed);
    // The open document is not in the list yet: no thumbnail stands for it.
    EXPECT_EQ(form->lb_ListFile.ItemIndex, -1);
    EXPECT_TRUE(form->lv_ListFile->selectedItems().isEmpty());
    EXPECT_FALSE(QFile::exists(folder("Result") + "000 Nowy.vkz"));

    names.newName = "999 Bałwanek.vkz";
    names.example = true;
    form->ButtonByTag(ControlTag::NewPicto)->click();
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
    form->ButtonByTag(ControlTag::SavePicto)->click();
    EXPECT_EQ(names.asked, 0);
    EXPECT_TRUE(dialogs.yesNoAsked.empty());  // its own, unchanged file: nothing to ask
    EXPECT_FALSE(form->doc().RModif);
    EXPECT_EQ(form->sb_Panel->text(), "Obraz piktogramu został zapisany: „001 A.vkz”");
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
    form->ButtonByTag(ControlTag::SavePictoAs)->click();
    EXPECT_EQ(names.asked, 1);
    EXPECT_EQ(dialogs.yesNoAsked, std::vector<QString>{"Piktogram „002 B.vkz” już istnieje. Zastąpić go?"});
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
    EXPECT_EQ(form->sb_Panel->text(), "Najpierw utwórz piktogram");
    EXPECT_EQ(names.asked, 0);
    EXPECT_TRUE(QDir(folder("Result")).entryList(QDir::Files).isEmpty());
}

TEST_F(FilesTest, TheSaveQuestionFromEveryCaller)
{
    for (const Caller &c : saveQuestionCallers(false))
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
    // A disk that is full for the length of each save: the write fails even for the superuser.
    const auto onAFullDisk = [](const std::function<bool()> &save) {
        FileSizeLimit full(16);
        return save();
    };
    EXPECT_FALSE(onAFullDisk([&] { return form->b_SavePictoClick(112); }));
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_TRUE(dialogs.errors[0].startsWith("Nie można stworzyć pliku")) << dialogs.errors[0].toStdString();
    EXPECT_TRUE(dialogs.errors[0].contains("001 A.vkz")) << dialogs.errors[0].toStdString();
    EXPECT_TRUE(form->doc().RModif);
    EXPECT_EQ(form->sb_Panel->text(), "Obraz piktogramu jest zmodyfikowany");
    EXPECT_EQ(fileBytes("001 A.vkz"), before);

    // Tak to the save question on closing: the save fails, so the window stays open.
    form->show();
    dialogs.answer = UserDialogs::Yes;
    EXPECT_FALSE(onAFullDisk([&] { return form->close(); }));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(dialogs.errors.size(), 2u);

    // Save As under a name whose failure would change the name: the old name stays.
    names.saveName = "001 A.vkz";
    EXPECT_FALSE(onAFullDisk([&] { return form->b_SavePictoClick(113); }));
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

    form->ButtonByTag(ControlTag::ExportPng)->click();
    ASSERT_EQ(dialogs.errors.size(), 2u);
    EXPECT_TRUE(dialogs.errors[1].contains("003 C.png")) << dialogs.errors[1].toStdString();
    EXPECT_EQ(form->sb_Panel->text(), "");
    EXPECT_TRUE(openedFolders.isEmpty());
}

TEST_F(FilesTest, ExportWritesThePictureAndShowsTheFolder)
{
    auto form = startWithTwo();
    form->ButtonByTag(ControlTag::ExportPng)->click();
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
    EXPECT_EQ(form->sb_Panel->text(), "Obraz piktogramu został zapisany: „001 A.vkz”");
    QTest::keyClick(form.get(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(openedFolders.size(), 1);
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(names.asked, 1);
    names.newName = "Nowy.vkz";
    QTest::keyClick(form.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(form->doc().CFName, "Nowy.vkz");
}

TEST_F(FilesTest, ReplacingAFileTheUserHasNotSeenAsksFirst)
{
    const QString exists = "Piktogram „%1” już istnieje. Zastąpić go?";
    const QString changed = "Piktogram „%1” został w międzyczasie zmieniony. Zastąpić go?";
    struct Case {
        const char *what;
        std::function<void(FilesTest &, T_Form &)> before;  ///< after start, before the save
        int tag;
        UserDialogs::Answer answer;  ///< to the Tak/Nie question
        QString saveName;            ///< typed into Save As ("" cancels)
        QString question;            ///< expected, "" for none
        const char *written;         ///< the file that gets the open document, nullptr for none
    };
    auto changeOnDisk = [](FilesTest &t, T_Form &) { t.putDocument("001 A.vkz", snowmanLayers(5)); };
    auto touchOnDisk = [](FilesTest &t, T_Form &) {
        QFile f(t.folder("Result") + "001 A.vkz");
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(f.fileTime(QFileDevice::FileModificationTime).addSecs(-60),
                                  QFileDevice::FileModificationTime));
    };
    auto newNamed = [](const char *name) {
        return [name](FilesTest &t, T_Form &form) {
            t.names.newName = name;
            form.b_NewPictoClick();
        };
    };
    auto nothing = [](FilesTest &, T_Form &) {};
    const Case cases[] = {
        {"own file unchanged", nothing, 112, UserDialogs::No, "", "", "001 A.vkz"},
        {"Save As under its own name", nothing, 113, UserDialogs::No, "001 A.vkz", "", "001 A.vkz"},
        {"Save As onto a free name", nothing, 113, UserDialogs::No, "003 C.vkz", "", "003 C.vkz"},
        {"Save As onto another, Tak", nothing, 113, UserDialogs::Yes, "002 B.vkz", exists.arg("002 B.vkz"), "002 B.vkz"},
        {"own file rewritten, Tak", changeOnDisk, 112, UserDialogs::Yes, "", changed.arg("001 A.vkz"), "001 A.vkz"},
        {"own file rewritten, Nie, Save As", changeOnDisk, 112, UserDialogs::No, "003 C.vkz",
         changed.arg("001 A.vkz"), "003 C.vkz"},
        {"own file rewritten, Nie, Save As cancelled", changeOnDisk, 112, UserDialogs::No, "",
         changed.arg("001 A.vkz"), nullptr},
        {"own file touched, same size", touchOnDisk, 112, UserDialogs::No, "", changed.arg("001 A.vkz"), nullptr},
        {"new document, free name", newNamed("003 C.vkz"), 112, UserDialogs::No, "", "", "003 C.vkz"},
        {"new document onto another, Tak", newNamed("002 B.vkz"), 112, UserDialogs::Yes, "", exists.arg("002 B.vkz"),
         "002 B.vkz"},
        {"new document onto another, Nie, Save As", newNamed("002 B.vkz"), 112, UserDialogs::No, "003 C.vkz",
         exists.arg("002 B.vkz"), "003 C.vkz"},
        {"new document under the open one's name", newNamed("001 A.vkz"), 112, UserDialogs::No, "",
         exists.arg("001 A.vkz"), nullptr},
    };
    for (const Case &c : cases) {
        QDir(folder("Result")).removeRecursively();
        SetUp();
        names = RecordingNames();
        auto form = startWithTwo();
        c.before(*this, *form);
        modify(*form);
        const std::map<QString, QByteArray> before = {
            {"001 A.vkz", fileBytes("001 A.vkz")}, {"002 B.vkz", fileBytes("002 B.vkz")}, {"003 C.vkz", {}}};
        dialogs = RecordingDialogs();
        dialogs.yesNo = c.answer;
        names.saveName = c.saveName;
        EXPECT_EQ(form->b_SavePictoClick(c.tag), c.written != nullptr) << c.what;
        EXPECT_EQ(dialogs.yesNoAsked, c.question.isEmpty() ? std::vector<QString>() : std::vector<QString>{c.question})
            << c.what;
        for (const auto &[name, bytes] : before)
            if (c.written != nullptr && name == c.written)
                EXPECT_EQ(fileBytes(name), QByteArray::fromStdString(form->session.rve_Items.Text())) << c.what;
            else
                EXPECT_EQ(fileBytes(name), bytes) << c.what << " " << name.toStdString();
        EXPECT_EQ(form->doc().RModif, c.written == nullptr) << c.what;
        if (c.written != nullptr)
            EXPECT_EQ(form->doc().CFName, c.written) << c.what;
    }
}

TEST_F(FilesTest, AfterASaveOnlyALaterChangeOnDiskAsksAgain)
{
    auto form = startWithTwo();
    putDocument("001 A.vkz", snowmanLayers(5));
    modify(*form);
    EXPECT_TRUE(form->b_SavePictoClick(112));
    ASSERT_EQ(dialogs.yesNoAsked.size(), 1u);
    modify(*form);
    EXPECT_TRUE(form->b_SavePictoClick(112));  // the file is as this save left it
    EXPECT_EQ(dialogs.yesNoAsked.size(), 1u);
    // Opened afresh, a document is compared with the file as it was read.
    form->lv_ListFile->setCurrentRow(1);
    form->lv_ListFileDblClick();
    modify(*form);
    EXPECT_TRUE(form->b_SavePictoClick(112));
    EXPECT_EQ(dialogs.yesNoAsked.size(), 1u);
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
        form->ButtonByTag(ControlTag::SavePictoAs)->click();
        EXPECT_EQ(driver.shown, 2);
    }
    EXPECT_EQ(dialogs.yesNoAsked, std::vector<QString>{"Piktogram „002 B.vkz” już istnieje. Zastąpić go?"});
    EXPECT_EQ(fileBytes("002 B.vkz"), other);
    EXPECT_EQ(form->doc().CFName, "003 C.vkz");
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
        form->ButtonByTag(ControlTag::NewPicto)->click();
        EXPECT_EQ(form->doc().CFName, "002 B.vkz");
        form->ButtonByTag(ControlTag::SavePicto)->click();
        EXPECT_EQ(driver.shown, 2);
    }
    EXPECT_EQ(dialogs.yesNoAsked.size(), 2u);
    EXPECT_EQ(fileBytes("002 B.vkz"), other);
    EXPECT_EQ(form->doc().CFName, "004 D.vkz");
    EXPECT_EQ(form->lb_ListFile.Items, QStringList({"001 A.vkz", "002 B.vkz", "003 C.vkz", "004 D.vkz"}));
    EXPECT_EQ(highlighted(*form), 3);
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(FilesTest, DeletingAsksNamingTheDocumentAfterTheSaveQuestion)
{
    using A = UserDialogs::Answer;
    const struct {
        bool modified;
        A save, remove;
        bool deleted;
    } cases[] = {
        {false, A::Cancel, A::No, false},  {false, A::Cancel, A::Yes, true}, {true, A::Cancel, A::Yes, false},
        {true, A::No, A::No, false},       {true, A::No, A::Yes, true},      {true, A::Yes, A::No, false},
        {true, A::Yes, A::Yes, true},
    };
    for (const auto &c : cases) {
        const std::string what = "modified " + std::to_string(c.modified) + " save " + std::to_string(c.save)
                                 + " delete " + std::to_string(c.remove);
        QDir(folder("Result")).removeRecursively();
        SetUp();
        for (const char *f : {"002 B.bmp", "002 B.png"})
            QFile(folder("Result") + f).open(QIODevice::WriteOnly);
        auto form = startWithTwo();
        const QByteArray saved = fileBytes("001 A.vkz");
        if (c.modified)
            modify(*form);
        dialogs = RecordingDialogs();
        dialogs.answer = c.save;
        dialogs.yesNo = c.remove;
        form->lv_ListFile->setCurrentRow(1);
        form->ppm_LvListPopup();
        ASSERT_TRUE(form->usupiktogram1->isEnabled()) << what;
        form->usupiktogram1->trigger();
        EXPECT_EQ(dialogs.questions, c.modified ? 1 : 0) << what;
        // Anuluj to the save question ends the delete before its own question.
        const bool asked = !(c.modified && c.save == A::Cancel);
        EXPECT_EQ(dialogs.yesNoAsked,
                  asked ? std::vector<QString>{"Czy usunąć piktogram „002 B.vkz”?"} : std::vector<QString>()) << what;
        for (const char *f : {"002 B.vkz", "002 B.bmp", "002 B.png"})
            EXPECT_EQ(QFile::exists(folder("Result") + f), !c.deleted) << what << " " << f;
        EXPECT_EQ(fileBytes("001 A.vkz") == saved, !(c.modified && c.save == A::Yes)) << what;
        EXPECT_EQ(form->doc().CFName, "001 A.vkz") << what;
        EXPECT_EQ(form->doc().RModif, c.modified && c.save == A::Cancel) << what;
        EXPECT_EQ(form->lb_ListFile.Items.size(), c.deleted ? 1 : 2) << what;
        EXPECT_EQ(form->lb_ListFile.ItemIndex, 0) << what;
        EXPECT_EQ(highlighted(*form), 0) << what;  // back on the open document
        EXPECT_TRUE(dialogs.errors.empty()) << what;
    }
}

TEST_F(FilesTest, ADocumentWithoutLayersIsNeverWrittenAndNeverHoldsUpTheNextStep)
{
    for (const Caller &c : saveQuestionCallers(true)) {
        QDir(folder("Result")).removeRecursively();
        SetUp();
        putDocument("001 A.vkz", snowmanLayers(1));
        putDocument("002 B.vkz", snowmanLayers(3));
        auto form = start();
        const QByteArray before = fileBytes("001 A.vkz");
        form->show();
        form->b_LayerClick(ControlTag::LayerDelete);  // its only layer deleted
        ASSERT_EQ(form->doc().Dimension, 0) << c.what;
        ASSERT_TRUE(form->doc().RModif) << c.what;
        form->ButtonByTag(ControlTag::SavePicto)->click();
        EXPECT_EQ(form->sb_Panel->text(), "Piktogram bez warstw nie jest zapisywany") << c.what;
        dialogs = RecordingDialogs();
        dialogs.answer = UserDialogs::Yes;
        names.newName = "Nowy.vkz";
        c.act(*form);
        EXPECT_EQ(dialogs.questions, 1) << c.what;
        EXPECT_TRUE(c.proceeded(*form)) << c.what;
        EXPECT_EQ(fileBytes("001 A.vkz"), before) << c.what;
        EXPECT_FALSE(QFile::exists(folder("Result") + "001 A.bmp")) << c.what;
        EXPECT_TRUE(dialogs.errors.empty()) << c.what;
    }
}

TEST_F(FilesTest, TheOpenDocumentIsNamedInTheStatusBarAndHighlightedInTheList)
{
    auto form = startWithTwo();
    ASSERT_EQ(form->lv_ListFile->count(), 2);
    EXPECT_EQ(form->lv_ListFile->item(0)->toolTip(), "001 A.vkz");
    EXPECT_EQ(form->lv_ListFile->item(1)->toolTip(), "002 B.vkz");
    EXPECT_EQ(form->sb_Name->text(), "001 A.vkz");
    EXPECT_EQ(highlighted(*form), 0);
    modify(*form);
    EXPECT_EQ(form->sb_Name->text(), "001 A.vkz — zmieniony");
    // The name stands in front of the state note, and both are whole.
    EXPECT_LT(form->sb_Name->geometry().right(), form->sb_Panel->x());
    EXPECT_LE(form->sb_Name->fontMetrics().horizontalAdvance(form->sb_Name->text()), form->sb_Name->width());
    EXPECT_EQ(form->sb_Panel->text(), "Obraz piktogramu jest zmodyfikowany");
    form->b_UndoClick(ControlTag::Undo);
    EXPECT_EQ(form->sb_Name->text(), "001 A.vkz");

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
             form->ButtonByTag(ControlTag::SavePictoAs)->click();
         },
         "003 C.vkz", 2},
        {"open", [&] {
             form->lv_ListFile->setCurrentRow(1);
             form->lv_ListFileDblClick();
         },
         "002 B.vkz", 1},
        {"a cancelled open",
         [&] {
             modify(*form);
             dialogs.answer = UserDialogs::Cancel;
             form->lv_ListFile->setCurrentRow(0);
             form->lv_ListFileDblClick();
         },
         "002 B.vkz — zmieniony", 1},
        {"Save", [&] { form->ButtonByTag(ControlTag::SavePicto)->click(); }, "002 B.vkz", 1},
        {"a cancelled delete",
         [&] {
             dialogs.yesNo = UserDialogs::No;
             form->lv_ListFile->setCurrentRow(2);
             form->DeletePicto();
         },
         "002 B.vkz", 1},
        {"New",
         [&] {
             names.newName = "Nowy.vkz";
             form->ButtonByTag(ControlTag::NewPicto)->click();
         },
         "Nowy.vkz", -1},
        {"a delete",
         [&] {
             dialogs.yesNo = UserDialogs::Yes;
             form->lv_ListFile->setCurrentRow(2);
             form->DeletePicto();
         },
         "001 A.vkz", 0},
        {"Save of a new document",
         [&] {
             names.newName = "000 Pierwszy.vkz";
             form->ButtonByTag(ControlTag::NewPicto)->click();
             form->ButtonByTag(ControlTag::SavePicto)->click();
         },
         "000 Pierwszy.vkz", 0},
    };
    for (const Step &s : steps) {
        s.act();
        EXPECT_EQ(form->sb_Name->text(), QString::fromUtf8(s.name)) << s.what;
        EXPECT_EQ(highlighted(*form), s.row) << s.what;
        EXPECT_EQ(form->lb_ListFile.ItemIndex, s.row) << s.what;
    }
    EXPECT_EQ(form->sb_Panel->text(), "Obraz piktogramu został zapisany: „000 Pierwszy.vkz”");
    EXPECT_EQ(form->lb_ListFile.Items, QStringList({"000 Pierwszy.vkz", "001 A.vkz", "002 B.vkz"}));
}

TEST_F(FilesTest, InterruptedSavesAreRemovedWhenTheFolderIsListedAndNeverShown)
{
    putDocument("001 A.vkz", snowmanLayers(2));
    // The saves of this version leave ".zapis-" and six letters or digits; earlier ones "X.vkz.zapis~".
    const QStringList left = {".zapis-Ab3xY9~", ".zapis-000000~", "001 A.vkz.zapis~", "Stary.vkz.zapis~",
                              ".ukryty.vkz.zapis~"};
    const QStringList kept = {"notatka.zapis~", "001 A.vkz.zapis~~", "001 A.VKZ.ZAPIS~", "001 A.vkz.zapis",
                              ".zapis-Ab3xY~", ".zapis-Ab3xY9Z~", ".zapis-Ab3.Y9~", "zapis-Ab3xY9~", ".zapis-Ab3xY9"};
    for (const QString &name : left + kept)
        putDocument(name, "         1         0\r\n");
    QDir(folder("Result")).mkdir("002 B.vkz.zapis~");  // a folder is not a file a save left
    QDir(folder("Result")).mkdir(".zapis-Folder~");
    ASSERT_TRUE(QFile::link(folder("Result") + "001 A.vkz", folder("Result") + "Link.vkz.zapis~"));
    ASSERT_TRUE(QFile::link(folder("Result") + "001 A.vkz", folder("Result") + ".zapis-Link00~"));
    auto form = start();
    for (const QString &name : left)
        EXPECT_FALSE(QFile::exists(folder("Result") + name)) << name.toStdString();
    for (const QString &name : kept + QStringList{"002 B.vkz.zapis~", ".zapis-Folder~", "Link.vkz.zapis~", ".zapis-Link00~"})
        EXPECT_TRUE(QFileInfo(folder("Result") + name).exists()) << name.toStdString();
    EXPECT_EQ(form->lb_ListFile.Items, QStringList({"001 A.vkz"}));

    // Left by another program while this one runs: gone at the next listing, after a save.
    putDocument(".zapis-Q1w2E3~", "cut short");
    form->ButtonByTag(ControlTag::SavePicto)->click();
    EXPECT_FALSE(QFile::exists(folder("Result") + ".zapis-Q1w2E3~"));
    EXPECT_EQ(form->lb_ListFile.Items, QStringList({"001 A.vkz"}));
    EXPECT_TRUE(dialogs.errors.empty());
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

TEST_F(FilesTest, NamesDifferingInLetterCaseAreTwoDocuments)
{
    putDocument("Dom.vkz", snowmanLayers(2));
    putDocument("dom.vkz", snowmanLayers(3));
    for (const char *f : {"Dom.bmp", "Dom.png", "dom.bmp", "dom.png"})
        QFile(folder("Result") + f).open(QIODevice::WriteOnly);
    auto form = start();
    ASSERT_EQ(form->lb_ListFile.Items, QStringList({"Dom.vkz", "dom.vkz"}));
    EXPECT_EQ(form->doc().CFName, "Dom.vkz");
    EXPECT_EQ(form->lb_ListFile.ItemIndex, 0);

    form->lv_ListFile->setCurrentRow(1);
    form->lv_ListFileDblClick();
    EXPECT_EQ(form->doc().CFName, "dom.vkz");
    EXPECT_EQ(form->doc().Dimension, 3);
    EXPECT_EQ(form->lb_ListFile.ItemIndex, 1);
    EXPECT_EQ(highlighted(*form), 1);
    for (int row : {0, 1}) {
        form->lv_ListFile->setCurrentRow(row);
        form->ppm_LvListPopup();
        EXPECT_EQ(form->usupiktogram1->isEnabled(), row == 0) << row;
    }

    // Saving the open one rewrites it alone and keeps it the open entry.
    const QByteArray other = fileBytes("Dom.vkz");
    modify(*form);
    form->ButtonByTag(ControlTag::SavePicto)->click();
    EXPECT_EQ(fileBytes("Dom.vkz"), other);
    EXPECT_EQ(form->lb_ListFile.ItemIndex, 1);
    EXPECT_EQ(highlighted(*form), 1);

    // Deleting the other removes its three files and none of the open one's.
    dialogs.yesNo = UserDialogs::Yes;
    form->lv_ListFile->setCurrentRow(0);
    form->ppm_LvListPopup();
    form->usupiktogram1->trigger();
    EXPECT_EQ(dialogs.yesNoAsked, std::vector<QString>{"Czy usunąć piktogram „Dom.vkz”?"});
    for (const char *f : {"Dom.vkz", "Dom.bmp", "Dom.png"})
        EXPECT_FALSE(QFile::exists(folder("Result") + f)) << f;
    for (const char *f : {"dom.vkz", "dom.bmp", "dom.png"})
        EXPECT_TRUE(QFile::exists(folder("Result") + f)) << f;
    EXPECT_EQ(form->lb_ListFile.Items, QStringList({"dom.vkz"}));
    EXPECT_EQ(form->doc().CFName, "dom.vkz");
    EXPECT_EQ(form->doc().Dimension, 3);
    EXPECT_EQ(form->lb_ListFile.ItemIndex, 0);
    EXPECT_EQ(highlighted(*form), 0);
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(FilesTest, AFirstDocumentThatCannotBeReadCanBeDeletedFromTheList)
{
    putDocument("001 Zepsuty.vkz", "         2         0\r\n  ABC\r\n");
    putDocument("002 B.vkz", snowmanLayers(3));
    for (const char *f : {"001 Zepsuty.bmp", "001 Zepsuty.png"})
        QFile(folder("Result") + f).open(QIODevice::WriteOnly);
    auto form = start();
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_TRUE(dialogs.errors[0].contains("001 Zepsuty.vkz")) << dialogs.errors[0].toStdString();
    // Nothing is open, so no entry is the open document.
    EXPECT_EQ(form->doc().Dimension, 0);
    EXPECT_EQ(form->lb_ListFile.ItemIndex, -1);
    EXPECT_EQ(highlighted(*form), -1);

    dialogs = RecordingDialogs();
    dialogs.yesNo = UserDialogs::Yes;
    form->lv_ListFile->setCurrentRow(0);
    form->ppm_LvListPopup();
    ASSERT_TRUE(form->usupiktogram1->isEnabled());
    form->usupiktogram1->trigger();
    EXPECT_EQ(dialogs.yesNoAsked, std::vector<QString>{"Czy usunąć piktogram „001 Zepsuty.vkz”?"});
    for (const char *f : {"001 Zepsuty.vkz", "001 Zepsuty.bmp", "001 Zepsuty.png"})
        EXPECT_FALSE(QFile::exists(folder("Result") + f)) << f;
    // The next first document opens.
    EXPECT_EQ(form->lb_ListFile.Items, QStringList({"002 B.vkz"}));
    EXPECT_EQ(form->doc().CFName, "002 B.vkz");
    EXPECT_EQ(form->doc().Dimension, 3);
    EXPECT_EQ(form->lb_ListFile.ItemIndex, 0);
    EXPECT_EQ(highlighted(*form), 0);
    EXPECT_TRUE(dialogs.errors.empty());
}
