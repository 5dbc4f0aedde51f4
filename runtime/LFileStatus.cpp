#include "LFileStatus.h"

#include <sys/stat.h>

bool LFileExists(const std::string& path) {
    struct stat status {};
    return lstat(path.c_str(), &status) == 0;
}

bool LFolderExists(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool LFileIsRegular(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

bool LFileIsLink(const std::string& path) {
    struct stat status {};
    return lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode);
}

bool LSameFileSystem(const std::string& a, const std::string& b) {
    struct stat statusA {};
    struct stat statusB {};
    return stat(a.c_str(), &statusA) == 0 && stat(b.c_str(), &statusB) == 0 &&
           statusA.st_dev == statusB.st_dev;
}
