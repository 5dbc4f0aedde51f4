#include "LStandardFolders.h"

#include "LFileStatus.h"
#include "LFolderCreate.h"
#include "LPath.h"

#include <pwd.h>
#include <unistd.h>
#include <cstdlib>
#include <vector>

namespace {

// The value of an environment variable that must hold an absolute path; "" otherwise (XDG
// says a relative one is to be ignored).
std::string AbsoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/' ? value : "";
}

std::string UserHome() {
    std::string home = AbsoluteFromEnvironment("HOME");
    return home.empty() ? LGetUserHomeDirectory() : home;
}

}  // namespace

std::string LGetUserHomeDirectory() {
    long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<size_t>(suggested) : 16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_dir == nullptr) {
        return "/opt";
    }
    return found->pw_dir;
}

std::string LGetUserName() {
    for (const char* name : {"LOGNAME", "USER"}) {
        const char* value = std::getenv(name);
        if (value != nullptr) {
            return value;
        }
    }
    return {};
}

std::string LGetUserDataFolder() {
    std::string data = AbsoluteFromEnvironment("XDG_DATA_HOME");
    return data.empty() ? LPathAppend(UserHome(), ".local/share") : data;
}

std::string LGetProductFolder() {
    std::string data = LGetUserDataFolder();
    if (!LFolderExists(data)) {
        LFolderCreateWithParents(data, 0700);
    }
    std::string company = LPathAppend(data, "QOR Software");
    LFolderCreate(company);
    std::string product = LPathAppend(company, "Zel");
    LFolderCreate(product);
    return product;
}

std::string GetSharedFolder() {
    std::string shared = LPathAppend(LGetProductFolder(), "Shared");
    LFolderCreate(shared);
    return shared;
}

std::string LGetBundleExeFile() {
    std::vector<char> buffer(256);
    for (;;) {
        ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) {
            return {};
        }
        if (static_cast<size_t>(n) < buffer.size()) {
            return std::string(buffer.data(), static_cast<size_t>(n));
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string LGetBundleFolder() {
    std::string exe = LGetBundleExeFile();
    return exe.empty() ? std::string() : LPathGetFolder(LPathGetFolder(exe));
}

std::string LGetBundleResourcesFolder() {
    std::string prefix = LGetBundleFolder();
    return prefix.empty() ? std::string() : LPathAppend(prefix, "share/zel");
}

bool LGetApplicationPath(std::string& path, const std::string& name) {
    std::string userApplications = LPathAppend(UserHome(), "Applications");
    std::string folder = LFolderExists(userApplications) ? userApplications : "/opt";
    path = LPathAppend(folder, name, ".app");
    return LFileExists(path);
}
