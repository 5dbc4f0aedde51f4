#include "LSharedFolderMigration.h"

#include "LFileDescriptor.h"
#include "LFileStatus.h"
#include "LFolderCreate.h"
#include "LFolderTree.h"
#include "LPath.h"
#include "LStandardFolders.h"

#include <fcntl.h>

namespace {

constexpr const char* kMarkerName = ".SharedFolderMigrated";

}  // namespace

std::string LSharedFolderOlderLocation() {
    return "/usr/local/share/QOR Software/Zel";
}

void LSharedFolderMigrate(const std::string& olderLocation) {
    std::string shared = LPathAppend(LGetProductFolder(), "Shared");
    std::string marker = LPathAppend(shared, kMarkerName);
    if (LFileExists(marker)) {
        return;
    }
    if (LFolderExists(olderLocation) && !LFileExists(shared) && LFolderCreate(shared)) {
        LFolderCopyTree(olderLocation, shared);
    }
    // Without a Shared folder there is no place for the marker yet; the next start looks again.
    LFileDescriptor created(
        open(marker.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666));
}

void LSharedFolderMigrate() {
    LSharedFolderMigrate(LSharedFolderOlderLocation());
}
