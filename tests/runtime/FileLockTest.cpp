#include "LFileDescriptor.h"
#include "LFileIO.h"
#include "LFileLock.h"
#include "LTiming.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <thread>

namespace {

// Another process that holds an advisory lock on a file until it is told to let go.
class LockHolder {
public:
    LockHolder(const std::string& path, int operation) {
        int ready[2];
        int release[2];
        if (pipe(ready) != 0 || pipe(release) != 0) {
            return;
        }
        pid = fork();
        if (pid == 0) {
            close(ready[0]);
            close(release[1]);
            int fd = open(path.c_str(), O_RDWR | O_CREAT, 0666);
            char byte = (fd >= 0 && flock(fd, operation) == 0) ? 'y' : 'n';
            (void)!write(ready[1], &byte, 1);
            (void)!read(release[0], &byte, 1);  // returns when the parent closes its end
            _exit(0);
        }
        close(ready[1]);
        close(release[0]);
        char byte = 'n';
        locked = read(ready[0], &byte, 1) == 1 && byte == 'y';
        close(ready[0]);
        releaseFd = release[1];
    }
    ~LockHolder() {
        Release();
        if (pid > 0) {
            waitpid(pid, nullptr, 0);
        }
    }
    void Release() {
        if (releaseFd >= 0) {
            close(releaseFd);
            releaseFd = -1;
        }
    }
    bool Locked() const { return locked; }

private:
    pid_t pid = -1;
    int releaseFd = -1;
    bool locked = false;
};

void WriteFile(const std::string& path, const std::string& text) {
    LFileDescriptor fd(open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644));
    ASSERT_TRUE(LFileWriteString(fd.Get(), text));
}

}  // namespace

TEST(FileLock, PausesDoubleFromAThirtySecondAndStopBeforeTheLimit) {
    struct Case {
        unsigned int ms;
        std::vector<unsigned int> pauses;
    } cases[] = {
        {100, {4, 8, 16, 32, 64}},
        {1000, {32, 64, 128, 256, 512}},
        {200, {7, 14, 28, 56, 112}},
        {31, {1, 2, 4, 8, 16}},
        {1, {}},
        {0, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LFileLockPauses(c.ms), c.pauses) << c.ms;
    }
    EXPECT_EQ(LFileLockPauses(0xFFFFFFFFu).back(), 0x80000000u) << "no overflow near the top";
}

TEST(FileLock, GivesUpAfterThePausesWhileAnotherProcessHoldsTheLock) {
    TestFolder folder;
    std::string path = folder / "locked";
    WriteFile(path, "data");
    LockHolder holder(path, LOCK_EX);
    ASSERT_TRUE(holder.Locked());

    LFileDescriptor fd(LFileOpenRead(path));
    unsigned int start = GetTickCount();
    EXPECT_FALSE(LFileLockWithRetry(fd.Get(), LOCK_SH, 100));
    unsigned int elapsed = GetTickCount() - start;
    EXPECT_GE(elapsed, 4u + 8 + 16 + 32 + 64);
    EXPECT_LT(elapsed, 1000u) << "one more doubling would be 128 ms, not a wait for ever";
}

TEST(FileLock, TakesTheLockOnceTheOtherProcessLetsGo) {
    TestFolder folder;
    std::string path = folder / "locked";
    WriteFile(path, "data");
    LockHolder holder(path, LOCK_EX);
    ASSERT_TRUE(holder.Locked());
    std::thread releaser([&holder] {
        Sleep(50);
        holder.Release();
    });
    LFileDescriptor fd(LFileOpenRead(path));
    EXPECT_TRUE(LFileLockWithRetry(fd.Get(), LOCK_EX, 2000));
    releaser.join();
}

TEST(FileLock, SharedLocksDoNotExcludeEachOtherAndOtherErrorsEndAtOnce) {
    TestFolder folder;
    std::string path = folder / "shared";
    WriteFile(path, "data");
    LockHolder holder(path, LOCK_SH);
    ASSERT_TRUE(holder.Locked());
    LFileDescriptor fd(LFileOpenRead(path));
    EXPECT_TRUE(LFileLockWithRetry(fd.Get(), LOCK_SH, 100));

    unsigned int start = GetTickCount();
    EXPECT_FALSE(LFileLockWithRetry(-1, LOCK_SH, 100000));
    EXPECT_LT(GetTickCount() - start, 1000u) << "a bad descriptor is not worth waiting for";
}

TEST(FileLock, LockedOpensReturnTheDescriptorEvenWithoutTheLock) {
    TestFolder folder;
    std::string path = folder / "busy";
    WriteFile(path, "old content");
    LockHolder holder(path, LOCK_EX);
    ASSERT_TRUE(holder.Locked());

    LFileDescriptor reader(LFileOpenReadLocked(path, 20));
    ASSERT_TRUE(reader.IsOpen());
    char buffer[32] = {};
    EXPECT_EQ(LFileRead(reader.Get(), buffer, sizeof buffer), 11u);

    LFileDescriptor writer(LFileOpenWriteLocked(path, 20));
    ASSERT_TRUE(writer.IsOpen());
    struct stat status {};
    ASSERT_EQ(fstat(writer.Get(), &status), 0);
    EXPECT_EQ(status.st_size, 0) << "emptied";

    EXPECT_EQ(LFileOpenReadLocked(folder / "missing", 20), -1);
}

TEST(FileLock, WriteLockedCreatesAMissingFileWithTheUsualMode) {
    TestFolder folder;
    std::string path = folder / "new";
    mode_t previous = umask(022);
    LFileDescriptor fd(LFileOpenWriteLocked(path, 20));
    umask(previous);
    ASSERT_TRUE(fd.IsOpen());
    struct stat status {};
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0644u);
    EXPECT_TRUE(LFileWriteLine(fd.Get(), "line"));
}
