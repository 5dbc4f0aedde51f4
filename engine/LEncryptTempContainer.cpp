#include "LEncryptTempContainer.h"

#include "LFileCreationMask.h"
#include "LPath.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

bool LEncryptTempContainer::Open(const std::string& folder) {
    path = LPathAppend(folder, "crypto");
    file.Reset(open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600));
    return file.IsOpen() && flock(file.Get(), LOCK_EX | LOCK_NB) == 0;
}

bool LEncryptTempContainer::Finish() {
    bool finished = fchmod(file.Get(), 0666 & ~LFileCreationMask()) == 0 && fsync(file.Get()) == 0;
    // Closing reports the last delayed write errors of some file systems.
    return close(file.Release()) == 0 && finished;
}
