// The worksheet dialog "Arkusz do druku": what it offers and what its answer says.
#include "dialogs/worksheetdialog.h"

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

/// Asks through the real dialog while act plays the user on it, from inside its own event loop.
bool askWith(QtWorksheetDialogs &dialogs, const QString &clicked, WorksheetChoice &choice,
             const std::function<void(T_Worksheet &)> &act)
{
    QTimer::singleShot(0, [&] {
        auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        auto *sheet = static_cast<T_Worksheet *>(d);
        act(*sheet);
        if (sheet->isVisible()) {
            ADD_FAILURE() << "the dialog was left open";
            sheet->reject();
        }
    });
    return dialogs.AskWorksheet(clicked, choice);
}

} // namespace

TEST(WorksheetDialog, OffersTheClickedDocumentAndReturnsTheChoice)
{
    QWidget parent;
    QtWorksheetDialogs dialogs(&parent);
    WorksheetChoice choice;
    bool offered = false;
    ASSERT_TRUE(askWith(dialogs, "001 Bałwanek.vkz", choice, [&](T_Worksheet &d) {
        EXPECT_EQ(d.windowTitle(), "Arkusz do druku");
        offered = d.rb_Clicked->isEnabled() && d.rb_Clicked->isChecked() && d.rb_Clicked->text().contains("„001 Bałwanek.vkz”");
        EXPECT_EQ(d.cb_PerPage->currentText(), "12");
        EXPECT_TRUE(d.cb_Names->isChecked());
        EXPECT_FALSE(d.cb_CutLines->isChecked());
        d.rb_All->click();
        d.cb_PerPage->setCurrentIndex(d.cb_PerPage->findText("20"));
        d.cb_Names->click();
        d.cb_CutLines->click();
        d.b_OK->click();
    }));
    EXPECT_TRUE(offered);
    EXPECT_TRUE(choice.all);
    EXPECT_EQ(choice.options.perPage, 20);
    EXPECT_FALSE(choice.options.names);
    EXPECT_TRUE(choice.options.cutLines);

    // The next time it starts from the last answer; Anuluj leaves the choice as it was.
    const WorksheetChoice before = choice;
    EXPECT_FALSE(askWith(dialogs, "002 Dom.vkz", choice, [&](T_Worksheet &d) {
        EXPECT_TRUE(d.rb_All->isChecked());
        EXPECT_EQ(d.cb_PerPage->currentText(), "20");
        d.cb_CutLines->click();
        d.b_Cancel->click();
    }));
    EXPECT_EQ(choice.options.cutLines, before.options.cutLines);
}

TEST(WorksheetDialog, WithoutAClickedDocumentOnlyAllCanBeChosen)
{
    QWidget parent;
    QtWorksheetDialogs dialogs(&parent);
    WorksheetChoice choice;
    ASSERT_TRUE(askWith(dialogs, QString(), choice, [&](T_Worksheet &d) {
        EXPECT_FALSE(d.rb_Clicked->isEnabled());
        EXPECT_TRUE(d.rb_All->isChecked());
        QTest::keyClick(&d, Qt::Key_Return);
    }));
    EXPECT_TRUE(choice.all);
}
