#include "EncryptFixture.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <filesystem>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

// A file of size bytes that takes no room on the disk; false when the file
// system refuses.
bool MakeSparseFile(const std::string& path, off_t size) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    bool made = fd >= 0 && ftruncate(fd, size) == 0;
    if (fd >= 0) {
        close(fd);
    }
    return made;
}

// Lowers the largest file this process may write, so writing beyond it fails as
// on a full disk, without a small file system to mount.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved);
        oldHandler = signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved);
        signal(SIGXFSZ, oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved{};
    sighandler_t oldHandler;
};

constexpr off_t kTebibyte = off_t{1} << 40;

}  // namespace

// Each failure leaves nothing at the target and no temporary folder (checked in
// TearDown).
class EncryptFailure : public EncryptTest {
protected:
    void SetUp() override {
        EncryptTest::SetUp();
        WriteText(work / "Docs/a.txt", std::string(1 << 20, 'a'));
        data.items = {work / "Docs"};
        data.containerPath = work / "out/box.zel";
    }
    void ExpectNothingMade() { EXPECT_THAT(FolderNames(work / "out"), IsEmpty()); }
};

TEST_F(EncryptFailure, EmptyPasswordIsRefusedBeforeWriting) {
    data.password.clear();
    EXPECT_EQ(Run(), LProcessResultFailed);
    EXPECT_EQ(data.errorText, "There is no password.");
    ExpectNothingMade();
}

TEST_F(EncryptFailure, UnwritableTargetFolder) {
    if (RunningAsRoot()) {
        GTEST_SKIP() << "root writes into any folder";
    }
    ASSERT_EQ(chmod((work / "out").c_str(), 0555), 0);
    LProcessResult result = Run();
    chmod((work / "out").c_str(), 0755);
    EXPECT_EQ(result, LProcessResultFailed);
    EXPECT_EQ(data.errorText, "Could not move file to \"" + (work / "out/box.zel") + "\".");
    ExpectNothingMade();
}

TEST_F(EncryptFailure, StopBeforeAndDuringWriting) {
    // The first query comes at the folder during collection, the second before
    // its entry, the third before the file and the rest before each block of it.
    for (int stopAfter : {1, 2, 3, 20}) {
        process = EncryptRecorder{};
        process.stopAfter = stopAfter;
        EXPECT_EQ(Run(), LProcessResultStopped) << stopAfter;
        EXPECT_EQ(data.errorText, "");
        ExpectNothingMade();
    }
}

TEST_F(EncryptFailure, FullDiskDuringWriting) {
    {
        FileSizeLimit limit(256 * 1024);
        EXPECT_EQ(Run(), LProcessResultFailed);
    }
    EXPECT_EQ(data.errorText, "Could not write encrypted file.");
    ExpectNothingMade();
}

TEST_F(EncryptFailure, NotEnoughSpaceAtTheTargetOrForTheTemporaryCopy) {
    // An older file at the target counts as free space there, but the temporary
    // copy is made while it still exists.
    if (!MakeSparseFile(work / "Docs/a.txt", 4 * kTebibyte)) {
        GTEST_SKIP() << "no sparse files of 4 TiB here";
    }
    EXPECT_EQ(Run(), LProcessResultFailed);
    EXPECT_EQ(data.errorText, "Not enough free space on target drive to create encrypted file");
    ExpectNothingMade();

    ASSERT_TRUE(MakeSparseFile(work / "out/box.zel", 8 * kTebibyte));
    EXPECT_EQ(Run(), LProcessResultFailed);
    EXPECT_EQ(data.errorText, "Not enough free space on drive to create temp file");
    EXPECT_THAT(FolderNames(work / "out"), ElementsAre("box.zel"));
    EXPECT_EQ(std::filesystem::file_size(work / "out/box.zel"),
              8 * static_cast<uintmax_t>(kTebibyte));
}

TEST_F(EncryptFailure, UnreadableFileIsSkippedAndReported) {
    if (RunningAsRoot()) {
        GTEST_SKIP() << "root reads every file";
    }
    WriteText(work / "Docs/closed.txt", "closed");
    ASSERT_EQ(chmod((work / "Docs/closed.txt").c_str(), 0), 0);
    EXPECT_EQ(Run(), LProcessResultSuccess);
    EXPECT_THAT(ContainerEntries(work / "out/box.zel"),
                ElementsAre("D Docs", HasSubstr("F " + (work / "Docs/a.txt") + " 1048576 ")));
    EXPECT_THAT(data.leftOut,
                ElementsAre(work / "Docs/closed.txt" + ": could not be read; left out"));
}
