#include "LFileDescriptor.h"
#include "LFileStatus.h"
#include "LFolderTree.h"
#include "TestFiles.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

mode_t ModeOf(const std::string& path) {
    struct stat status {};
    return lstat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// A tree next to files and a folder outside it that its links point at:
//   outside/precious, outside/dir/kept
//   tree/a.txt, tree/.hidden, tree/empty/, tree/sub/b.txt, tree/sub/deeper/c.txt,
//   tree/toFile -> outside/precious, tree/sub/toDir -> outside/dir, tree/dangling -> nowhere
struct TreeWithLinksOut {
    explicit TreeWithLinksOut(const TestFolder& folder)
        : outside(folder / "outside"), tree(folder / "tree") {
        fs::create_directories(outside + "/dir");
        WriteAll(outside + "/precious", "precious");
        WriteAll(outside + "/dir/kept", "kept");
        fs::create_directories(tree + "/sub/deeper");
        fs::create_directories(tree + "/empty");
        WriteAll(tree + "/a.txt", "a");
        WriteAll(tree + "/.hidden", "hidden");
        WriteAll(tree + "/sub/b.txt", "b");
        WriteAll(tree + "/sub/deeper/c.txt", "c");
        symlink((outside + "/precious").c_str(), (tree + "/toFile").c_str());
        symlink((outside + "/dir").c_str(), (tree + "/sub/toDir").c_str());
        symlink("nowhere", (tree + "/dangling").c_str());
    }

    ~TreeWithLinksOut() { chmod((outside + "/dir").c_str(), 0700); }
    TreeWithLinksOut(const TreeWithLinksOut&) = delete;
    TreeWithLinksOut& operator=(const TreeWithLinksOut&) = delete;

    void ExpectOutsideUnchanged() const {
        EXPECT_EQ(ReadAll(outside + "/precious"), "precious");
        EXPECT_EQ(ReadAll(outside + "/dir/kept"), "kept");
        EXPECT_EQ(ModeOf(outside + "/precious"), 0400u);
        EXPECT_EQ(ModeOf(outside + "/dir"), 0500u);
        size_t entries = 0;
        for (auto it = fs::recursive_directory_iterator(outside); it != decltype(it)(); ++it) {
            ++entries;
        }
        EXPECT_EQ(entries, 3u);
    }

    void LockOutside() const {
        chmod((outside + "/precious").c_str(), 0400);
        chmod((outside + "/dir").c_str(), 0500);
    }

    std::string outside;
    std::string tree;
};

bool SetImmutable(const std::string& path) {
    LFileDescriptor fd(open(path.c_str(), O_RDONLY | O_NONBLOCK));
    int flags = 0;
    if (!fd.IsOpen() || ioctl(fd.Get(), FS_IOC_GETFLAGS, &flags) != 0) {
        return false;
    }
    flags |= FS_IMMUTABLE_FL;
    return ioctl(fd.Get(), FS_IOC_SETFLAGS, &flags) == 0;
}

}  // namespace

TEST(FolderTree, DeleteRemovesTheTreeButNothingItsLinksPointAt) {
    TestFolder folder;
    TreeWithLinksOut fixture(folder);
    fixture.LockOutside();
    mkfifo((fixture.tree + "/fifo").c_str(), 0600);
    EXPECT_TRUE(LFolderDeleteTree(fixture.tree));
    EXPECT_FALSE(LFileExists(fixture.tree));
    fixture.ExpectOutsideUnchanged();
}

TEST(FolderTree, DeleteOfALinkToAFolderOrOfNothing) {
    TestFolder folder;
    TreeWithLinksOut fixture(folder);
    fixture.LockOutside();
    std::string link = folder / "linkToOutside";
    symlink(fixture.outside.c_str(), link.c_str());
    EXPECT_FALSE(LFolderDeleteTree(link)) << "a link is not a folder to empty";
    EXPECT_FALSE(LFolderDeleteTreeForce(link));
    fixture.ExpectOutsideUnchanged();
    EXPECT_TRUE(LFileIsLink(link));

    EXPECT_FALSE(LFolderDeleteTree(""));
    EXPECT_FALSE(LFolderDeleteTree(folder / "missing"));
    EXPECT_FALSE(LFolderDeleteTree(fixture.tree + "/a.txt"));
    EXPECT_TRUE(LFileExists(fixture.tree + "/a.txt"));
}

TEST(FolderTree, DeleteForceTakesLockedFilesToo) {
    TestFolder folder;
    TreeWithLinksOut fixture(folder);
    fixture.LockOutside();
    bool locked = SetImmutable(fixture.tree + "/sub/b.txt");
    if (locked) {
        EXPECT_FALSE(LFolderDeleteTree(fixture.tree));
        EXPECT_TRUE(LFileExists(fixture.tree + "/sub/b.txt"));
    }
    EXPECT_TRUE(LFolderDeleteTreeForce(fixture.tree));
    EXPECT_FALSE(LFileExists(fixture.tree));
    fixture.ExpectOutsideUnchanged();
    if (!locked) {
        GTEST_SKIP() << "this file system or user cannot lock a file; only the removal ran";
    }
}

TEST(FolderTree, MakeWritableChangesOnlyTheTree) {
    TestFolder folder;
    TreeWithLinksOut fixture(folder);
    fixture.LockOutside();
    chmod((fixture.tree + "/sub/b.txt").c_str(), 0400);
    chmod((fixture.tree + "/sub/deeper").c_str(), 0500);
    chmod((fixture.tree + "/sub").c_str(), 0500);

    mode_t previous = umask(027);
    LFolderMakeWritableTree(fixture.tree);
    umask(previous);
    for (const char* entry : {"", "/a.txt", "/sub", "/sub/b.txt", "/sub/deeper/c.txt"}) {
        EXPECT_EQ(ModeOf(fixture.tree + entry), 0750u) << entry;
    }
    fixture.ExpectOutsideUnchanged();

    LFolderMakeWritableTree(fixture.tree + "/toFile");
    fixture.ExpectOutsideUnchanged();
}

TEST(FolderTree, CopyCopiesEverythingAndKeepsLinksAsLinks) {
    TestFolder folder;
    TreeWithLinksOut fixture(folder);
    fixture.LockOutside();
    chmod((fixture.tree + "/a.txt").c_str(), 0640);
    std::string copy = folder / "new/parents/copy";

    EXPECT_TRUE(LFolderCopyTree(fixture.tree, copy));
    EXPECT_EQ(ReadAll(copy + "/a.txt"), "a");
    EXPECT_EQ(ModeOf(copy + "/a.txt"), 0640u);
    EXPECT_EQ(ReadAll(copy + "/.hidden"), "hidden");
    EXPECT_EQ(ReadAll(copy + "/sub/deeper/c.txt"), "c");
    EXPECT_TRUE(LFolderExists(copy + "/empty"));
    EXPECT_EQ(fs::read_symlink(copy + "/toFile"), fixture.outside + "/precious");
    EXPECT_EQ(fs::read_symlink(copy + "/sub/toDir"), fixture.outside + "/dir");
    EXPECT_EQ(fs::read_symlink(copy + "/dangling"), "nowhere");
    fixture.ExpectOutsideUnchanged();
}

TEST(FolderTree, CopyOverwritesButNeverThroughLinksInTheDestination) {
    TestFolder folder;
    TreeWithLinksOut fixture(folder);
    fixture.LockOutside();
    std::string copy = folder / "copy";
    fs::create_directories(copy);
    WriteAll(copy + "/a.txt", "an older, longer a");
    // The destination holds links where the source has a file and a folder.
    fs::create_directories(copy + "/sub");
    symlink((fixture.outside + "/precious").c_str(), (copy + "/sub/b.txt").c_str());
    symlink((fixture.outside + "/dir").c_str(), (copy + "/sub/deeper").c_str());

    EXPECT_TRUE(LFolderCopyTree(fixture.tree, copy));
    EXPECT_EQ(ReadAll(copy + "/a.txt"), "a");
    EXPECT_FALSE(LFileIsLink(copy + "/sub/b.txt"));
    EXPECT_EQ(ReadAll(copy + "/sub/b.txt"), "b");
    EXPECT_FALSE(LFileIsLink(copy + "/sub/deeper"));
    EXPECT_EQ(ReadAll(copy + "/sub/deeper/c.txt"), "c");
    fixture.ExpectOutsideUnchanged();
}

TEST(FolderTree, CopyIntoItselfAndWhatCannotBeCopied) {
    TestFolder folder;
    TreeWithLinksOut fixture(folder);
    std::string inside = fixture.tree + "/sub/backup";
    EXPECT_TRUE(LFolderCopyTree(fixture.tree, inside));
    EXPECT_EQ(ReadAll(inside + "/sub/b.txt"), "b");
    EXPECT_FALSE(LFileExists(inside + "/sub/backup")) << "the copy is not copied into itself";

    mkfifo((fixture.tree + "/fifo").c_str(), 0600);
    EXPECT_FALSE(LFolderCopyTree(fixture.tree, folder / "withFifo")) << "one entry left out";
    EXPECT_EQ(ReadAll(folder / "withFifo/a.txt"), "a") << "the rest is copied";
    EXPECT_FALSE(LFileExists(folder / "withFifo/fifo"));

    EXPECT_FALSE(LFolderCopyTree(fixture.tree + "/a.txt", folder / "fromFile"));
    EXPECT_FALSE(LFileExists(folder / "fromFile")) << "nothing happens";
    EXPECT_FALSE(LFolderCopyTree(fixture.tree, fixture.tree + "/a.txt/x"));
}
