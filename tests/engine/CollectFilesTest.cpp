#include "EncryptFixture.h"
#include "LCollectFiles.h"

#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <filesystem>

using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::SizeIs;
using ::testing::UnorderedElementsAre;

namespace {

std::vector<std::string> FolderNamesOf(const LCryptData& data) {
    std::vector<std::string> names;
    for (const LCryptFSFolder& folder : data.folders) {
        names.push_back(folder.name);
    }
    return names;
}

// Collects items under root, given relative to it, and names the files found
// relative to it.
class Collect : public ::testing::Test {
protected:
    bool Run(const std::vector<std::string>& items) {
        for (const std::string& item : items) {
            data.items.push_back(root / item);
        }
        return LCollectFiles(process, data);
    }
    std::vector<std::string> Files() const {
        std::vector<std::string> files;
        for (const std::string& file : data.entryFiles) {
            files.push_back(file.substr(root.Path().size() + 1));
        }
        return files;
    }

    TestFolder root;
    EncryptRecorder process;
    LCryptData data;
};

}  // namespace

TEST(CollectPaths, ItemsAreAbsoluteAndNormalAndTheBaseIsTheParent) {
    const std::string here = std::filesystem::current_path().string();
    struct Case {
        std::string item;
        std::string normal;
        std::string base;
        std::string name;
    } cases[] = {
        {"/Users/ann/Docs", "/Users/ann/Docs", "/Users/ann/", "Docs"},
        {"/Users/ann/Docs/", "/Users/ann/Docs", "/Users/ann/", "Docs"},
        {"/Users/ann/./Docs/.", "/Users/ann/Docs", "/Users/ann/", "Docs"},
        {"/Users/bob/../ann/Docs//", "/Users/ann/Docs", "/Users/ann/", "Docs"},
        {"/Data", "/Data", "/", "Data"},
        {"/", "/", "/", ""},
        {"/a\\b", "/a\\b", "/", "a\\b"},
        {"Docs/", here + "/Docs", here + "/", "Docs"},
        {"./Docs/../Docs", here + "/Docs", here + "/", "Docs"},
    };
    for (const Case& c : cases) {
        std::string normal = LCollectNormalPath(c.item);
        EXPECT_EQ(normal, c.normal) << c.item;
        EXPECT_EQ(LCollectBaseFolder(normal), c.base) << c.item;
        EXPECT_EQ(LCollectFolderName(normal, c.base), c.name) << c.item;
    }
}

TEST_F(Collect, FolderWithASubfolderBesideATopLevelFile) {
    WriteText(root / "ann/Docs/Sub/c.txt", "ccc");
    WriteText(root / "ann/Docs/b.txt", "bb");
    WriteText(root / "ann/a.txt", "a");
    ASSERT_TRUE(Run({"ann/Docs", "ann/a.txt"}));
    EXPECT_EQ(data.baseFolder, root / "ann/");
    EXPECT_THAT(FolderNamesOf(data), ElementsAre("Docs/Sub", "Docs"));
    EXPECT_EQ(data.folders.front().path, root / "ann/Docs/Sub");
    EXPECT_THAT(Files(), UnorderedElementsAre("ann/Docs/Sub/c.txt", "ann/Docs/b.txt", "ann/a.txt"));
    EXPECT_EQ(Files().back(), "ann/a.txt");
    EXPECT_EQ(data.totalBytes, 6u);
    EXPECT_THAT(data.leftOut, IsEmpty());
}

TEST_F(Collect, TwoFoldersSideBySideNewestFirst) {
    WriteText(root / "A/a.txt", "a");
    WriteText(root / "B/b.txt", "b");
    ASSERT_TRUE(Run({"A/", "B"}));
    EXPECT_THAT(FolderNamesOf(data), ElementsAre("B", "A"));
    EXPECT_THAT(Files(), ElementsAre("A/a.txt", "B/b.txt"));
    EXPECT_EQ(data.items.front(), root / "A");
}

TEST_F(Collect, EmptyFolderAndFolderOfHiddenFilesOnly) {
    std::filesystem::create_directories(root / "Empty");
    WriteText(root / "Hidden/.one", "1");
    WriteText(root / "Hidden/.two", "22");
    WriteText(root / "empty.txt", "");
    ASSERT_TRUE(Run({"Empty", "Hidden", "empty.txt"}));
    EXPECT_THAT(FolderNamesOf(data), ElementsAre("Hidden", "Empty"));
    EXPECT_THAT(Files(), UnorderedElementsAre("Hidden/.one", "Hidden/.two", "empty.txt"));
    EXPECT_EQ(data.totalBytes, 3u);
}

TEST_F(Collect, LinkLoopsAreStoredAsLinksAndEnteredOnce) {
    WriteText(root / "Loop/f.txt", "f");
    std::filesystem::create_directories(root / "Loop/sub");
    ASSERT_EQ(symlink(".", (root / "Loop/self").c_str()), 0);
    ASSERT_EQ(symlink("..", (root / "Loop/sub/up").c_str()), 0);
    ASSERT_TRUE(Run({"Loop"}));
    EXPECT_THAT(FolderNamesOf(data), ElementsAre("Loop/sub", "Loop"));
    EXPECT_THAT(Files(), UnorderedElementsAre("Loop/f.txt", "Loop/self", "Loop/sub/up"));
    EXPECT_THAT(data.leftOut, IsEmpty());
}

TEST_F(Collect, LinksToFoldersAreFollowedUnderTheirOwnNames) {
    WriteText(root / "Real/x.txt", "x");
    std::filesystem::create_directories(root / "Docs");
    ASSERT_EQ(symlink("../Real", (root / "Docs/Via").c_str()), 0);
    ASSERT_EQ(symlink("Real", (root / "Top").c_str()), 0);
    ASSERT_TRUE(Run({"Docs", "Top"}));
    EXPECT_THAT(FolderNamesOf(data), ElementsAre("Top", "Docs/Via", "Docs"));
    EXPECT_THAT(Files(), ElementsAre("Docs/Via/x.txt", "Top/x.txt"));
}

TEST_F(Collect, FifoIsLeftOutAndReportedDanglingLinkKept) {
    std::filesystem::create_directories(root / "Mixed");
    ASSERT_EQ(mkfifo((root / "Mixed/pipe").c_str(), 0600), 0);
    ASSERT_EQ(symlink("nowhere", (root / "Mixed/dangling").c_str()), 0);
    ASSERT_EQ(symlink("pipe", (root / "Mixed/to-pipe").c_str()), 0);
    ASSERT_TRUE(Run({"Mixed"}));
    EXPECT_THAT(Files(), UnorderedElementsAre("Mixed/dangling", "Mixed/to-pipe"));
    EXPECT_THAT(data.leftOut,
                ElementsAre(AllOf(HasSubstr(root / "Mixed/pipe"), HasSubstr("FIFO"))));
}

TEST_F(Collect, FolderWhoseNameDoesNotFitIsLeftOutWithItsContents) {
    const std::string deep = "Long/" + std::string(200, 'd') + "/" + std::string(100, 'e');
    WriteText(root / (deep + "/lost.txt"), "x");
    WriteText(root / "Long/kept.txt", "k");
    ASSERT_TRUE(Run({"Long"}));
    EXPECT_THAT(FolderNamesOf(data), ElementsAre("Long/" + std::string(200, 'd'), "Long"));
    EXPECT_THAT(Files(), ElementsAre("Long/kept.txt"));
    EXPECT_THAT(data.leftOut, ElementsAre(AllOf(HasSubstr(root / deep), HasSubstr("left out"))));
}

TEST_F(Collect, NamesHoldingABackslashAreReportedWithTheirRestoredNames) {
    WriteText(root / "Docs/a\\b.txt", "x");
    std::filesystem::create_directories(root / "Docs/x\\y");
    ASSERT_TRUE(Run({"Docs"}));
    EXPECT_THAT(FolderNamesOf(data), ElementsAre("Docs/x\\y", "Docs"));
    EXPECT_THAT(data.leftOut, UnorderedElementsAre(HasSubstr("restored as b.txt"),
                                                   HasSubstr("restored as Docs/x/y")));
}

TEST_F(Collect, UnreadableFolderIsStoredEmptyAndReported) {
    if (RunningAsRoot()) {
        GTEST_SKIP() << "root reads every folder";
    }
    WriteText(root / "Docs/Closed/secret.txt", "s");
    ASSERT_EQ(chmod((root / "Docs/Closed").c_str(), 0), 0);
    bool collected = Run({"Docs"});
    chmod((root / "Docs/Closed").c_str(), 0700);
    ASSERT_TRUE(collected);
    EXPECT_THAT(FolderNamesOf(data), ElementsAre("Docs/Closed", "Docs"));
    EXPECT_THAT(Files(), IsEmpty());
    EXPECT_THAT(data.leftOut, ElementsAre(HasSubstr("could not be read")));
}

TEST_F(Collect, StopsAtAFolderWhenAsked) {
    WriteText(root / "Docs/Sub/x.txt", "x");
    process.stopAfter = 1;
    EXPECT_FALSE(Run({"Docs"}));
    EXPECT_THAT(data.folders, SizeIs(1));
}

TEST_F(Collect, ASecondRunStartsAfresh) {
    WriteText(root / "Docs/x.txt", "x");
    ASSERT_TRUE(Run({"Docs"}));
    ASSERT_TRUE(LCollectFiles(process, data));
    EXPECT_THAT(FolderNamesOf(data), ElementsAre("Docs"));
    EXPECT_THAT(Files(), ElementsAre("Docs/x.txt"));
    EXPECT_EQ(data.totalBytes, 1u);
}
