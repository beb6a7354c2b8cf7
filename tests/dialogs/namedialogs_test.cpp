#include "dialogdriver.h"
#include "dialogs/namedialogs.h"

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

TEST(NameDialogs, StartWithTheirNamesAndOkFollowsEveryChangeOfTheText)
{
    T_Nowy nowy;
    T_Save save;
    EXPECT_EQ(nowy.windowTitle(), "Nowy piktogram");
    EXPECT_EQ(save.windowTitle(), "Zapisz piktogram jako");
    EXPECT_EQ(nowy.e_NameP->text(), "000 Nowy.vkz");
    EXPECT_EQ(save.e_NameP->text(), "999 Piktogram.vkz");
    for (NameDialogBase *d : {static_cast<NameDialogBase *>(&nowy), static_cast<NameDialogBase *>(&save)}) {
        EXPECT_TRUE(d->b_OK->isEnabled());
        d->e_NameP->setText("abc");
        EXPECT_FALSE(d->b_OK->isEnabled());
        d->e_NameP->setText("Dom.VKZ");
        EXPECT_FALSE(d->b_OK->isEnabled());
        d->e_NameP->setText("Dom.vkz");
        EXPECT_TRUE(d->b_OK->isEnabled());
    }
}

TEST(NameDialogs, TheExampleBoxFixesTheNameAndUncheckingRestoresTheNewName)
{
    T_Nowy nowy;
    nowy.e_NameP->setText("Mój.vkz");
    nowy.cb_Example->setChecked(true);
    EXPECT_EQ(nowy.e_NameP->text(), "999 Bałwanek.vkz");
    EXPECT_FALSE(nowy.e_NameP->isEnabled());
    EXPECT_TRUE(nowy.n_Name->isHidden());
    EXPECT_TRUE(nowy.b_OK->isEnabled());
    nowy.cb_Example->setChecked(false);
    EXPECT_EQ(nowy.e_NameP->text(), "000 Nowy.vkz");  // not the name typed before checking
    EXPECT_TRUE(nowy.e_NameP->isEnabled());
    EXPECT_FALSE(nowy.n_Name->isHidden());
}

/// Runs the dialog modally, acting on it once it is shown; returns whether it was accepted.
static bool runDialog(QDialog &d, const std::function<void()> &act)
{
    QTimer::singleShot(0, &d, act);
    return d.exec() == QDialog::Accepted;
}

TEST(NameDialogs, KeepTheLastNameTypedAndAlwaysOpenWithoutTheExample)
{
    QWidget owner;
    QtNameDialogs dialogs(&owner);
    QString name;
    bool example = true;
    // Enter does nothing while the name is refused; Escape cancels.
    EXPECT_FALSE(runDialog(dialogs.Save, [&] {
        dialogs.Save.e_NameP->setText("zły:plik.vkz");
        QTest::keyClick(dialogs.Save.e_NameP, Qt::Key_Return);
        EXPECT_TRUE(dialogs.Save.isVisible());
        QTest::keyClick(dialogs.Save.e_NameP, Qt::Key_Escape);
    }));
    EXPECT_TRUE(runDialog(dialogs.Save, [&] {
        dialogs.Save.e_NameP->setText("Kot.vkz");
        QTest::keyClick(dialogs.Save.e_NameP, Qt::Key_Return);
    }));
    EXPECT_EQ(dialogs.Save.Name_P, "Kot.vkz");
    EXPECT_EQ(dialogs.Save.e_NameP->text(), "Kot.vkz");

    dialogs.Nowy.cb_Example->setChecked(true);
    QTimer::singleShot(0, &dialogs.Nowy, [&] {
        EXPECT_FALSE(dialogs.Nowy.cb_Example->isChecked());  // unchecked on every showing
        EXPECT_EQ(dialogs.Nowy.e_NameP->text(), "000 Nowy.vkz");
        dialogs.Nowy.e_NameP->setText("Pies.vkz");
        dialogs.Nowy.b_OK->click();
    });
    ASSERT_TRUE(dialogs.AskNewPicto(name, example));
    EXPECT_EQ(name, "Pies.vkz");
    EXPECT_FALSE(example);
    QTimer::singleShot(0, &dialogs.Nowy, [&] {
        EXPECT_EQ(dialogs.Nowy.e_NameP->text(), "Pies.vkz");  // the last name typed
        dialogs.Nowy.cb_Example->setChecked(true);
        dialogs.Nowy.b_OK->click();
    });
    ASSERT_TRUE(dialogs.AskNewPicto(name, example));
    EXPECT_EQ(name, "999 Bałwanek.vkz");
    EXPECT_TRUE(example);
    QTimer::singleShot(0, &dialogs.Nowy, [&] {
        EXPECT_EQ(dialogs.Nowy.e_NameP->text(), "000 Nowy.vkz");  // after a use with the example
        dialogs.Nowy.b_Cancel->click();
    });
    EXPECT_FALSE(dialogs.AskNewPicto(name, example));
}

TEST(NameDialogs, EveryOpeningPutsTheFocusInTheNameWithTheWholeNameSelected)
{
    QWidget owner;
    QtNameDialogs dialogs(&owner);
    using Ask = std::function<QString()>;
    const struct {
        const char *dialog;
        Ask ask;
    } cases[] = {
        {"Nowy piktogram",
         [&] {
             QString name;
             bool example = false;
             return dialogs.AskNewPicto(name, example) ? name : QString();
         }},
        {"Zapisz piktogram jako",
         [&] {
             QString name;
             return dialogs.AskSaveName(name) ? name : QString();
         }},
    };
    for (const auto &c : cases) {
        // Typed and confirmed with a click on OK, then twice typed and confirmed with Enter: each
        // opening takes the typing into the name, never into the button clicked last time.
        DialogDriver driver({&dialogs.Nowy, &dialogs.Save},
                            {
                                [](NameDialogBase &d) {
                                    EXPECT_TRUE(DialogDriver::readyToRetype(d));
                                    DialogDriver::type(d, "Kot.vkz");
                                    QTest::mouseClick(d.b_OK, Qt::LeftButton);
                                },
                                [](NameDialogBase &d) {
                                    EXPECT_TRUE(DialogDriver::readyToRetype(d));
                                    DialogDriver::type(d, "Pies.vkz");
                                    DialogDriver::enter(d);
                                },
                                [](NameDialogBase &d) {
                                    EXPECT_TRUE(DialogDriver::readyToRetype(d));
                                    EXPECT_EQ(d.e_NameP->text(), "Pies.vkz");
                                    DialogDriver::type(d, "Mysz.vkz");
                                    DialogDriver::enter(d);
                                },
                            });
        EXPECT_EQ(c.ask(), "Kot.vkz") << c.dialog;
        EXPECT_EQ(c.ask(), "Pies.vkz") << c.dialog;
        EXPECT_EQ(c.ask(), "Mysz.vkz") << c.dialog;
        EXPECT_EQ(driver.shown, 3) << c.dialog;
    }
}

TEST(NameDialogs, AGreyedOkSaysWhyOnALineUnderTheName)
{
    T_Nowy nowy;
    T_Save save;
    for (NameDialogBase *d : {static_cast<NameDialogBase *>(&nowy), static_cast<NameDialogBase *>(&save)}) {
        const struct {
            const char *name;
            const char *reason;
        } cases[] = {
            {"Dom", "Nazwa musi kończyć się na .vkz"},
            {"Dom:1.vkz", "Nazwa nie może zawierać znaku „:”"},
            {".Dom.vkz", "Nazwa nie może zaczynać się kropką"},
            {"", "Wpisz nazwę piktogramu"},
            {"Dom.vkz", ""},
        };
        for (const auto &c : cases) {
            d->e_NameP->setText(QString::fromUtf8(c.name));
            EXPECT_EQ(d->l_Reason->text(), QString::fromUtf8(c.reason)) << c.name;
            EXPECT_EQ(d->b_OK->isEnabled(), *c.reason == 0) << c.name;
        }
        // The line lies between the name and the buttons, which moved down by its height.
        EXPECT_GE(d->l_Reason->y(), d->e_NameP->geometry().bottom());
        EXPECT_LE(d->l_Reason->geometry().bottom(), d->b_OK->y());
        EXPECT_EQ(d->b_OK->y(), 61 + NameDialogBase::ReasonHeight);
        EXPECT_EQ(d->height(), 94 + NameDialogBase::ReasonHeight);
    }
    EXPECT_EQ(nowy.width(), 241);
    EXPECT_EQ(save.width(), 265);  // wide enough for its whole title
}
