#include "LCompressionArchive.h"

#include "LFileDescriptor.h"
#include "LFileIO.h"
#include "LPath.h"
#include "LTempFiles.h"

#include <fcntl.h>

namespace {

// The end-of-central-directory signature and zeros: an archive with nothing in it, which zip
// rewrites on the first addition.
constexpr unsigned char kEmptyArchive[24] = {0x50, 0x4B, 0x05, 0x06};

}  // namespace

std::string LCompressionPrepareArchive(LTempFolder& folder) {
    if (!folder.Reset(LFolderCreateTemp()) || !folder.IsSet()) {
        return {};
    }
    std::string archive = LPathAppend(folder.Path(), "crypted.zip");
    LFileDescriptor file(
        open(archive.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!file.IsOpen() ||
        LFileWrite(file.Get(), kEmptyArchive, sizeof kEmptyArchive) != sizeof kEmptyArchive) {
        folder.Reset();
        return {};
    }
    return archive;
}
