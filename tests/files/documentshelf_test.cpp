// The file workflow without a window: new, open, save, save as, replacing, delete, export, the save
// question, the document list and the copies of unsaved changes, in a program folder of each test's own.
#include "../document/filesizelimit.h"
#include "fakedialogs.h"
#include "recoverycopies.h"
#include "files/documentshelf.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace {
class ShelfTest : public ::testing::Test {
public:
    QTemporaryDir root;
    RecordingDialogs dialogs;
    RecordingNames names;
    QString status;  ///< the status-bar note as the shelf last set it

    QString folder(const char *name) const { return root.path() + "/" + name + "/"; }

    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        for (const char *d : {"Base", "Result", "Work"})
            QDir(root.path()).mkpath(d);
    }
    /// Empties the documents folder and the answers, for the next case of a table.
    void restart()
    {
        m_shelf.reset();
        QDir(folder("Result")).removeRecursively();
        QDir(folder("Work")).removeRecursively();
        SetUp();
        dialogs = RecordingDialogs();
        names = RecordingNames();
        status.clear();
    }
    /// Writes a document of the given layers (lines of the text format) into Result/.
    void putDocument(const QString &name, const QByteArray &text)
    {
        QFile f(folder("Result") + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QByteArray fileBytes(const QString &name) const
    {
        QFile f(folder("Result") + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    /// A run of the program: a new shelf lists the documents, opens the first and offers the copies
    /// of unsaved changes (the shelf of an earlier run goes).
    DocumentShelf &start()
    {
        m_shelf = std::make_unique<DocumentShelf>(ProgramFolders::Beside(root.path()), dialogs, &names);
        m_shelf->OnStatus = [this](const QString &text) { status = text; };
        m_shelf->OpenFirst();
        m_shelf->OfferRecovery();
        return *m_shelf;
    }
    /// Starts with "001 A.vkz" (2 layers, open) and "002 B.vkz" (3 layers).
    DocumentShelf &startWithTwo()
    {
        putDocument("001 A.vkz", snowmanLayers(2));
        putDocument("002 B.vkz", snowmanLayers(3));
        return start();
    }
    /// One recorded edit: layer 0 takes the colour, FF123456 unless given.
    static void modify(DocumentShelf &shelf, unsigned colour = 0xFF123456)
    {
        shelf.Doc().TCurveStruct[0].Color = colour;
        shelf.Session().StoreChange(StoreModify, 0);
    }
    /// Lets the event loop finish the turn in which an edit was made.
    static void settle() { QCoreApplication::processEvents(); }

private:
    std::unique_ptr<DocumentShelf> m_shelf;
};
}

TEST_F(ShelfTest, StartOpensTheFirstDocumentInThePolishOrder)
{
    putDocument("Dom.vkz", snowmanLayers(2));
    putDocument("Żaba.vkz", snowmanLayers(2));
    putDocument("Ćma.vkz", snowmanLayers(3));
    putDocument("cebula.vkz", snowmanLayers(4));
    DocumentShelf &shelf = start();
    EXPECT_EQ(shelf.Names(), QStringList({"cebula.vkz", "Ćma.vkz", "Dom.vkz", "Żaba.vkz"}));
    EXPECT_EQ(shelf.Doc().CFName, "cebula.vkz");
    EXPECT_EQ(shelf.Doc().Dimension, 4);
    EXPECT_EQ(shelf.OpenEntry(), 0);
    QFile::remove(folder("Result") + "cebula.vkz");
    shelf.DeleteListed(3);  // "Żaba.vkz"; then the first document is opened again
    EXPECT_EQ(shelf.Doc().CFName, "Ćma.vkz");
    EXPECT_EQ(shelf.Names(), QStringList({"Ćma.vkz", "Dom.vkz"}));
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(ShelfTest, NewStartsTheEmptyDocumentOrTheExampleInMemoryOnly)
{
    DocumentShelf &shelf = startWithTwo();
    const QStringList listed = shelf.Names();
    names.newName = "000 Nowy.vkz";
    EXPECT_TRUE(shelf.NewPicto());
    EXPECT_EQ(shelf.Doc().CFName, "000 Nowy.vkz");
    EXPECT_EQ(shelf.Doc().Dimension, 1);
    EXPECT_EQ(shelf.Doc().TCurveStruct[0].TypeC, KindBackground);
    EXPECT_FALSE(shelf.Doc().RModif);
    EXPECT_EQ(shelf.Names(), listed);
    // The open document is not in the list yet: no thumbnail stands for it.
    EXPECT_EQ(shelf.OpenEntry(), -1);
    EXPECT_TRUE(shelf.OpenFile().path.isEmpty());
    EXPECT_FALSE(QFile::exists(folder("Result") + "000 Nowy.vkz"));

    names.newName = "999 Bałwanek.vkz";
    names.example = true;
    EXPECT_TRUE(shelf.NewPicto());
    EXPECT_EQ(shelf.Doc().CFName, "999 Bałwanek.vkz");
    EXPECT_EQ(shelf.Doc().Dimension, 8);
    EXPECT_EQ(shelf.Session().rve_Items.Lines(), ExampleDocumentTemplate());

    EXPECT_TRUE(shelf.QuerySaveChanges());  // as on closing: nothing to ask
    EXPECT_EQ(dialogs.questions, 0);
    EXPECT_FALSE(QFile::exists(folder("Result") + "999 Bałwanek.vkz"));
}

TEST_F(ShelfTest, NoThenCancellingTheNameKeepsTheOldDocumentWithItsChangesNoLongerCounted)
{
    DocumentShelf &shelf = startWithTwo();
    modify(shelf);
    dialogs.answer = UserDialogs::No;
    names.newName.clear();
    EXPECT_FALSE(shelf.NewPicto());
    EXPECT_EQ(shelf.Doc().CFName, "001 A.vkz");
    EXPECT_EQ(shelf.Doc().TCurveStruct[0].Color, 0xFF123456u);
    EXPECT_FALSE(shelf.Doc().RModif);
    EXPECT_TRUE(shelf.QuerySaveChanges());
    EXPECT_EQ(dialogs.questions, 1);
}

TEST_F(ShelfTest, SaveWritesTheDocumentAndItsThumbnailAndMakesItTheOpenEntry)
{
    DocumentShelf &shelf = startWithTwo();
    modify(shelf);
    EXPECT_TRUE(shelf.Save(false));
    EXPECT_EQ(names.asked, 0);
    EXPECT_TRUE(dialogs.yesNoAsked.empty());  // its own, unchanged file: nothing to ask
    EXPECT_FALSE(shelf.Doc().RModif);
    EXPECT_EQ(status, "Obraz piktogramu został zapisany: „001 A.vkz”");
    EXPECT_TRUE(fileBytes("001 A.vkz").contains("$FF123456"));
    EXPECT_EQ(QImage(folder("Result") + "001 A.bmp").size(), QSize(64, 64));
    EXPECT_EQ(shelf.OpenEntry(), 0);
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(ShelfTest, SaveAsOverAnotherDocumentReplacesItAndItsThumbnail)
{
    DocumentShelf &shelf = startWithTwo();
    QImage old(64, 64, QImage::Format_RGB32);
    old.fill(Qt::red);
    old.save(folder("Result") + "002 B.bmp", "BMP");
    modify(shelf);
    names.saveName = "002 B.vkz";
    EXPECT_TRUE(shelf.Save(true));
    EXPECT_EQ(names.asked, 1);
    EXPECT_EQ(dialogs.yesNoAsked, std::vector<QString>{"Piktogram „002 B.vkz” już istnieje. Zastąpić go?"});
    EXPECT_EQ(shelf.Doc().CFName, "002 B.vkz");
    EXPECT_EQ(shelf.Names(), QStringList({"001 A.vkz", "002 B.vkz"}));
    EXPECT_EQ(shelf.OpenEntry(), 1);
    EXPECT_EQ(fileBytes("002 B.vkz"), QByteArray::fromStdString(shelf.Session().rve_Items.Text()));
    EXPECT_FALSE(fileBytes("001 A.vkz").contains("$FF123456"));
    EXPECT_NE(QImage(folder("Result") + "002 B.bmp").pixel(32, 32), qRgb(255, 0, 0));
    // Cancelling the name writes nothing.
    names.saveName.clear();
    EXPECT_FALSE(shelf.Save(true));
    EXPECT_EQ(shelf.Doc().CFName, "002 B.vkz");
}

TEST_F(ShelfTest, SaveWithNoDocumentDoesNothing)
{
    DocumentShelf &shelf = start();
    for (bool saveAs : {false, true})
        EXPECT_FALSE(shelf.Save(saveAs));
    EXPECT_EQ(status, "Najpierw utwórz piktogram");
    EXPECT_EQ(names.asked, 0);
    EXPECT_TRUE(QDir(folder("Result")).entryList(QDir::Files).isEmpty());
}

namespace {
/// An action that asks the save question first; act says whether it went on afterwards.
struct Caller {
    const char *what;
    std::function<bool(DocumentShelf &)> act;
};
/// Closing, New (named "Nowy.vkz"), opening "002 B.vkz" and, with withDelete, deleting it.
std::vector<Caller> saveQuestionCallers(bool withDelete, const QString &documents)
{
    std::vector<Caller> callers = {
        {"closing", [](DocumentShelf &s) { return s.QuerySaveChanges(); }},
        {"New", [](DocumentShelf &s) { return s.NewPicto() && s.Doc().CFName == "Nowy.vkz"; }},
        {"opening", [](DocumentShelf &s) { return s.OpenListed(1) && s.Doc().CFName == "002 B.vkz" && s.OpenEntry() == 1; }},
    };
    if (withDelete)
        callers.push_back({"delete", [documents](DocumentShelf &s) {
                               s.DeleteListed(1);
                               return !QFile::exists(documents + "002 B.vkz");
                           }});
    return callers;
}
}

TEST_F(ShelfTest, TheSaveQuestionFromEveryCaller)
{
    for (const Caller &c : saveQuestionCallers(false, folder("Result")))
        for (UserDialogs::Answer answer : {UserDialogs::Cancel, UserDialogs::No, UserDialogs::Yes}) {
            const std::string what = std::string(c.what) + " answer " + std::to_string(answer);
            restart();
            DocumentShelf &shelf = startWithTwo();
            const QByteArray before = fileBytes("001 A.vkz");
            modify(shelf);
            dialogs.answer = answer;
            names.newName = "Nowy.vkz";
            EXPECT_EQ(c.act(shelf), answer != UserDialogs::Cancel) << what;
            EXPECT_EQ(dialogs.questions, 1) << what;
            EXPECT_EQ(fileBytes("001 A.vkz") == before, answer != UserDialogs::Yes) << what;
            EXPECT_EQ(QFile::exists(folder("Result") + "001 A.bmp"), answer == UserDialogs::Yes) << what;
            if (answer == UserDialogs::Cancel) {
                EXPECT_TRUE(shelf.Doc().RModif) << what;
                EXPECT_EQ(shelf.Doc().CFName, "001 A.vkz") << what;
                EXPECT_EQ(shelf.OpenEntry(), 0) << what;
            }
            EXPECT_TRUE(dialogs.errors.empty()) << what;
        }
}

TEST_F(ShelfTest, ADocumentWithoutLayersIsNeverWrittenAndNeverHoldsUpTheNextStep)
{
    for (const Caller &c : saveQuestionCallers(true, folder("Result"))) {
        restart();
        putDocument("001 A.vkz", snowmanLayers(1));
        putDocument("002 B.vkz", snowmanLayers(3));
        DocumentShelf &shelf = start();
        const QByteArray before = fileBytes("001 A.vkz");
        // Its only layer deleted, as the layer button does.
        DeleteCurve(shelf.Doc(), 0);
        XYToPolar(shelf.Doc());
        shelf.Session().StoreChange(StoreDelete, 1);
        ASSERT_EQ(shelf.Doc().Dimension, 0) << c.what;
        ASSERT_TRUE(shelf.Doc().RModif) << c.what;
        EXPECT_FALSE(shelf.Save(false)) << c.what;
        EXPECT_EQ(status, "Piktogram bez warstw nie jest zapisywany") << c.what;
        dialogs.answer = UserDialogs::Yes;
        names.newName = "Nowy.vkz";
        EXPECT_TRUE(c.act(shelf)) << c.what;
        EXPECT_EQ(dialogs.questions, 1) << c.what;
        EXPECT_EQ(fileBytes("001 A.vkz"), before) << c.what;
        EXPECT_FALSE(QFile::exists(folder("Result") + "001 A.bmp")) << c.what;
        EXPECT_TRUE(dialogs.errors.empty()) << c.what;
    }
}

TEST_F(ShelfTest, AFailedWriteKeepsTheChangesTheOldFileAndSaysWhy)
{
    DocumentShelf &shelf = startWithTwo();
    const QByteArray before = fileBytes("001 A.vkz");
    modify(shelf);
    // A disk that is full for the length of each save: the write fails even for the superuser.
    const auto onAFullDisk = [](const std::function<bool()> &save) {
        FileSizeLimit full(16);
        return save();
    };
    EXPECT_FALSE(onAFullDisk([&] { return shelf.Save(false); }));
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_TRUE(dialogs.errors[0].startsWith("Nie można stworzyć pliku")) << dialogs.errors[0].toStdString();
    EXPECT_TRUE(dialogs.errors[0].contains("001 A.vkz")) << dialogs.errors[0].toStdString();
    EXPECT_TRUE(shelf.Doc().RModif);
    EXPECT_EQ(fileBytes("001 A.vkz"), before);

    // Tak to the save question on closing: the save fails, so the program does not end.
    dialogs.answer = UserDialogs::Yes;
    EXPECT_FALSE(onAFullDisk([&] { return shelf.QuerySaveChanges(); }));
    EXPECT_TRUE(shelf.Doc().RModif);
    EXPECT_EQ(dialogs.errors.size(), 2u);

    // Save As under a name whose failure would change the name: the old name stays.
    names.saveName = "001 A.vkz";
    EXPECT_FALSE(onAFullDisk([&] { return shelf.Save(true); }));
    EXPECT_EQ(shelf.Doc().CFName, "001 A.vkz");
}

TEST_F(ShelfTest, AThumbnailOrPictureThatCannotBeWrittenIsReported)
{
    DocumentShelf &shelf = startWithTwo();
    modify(shelf);
    QDir(folder("Result")).mkdir("003 C.bmp");
    QDir(folder("Result")).mkdir("003 C.png");
    names.saveName = "003 C.vkz";
    EXPECT_TRUE(shelf.Save(true));
    EXPECT_TRUE(QFile::exists(folder("Result") + "003 C.vkz"));
    EXPECT_FALSE(shelf.Doc().RModif);
    EXPECT_EQ(shelf.OpenEntry(), 2);
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_TRUE(dialogs.errors[0].contains("003 C.bmp")) << dialogs.errors[0].toStdString();
    EXPECT_EQ(status, "");

    EXPECT_EQ(shelf.ExportPng(), DocumentShelf::Export::Failed);
    ASSERT_EQ(dialogs.errors.size(), 2u);
    EXPECT_TRUE(dialogs.errors[1].contains("003 C.png")) << dialogs.errors[1].toStdString();
    EXPECT_EQ(status, "");
}

TEST_F(ShelfTest, ExportWritesThePictureAndNamesItsFolder)
{
    DocumentShelf &shelf = startWithTwo();
    EXPECT_EQ(shelf.ExportPng(), DocumentShelf::Export::Written);
    EXPECT_EQ(QImage(folder("Result") + "001 A.png").size(), QSize(512, 512));
    EXPECT_EQ(status, QStringLiteral("Obraz piktogramu został zapisany jako png „001 A.png” w folderze ")
                          + QDir::toNativeSeparators(QDir::cleanPath(folder("Result"))));
    EXPECT_TRUE(dialogs.errors.empty());
    restart();
    EXPECT_EQ(start().ExportPng(), DocumentShelf::Export::NoDocument);
}

TEST_F(ShelfTest, SaveAndExportSayWhatHappenedAndKeepTheOldPictures)
{
    putDocument("001 A.vkz", snowmanLayers(8));
    DocumentShelf &shelf = start();
    // Whole pictures from an earlier save and export.
    ASSERT_TRUE(shelf.Save(false));
    ASSERT_EQ(shelf.ExportPng(), DocumentShelf::Export::Written);
    const QByteArray oldBmp = fileBytes("001 A.bmp"), oldPng = fileBytes("001 A.png");
    ASSERT_EQ(oldBmp.size(), 12342);
    ASSERT_GT(oldPng.size(), 4096);

    shelf.Doc().TCurveStruct[1].Color = 0xFF123456;
    shelf.Session().StoreChange(StoreModify, 1);
    {
        // 4 KB free: the document's text fits, its thumbnail and the PNG do not.
        FileSizeLimit fourKilobytes(4096);
        EXPECT_TRUE(shelf.Save(false));
        EXPECT_EQ(status, "");
        EXPECT_EQ(shelf.ExportPng(), DocumentShelf::Export::Failed);
        EXPECT_EQ(status, "");
    }
    EXPECT_FALSE(shelf.Doc().RModif);
    EXPECT_TRUE(fileBytes("001 A.vkz").contains(" $FF123456 "));
    ASSERT_EQ(dialogs.errors.size(), 2u);
    for (const auto &[error, name] : {std::pair{dialogs.errors[0], "001 A.bmp"}, {dialogs.errors[1], "001 A.png"}}) {
        EXPECT_TRUE(error.startsWith("Nie można stworzyć pliku \"" + folder("Result") + name + "\". "))
            << error.toStdString();
        EXPECT_FALSE(error.contains("Nieznany")) << error.toStdString();
    }
    EXPECT_EQ(fileBytes("001 A.bmp"), oldBmp);
    EXPECT_EQ(fileBytes("001 A.png"), oldPng);
    EXPECT_EQ(QDir(folder("Result")).entryList(QDir::Files), QStringList({"001 A.bmp", "001 A.png", "001 A.vkz"}));

    // With room again the export succeeds and names the picture and its folder.
    EXPECT_EQ(shelf.ExportPng(), DocumentShelf::Export::Written);
    EXPECT_EQ(QImage(folder("Result") + "001 A.png").size(), QSize(512, 512));
    EXPECT_NE(fileBytes("001 A.png"), oldPng);
    EXPECT_EQ(status, QStringLiteral("Obraz piktogramu został zapisany jako png „001 A.png” w folderze ")
                          + QDir::toNativeSeparators(QDir::cleanPath(folder("Result"))));
}

TEST_F(ShelfTest, LinksStayLinksAndPermissionsStay)
{
    // The document, its thumbnail and its picture live in another folder, linked from Result/.
    QDir(root.path()).mkpath("Klasa");
    const QString elsewhere = root.path() + "/Klasa/";
    {
        QFile f(elsewhere + "a.vkz");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(snowmanLayers(3));
    }
    for (const char *ext : {"bmp", "png"}) {
        QFile f(elsewhere + "a." + ext);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("stary");
    }
    const auto shared = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup;
    for (const char *ext : {"vkz", "bmp", "png"}) {
        QFile::setPermissions(elsewhere + "a." + ext, shared);
        ASSERT_TRUE(QFile::link("../Klasa/a." + QString(ext), folder("Result") + "001 A." + ext));
    }
    DocumentShelf &shelf = start();
    ASSERT_EQ(shelf.Doc().Dimension, 3);
    shelf.Doc().TCurveStruct[1].Color = 0xFF123456;
    shelf.Session().StoreChange(StoreModify, 1);
    ASSERT_TRUE(shelf.Save(false));
    shelf.ExportPng();
    EXPECT_TRUE(dialogs.errors.empty());

    for (const char *ext : {"vkz", "bmp", "png"}) {
        const QString link = folder("Result") + "001 A." + ext, target = elsewhere + "a." + ext;
        EXPECT_TRUE(QFileInfo(link).isSymLink()) << ext;
        EXPECT_EQ(QFile::permissions(target) & QFileDevice::Permissions(0x7077), shared) << ext;
    }
    EXPECT_TRUE(fileBytes("001 A.vkz").contains(" $FF123456 "));
    EXPECT_EQ(QImage(elsewhere + "a.bmp").size(), QSize(64, 64));
    EXPECT_EQ(QImage(elsewhere + "a.png").size(), QSize(512, 512));
    EXPECT_EQ(QDir(elsewhere).entryList(QDir::Files), QStringList({"a.bmp", "a.png", "a.vkz"}));
}

TEST_F(ShelfTest, ReplacingAFileTheUserHasNotSeenAsksFirst)
{
    const QString exists = "Piktogram „%1” już istnieje. Zastąpić go?";
    const QString changed = "Piktogram „%1” został w międzyczasie zmieniony. Zastąpić go?";
    struct Case {
        const char *what;
        std::function<void(ShelfTest &, DocumentShelf &)> before;  ///< after start, before the save
        bool saveAs;
        UserDialogs::Answer answer;  ///< to the Tak/Nie question
        QString saveName;            ///< typed into Save As ("" cancels)
        QString question;            ///< expected, "" for none
        const char *written;         ///< the file that gets the open document, nullptr for none
    };
    auto changeOnDisk = [](ShelfTest &t, DocumentShelf &) { t.putDocument("001 A.vkz", snowmanLayers(5)); };
    auto touchOnDisk = [](ShelfTest &t, DocumentShelf &) {
        QFile f(t.folder("Result") + "001 A.vkz");
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(f.fileTime(QFileDevice::FileModificationTime).addSecs(-60),
                                  QFileDevice::FileModificationTime));
    };
    auto newNamed = [](const char *name) {
        return [name](ShelfTest &t, DocumentShelf &shelf) {
            t.names.newName = name;
            shelf.NewPicto();
        };
    };
    auto nothing = [](ShelfTest &, DocumentShelf &) {};
    const Case cases[] = {
        {"own file unchanged", nothing, false, UserDialogs::No, "", "", "001 A.vkz"},
        {"Save As under its own name", nothing, true, UserDialogs::No, "001 A.vkz", "", "001 A.vkz"},
        {"Save As onto a free name", nothing, true, UserDialogs::No, "003 C.vkz", "", "003 C.vkz"},
        {"Save As onto another, Tak", nothing, true, UserDialogs::Yes, "002 B.vkz", exists.arg("002 B.vkz"), "002 B.vkz"},
        {"own file rewritten, Tak", changeOnDisk, false, UserDialogs::Yes, "", changed.arg("001 A.vkz"), "001 A.vkz"},
        {"own file rewritten, Nie, Save As", changeOnDisk, false, UserDialogs::No, "003 C.vkz",
         changed.arg("001 A.vkz"), "003 C.vkz"},
        {"own file rewritten, Nie, Save As cancelled", changeOnDisk, false, UserDialogs::No, "",
         changed.arg("001 A.vkz"), nullptr},
        {"own file touched, same size", touchOnDisk, false, UserDialogs::No, "", changed.arg("001 A.vkz"), nullptr},
        {"new document, free name", newNamed("003 C.vkz"), false, UserDialogs::No, "", "", "003 C.vkz"},
        {"new document onto another, Tak", newNamed("002 B.vkz"), false, UserDialogs::Yes, "", exists.arg("002 B.vkz"),
         "002 B.vkz"},
        {"new document onto another, Nie, Save As", newNamed("002 B.vkz"), false, UserDialogs::No, "003 C.vkz",
         exists.arg("002 B.vkz"), "003 C.vkz"},
        {"new document under the open one's name", newNamed("001 A.vkz"), false, UserDialogs::No, "",
         exists.arg("001 A.vkz"), nullptr},
    };
    for (const Case &c : cases) {
        restart();
        DocumentShelf &shelf = startWithTwo();
        c.before(*this, shelf);
        modify(shelf);
        const std::map<QString, QByteArray> before = {
            {"001 A.vkz", fileBytes("001 A.vkz")}, {"002 B.vkz", fileBytes("002 B.vkz")}, {"003 C.vkz", {}}};
        dialogs = RecordingDialogs();
        dialogs.yesNo = c.answer;
        names.saveName = c.saveName;
        EXPECT_EQ(shelf.Save(c.saveAs), c.written != nullptr) << c.what;
        EXPECT_EQ(dialogs.yesNoAsked, c.question.isEmpty() ? std::vector<QString>() : std::vector<QString>{c.question})
            << c.what;
        for (const auto &[name, bytes] : before)
            if (c.written != nullptr && name == c.written)
                EXPECT_EQ(fileBytes(name), QByteArray::fromStdString(shelf.Session().rve_Items.Text())) << c.what;
            else
                EXPECT_EQ(fileBytes(name), bytes) << c.what << " " << name.toStdString();
        EXPECT_EQ(shelf.Doc().RModif, c.written == nullptr) << c.what;
        if (c.written != nullptr) {
            EXPECT_EQ(shelf.Doc().CFName, c.written) << c.what;
        }
    }
}

TEST_F(ShelfTest, AfterASaveOnlyALaterChangeOnDiskAsksAgain)
{
    DocumentShelf &shelf = startWithTwo();
    putDocument("001 A.vkz", snowmanLayers(5));
    modify(shelf);
    EXPECT_TRUE(shelf.Save(false));
    ASSERT_EQ(dialogs.yesNoAsked.size(), 1u);
    modify(shelf);
    EXPECT_TRUE(shelf.Save(false));  // the file is as this save left it
    EXPECT_EQ(dialogs.yesNoAsked.size(), 1u);
    // Opened afresh, a document is compared with the file as it was read.
    shelf.OpenListed(1);
    modify(shelf);
    EXPECT_TRUE(shelf.Save(false));
    EXPECT_EQ(dialogs.yesNoAsked.size(), 1u);
}

TEST_F(ShelfTest, DeletingAsksNamingTheDocumentAfterTheSaveQuestion)
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
        restart();
        for (const char *f : {"002 B.bmp", "002 B.png"})
            QFile(folder("Result") + f).open(QIODevice::WriteOnly);
        DocumentShelf &shelf = startWithTwo();
        const QByteArray saved = fileBytes("001 A.vkz");
        if (c.modified)
            modify(shelf);
        dialogs = RecordingDialogs();
        dialogs.answer = c.save;
        dialogs.yesNo = c.remove;
        shelf.DeleteListed(1);
        EXPECT_EQ(dialogs.questions, c.modified ? 1 : 0) << what;
        // Anuluj to the save question ends the delete before its own question.
        const bool asked = !(c.modified && c.save == A::Cancel);
        EXPECT_EQ(dialogs.yesNoAsked,
                  asked ? std::vector<QString>{"Czy usunąć piktogram „002 B.vkz”?"} : std::vector<QString>()) << what;
        for (const char *f : {"002 B.vkz", "002 B.bmp", "002 B.png"})
            EXPECT_EQ(QFile::exists(folder("Result") + f), !c.deleted) << what << " " << f;
        EXPECT_EQ(fileBytes("001 A.vkz") == saved, !(c.modified && c.save == A::Yes)) << what;
        EXPECT_EQ(shelf.Doc().CFName, "001 A.vkz") << what;
        EXPECT_EQ(shelf.Doc().RModif, c.modified && c.save == A::Cancel) << what;
        EXPECT_EQ(shelf.Names().size(), c.deleted ? 1 : 2) << what;
        EXPECT_EQ(shelf.OpenEntry(), 0) << what;
        EXPECT_TRUE(dialogs.errors.empty()) << what;
    }
}

TEST_F(ShelfTest, InterruptedSavesAreRemovedWhenTheFolderIsListedAndNeverShown)
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
    DocumentShelf &shelf = start();
    for (const QString &name : left)
        EXPECT_FALSE(QFile::exists(folder("Result") + name)) << name.toStdString();
    for (const QString &name : kept + QStringList{"002 B.vkz.zapis~", ".zapis-Folder~", "Link.vkz.zapis~", ".zapis-Link00~"})
        EXPECT_TRUE(QFileInfo(folder("Result") + name).exists()) << name.toStdString();
    EXPECT_EQ(shelf.Names(), QStringList({"001 A.vkz"}));

    // Left by another program while this one runs: gone at the next listing, after a save.
    putDocument(".zapis-Q1w2E3~", "cut short");
    shelf.Save(false);
    EXPECT_FALSE(QFile::exists(folder("Result") + ".zapis-Q1w2E3~"));
    EXPECT_EQ(shelf.Names(), QStringList({"001 A.vkz"}));
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(ShelfTest, NamesDifferingInLetterCaseAreTwoDocuments)
{
    putDocument("Dom.vkz", snowmanLayers(2));
    putDocument("dom.vkz", snowmanLayers(3));
    for (const char *f : {"Dom.bmp", "Dom.png", "dom.bmp", "dom.png"})
        QFile(folder("Result") + f).open(QIODevice::WriteOnly);
    DocumentShelf &shelf = start();
    ASSERT_EQ(shelf.Names(), QStringList({"Dom.vkz", "dom.vkz"}));
    EXPECT_EQ(shelf.Doc().CFName, "Dom.vkz");
    EXPECT_EQ(shelf.OpenEntry(), 0);

    EXPECT_TRUE(shelf.OpenListed(1));
    EXPECT_EQ(shelf.Doc().CFName, "dom.vkz");
    EXPECT_EQ(shelf.Doc().Dimension, 3);
    EXPECT_EQ(shelf.OpenEntry(), 1);

    // Saving the open one rewrites it alone and keeps it the open entry.
    const QByteArray other = fileBytes("Dom.vkz");
    modify(shelf);
    shelf.Save(false);
    EXPECT_EQ(fileBytes("Dom.vkz"), other);
    EXPECT_EQ(shelf.OpenEntry(), 1);

    // Deleting the other removes its three files and none of the open one's.
    dialogs.yesNo = UserDialogs::Yes;
    shelf.DeleteListed(0);
    EXPECT_EQ(dialogs.yesNoAsked, std::vector<QString>{"Czy usunąć piktogram „Dom.vkz”?"});
    for (const char *f : {"Dom.vkz", "Dom.bmp", "Dom.png"})
        EXPECT_FALSE(QFile::exists(folder("Result") + f)) << f;
    for (const char *f : {"dom.vkz", "dom.bmp", "dom.png"})
        EXPECT_TRUE(QFile::exists(folder("Result") + f)) << f;
    EXPECT_EQ(shelf.Names(), QStringList({"dom.vkz"}));
    EXPECT_EQ(shelf.Doc().CFName, "dom.vkz");
    EXPECT_EQ(shelf.Doc().Dimension, 3);
    EXPECT_EQ(shelf.OpenEntry(), 0);
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(ShelfTest, AFirstDocumentThatCannotBeReadCanBeDeletedFromTheList)
{
    putDocument("001 Zepsuty.vkz", "         2         0\r\n  ABC\r\n");
    putDocument("002 B.vkz", snowmanLayers(3));
    for (const char *f : {"001 Zepsuty.bmp", "001 Zepsuty.png"})
        QFile(folder("Result") + f).open(QIODevice::WriteOnly);
    DocumentShelf &shelf = start();
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_TRUE(dialogs.errors[0].contains("001 Zepsuty.vkz")) << dialogs.errors[0].toStdString();
    // Nothing is open, so no entry is the open document.
    EXPECT_EQ(shelf.Doc().Dimension, 0);
    EXPECT_EQ(shelf.OpenEntry(), -1);

    dialogs = RecordingDialogs();
    dialogs.yesNo = UserDialogs::Yes;
    shelf.DeleteListed(0);
    EXPECT_EQ(dialogs.yesNoAsked, std::vector<QString>{"Czy usunąć piktogram „001 Zepsuty.vkz”?"});
    for (const char *f : {"001 Zepsuty.vkz", "001 Zepsuty.bmp", "001 Zepsuty.png"})
        EXPECT_FALSE(QFile::exists(folder("Result") + f)) << f;
    // The next first document opens.
    EXPECT_EQ(shelf.Names(), QStringList({"002 B.vkz"}));
    EXPECT_EQ(shelf.Doc().CFName, "002 B.vkz");
    EXPECT_EQ(shelf.Doc().Dimension, 3);
    EXPECT_EQ(shelf.OpenEntry(), 0);
    EXPECT_TRUE(dialogs.errors.empty());
}

namespace {
/// Copies of unsaved changes in Work/odzysk/: written after edits, dropped with the changes,
/// offered at the next start.
class ShelfRecoveryTest : public WithRecoveryCopies<ShelfTest> {};
}

TEST_F(ShelfRecoveryTest, EveryStoredEditUndoAndRedoKeepTheCopyInStepSaveRemovesIt)
{
    putTwo();
    DocumentShelf &shelf = start();
    EXPECT_TRUE(dialogs.yesNoAsked.empty());
    modify(shelf);
    settle();
    ASSERT_TRUE(hasCopy("001 A.vkz"));
    EXPECT_EQ(copyLines("001 A.vkz"), shelf.Session().rve_Items.Lines());
    EXPECT_EQ(fileBytes("001 A.vkz"), snowmanLayers(2));  // the document itself is untouched

    shelf.Session().UndoStep(false);  // undone back to the document as saved: nothing to recover
    settle();
    EXPECT_FALSE(shelf.Doc().RModif);
    EXPECT_FALSE(hasCopy("001 A.vkz"));
    shelf.Session().UndoStep(true);
    settle();
    EXPECT_EQ(copyLines("001 A.vkz"), shelf.Session().rve_Items.Lines());

    EXPECT_TRUE(shelf.Save(false));
    EXPECT_FALSE(hasCopy("001 A.vkz"));
    settle();
    EXPECT_FALSE(hasCopy("001 A.vkz"));
}

TEST_F(ShelfRecoveryTest, TheSaveQuestionKeepsTheCopyOnAnulujAndRemovesItOnNie)
{
    putTwo();
    DocumentShelf &shelf = start();
    modify(shelf);
    settle();
    dialogs.answer = UserDialogs::Cancel;
    EXPECT_FALSE(shelf.QuerySaveChanges());
    EXPECT_TRUE(hasCopy("001 A.vkz"));
    dialogs.answer = UserDialogs::No;
    EXPECT_TRUE(shelf.QuerySaveChanges());
    settle();
    EXPECT_FALSE(hasCopy("001 A.vkz"));
}

TEST_F(ShelfRecoveryTest, SaveAsRemovesTheCopyUnderTheOldName)
{
    putTwo();
    DocumentShelf &shelf = start();
    modify(shelf);
    settle();
    names.saveName = "003 C.vkz";
    EXPECT_TRUE(shelf.Save(true));
    settle();
    EXPECT_FALSE(hasCopy("001 A.vkz"));
    EXPECT_FALSE(hasCopy("003 C.vkz"));
}

TEST_F(ShelfRecoveryTest, AfterACrashTheNextStartOffersTheNewDocumentAndTakOpensItModified)
{
    putTwo();
    {
        DocumentShelf &shelf = start();
        names.newName = "000 Nowy.vkz";
        names.example = true;
        ASSERT_TRUE(shelf.NewPicto());
        modify(shelf);
        settle();
        ASSERT_TRUE(hasCopy("000 Nowy.vkz"));
        dated(copyOf("000 Nowy.vkz"), crash);
        // The next start replaces the shelf without its close path, as when the program is killed.
    }
    dialogs.yesNo = UserDialogs::Yes;
    DocumentShelf &shelf = start();
    ASSERT_EQ(dialogs.yesNoAsked.size(), 1u);
    EXPECT_EQ(dialogs.yesNoAsked[0],
              "Znaleziono niezapisane zmiany piktogramu „000 Nowy.vkz” z 10.12.2026 14:05. Przywrócić je?");
    EXPECT_EQ(shelf.Doc().CFName, "000 Nowy.vkz");
    EXPECT_EQ(shelf.Doc().Dimension, 8);
    EXPECT_TRUE(shelf.Doc().RModif);
    EXPECT_EQ(shelf.OpenEntry(), -1);  // never saved: not in the list
    EXPECT_TRUE(shelf.OpenFile().path.isEmpty());
    EXPECT_FALSE(QFile::exists(folder("Result") + "000 Nowy.vkz"));
    EXPECT_TRUE(hasCopy("000 Nowy.vkz"));  // still protected until saved or dropped
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(ShelfRecoveryTest, TakOpensTheSavedDocumentWithTheChangesOneUndoAwayAndKeepsTheOtherCopies)
{
    putTwo();
    putCopy("002 B.vkz", snowmanLayers(5), crash);
    putCopy("003 C.vkz", snowmanLayers(4), crash);  // never saved
    dialogs.yesNo = UserDialogs::Yes;
    DocumentShelf &shelf = start();
    ASSERT_EQ(dialogs.yesNoAsked.size(), 1u);
    EXPECT_TRUE(dialogs.yesNoAsked[0].contains("„002 B.vkz”"));
    EXPECT_EQ(shelf.Doc().CFName, "002 B.vkz");
    EXPECT_EQ(shelf.Doc().Dimension, 5);
    EXPECT_TRUE(shelf.Doc().RModif);
    EXPECT_EQ(shelf.OpenEntry(), 1);
    EXPECT_TRUE(hasCopy("003 C.vkz"));

    shelf.Session().UndoStep(false);
    EXPECT_EQ(shelf.Doc().Dimension, 3);  // the document as saved
    EXPECT_FALSE(shelf.Doc().RModif);
    shelf.Session().UndoStep(true);
    EXPECT_EQ(shelf.Doc().Dimension, 5);
    EXPECT_TRUE(shelf.Save(false));
    EXPECT_EQ(fileBytes("002 B.vkz"), snowmanLayers(5));
    EXPECT_FALSE(hasCopy("002 B.vkz"));
}

TEST_F(ShelfRecoveryTest, NieDeletesEachCopyAndAStaleOneGoesWithoutAQuestion)
{
    putTwo();
    putCopy("001 A.vkz", snowmanLayers(1), longAgo.addSecs(-60));  // older than its document
    putCopy("002 B.vkz", snowmanLayers(5), crash);
    putCopy("003 C.vkz", snowmanLayers(4), crash);
    dialogs.yesNo = UserDialogs::No;
    DocumentShelf &shelf = start();
    ASSERT_EQ(dialogs.yesNoAsked.size(), 2u);
    EXPECT_TRUE(dialogs.yesNoAsked[0].contains("„002 B.vkz”"));
    EXPECT_TRUE(dialogs.yesNoAsked[1].contains("„003 C.vkz”"));
    for (const char *name : {"001 A.vkz", "002 B.vkz", "003 C.vkz"})
        EXPECT_FALSE(hasCopy(name)) << name;
    EXPECT_EQ(shelf.Doc().CFName, "001 A.vkz");
    EXPECT_EQ(shelf.Doc().Dimension, 2);
    EXPECT_FALSE(shelf.Doc().RModif);
}

TEST_F(ShelfRecoveryTest, ADamagedCopyIsReportedKeptAsideAndTheDocumentOpensAsSaved)
{
    putTwo();
    QByteArray cut = snowmanLayers(5);
    cut.chop(30);
    putCopy("001 A.vkz", cut, crash);
    DocumentShelf &shelf = start();
    EXPECT_TRUE(dialogs.yesNoAsked.empty());
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_TRUE(dialogs.errors[0].startsWith(
        "Niezapisane zmiany piktogramu „001 A.vkz” są uszkodzone i nie zostaną przywrócone. "
        "Plik odłożono jako „001 A.vkz.uszkodzony”"))
        << dialogs.errors[0].toStdString();
    EXPECT_FALSE(hasCopy("001 A.vkz"));
    EXPECT_TRUE(hasCopy("001 A.vkz.uszkodzony"));
    EXPECT_EQ(shelf.Doc().CFName, "001 A.vkz");
    EXPECT_EQ(shelf.Doc().Dimension, 2);
    EXPECT_FALSE(shelf.Doc().RModif);

    dialogs.errors.clear();
    start();
    EXPECT_TRUE(dialogs.errors.empty());  // reported once: never looked at again
    EXPECT_TRUE(dialogs.yesNoAsked.empty());
}

TEST_F(ShelfRecoveryTest, ACopyThatCannotBeWrittenIsReportedOnceAndTheEditStays)
{
    putTwo();
    {
        QFile blocker(folder("Work") + "odzysk");  // a file where the folder should be
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    DocumentShelf &shelf = start();
    modify(shelf);
    settle();
    modify(shelf, 0xFF654321);
    settle();
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_TRUE(dialogs.errors[0].startsWith("Nie można zapisać kopii niezapisanych zmian"));
    EXPECT_TRUE(shelf.Doc().RModif);
}
