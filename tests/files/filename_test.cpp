#include "filename.h"

#include <gtest/gtest.h>

TEST(FileNameRule, OkIsEnabledOnlyForABareNameEndingInItsOneSmallLetterExtension)
{
    const struct {
        const char *name;
        bool accepted;
    } cases[] = {
        {"abc", false},                 // three letters, no extension
        {"Dom.vkz.vkz", false},         // the extension twice
        {"a.vkz.b.vkz", false},
        {"C:Dom.vkz", false},           // a colon
        {"Dom.VKZ", false},             // capitals
        {"Dom.Vkz", false},
        {"", false},
        {"Dom", false},
        {"Dom.vkz ", false},            // the extension is not final
        {"Dom.vkz", true},
        {"999 Bałwanek.vkz", true},
        {".vkz", true},
        {"  \t.vkz", true},             // spaces and control characters are allowed
        {"Żółw 日本.vkz", true},         // and characters above 255
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsDocumentFileName(QString::fromUtf8(c.name)), c.accepted) << c.name;
}

TEST(FileNameRule, EachOfTheNineCharactersIsRefusedAndNothingElse)
{
    for (const QChar c : QStringLiteral("\"*/:<>?\\|"))
        EXPECT_FALSE(CheckFileName(QStringLiteral("a") + c + "b.vkz")) << QString(c).toStdString();
    for (const QChar c : QStringLiteral(" .,;'!@#$%^&()[]{}=+-_~`\x01ąę"))
        EXPECT_TRUE(CheckFileName(QStringLiteral("a") + c + "b.vkz")) << QString(c).toStdString();
    EXPECT_FALSE(CheckFileName(QString()));
}
