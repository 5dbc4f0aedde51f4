#include "LTempFiles.h"

#include "LFileStatus.h"
#include "LPath.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdlib>

namespace {

constexpr const char* kTempPattern = "0XXXXXX";

std::string MakeTempFolder(const std::string& folder, const std::string& prefix) {
    std::string path = LPathAppend(folder, prefix + kTempPattern);
    if (mkdtemp(path.data()) == nullptr) {
        return {};
    }
    // mkdtemp asks for 0700; make sure a narrow umask left the owner able to use it.
    chmod(path.c_str(), 0700);
    return path;
}

}  // namespace

std::string LTempRoot() {
    const char* root = std::getenv("ZEL_TMPDIR");
    return root != nullptr && *root != '\0' ? root : "/var/tmp/";
}

std::string LFileCreateTempName(const std::string& folder, const std::string& suffix) {
    std::string path = LPathAppend(folder, kTempPattern, suffix);
    int fd = mkostemps(path.data(), static_cast<int>(suffix.size()), O_CLOEXEC);
    if (fd < 0) {
        return {};
    }
    close(fd);
    return path;
}

std::string LFolderCreateTemp() {
    return MakeTempFolder(LTempRoot(), "");
}

std::string LFolderCreateTempBeside(const std::string& outputPath) {
    std::string parent = LPathGetFolder(outputPath);
    const std::string folder = parent.empty() ? std::string(".") : parent;
    struct stat status {};
    if (stat(folder.c_str(), &status) != 0 || LSameFileSystem(folder, LTempRoot())) {
        return LFolderCreateTemp();
    }
    return MakeTempFolder(folder, ".");
}
