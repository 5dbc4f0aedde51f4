#include "LFileStatus.h"
#include "LFolderCreate.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <fstream>

TEST(FileStatus, EachKindOfEntry) {
    TestFolder folder;
    std::ofstream(folder / "file") << "x";
    mkdir((folder / "dir").c_str(), 0755);
    symlink("file", (folder / "fileLink").c_str());
    symlink("dir", (folder / "dirLink").c_str());
    symlink("nowhere", (folder / "dangling").c_str());
    mkfifo((folder / "fifo").c_str(), 0600);

    struct Case {
        const char* name;
        bool exists, isFolder, isRegular, isLink;
    } cases[] = {
        {"file", true, false, true, false},     {"dir", true, true, false, false},
        {"fileLink", true, false, true, true},  {"dirLink", true, true, false, true},
        {"dangling", true, false, false, true},  // a link that points nowhere still exists
        {"fifo", true, false, false, false},    {"missing", false, false, false, false},
    };
    for (const Case& c : cases) {
        std::string path = folder / c.name;
        EXPECT_EQ(LFileExists(path), c.exists) << c.name;
        EXPECT_EQ(LFolderExists(path), c.isFolder) << c.name;
        EXPECT_EQ(LFileIsRegular(path), c.isRegular) << c.name;
        EXPECT_EQ(LFileIsLink(path), c.isLink) << c.name;
    }
    EXPECT_FALSE(LFileExists(""));
}

TEST(FolderCreate, TrueOnlyWhenCreatedNow) {
    TestFolder folder;
    std::string path = folder / "new";
    mode_t previous = umask(027);
    EXPECT_TRUE(LFolderCreate(path));
    umask(previous);
    struct stat status {};
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0750u) << "0777 less the umask";

    std::ofstream(path + "/keep") << "x";
    EXPECT_FALSE(LFolderCreate(path)) << "an existing folder";
    EXPECT_TRUE(LFileExists(path + "/keep")) << "changes nothing";
    std::ofstream(folder / "file") << "x";
    EXPECT_FALSE(LFolderCreate(folder / "file"));
    symlink("nowhere", (folder / "dangling").c_str());
    EXPECT_FALSE(LFolderCreate(folder / "dangling")) << "never created through a link";
    EXPECT_FALSE(LFileExists(folder / "nowhere"));
}

TEST(FolderCreate, WithParents) {
    TestFolder folder;
    EXPECT_TRUE(LFolderCreateWithParents(folder / "a/b/c"));
    EXPECT_TRUE(LFolderExists(folder / "a/b/c"));
    EXPECT_FALSE(LFolderCreateWithParents(folder / "a/b/c")) << "already there";
    EXPECT_TRUE(LFolderCreateWithParents(folder / "a/b/d"));
    EXPECT_FALSE(LFolderCreateWithParents(folder / "a/b/e/")) << "trailing separator";
    EXPECT_TRUE(LFolderExists(folder / "a/b/e"));

    std::ofstream(folder / "file") << "x";
    EXPECT_FALSE(LFolderCreateWithParents(folder / "file/x/y"));
    EXPECT_FALSE(LFolderCreateWithParents(""));

    std::string deep = folder.Path();
    for (int i = 0; i < 500; ++i) {
        deep += "/level";
    }
    EXPECT_TRUE(LFolderCreateWithParents(deep)) << "a path far longer than 259 characters";
    for (int i = 0; i < 300; ++i) {
        deep += "/level";
    }
    EXPECT_FALSE(LFolderCreateWithParents(deep)) << "longer than the system allows";
}
