#include "LEncryptFreeSpace.h"

#include "LFreeDiskSpace.h"
#include "LPath.h"

#include <sys/stat.h>

namespace {

bool FitsInMebibytes(uint64_t needed, uint64_t free) {
    return needed >> 20 <= free >> 20;
}

// A link at the path is replaced, not what it points to, so only a regular file
// frees space.
uint64_t ReplacedFileSize(const std::string& path) {
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return 0;
    }
    return static_cast<uint64_t>(status.st_size);
}

}  // namespace

bool LEncryptTargetHasSpace(const std::string& containerPath, uint64_t totalBytes) {
    uint64_t free = LGetFreeDiskSpace(LPathGetFolder(containerPath));
    return FitsInMebibytes(totalBytes, free + ReplacedFileSize(containerPath));
}

bool LEncryptTempHasSpace(const std::string& tempFolder, uint64_t totalBytes) {
    return FitsInMebibytes(totalBytes, LGetFreeDiskSpace(tempFolder));
}
