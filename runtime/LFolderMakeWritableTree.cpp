#include "LFileCreationMask.h"
#include "LFileDescriptor.h"
#include "LFolderEntries.h"
#include "LFolderTree.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// Changes name inside dirFd, then its contents when it is a folder. AT_SYMLINK_NOFOLLOW makes
// the change refuse a link even if one took the entry's place after it was looked at.
void MakeWritable(int dirFd, const std::string& name, mode_t mode) {
    struct stat status {};
    if (fstatat(dirFd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0 ||
        S_ISLNK(status.st_mode)) {
        return;
    }
    fchmodat(dirFd, name.c_str(), mode, AT_SYMLINK_NOFOLLOW);
    if (!S_ISDIR(status.st_mode)) {
        return;
    }
    LFileDescriptor folder(LFolderOpenAt(dirFd, name));
    if (!folder.IsOpen()) {
        return;
    }
    for (const std::string& entry : LFolderEntryNames(folder.Get())) {
        MakeWritable(folder.Get(), entry, mode);
    }
}

}  // namespace

void LFolderMakeWritableTree(const std::string& path) {
    if (!path.empty()) {
        MakeWritable(AT_FDCWD, path, 0777 & ~LFileCreationMask());
    }
}
