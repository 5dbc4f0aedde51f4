#include <sys/stat.h>

#include "LFileDescriptor.h"
#include "LFileIO.h"
#include "LFileLock.h"
#include "LFileStatus.h"
#include "LXMLElement.h"
#include "LXMLParseState.h"

namespace {

constexpr unsigned int kLoadLockMs = 1000;

void SetFileError(std::string& errorText, const std::string& message) {
    errorText = message.substr(0, LXMLParseState::kErrorTextLimit);
}

// The whole file as its status gives its size; false for a folder or a failed status.
bool ReadWholeFile(int fd, std::string& content) {
    struct stat status {};
    if (fstat(fd, &status) != 0 || S_ISDIR(status.st_mode)) {
        return false;
    }
    content.resize(static_cast<std::size_t>(status.st_size));
    std::size_t done = 0;
    while (done < content.size()) {
        const std::size_t got = LFileRead(fd, content.data() + done, content.size() - done);
        if (got == 0) {
            break;
        }
        done += got;
    }
    content.resize(done);
    return true;
}

}  // namespace

bool LXMLElement::Load(const std::string& path, std::string& errorText) {
    errorText.clear();
    if (!LFileExists(path)) {
        SetFileError(errorText, "File does not exist: " + path);
        return false;
    }
    std::string content;
    {
        // Held only while reading: closing releases the shared lock.
        LFileDescriptor fd(LFileOpenReadLocked(path, kLoadLockMs));
        if (!fd.IsOpen() || !ReadWholeFile(fd.Get(), content)) {
            SetFileError(errorText, "Cannot open xml file: " + path);
            return false;
        }
    }
    Parse(content.c_str(), errorText);
    return true;
}
