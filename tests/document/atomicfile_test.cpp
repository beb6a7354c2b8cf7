// Every file is written whole or not at all, keeps its permissions and is written through links.
#include "document/atomicfile.h"
#include "document/errors.h"
#include "document/textformat.h"
#include "filesizelimit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

void writePlain(const fs::path &path, const std::string &text)
{
    std::ofstream(path, std::ios::binary) << text;
}

class AtomicFileTest : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("merisko-atomic-" + std::to_string(::getpid()));
    void SetUp() override
    {
        fs::remove_all(dir);
        fs::create_directories(dir / "inne");
    }
    void TearDown() override { fs::remove_all(dir); }
    /// Every name in the folder and its subfolders, to see that no temporary file is left.
    std::vector<std::string> names() const
    {
        std::vector<std::string> out;
        for (const auto &e : fs::recursive_directory_iterator(dir))
            out.push_back(e.path().lexically_relative(dir).string());
        std::sort(out.begin(), out.end());
        return out;
    }
};

} // namespace

TEST_F(AtomicFileTest, AFullDiskKeepsTheOldFileAndSaysSoInPolish)
{
    // The old thumbnail is 12,342 bytes; only 4,096 fit. Each writer goes through the same path.
    const std::string old(12342, 'o');
    const std::string larger(20000, 'n');
    const struct {
        const char *name;
        std::function<void(const std::string &)> write;
    } writers[] = {
        {"bytes", [&](const std::string &p) { WriteFileAtomically(p, larger); }},
        {"document text", [&](const std::string &p) { SavePictoText(p, std::vector<std::string>(2000, "         1         0")); }},
    };
    for (const auto &w : writers) {
        const fs::path path = dir / "001 Bałwanek.bmp";
        writePlain(path, old);
        try {
            FileSizeLimit fourKilobytes(4096);
            w.write(path.string());
            ADD_FAILURE() << w.name << ": a cut write was reported as success";
        } catch (const FileError &e) {
            const std::string message = e.what();
            EXPECT_EQ(message.rfind("Nie można stworzyć pliku \"" + path.string() + "\". ", 0), 0u) << message;
            EXPECT_NE(message.find("wielkość"), std::string::npos) << w.name << ": " << message;
        }
        EXPECT_EQ(readAll(path), old) << w.name;
        EXPECT_EQ(names(), (std::vector<std::string>{"001 Bałwanek.bmp", "inne"})) << w.name;
    }
}

TEST_F(AtomicFileTest, PermissionsOfTheOldFileAreKept)
{
    const struct {
        fs::perms before;
    } cases[] = {{fs::perms::owner_read | fs::perms::owner_write},
                 {fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read},
                 {fs::perms::owner_all | fs::perms::group_read | fs::perms::group_write}};
    for (const auto &c : cases) {
        const fs::path path = dir / "a.vkz";
        writePlain(path, "stary");
        fs::permissions(path, c.before);
        WriteFileAtomically(path.string(), "nowy");
        EXPECT_EQ(readAll(path), "nowy");
        EXPECT_EQ(fs::status(path).permissions(), c.before) << int(c.before);
    }
    // A new file gets the usual permissions of a new file (those the umask leaves).
    const mode_t mask = ::umask(022);
    ::umask(mask);
    WriteFileAtomically((dir / "nowy.vkz").string(), "x");
    EXPECT_EQ(int(fs::status(dir / "nowy.vkz").permissions()), int(0666 & ~mask));
}

TEST_F(AtomicFileTest, ALinkStaysALinkAndItsTargetIsWritten)
{
    const struct {
        const char *what;
        fs::path link;   ///< where the program writes
        std::string to;  ///< what the link holds
        fs::path target; ///< the file that must change
    } cases[] = {
        {"relative link", dir / "a.vkz", "inne/a.vkz", dir / "inne" / "a.vkz"},
        {"absolute link", dir / "b.vkz", (dir / "inne" / "b.vkz").string(), dir / "inne" / "b.vkz"},
        {"link to a link", dir / "c.vkz", "b.vkz", dir / "inne" / "b.vkz"},
        {"dangling link", dir / "d.png", "inne/d.png", dir / "inne" / "d.png"},
    };
    for (const auto &c : cases) {
        if (std::string(c.what) != "dangling link" && !fs::exists(c.target))
            writePlain(c.target, "stary");
        if (!fs::is_symlink(c.link))
            fs::create_symlink(c.to, c.link);
        SavePictoText(c.link.string(), {"nowy " + std::string(c.what), ""});
        EXPECT_TRUE(fs::is_symlink(c.link)) << c.what;
        EXPECT_EQ(fs::read_symlink(c.link).string(), c.to) << c.what;
        EXPECT_EQ(readAll(c.target), "nowy " + std::string(c.what) + "\r\n") << c.what;
        EXPECT_EQ(ResolveWriteTarget(c.link.string()), c.target.string()) << c.what;
    }
    EXPECT_EQ(names(), (std::vector<std::string>{"a.vkz", "b.vkz", "c.vkz", "d.png", "inne", "inne/a.vkz",
                                                 "inne/b.vkz", "inne/d.png"}));
}

TEST_F(AtomicFileTest, ALinkToAFullDiskKeepsItsTarget)
{
    const fs::path target = dir / "inne" / "a.png";
    writePlain(target, std::string(5000, 'o'));
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("inne/a.png", dir / "a.png");
    {
        FileSizeLimit fourKilobytes(4096);
        EXPECT_THROW(WriteFileAtomically((dir / "a.png").string(), std::string(8000, 'n')), FileError);
    }
    EXPECT_EQ(readAll(target), std::string(5000, 'o'));
    EXPECT_TRUE(fs::is_symlink(dir / "a.png"));
    EXPECT_EQ(names(), (std::vector<std::string>{"a.png", "inne", "inne/a.png"}));
}

// The temporary file has a short name of its own, so a document whose name takes all 255 bytes the
// system allows is saved like any other, and saved again over itself.
TEST_F(AtomicFileTest, EveryNameTheSystemAllowsCanBeSaved)
{
    std::string polish;
    while (polish.size() + 2 <= 255 - 4)
        polish += "ł";  // two bytes each
    polish += std::string(255 - 4 - polish.size(), 'a') + ".vkz";
    for (const std::string &name : {std::string(244, 'a') + ".vkz", std::string(245, 'a') + ".vkz",
                                    std::string(251, 'a') + ".vkz", polish}) {
        SCOPED_TRACE(name.size());
        const fs::path path = dir / name;
        SavePictoText(path.string(), EmptyDocumentTemplate());
        SavePictoText(path.string(), ExampleDocumentTemplate());
        EXPECT_EQ(LoadPictoLines(path.string()), ExampleDocumentTemplate());
        std::vector<std::string> expected{"inne", name};
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(names(), expected) << "no temporary file left";
        fs::remove(path);
    }
    EXPECT_EQ(polish.size(), 255u);
}

TEST(TemporaryName, OnlyTheFormTheWriterMakes)
{
    const struct {
        const char *name;
        bool temporary;
    } cases[] = {
        {".zapis-Ab3xY9~", true},  {".zapis-000000~", true},   {".zapis-Ab3xY~", false},
        {".zapis-Ab3xY9Z~", false}, {".zapis-Ab3.Y9~", false}, {"zapis-Ab3xY9~", false},
        {".zapis-Ab3xY9", false},  {"a.vkz.zapis~", false},    {".zapis-Ab3xY9~~", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsTemporaryName(c.name), c.temporary) << c.name;
}
