// "Arkusz do druku…" in the window: Ctrl+P and the document list's menu ask through the injected
// worksheet dialog, write Result/Arkusz.pdf (asking before replacing it), hand it to the PDF viewer
// and say where it went in the status bar.
#include "appfixture.h"
#include "controls.h"

#include <QLabel>
#include <QTest>

namespace {

/// Answers the worksheet dialog as a test sets it up and records what it was shown.
class RecordingWorksheet : public WorksheetDialogs {
public:
    bool accept = true;
    WorksheetChoice answer;
    QStringList clickedShown;  ///< the clicked document of each asking, in order
    bool AskWorksheet(const QString &clicked, WorksheetChoice &choice) override
    {
        clickedShown << clicked;
        if (accept)
            choice = answer;
        return accept;
    }
};

class WorksheetWindowTest : public ProgramFolderTest {
public:
    RecordingWorksheet worksheet;
    QStringList openedPdfs;

    std::unique_ptr<T_Form> startWithThree()
    {
        putDocument("001 Bałwanek.vkz", snowmanLayers(8));
        putDocument("002 Dom.vkz", snowmanLayers(3));
        putDocument("003 Kot.vkz", snowmanLayers(5));
        T_Form::Environment env = environment();
        env.worksheet = &worksheet;
        env.openPdf = [this](const QString &file) { openedPdfs << file; };
        auto form = std::make_unique<T_Form>(env);
        // Shown and active, for its shortcuts.
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return form;
    }
    QString pdf() const { return folder("Result") + "Arkusz.pdf"; }
    QByteArray pdfBytes() const
    {
        QFile f(pdf());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void chooseFromMenu(T_Form &form, int row)
    {
        QMenu *menu = OpenRowMenu(Control<QListWidget>(form, "lv_ListFile"), row);
        ASSERT_NE(menu, nullptr);
        QAction *item = Control<QAction>(*menu, "arkusz1");
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(), QStringLiteral("Arkusz do druku…"));
        EXPECT_TRUE(item->isEnabled());
        item->trigger();
    }
};

} // namespace

TEST_F(WorksheetWindowTest, MenuWritesTheClickedDocumentAndOpensIt)
{
    auto form = startWithThree();
    worksheet.answer.all = false;
    chooseFromMenu(*form, 1);
    ASSERT_EQ(worksheet.clickedShown, QStringList{"002 Dom.vkz"});
    EXPECT_TRUE(pdfBytes().startsWith("%PDF-"));
    EXPECT_EQ(openedPdfs, QStringList{pdf()});
    const QString status = Control<QLabel>(*form, "sb_Funk_Panel0")->text();
    EXPECT_TRUE(status.contains("„Arkusz.pdf”") && status.contains("Result") && status.contains("stron: 1"))
        << status.toStdString();
    EXPECT_TRUE(dialogs.errors.empty());
    EXPECT_EQ(Control<QListWidget>(*form, "lv_ListFile")->count(), 3) << "the list keeps to the documents";
}

// Ctrl+P offers the open document when none is highlighted; an existing worksheet is replaced only
// after Tak; Anuluj in the dialog writes nothing.
TEST_F(WorksheetWindowTest, CtrlPAsksBeforeReplacing)
{
    auto form = startWithThree();
    Control<QListWidget>(*form, "lv_ListFile")->clearSelection();
    worksheet.answer.all = true;
    worksheet.answer.options.perPage = 2;
    QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(worksheet.clickedShown, QStringList{"001 Bałwanek.vkz"});
    EXPECT_TRUE(Control<QLabel>(*form, "sb_Funk_Panel0")->text().contains("stron: 2"));
    EXPECT_TRUE(dialogs.yesNoAsked.empty());
    const QByteArray first = pdfBytes();
    ASSERT_FALSE(first.isEmpty());

    dialogs.yesNo = UserDialogs::No;
    worksheet.answer.options.perPage = 1;
    QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(dialogs.yesNoAsked.size(), 1u);
    EXPECT_TRUE(dialogs.yesNoAsked[0].contains("„Arkusz.pdf”") && dialogs.yesNoAsked[0].contains("Zastąpić go?"));
    EXPECT_EQ(pdfBytes(), first) << "Nie keeps the old worksheet";
    EXPECT_EQ(openedPdfs.size(), 1);

    worksheet.accept = false;
    QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(dialogs.yesNoAsked.size(), 1u) << "Anuluj asks nothing more";
    EXPECT_EQ(pdfBytes(), first);

    worksheet.accept = true;
    dialogs.yesNo = UserDialogs::Yes;
    QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_NE(pdfBytes(), first);
    EXPECT_TRUE(Control<QLabel>(*form, "sb_Funk_Panel0")->text().contains("stron: 3"));
    EXPECT_EQ(openedPdfs.size(), 2);
}

// A document that cannot be read is left out and named; the others are still printed.
TEST_F(WorksheetWindowTest, UnreadableDocumentIsNamedAndLeftOut)
{
    putDocument("004 Zły.vkz", "to nie jest piktogram\r\n");
    auto form = startWithThree();
    ASSERT_EQ(shelf().Names().size(), 4);
    worksheet.answer.all = true;
    worksheet.answer.options.perPage = 20;
    QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_TRUE(dialogs.errors[0].contains("004 Zły.vkz")) << dialogs.errors[0].toStdString();
    EXPECT_TRUE(pdfBytes().startsWith("%PDF-"));
    EXPECT_EQ(openedPdfs.size(), 1);
}
