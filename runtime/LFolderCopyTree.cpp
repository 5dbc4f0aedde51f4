#include "LFileCopy.h"
#include "LFileDescriptor.h"
#include "LFileStatus.h"
#include "LFolderCreate.h"
#include "LFolderEntries.h"
#include "LFolderTree.h"
#include "LPath.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct FileIdentity {
    dev_t device;
    ino_t inode;
    bool operator==(const FileIdentity&) const = default;
};

FileIdentity IdentityOf(const struct stat& status) {
    return {status.st_dev, status.st_ino};
}

// Makes dst a real folder: a link there is replaced, so nothing is written where it points.
bool PrepareFolder(const std::string& dst) {
    struct stat status {};
    if (lstat(dst.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode)) {
            return true;
        }
        if (!S_ISLNK(status.st_mode) || unlink(dst.c_str()) != 0) {
            return false;
        }
    }
    return LFolderCreate(dst);
}

bool CopyContents(const std::string& src, const std::string& dst, const FileIdentity& target) {
    LFileDescriptor folder(open(src.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.IsOpen()) {
        return false;
    }
    bool complete = true;
    for (const std::string& name : LFolderEntryNames(folder.Get())) {
        std::string from = LPathAppend(src, name);
        std::string to = LPathAppend(dst, name);
        struct stat status {};
        if (lstat(from.c_str(), &status) != 0) {
            complete = false;
        } else if (S_ISDIR(status.st_mode)) {
            if (IdentityOf(status) == target) {
                continue;  // the copy itself, inside its source
            }
            complete = PrepareFolder(to) && CopyContents(from, to, target) && complete;
        } else if (S_ISREG(status.st_mode) || S_ISLNK(status.st_mode)) {
            complete = LFileCopy(from, to) && complete;
        } else {
            complete = false;
        }
    }
    return complete;
}

}  // namespace

bool LFolderCopyTree(const std::string& src, const std::string& dst) {
    if (!LFolderExists(src)) {
        return false;
    }
    if (!LFolderExists(dst)) {
        LFolderCreateWithParents(dst);
    }
    struct stat target {};
    if (stat(dst.c_str(), &target) != 0 || !S_ISDIR(target.st_mode)) {
        return false;
    }
    return CopyContents(src, dst, IdentityOf(target));
}
