// The order of the document list and how an entry is found by its file name.
#include "files/documentlist.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

TEST(DocumentOrder, PolishAlphabetWithLetterCaseIgnoredAndNumbersByValue)
{
    const struct {
        const char *before, *after;
    } cases[] = {
        {"Cebula.vkz", "Ćma.vkz"},  // ć after c ...
        {"Cukier.vkz", "Ćma.vkz"},  // ... after every c, not beside it
        {"Ćma.vkz", "Dom.vkz"},
        {"Lis.vkz", "Łódka.vkz"},
        {"Lżejszy.vkz", "Łabędź.vkz"},
        {"Łódka.vkz", "Mysz.vkz"},
        {"Ozon.vkz", "Ósemka.vkz"},
        {"Ósemka.vkz", "Pies.vkz"},
        {"Sowa.vkz", "Śliwka.vkz"},
        {"Śliwka.vkz", "Tama.vkz"},
        {"Zebra.vkz", "Źdźbło.vkz"},
        {"Źdźbło.vkz", "Żaba.vkz"},
        {"ala.vkz", "Bob.vkz"},  // letter case ignored
        {"Balon.vkz", "bęben.vkz"},
        {"Dom.vkz", "Domek.vkz"},
        {"Dom.vkz", "dom.vkz"},  // the same but for letter case: a fixed order, capital first
        {"000 Nowy.vkz", "999 Piktogram.vkz"},
        {"001 Kot.vkz", "002 Ala.vkz"},
        {"009 Kot.vkz", "010 Ala.vkz"},
        {"2 Kot.vkz", "10 Ala.vkz"},  // numbers by their value
        {"999 Piktogram.vkz", "Ala.vkz"},
    };
    for (const auto &c : cases) {
        const QString a = QString::fromUtf8(c.before), b = QString::fromUtf8(c.after);
        EXPECT_TRUE(NameBefore(a, b)) << c.before << " before " << c.after;
        EXPECT_FALSE(NameBefore(b, a)) << c.after << " not before " << c.before;
    }
}

TEST(DocumentOrder, ListingAFolderSortsWhateverOrderTheFilesCameIn)
{
    const QStringList sorted = {"001 Kot.vkz", "2 Mysz.vkz", "10 Pies.vkz", "Cebula.vkz", "cukier.vkz",
                                "Ćma.vkz",     "Dom.vkz",    "dom.vkz",     "Lis.vkz",    "Łódka.vkz",
                                "Zebra.vkz",   "żaba.vkz"};
    QStringList shuffled = sorted;
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(15));
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const QString &name : shuffled)
        QFile(dir.path() + "/" + name).open(QIODevice::WriteOnly);
    QFile(dir.path() + "/Inny.txt").open(QIODevice::WriteOnly);
    SortedNameList list;
    ListFiles(list, dir.path() + "/", "*.vkz");
    EXPECT_EQ(list.Items, sorted);
}

TEST(DocumentOrder, AnEntryIsFoundByTheExactFileName)
{
    SortedNameList list;
    for (const char *name : {"dom.vkz", "Ala.vkz", "Dom.vkz"})
        list.Add(QString::fromUtf8(name));
    ASSERT_EQ(list.Items, QStringList({"Ala.vkz", "Dom.vkz", "dom.vkz"}));
    EXPECT_EQ(list.IndexOf("Dom.vkz"), 1);
    EXPECT_EQ(list.IndexOf("dom.vkz"), 2);
    EXPECT_EQ(list.IndexOf("Nowy.vkz"), -1);
    // On this system "DOM.vkz" would be a third file, not one of the two.
    EXPECT_EQ(list.IndexOf("DOM.vkz"), FileNameCase == Qt::CaseSensitive ? -1 : 1);
}
