// The copies of unsaved documents: writing, removal, which copies are offered, damaged ones set aside.
#include "document/errors.h"
#include "document/textformat.h"
#include "files/recoverystore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
class RecoveryStoreTest : public ::testing::Test {
public:
    QTemporaryDir root;
    QString documents = root.path() + "/Result/";
    RecoveryStore store{root.path() + "/Work/odzysk/"};
    const QDateTime noon = QDateTime(QDate(2026, 12, 10), QTime(12, 0));

    void SetUp() override { ASSERT_TRUE(QDir(root.path()).mkpath("Result")); }

    static void put(const QString &path, const QByteArray &bytes, const QDateTime &when)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
        f.write(bytes);
        f.flush();  // or closing would write, and so date, the file again
        ASSERT_TRUE(f.setFileTime(when, QFileDevice::FileModificationTime));
    }
    /// A copy of name holding the snowman, written at when.
    void putCopy(const QString &name, const QDateTime &when, const QByteArray &bytes = snowman())
    {
        QDir().mkpath(store.Folder());
        put(store.PathFor(name), bytes, when);
    }
    static QByteArray snowman()
    {
        std::string text;
        for (const std::string &line : ExampleDocumentTemplate())
            text += line + "\r\n";
        text.resize(text.size() - 2);
        return QByteArray::fromStdString(text);
    }
    QStringList copies() const { return QDir(store.Folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
};
}

TEST_F(RecoveryStoreTest, WriteMakesTheFolderAndReplacesTheCopyRemoveTakesItAway)
{
    store.Write("a.vkz", EmptyDocumentTemplate());
    EXPECT_EQ(LoadPictoLines(store.PathFor("a.vkz").toStdString()), EmptyDocumentTemplate());
    store.Write("a.vkz", ExampleDocumentTemplate());
    EXPECT_EQ(LoadPictoLines(store.PathFor("a.vkz").toStdString()), ExampleDocumentTemplate());
    EXPECT_EQ(copies(), QStringList{"a.vkz"});  // no temporary file left beside it
    store.Remove("a.vkz");
    store.Remove("never written.vkz");
    EXPECT_TRUE(copies().isEmpty());
}

TEST_F(RecoveryStoreTest, AFolderThatCannotBeMadeIsAFileError)
{
    put(root.path() + "/Work", "a file where the folder should be", noon);
    EXPECT_THROW(store.Write("a.vkz", ExampleDocumentTemplate()), FileError);
}

TEST_F(RecoveryStoreTest, OnlyACopyNewerThanItsDocumentIsOfferedAStaleOneIsRemoved)
{
    const struct {
        const char *name;
        int documentAge;  // seconds before the copy; no document when absent
        bool hasDocument;
        bool offered;
    } cases[] = {
        {"never saved.vkz", 0, false, true},
        {"saved before.vkz", 60, true, true},
        {"saved a moment before.vkz", 1, true, true},
        {"saved together.vkz", 0, true, false},
        {"saved after.vkz", -60, true, false},
    };
    for (const auto &c : cases) {
        putCopy(c.name, noon);
        if (c.hasDocument)
            put(documents + c.name, snowman(), noon.addSecs(-c.documentAge));
    }
    const RecoveryStore::Found found = store.Scan(documents);
    EXPECT_TRUE(found.damaged.empty());
    QStringList offered;
    for (const RecoveryStore::Offer &o : found.offers) {
        offered << o.name;
        EXPECT_EQ(o.written, noon) << o.name.toStdString();
        EXPECT_EQ(o.lines, ExampleDocumentTemplate()) << o.name.toStdString();
    }
    for (const auto &c : cases) {
        EXPECT_EQ(offered.contains(c.name), c.offered) << c.name;
        EXPECT_EQ(QFile::exists(store.PathFor(c.name)), c.offered) << c.name;
    }
    // In name order, without regard to letter case.
    EXPECT_EQ(offered, (QStringList{"never saved.vkz", "saved a moment before.vkz", "saved before.vkz"}));
}

TEST_F(RecoveryStoreTest, ADamagedCopyIsSetAsideReportedOnceAndNeverOffered)
{
    QByteArray cut = snowman();
    cut.chop(40);  // a write cut short inside the last layer line
    const struct {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"cut.vkz", cut},
        {"empty.vkz", QByteArray()},
        {"more layers than lines.vkz", "        12         0\r\n" + snowman().mid(22)},
    };
    for (const auto &c : cases)
        putCopy(c.name, noon, c.bytes);
    putCopy("whole.vkz", noon);
    putCopy(".zapis-Kx81Qz~", noon, cut);    // left by a write that was killed
    putCopy("whole.vkz.zapis~", noon, cut);  // and by one of an earlier version
    putCopy("notatka~", noon, cut);          // not a temporary file of ours: it stays

    const RecoveryStore::Found found = store.Scan(documents);
    ASSERT_EQ(found.offers.size(), 1u);
    EXPECT_EQ(found.offers[0].name, "whole.vkz");
    ASSERT_EQ(found.damaged.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const RecoveryStore::Damaged &d = found.damaged[i];
        EXPECT_EQ(d.name, cases[i].name);
        EXPECT_EQ(d.keptAs, QString(cases[i].name) + ".uszkodzony");
        EXPECT_FALSE(d.reason.isEmpty()) << cases[i].name;
        QFile aside(store.Folder() + d.keptAs);
        ASSERT_TRUE(aside.open(QIODevice::ReadOnly)) << cases[i].name;
        EXPECT_EQ(aside.readAll(), cases[i].bytes) << cases[i].name;
    }
    EXPECT_EQ(copies(), (QStringList{"cut.vkz.uszkodzony", "empty.vkz.uszkodzony",
                                     "more layers than lines.vkz.uszkodzony", "notatka~", "whole.vkz"}));

    const RecoveryStore::Found again = store.Scan(documents);
    EXPECT_TRUE(again.damaged.empty());
    EXPECT_EQ(again.offers.size(), 1u);
}

TEST_F(RecoveryStoreTest, NoFolderNothingFoundAndTheTimeReadsTheWayTeachersWriteIt)
{
    const RecoveryStore::Found found = store.Scan(documents);
    EXPECT_TRUE(found.offers.empty());
    EXPECT_TRUE(found.damaged.empty());
    EXPECT_FALSE(QDir(store.Folder()).exists());
    EXPECT_EQ(RecoveryStore::FormatWhen(QDateTime(QDate(2026, 12, 10), QTime(14, 5, 59))), "10.12.2026 14:05");
    EXPECT_EQ(RecoveryStore::FormatWhen(QDateTime(QDate(2027, 1, 2), QTime(8, 7))), "02.01.2027 08:07");
}
