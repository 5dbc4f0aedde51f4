#include "LCompressionArchive.h"
#include "LCompressionClassify.h"
#include "LCompressionPack.h"
#include "LFileStatus.h"
#include "LZipCommand.h"
#include "LZipFileAddProcess.h"
#include "TestFolder.h"
#include "ZipSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <filesystem>
#include <fstream>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

void Write(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::pair<std::string, std::string>> Groups(const LMap<std::string, std::string>& m) {
    return {m.begin(), m.end()};
}

std::vector<std::string> FolderNamesOf(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

using Pairs = std::vector<std::pair<std::string, std::string>>;

}  // namespace

TEST(ZipClassify, ExtensionAgainstTheIgnoreList) {
    struct Case {
        const char* path;
        bool compress;
        const char* list;
        bool packed;
    } cases[] = {
        {"/Users/ann/a.ZIP", true, ".zip .jpg ", false},  // lowered before the search
        {"/Users/ann/b.txt", true, ".zip .jpg ", true},
        {"/Users/ann/README", true, ".zip .jpg ", false},  // no extension is always found
        {"/Users/ann/c.jp", true, ".zip .jpg ", false},    // found inside .jpg
        {"/Users/ann/d.txt", true, "", true},
        {"/Users/ann/README", true, "", false},
        {"/Users/ann/b.txt", false, "", false},
        {"/Users/a.zip/e", true, ".zip ", false},   // only the last component counts
        {"/Users/ann/f.TXT", true, ".TXT ", true},  // the list is not lowered
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LCompressionIsPacked(c.path, c.compress, c.list), c.packed) << c.path;
    }
}

TEST(ZipClassify, GroupsGetTheCommonFolderOfTheirFiles) {
    struct Case {
        std::vector<std::string> files;
        Pairs groups;
    } cases[] = {
        {{"/Users/ann/docs/a.txt"}, {{"/Users", "/Users/ann/docs"}}},
        {{"/Users/ann/docs/a.txt", "/Users/ann/docs/b.txt"}, {{"/Users", "/Users/ann/"}}},
        {{"/Users/ann/docs/a.txt", "/Users/ann/pics/b.txt"}, {{"/Users", "/Users/ann/"}}},
        {{"/a.txt"}, {{"/a.txt", "/"}}},
        // The key added last comes first.
        {{"/Users/ann/a.txt", "/Volumes/Disk/b.txt", "/Users/bob/c.txt"},
         {{"/Volumes", "/Volumes/Disk"}, {"/Users", "/Users/"}}},
    };
    for (const Case& c : cases) {
        LMap<std::string, std::string> groups;
        for (const std::string& file : c.files) {
            LCompressionGroupAdd(groups, file);
        }
        EXPECT_EQ(Groups(groups), c.groups) << c.files.front();
    }
    EXPECT_TRUE(LCompressionInGroup("/home/a", "/home"));
    EXPECT_FALSE(LCompressionInGroup("/home2/a", "/home"));
}

TEST(ZipCommand, PathInsideTheArchive) {
    struct Case {
        const char* entry;
        const char* folder;
        const char* stored;
    } cases[] = {
        {"/Users/ann/docs/a.txt", "/Users/ann/", "docs/a.txt"},
        {"/Users/ann/docs/a.txt", "/Users/ann/docs", "a.txt"},
        {"/a.txt", "/", "a.txt"},
        {"/Users/bob/b.txt", "/Users/ann", "../bob/b.txt"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LZipArchivePath(c.entry, c.folder), c.stored) << c.entry;
    }
}

TEST(ZipCommand, EntryNamesAreMatchedLiterally) {
    EXPECT_EQ(LZipEscapeEntryName("-x[1]*?.txt"), "[-]x[[]1][*][?].txt");
    EXPECT_EQ(LZipEscapeEntryName("a-b"), "a-b");
}

class ZipPack : public ::testing::Test {
protected:
    void SetUp() override {
        archive = LCompressionPrepareArchive(archiveFolder);
        ASSERT_FALSE(archive.empty());
    }
    TestFolder source;
    TestFolder restored;
    LTempFolder archiveFolder;
    std::string archive;
    ZipRecorder process;
};

TEST_F(ZipPack, TheEmptyArchiveIsPrivate) {
    EXPECT_EQ(Read(archive), std::string("PK\5\6", 4) + std::string(20, '\0'));
    struct stat status {};
    ASSERT_EQ(stat(archiveFolder.Path().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0700u);
    ASSERT_EQ(stat(archive.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u);
    std::string folder = archiveFolder.Path();
    archiveFolder.Reset();
    EXPECT_FALSE(LFileExists(folder));
}

// The groups' working folders decide the stored names; files are added in
// reverse list order, one progress step each.
TEST_F(ZipPack, ByGroupsStoresPathsBelowTheWorkingFolder) {
    LCryptData data;
    data.zipPath = archive;
    for (const char* name : {"docs/a.txt", "docs/b.txt", "pics/c.txt"}) {
        Write(source / name, name);
        data.zipFiles.push_back(source / name);
        LCompressionGroupAdd(data.zipGroups, source / name);
    }
    ASSERT_EQ(LCompressionPackByGroups(process, data), LProcessResultSuccess);
    EXPECT_THAT(ZipNames(archive), ElementsAre("docs/a.txt", "docs/b.txt", "pics/c.txt"));
    EXPECT_THAT(process.status0, ElementsAre("c.txt", "b.txt", "a.txt"));
    EXPECT_THAT(process.progress, ElementsAre(0.0, 0.0, 1.0 / 3, 2.0 / 3));
}

// Packing by chosen item: a file inside a chosen folder keeps the folder's name,
// a chosen file is stored by its name.
TEST_F(ZipPack, ByItemStoresPathsBelowTheChosenItem) {
    LCryptData data;
    data.zipPath = archive;
    Write(source / "ann/Docs/x.txt", "x");
    Write(source / "ann/b.txt", "b");
    data.items = {source / "ann/Docs", source / "ann/b.txt"};
    data.zipFiles = {source / "ann/Docs/x.txt", source / "ann/b.txt"};
    ASSERT_EQ(LCompressionPackByItem(process, data), LProcessResultSuccess);
    EXPECT_THAT(ZipNames(archive), ElementsAre("Docs/x.txt", "b.txt"));
}

TEST_F(ZipPack, AMissingFileFailsWithItsPath) {
    LProcessZipFileAdd add{archive, source.Path(), {{source / "gone.txt"}}};
    EXPECT_EQ(Process(process, add), LProcessResultFailed);
    EXPECT_THAT(process.errors,
                ElementsAre("File does not exist: \"" + source / "gone.txt" + "\""));
}

TEST_F(ZipPack, AFileZipCannotReadFailsWithItsPath) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    Write(source / "secret.txt", "s");
    chmod((source / "secret.txt").c_str(), 0);
    LProcessZipFileAdd add{archive, source.Path(), {{source / "secret.txt"}}};
    EXPECT_EQ(Process(process, add), LProcessResultFailed);
    EXPECT_THAT(process.errors, ElementsAre("File could not be added to Zip file: \"" +
                                            source / "secret.txt" + "\""));
}

TEST_F(ZipPack, AStopEndsBetweenFiles) {
    Write(source / "a.txt", "a");
    Write(source / "b.txt", "b");
    LProcessZipFileAdd add{archive, source.Path(), {{source / "a.txt"}, {source / "b.txt"}}};
    process.stopOn = "a.txt";
    EXPECT_EQ(Process(process, add), LProcessResultStopped);
    EXPECT_THAT(process.errors, IsEmpty());
    EXPECT_THAT(ZipNames(archive), ElementsAre("a.txt"));
}

// Names that a shell or the tools' own pattern matching would change go in and
// come out as they are, extracted whole and one by one.
TEST_F(ZipPack, OddNamesArePackedAndRestoredAsThemselves) {
    std::vector<std::string> names = {"-x.txt", "*", "[1]", "say \"hi\"", "$HOME"};
    LProcessZipFileAdd add{archive, source.Path(), {}};
    for (const std::string& name : names) {
        Write(source / name, "content of " + name);
        add.entries.AddTail({source / name});
    }
    ASSERT_EQ(Process(process, add), LProcessResultSuccess)
        << ::testing::PrintToString(process.errors);
    std::vector<std::string> sorted = names;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(ZipNames(archive), sorted);
    ASSERT_TRUE(LZipExtractCommand(archive, "", restored / "all"));
    for (const std::string& name : names) {
        EXPECT_EQ(Read(restored / ("all/" + name)), "content of " + name);
        ASSERT_TRUE(LZipExtractCommand(archive, name, restored / "one")) << name;
        EXPECT_THAT(FolderNamesOf(restored / "one"), ElementsAre(name));
        std::filesystem::remove_all(restored / "one");
    }
}

// Files under two top-level folders go into one archive in two steps, each with its own
// working folder.
TEST_F(ZipPack, TwoTopLevelFoldersArePackedInTwoSteps) {
    std::string pattern = "/var/tmp/zeltest-XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    LTempFolder other(pattern);
    ASSERT_NE(LCompressionGroupKey(source.Path()), LCompressionGroupKey(other.Path()));
    LCryptData data;
    data.zipPath = archive;
    for (const std::string& file : {source / "a/x.txt", other.Path() + "/b/y.txt"}) {
        Write(file, "x");
        data.zipFiles.push_back(file);
        LCompressionGroupAdd(data.zipGroups, file);
    }
    ASSERT_EQ(data.zipGroups.GetCount(), 2u);
    ASSERT_EQ(LCompressionPackByGroups(process, data), LProcessResultSuccess);
    EXPECT_THAT(ZipNames(archive), ElementsAre("x.txt", "y.txt"));
    // Each step starts its progress afresh.
    EXPECT_THAT(process.progress, ElementsAre(0.0, 0.0, 0.0, 0.0));
}
