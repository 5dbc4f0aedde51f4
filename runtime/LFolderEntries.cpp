#include "LFolderEntries.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#include <cstring>

std::vector<std::string> LFolderEntryNames(int dirFd) {
    std::vector<std::string> names;
    // The stream owns (and closes) a duplicate, so dirFd stays the caller's.
    int own = fcntl(dirFd, F_DUPFD_CLOEXEC, 0);
    DIR* dir = own >= 0 ? fdopendir(own) : nullptr;
    if (dir == nullptr) {
        if (own >= 0) {
            close(own);
        }
        return names;
    }
    rewinddir(dir);
    while (const struct dirent* entry = readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) {
            names.emplace_back(entry->d_name);
        }
    }
    closedir(dir);
    return names;
}

int LFolderOpenAt(int dirFd, const std::string& name) {
    return openat(dirFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}
