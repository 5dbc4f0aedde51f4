#include "LFileCopy.h"
#include "LFileDescriptor.h"
#include "TestFiles.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string LinkTarget(const std::string& path) {
    std::error_code error;
    return std::filesystem::read_symlink(path, error).string();
}

struct stat StatusOf(const std::string& path) {
    struct stat status {};
    lstat(path.c_str(), &status);
    return status;
}

}  // namespace

TEST(FileCopy, CopiesDataModificationTimeAndPermissions) {
    TestFolder folder;
    std::string src = folder / "src";
    std::string data;
    for (int i = 0; i < 20000; ++i) {
        data += static_cast<char>(i * 7);  // not a whole number of 8192-byte blocks
    }
    WriteAll(src, data);
    chmod(src.c_str(), 0751);
    const struct timespec times[2] = {{1000000000, 0}, {1234567890, 123456789}};
    utimensat(AT_FDCWD, src.c_str(), times, 0);
    WriteAll(folder / "dst", std::string(50000, 'o'));  // longer: must be cut

    mode_t previous = umask(022);
    EXPECT_TRUE(LFileCopy(src, folder / "dst"));
    umask(previous);
    EXPECT_EQ(ReadAll(folder / "dst"), data);
    struct stat status = StatusOf(folder / "dst");
    EXPECT_EQ(status.st_mode & 07777, 0751u & ~022u);
    EXPECT_EQ(status.st_mtim.tv_sec, 1234567890);
    EXPECT_EQ(status.st_mtim.tv_nsec, 123456789);
}

TEST(FileCopy, ALinkStaysALink) {
    TestFolder folder;
    WriteAll(folder / "target", "data");
    symlink("target", (folder / "link").c_str());
    symlink("nowhere", (folder / "dangling").c_str());
    std::filesystem::create_directory(folder / "out");

    EXPECT_TRUE(LFileCopy(folder / "link", folder / "out/link"));
    EXPECT_EQ(LinkTarget(folder / "out/link"), "target") << "a link, not a copy of the data";
    EXPECT_TRUE(LFileCopy(folder / "dangling", folder / "out/dangling"));
    EXPECT_EQ(LinkTarget(folder / "out/dangling"), "nowhere");

    // Over an existing folder the link is not put inside it.
    std::filesystem::create_directory(folder / "out/dir");
    EXPECT_FALSE(LFileCopy(folder / "link", folder / "out/dir"));
    EXPECT_FALSE(std::filesystem::exists(folder / "out/dir/link"));
    // Names that look like options reach cp as names.
    symlink("target", (folder / "-rf").c_str());
    EXPECT_TRUE(LFileCopy(folder / "-rf", folder / "out/-rf"));
    EXPECT_EQ(LinkTarget(folder / "out/-rf"), "target");
}

TEST(FileCopy, NeverWritesThroughALinkAtTheDestination) {
    TestFolder folder;
    WriteAll(folder / "outside", "precious");
    std::filesystem::create_directory(folder / "outsideDir");
    WriteAll(folder / "src", "new");
    symlink((folder / "outside").c_str(), (folder / "fileLink").c_str());
    symlink((folder / "outsideDir").c_str(), (folder / "dirLink").c_str());
    symlink((folder / "src").c_str(), (folder / "srcLink").c_str());

    EXPECT_TRUE(LFileCopy(folder / "src", folder / "fileLink"));
    EXPECT_EQ(ReadAll(folder / "outside"), "precious");
    EXPECT_TRUE(S_ISREG(StatusOf(folder / "fileLink").st_mode)) << "the link was replaced";
    EXPECT_EQ(ReadAll(folder / "fileLink"), "new");

    EXPECT_TRUE(LFileCopy(folder / "srcLink", folder / "dirLink"));
    EXPECT_TRUE(std::filesystem::is_empty(folder / "outsideDir"));
    EXPECT_EQ(LinkTarget(folder / "dirLink"), folder / "src");
}

TEST(FileCopy, RefusesLockedFilesTheSameFileAndOtherKinds) {
    TestFolder folder;
    WriteAll(folder / "src", "data");
    WriteAll(folder / "dst", "old");
    {
        // flock locks belong to an open file, so a second open in this process conflicts just
        // as another process would.
        LFileDescriptor holder(open((folder / "src").c_str(), O_RDONLY));
        ASSERT_EQ(flock(holder.Get(), LOCK_EX), 0);
        EXPECT_FALSE(LFileCopy(folder / "src", folder / "dst"));
        EXPECT_EQ(ReadAll(folder / "dst"), "old");
    }
    {
        LFileDescriptor holder(open((folder / "dst").c_str(), O_RDONLY));
        ASSERT_EQ(flock(holder.Get(), LOCK_SH), 0);
        EXPECT_FALSE(LFileCopy(folder / "src", folder / "dst"));
        EXPECT_EQ(ReadAll(folder / "dst"), "old") << "not emptied without the lock";
    }
    EXPECT_FALSE(LFileCopy(folder / "src", folder / "src"));
    EXPECT_EQ(ReadAll(folder / "src"), "data") << "a copy onto itself loses nothing";

    mkfifo((folder / "fifo").c_str(), 0600);
    EXPECT_FALSE(LFileCopy(folder / "fifo", folder / "fromFifo")) << "and does not hang";
    EXPECT_FALSE(LFileCopy(folder.Path(), folder / "fromFolder"));
    EXPECT_FALSE(LFileCopy(folder / "missing", folder / "fromMissing"));
    EXPECT_FALSE(std::filesystem::exists(folder / "fromMissing"));
}
