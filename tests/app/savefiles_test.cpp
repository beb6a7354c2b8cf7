// The files a save and an export write: a picture cut short by a full disk is a failure (an error
// box in Polish, no success in the status bar, the old file as it was), and files that are symbolic
// links or have their own permissions stay so.
#include "../document/filesizelimit.h"
#include "appfixture.h"

#include <QFileInfo>
#include <QImage>

namespace {
class SaveFilesTest : public ProgramFolderTest {
public:
    QByteArray fileBytes(const QString &name) const
    {
        QFile f(folder("Result") + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};
}

TEST_F(SaveFilesTest, SaveAndExportSayWhatHappenedAndKeepTheOldPictures)
{
    putDocument("001 A.vkz", snowmanLayers(8));
    auto form = start();
    // Whole pictures from an earlier save and export.
    ASSERT_TRUE(form->b_SavePictoClick(112));
    form->b_ExportPngClick();
    const QByteArray oldBmp = fileBytes("001 A.bmp"), oldPng = fileBytes("001 A.png");
    ASSERT_EQ(oldBmp.size(), 12342);
    ASSERT_GT(oldPng.size(), 4096);
    openedFolders.clear();

    form->doc().TCurveStruct[1].Color = 0xFF123456;
    form->session.StoreChange(StoreModify, 1);
    {
        // 4 KB free: the document's text fits, its thumbnail and the PNG do not.
        FileSizeLimit fourKilobytes(4096);
        EXPECT_TRUE(form->b_SavePictoClick(112));
        EXPECT_EQ(form->sb_Panel->text(), "");
        form->b_ExportPngClick();
        EXPECT_EQ(form->sb_Panel->text(), "");
    }
    EXPECT_FALSE(form->doc().RModif);
    EXPECT_TRUE(fileBytes("001 A.vkz").contains(" $FF123456 "));
    ASSERT_EQ(dialogs.errors.size(), 2u);
    for (const auto &[error, name] : {std::pair{dialogs.errors[0], "001 A.bmp"}, {dialogs.errors[1], "001 A.png"}}) {
        EXPECT_TRUE(error.startsWith("Nie można stworzyć pliku \"" + folder("Result") + name + "\". "))
            << error.toStdString();
        EXPECT_FALSE(error.contains("Nieznany")) << error.toStdString();
    }
    EXPECT_EQ(fileBytes("001 A.bmp"), oldBmp);
    EXPECT_EQ(fileBytes("001 A.png"), oldPng);
    EXPECT_TRUE(openedFolders.isEmpty());
    EXPECT_EQ(QDir(folder("Result")).entryList(QDir::Files), QStringList({"001 A.bmp", "001 A.png", "001 A.vkz"}));

    // With room again the export succeeds and names the picture and its folder.
    form->b_ExportPngClick();
    EXPECT_EQ(QImage(folder("Result") + "001 A.png").size(), QSize(512, 512));
    EXPECT_NE(fileBytes("001 A.png"), oldPng);
    EXPECT_EQ(form->sb_Panel->text(), QStringLiteral("Obraz piktogramu został zapisany jako png „001 A.png” w folderze ")
                                          + QDir::toNativeSeparators(QDir::cleanPath(folder("Result"))));
    EXPECT_EQ(openedFolders, QStringList({folder("Result")}));
}

TEST_F(SaveFilesTest, LinksStayLinksAndPermissionsStay)
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
    auto form = start();
    ASSERT_EQ(form->doc().Dimension, 3);
    form->doc().TCurveStruct[1].Color = 0xFF123456;
    form->session.StoreChange(StoreModify, 1);
    ASSERT_TRUE(form->b_SavePictoClick(112));
    form->b_ExportPngClick();
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
