#include "LEncryptPlaceOutput.h"

#include "LFileDescriptor.h"
#include "LTempFile.h"
#include "LTempFiles.h"
#include "LWriteFileRef.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <vector>

namespace {

constexpr size_t kCopyBuffer = 1 << 20;

bool CopyData(int from, int to) {
    std::vector<unsigned char> buffer(kCopyBuffer);
    LWriteFileRef output(to);
    for (;;) {
        ssize_t n = read(from, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n == 0;
        }
        if (!output.Write(buffer.data(), static_cast<size_t>(n))) {
            return false;
        }
    }
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return path.substr(0, slash == 0 ? 1 : slash);
}

bool CopyIntoPlace(const std::string& source, const std::string& target) {
    LFileDescriptor input(open(source.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat status {};
    if (!input.IsOpen() || fstat(input.Get(), &status) != 0) {
        return false;
    }
    LTempFile copy(LFileCreateTempName(FolderOf(target)));
    if (!copy.IsSet()) {
        return false;
    }
    LFileDescriptor output(open(copy.Path().c_str(), O_WRONLY | O_TRUNC | O_NOFOLLOW | O_CLOEXEC));
    bool copied = output.IsOpen() && CopyData(input.Get(), output.Get()) &&
                  fchmod(output.Get(), status.st_mode & 07777) == 0 && fsync(output.Get()) == 0;
    if (!copied || close(output.Release()) != 0 ||
        rename(copy.Path().c_str(), target.c_str()) != 0) {
        return false;
    }
    copy.Release();
    unlink(source.c_str());
    return true;
}

}  // namespace

bool LEncryptMoveIntoPlace(const std::string& source, const std::string& target) {
    if (rename(source.c_str(), target.c_str()) == 0) {
        return true;
    }
    return errno == EXDEV && CopyIntoPlace(source, target);
}
