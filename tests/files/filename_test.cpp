#include "files/filename.h"

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
        {".vkz", false},                // a hidden file: the list would never show it
        {".Dom.vkz", false},
        {"..vkz", false},
        {"Dom.vkz", true},
        {"999 Bałwanek.vkz", true},
        {" .vkz", true},                // a dot after a space hides nothing
        {"Dom..vkz", true},
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
    EXPECT_FALSE(CheckFileName(QStringLiteral(".ukryty")));
}

TEST(FileNameRule, EveryRefusalSaysWhyAndAnAcceptedNameHasNoReason)
{
    const struct {
        const char *name;
        const char *reason;
    } cases[] = {
        {"", "Wpisz nazwę piktogramu"},
        {"Dom", "Nazwa musi kończyć się na .vkz"},
        {"Dom.VKZ", "Nazwa musi kończyć się na .vkz"},
        {"Dom.vkz ", "Nazwa musi kończyć się na .vkz"},
        {"Dom.vkz.vkz", "„.vkz” może stać tylko na końcu"},
        {"C:Dom.vkz", "Nazwa nie może zawierać znaku „:”"},
        {"a|b", "Nazwa nie może zawierać znaku „|”"},  // the character before the extension
        {".Dom.vkz", "Nazwa nie może zaczynać się kropką"},
        {".vkz", "Nazwa nie może zaczynać się kropką"},
        {"Dom.vkz", ""},
        {"999 Bałwanek.vkz", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FileNameRefusal(QString::fromUtf8(c.name)), QString::fromUtf8(c.reason)) << c.name;
}
