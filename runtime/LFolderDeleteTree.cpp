#include "LFileDescriptor.h"
#include "LFolderEntries.h"
#include "LFolderTree.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kLockingFlags = FS_IMMUTABLE_FL | FS_APPEND_FL;

void ClearLockingFlags(int fd) {
    int flags = 0;
    if (ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 && (flags & kLockingFlags) != 0) {
        flags &= ~kLockingFlags;
        ioctl(fd, FS_IOC_SETFLAGS, &flags);
    }
}

void ClearLockingFlagsAt(int dirFd, const std::string& name) {
    LFileDescriptor fd(
        openat(dirFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.IsOpen()) {
        ClearLockingFlags(fd.Get());
    }
}

void DeleteContents(int dirFd, bool force) {
    for (const std::string& name : LFolderEntryNames(dirFd)) {
        struct stat status {};
        if (fstatat(dirFd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            continue;
        }
        bool isFolder = S_ISDIR(status.st_mode);
        if (force && (isFolder || S_ISREG(status.st_mode))) {
            ClearLockingFlagsAt(dirFd, name);
        }
        if (isFolder) {
            LFileDescriptor child(LFolderOpenAt(dirFd, name));
            if (child.IsOpen()) {
                DeleteContents(child.Get(), force);
            }
        }
        unlinkat(dirFd, name.c_str(), isFolder ? AT_REMOVEDIR : 0);
    }
}

bool DeleteTree(const std::string& path, bool force) {
    if (path.empty()) {
        return false;
    }
    LFileDescriptor folder(LFolderOpenAt(AT_FDCWD, path));
    if (folder.IsOpen()) {
        if (force) {
            ClearLockingFlags(folder.Get());
        }
        DeleteContents(folder.Get(), force);
    }
    return rmdir(path.c_str()) == 0;
}

}  // namespace

bool LFolderDeleteTree(const std::string& path) {
    return DeleteTree(path, false);
}

bool LFolderDeleteTreeForce(const std::string& path) {
    return DeleteTree(path, true);
}
