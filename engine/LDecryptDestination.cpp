#include "LDecryptDestination.h"

#include "LFileStatus.h"
#include "LFolderCreate.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <cerrno>
#include <cstring>

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

// Why a component could not be entered: links and files in the way are named as
// such, since the system's own wording for them ("Too many levels of symbolic
// links") misleads.
std::string WhyNotEntered(int parent, const std::string& name, int error) {
    struct stat status {};
    if (fstatat(parent, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISLNK(status.st_mode)) {
            return "\"" + name + "\" is a symbolic link, which is never followed";
        }
        if (!S_ISDIR(status.st_mode)) {
            return "\"" + name + "\" is not a folder";
        }
    }
    return std::strerror(error);
}

}  // namespace

bool LDecryptDestination::Open(const std::string& path) {
    if (!LFolderExists(path)) {
        LFolderCreateWithParents(path);
    }
    folder.Reset(open(path.c_str(), kFolderFlags));
    return folder.IsOpen();
}

LFileDescriptor LDecryptDestination::OpenFolder(const std::vector<std::string>& components,
                                                std::string& reason) const {
    LFileDescriptor current(fcntl(folder.Get(), F_DUPFD_CLOEXEC, 0));
    if (!current.IsOpen()) {
        reason = std::strerror(errno);
        return current;
    }
    for (const std::string& name : components) {
        if (mkdirat(current.Get(), name.c_str(), 0777) != 0 && errno != EEXIST) {
            reason = WhyNotEntered(current.Get(), name, errno);
            return LFileDescriptor();
        }
        LFileDescriptor next(openat(current.Get(), name.c_str(), kFolderFlags | O_NOFOLLOW));
        if (!next.IsOpen()) {
            reason = WhyNotEntered(current.Get(), name, errno);
            return next;
        }
        current = std::move(next);
    }
    return current;
}

bool LDecryptNameExists(int folder, const std::string& name) {
    struct stat status {};
    return fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0;
}
