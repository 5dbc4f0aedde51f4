#include "LSettingsFileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "LFileDescriptor.h"
#include "LPath.h"

namespace {

// A temporary file that is removed unless it was renamed into place.
class LTemporarySettingsFile {
public:
    explicit LTemporarySettingsFile(const std::string& nextTo) : name(nextTo + ".XXXXXX") {
        fd.Reset(mkostemp(name.data(), O_CLOEXEC));
        if (!fd.IsOpen()) {
            name.clear();
        }
    }
    ~LTemporarySettingsFile() {
        if (!name.empty()) {
            ::unlink(name.c_str());
        }
    }
    LTemporarySettingsFile(const LTemporarySettingsFile&) = delete;
    LTemporarySettingsFile& operator=(const LTemporarySettingsFile&) = delete;

    int Get() const { return fd.Get(); }
    bool Close() { return ::close(fd.Release()) == 0; }
    bool RenameTo(const std::string& path) {
        if (std::rename(name.c_str(), path.c_str()) != 0) {
            return false;
        }
        name.clear();
        return true;
    }

private:
    std::string name;
    LFileDescriptor fd;
};

void SyncFolder(const std::string& folder) {
    LFileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.IsOpen()) {
        ::fsync(fd.Get());
    }
}

}  // namespace

bool LSettingsFileReplace(const std::string& path, const LXMLElement& document) {
    LTemporarySettingsFile file(path);
    if (file.Get() < 0) {
        return false;
    }
    if (::fchmod(file.Get(), 0600) != 0 || !document.Write(file.Get()) ||
        ::fsync(file.Get()) != 0 || !file.Close() || !file.RenameTo(path)) {
        return false;
    }
    SyncFolder(LPathGetFolder(path));
    return true;
}
