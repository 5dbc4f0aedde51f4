#include "LFileCopy.h"

#include "LFileCreationMask.h"
#include "LFileDescriptor.h"
#include "LFileIO.h"
#include "LFileStatus.h"
#include "LRunCommand.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace {

constexpr size_t kBlockSize = 8192;

bool CopyLink(const std::string& src, const std::string& dst) {
    // -T: an existing folder (or link to one) at dst is not a place to copy into.
    return LRunCommandArgv({"cp", "-R", "-T", "--", src, dst});
}

bool CopyData(int from, int to) {
    char block[kBlockSize];
    for (;;) {
        ssize_t n = read(from, block, sizeof block);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n == 0;
        }
        if (LFileWrite(to, block, static_cast<size_t>(n)) != static_cast<size_t>(n)) {
            return false;
        }
    }
}

int OpenDestination(const std::string& dst) {
    if (LFileIsLink(dst)) {
        unlink(dst.c_str());
    }
    LFileDescriptor out(
        open(dst.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW, 0666));
    struct stat status {};
    // Emptied only once the lock is ours.
    if (!out.IsOpen() || flock(out.Get(), LOCK_EX | LOCK_NB) != 0 ||
        fstat(out.Get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        ftruncate(out.Get(), 0) != 0) {
        return -1;
    }
    return out.Release();
}

}  // namespace

bool LFileCopy(const std::string& src, const std::string& dst) {
    if (LFileIsLink(src)) {
        return CopyLink(src, dst);
    }
    LFileDescriptor in(LFileOpenRead(src));
    struct stat status {};
    if (!in.IsOpen() || fstat(in.Get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        flock(in.Get(), LOCK_SH | LOCK_NB) != 0) {
        return false;
    }
    LFileDescriptor out(OpenDestination(dst));
    if (!out.IsOpen() || !CopyData(in.Get(), out.Get())) {
        return false;
    }
    const struct timespec times[2] = {{0, UTIME_OMIT}, status.st_mtim};
    futimens(out.Get(), times);
    fchmod(out.Get(), status.st_mode & 0777 & ~LFileCreationMask());
    return true;
}
