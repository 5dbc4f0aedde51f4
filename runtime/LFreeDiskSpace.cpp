#include "LFreeDiskSpace.h"

#include "LPath.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

namespace {

bool Exists(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0;
}

std::string NearestExisting(const std::string& path) {
    std::string probe = path;
    while (!probe.empty() && !Exists(probe)) {
        std::string parent = LPathGetFolder(probe);
        if (parent == probe) {
            break;
        }
        probe = parent;
    }
    if (probe.empty()) {
        return path.empty() || path[0] != '/' ? "." : "/";
    }
    return Exists(probe) ? probe : "/";
}

}  // namespace

uint64_t LGetFreeDiskSpace(const std::string& path) {
    struct statvfs volume {};
    if (statvfs(NearestExisting(path).c_str(), &volume) != 0) {
        return 0;
    }
    return static_cast<uint64_t>(volume.f_bfree) * volume.f_frsize;
}
