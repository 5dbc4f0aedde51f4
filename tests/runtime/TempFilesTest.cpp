#include "LPath.h"
#include "LTempFiles.h"
#include "TempEnvironment.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <filesystem>
#include <set>

namespace {

mode_t ModeOf(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 ? status.st_mode : 0;
}

bool IsTempName(const std::string& name, const std::string& prefix, const std::string& suffix) {
    std::string pattern = prefix + "0XXXXXX" + suffix;
    return name.size() == pattern.size() && name.compare(0, prefix.size() + 1, prefix + "0") == 0 &&
           name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0 &&
           name.find("XXXXXX") == std::string::npos;
}

}  // namespace

TEST(TempFiles, RootIsVarTmpUnlessZelTmpdirNamesAnother) {
    {
        TempEnvironment root("ZEL_TMPDIR", "");
        EXPECT_EQ(LTempRoot(), "/var/tmp/");
    }
    TempEnvironment root("ZEL_TMPDIR", "/somewhere/else");
    EXPECT_EQ(LTempRoot(), "/somewhere/else");
}

TEST(TempFiles, TempNamesAreNewPrivateEmptyFiles) {
    TestFolder folder;
    std::set<std::string> seen;
    for (int i = 0; i < 3; ++i) {
        std::string path = LFileCreateTempName(folder.Path(), ".zel");
        ASSERT_FALSE(path.empty());
        EXPECT_EQ(LPathGetFolder(path), folder.Path());
        EXPECT_TRUE(IsTempName(LPathGetFileName(path), "", ".zel")) << path;
        EXPECT_EQ(ModeOf(path), S_IFREG | 0600) << "nobody else may read what goes in here";
        EXPECT_EQ(std::filesystem::file_size(path), 0u);
        seen.insert(path);
    }
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_TRUE(IsTempName(LPathGetFileName(LFileCreateTempName(folder.Path())), "", ""));
    EXPECT_EQ(LFileCreateTempName(folder / "missing", ".x"), "");
}

TEST(TempFiles, TempFoldersArePrivateAndLiveUnderTheRoot) {
    TestFolder folder;
    TempEnvironment root("ZEL_TMPDIR", folder.Path());
    std::string made = LFolderCreateTemp();
    ASSERT_FALSE(made.empty());
    EXPECT_EQ(LPathGetFolder(made), folder.Path());
    EXPECT_TRUE(IsTempName(LPathGetFileName(made), "", ""));
    EXPECT_EQ(ModeOf(made), S_IFDIR | 0700);
    EXPECT_NE(LFolderCreateTemp(), made);

    TempEnvironment missing("ZEL_TMPDIR", folder / "missing");
    EXPECT_EQ(LFolderCreateTemp(), "");
}

TEST(TempFiles, FolderBesideTheOutputWhenTheRootIsOnAnotherFileSystem) {
    TestFolder output;
    TestFolder sameSystem;
    {
        TempEnvironment root("ZEL_TMPDIR", sameSystem.Path());
        std::string made = LFolderCreateTempBeside(output / "out.zel");
        EXPECT_EQ(LPathGetFolder(made), sameSystem.Path()) << "same file system: the root";
    }

    struct stat shm {};
    struct stat here {};
    if (stat("/dev/shm", &shm) != 0 || stat(output.Path().c_str(), &here) != 0 ||
        shm.st_dev == here.st_dev || access("/dev/shm", W_OK) != 0) {
        GTEST_SKIP() << "no second file system to put the root on";
    }
    std::string otherRoot = "/dev/shm/zeltest-root-" + std::to_string(getpid());
    ASSERT_EQ(mkdir(otherRoot.c_str(), 0700), 0);
    TempEnvironment root("ZEL_TMPDIR", otherRoot);
    std::string made = LFolderCreateTempBeside(output / "out.zel");
    std::filesystem::remove_all(otherRoot);
    ASSERT_FALSE(made.empty());
    EXPECT_EQ(LPathGetFolder(made), output.Path());
    EXPECT_TRUE(IsTempName(LPathGetFileName(made), ".", "")) << made;
    EXPECT_EQ(ModeOf(made), S_IFDIR | 0700);
}
