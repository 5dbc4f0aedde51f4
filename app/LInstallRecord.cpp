#include "LInstallRecord.h"

#include "LFolderTree.h"
#include "LPath.h"
#include "LStandardFolders.h"
#include "LUserSettings.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <string>

namespace {

constexpr const char* kVersion = "2.16";

void CopyInstallFolder() {
    const std::string source = LPathAppend(LGetBundleResourcesFolder(), "install");
    struct stat status {};
    if (stat(source.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) {
        LFolderCopyTree(source, LPathAppend(GetSharedFolder(), "install"));
    }
}

// The recorded date; false when none is recorded.
bool RecordedDate(long long& date) {
    std::string text;
    if (!LUserSettingGet("Settings", "InstallDate", "", text) || text.empty()) {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    date = std::strtoll(text.c_str(), &end, 10);
    return errno == 0 && end != text.c_str();
}

}  // namespace

void LInstallRecordWrite() {
    CopyInstallFolder();
    LUserSettingSet("Settings", "InstallDate",
                    std::to_string(static_cast<long long>(time(nullptr))));
    std::string current;
    if (LUserSettingGet("Settings", "CurrentVersion", "", current) && current != kVersion) {
        LUserSettingSet("Settings", "PreviousVersion", current);
    }
    LUserSettingSet("Settings", "CurrentVersion", kVersion);
}

bool LInstallRecordIsCurrent() {
    long long date = 0;
    std::string version;
    LUserSettingGet("Settings", "CurrentVersion", "", version);
    if (!RecordedDate(date) || version != kVersion) {
        return false;
    }
    struct stat status {};
    const std::string executable = LGetBundleExeFile();
    return executable.empty() || stat(executable.c_str(), &status) != 0 ||
           date >= static_cast<long long>(status.st_ctime);
}
