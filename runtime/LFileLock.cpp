#include "LFileLock.h"

#include "LFileIO.h"
#include "LTiming.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <cerrno>
#include <cstdint>

namespace {

bool TryLock(int fd, int operation) {
    int result;
    do {
        result = flock(fd, operation | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

}  // namespace

std::vector<unsigned int> LFileLockPauses(unsigned int ms) {
    std::vector<unsigned int> pauses;
    for (uint64_t pause = ms / 32 + 1; pause < ms; pause *= 2) {
        pauses.push_back(static_cast<unsigned int>(pause));
    }
    return pauses;
}

bool LFileLockWithRetry(int fd, int operation, unsigned int ms) {
    if (TryLock(fd, operation)) {
        return true;
    }
    // Look once more after the last pause too: a lock freed during it is worth having.
    for (unsigned int pause : LFileLockPauses(ms)) {
        if (errno != EWOULDBLOCK) {
            return false;
        }
        Sleep(pause);
        if (TryLock(fd, operation)) {
            return true;
        }
    }
    return false;
}

int LFileOpenReadLocked(const std::string& path, unsigned int ms) {
    int fd = LFileOpenRead(path);
    if (fd >= 0) {
        LFileLockWithRetry(fd, LOCK_SH, ms);
    }
    return fd;
}

int LFileOpenWriteLocked(const std::string& path, unsigned int ms) {
    int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd >= 0) {
        LFileLockWithRetry(fd, LOCK_EX, ms);
        if (ftruncate(fd, 0) != 0) {
            close(fd);
            return -1;
        }
    }
    return fd;
}
