// The developer marker "A.txt" in Work/: the logo and banner close the window, the project
// picture reveals the pages behind the editor, among them the document text.
#include "appfixture.h"
#include "controls.h"

#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabBar>
#include <QTextBlock>
#include <QTest>

namespace {
class MarkerTest : public ProgramFolderTest {};
}

TEST_F(MarkerTest, WithoutTheMarkerTheDecorativePicturesDoNothing)
{
    putDocument("001 A.vkz", snowmanLayers(2));
    auto form = start();
    form->show();
    for (const char *name : {"i_Logo", "i_AllRights", "i_Projekt"}) {
        QWidget *picture = Control(*form, name);
        QTest::mouseClick(picture, Qt::LeftButton);
        EXPECT_TRUE(form->isVisible()) << picture->objectName().toStdString();
        EXPECT_FALSE(Control<QTabBar>(*form, "pc_Tabs")->isVisible());
        EXPECT_EQ(Control<QStackedWidget>(*form, "pc_Pages")->currentIndex(), 0);
    }
}

TEST_F(MarkerTest, TheLogoAndTheBannerCloseTheWindowAfterTheSaveQuestion)
{
    putDocument("001 A.vkz", snowmanLayers(2));
    QFile(folder("Work") + "A.txt").open(QIODevice::WriteOnly);
    for (const char *picture : {"i_Logo", "i_AllRights"}) {
        auto form = start();
        form->show();
        shelf().Doc().TCurveStruct[0].Color = 0xFF123456;
        shelf().Session().StoreChange(StoreModify, 0);
        dialogs.answer = UserDialogs::Cancel;
        QTest::mouseClick(Control(*form, picture), Qt::LeftButton);
        EXPECT_TRUE(form->isVisible());
        dialogs.answer = UserDialogs::No;
        QTest::mouseClick(Control(*form, picture), Qt::LeftButton);
        EXPECT_FALSE(form->isVisible());
    }
}

TEST_F(MarkerTest, TheProjectPictureShowsTheDocumentTextWhereTypingIsAnEdit)
{
    putDocument("001 A.vkz", snowmanLayers(2));
    QFile(folder("Work") + "A.txt").open(QIODevice::WriteOnly);
    auto form = start();
    form->show();
    QTest::mouseClick(Control<ImageControl>(*form, "i_Projekt"), Qt::LeftButton);
    ASSERT_TRUE(Control<QTabBar>(*form, "pc_Tabs")->isVisible());
    Control<QTabBar>(*form, "pc_Tabs")->setCurrentIndex(1);
    EXPECT_EQ(Control<QStackedWidget>(*form, "pc_Pages")->currentIndex(), 1);
    QPlainTextEdit *text = Control<QPlainTextEdit>(*form, "rve_Items");
    EXPECT_TRUE(text->toPlainText().startsWith("         2         1\n         0         0 $FFD7E1E1"));
    // Overtype the "D" of layer 0's colour with "1": the keystroke is an undoable edit.
    QTextCursor at(text->document()->findBlockByNumber(1));
    at.setPosition(at.position() + 24);
    at.setPosition(at.position() + 1, QTextCursor::KeepAnchor);
    text->setTextCursor(at);
    QTest::keyClick(text, Qt::Key_1);
    EXPECT_TRUE(shelf().Doc().RModif);
    EXPECT_EQ(Control<QLabel>(*form, "sb_Funk_Panel0")->text(), "Obraz piktogramu jest zmodyfikowany");
    EXPECT_EQ(shelf().Session().rve_Items.GetItemText(1).substr(21, 9), "$FF17E1E1");
    // Back on the editor page the typed text is the document.
    Control<QTabBar>(*form, "pc_Tabs")->setCurrentIndex(0);
    EXPECT_EQ(shelf().Doc().TCurveStruct[0].Color, 0xFF17E1E1u);
    EXPECT_TRUE(dialogs.errors.empty());
    shelf().Session().UndoStep(false);
    EXPECT_EQ(shelf().Doc().TCurveStruct[0].Color, 0xFFD7E1E1u);
    // A second click hides the tabs again and shows the editor page.
    QTest::mouseClick(Control<ImageControl>(*form, "i_Projekt"), Qt::LeftButton);
    EXPECT_FALSE(Control<QTabBar>(*form, "pc_Tabs")->isVisible());
    EXPECT_EQ(Control<QStackedWidget>(*form, "pc_Pages")->currentIndex(), 0);
}

TEST_F(MarkerTest, TypedTextThatCannotBeReadIsNeverSaved)
{
    putDocument("001 A.vkz", snowmanLayers(2));
    QFile(folder("Work") + "A.txt").open(QIODevice::WriteOnly);
    auto form = start();
    form->show();
    QTest::mouseClick(Control<ImageControl>(*form, "i_Projekt"), Qt::LeftButton);
    Control<QTabBar>(*form, "pc_Tabs")->setCurrentIndex(1);
    Control<QPlainTextEdit>(*form, "rve_Items")->moveCursor(QTextCursor::Start);
    QTest::keyClick(Control<QPlainTextEdit>(*form, "rve_Items"), Qt::Key_X);  // "x        2" is no layer count
    ButtonOf(*form, ControlTag::SavePicto)->click();
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_TRUE(dialogs.errors[0].contains("001 A.vkz")) << dialogs.errors[0].toStdString();
    EXPECT_EQ(QFile(folder("Result") + "001 A.vkz").size(), snowmanLayers(2).size());
    EXPECT_TRUE(shelf().Doc().RModif);
}
