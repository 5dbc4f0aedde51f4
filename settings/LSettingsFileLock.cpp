#include "LSettingsFileLock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>

LSettingsFileLock::LSettingsFileLock(const std::string& lockPath)
    : fd(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0600)) {
    if (!fd.IsOpen()) {
        return;
    }
    int result;
    do {
        result = flock(fd.Get(), LOCK_EX);
    } while (result != 0 && errno == EINTR);
    locked = result == 0;
}
