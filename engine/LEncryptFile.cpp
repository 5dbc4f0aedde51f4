#include "LEncryptFile.h"

#include "LContainerFormat.h"
#include "LContainerWriter.h"
#include "LContentCipher.h"
#include "LEntryName.h"
#include "LFileDescriptor.h"
#include "LTempFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

namespace {

constexpr size_t kLinkTargetLimit = 520;
constexpr uint64_t kProgressStep = 4096000;

// The target text of a link and its zero byte, in a private temporary file that goes away
// with this object, so that a link is read like any file.
class LinkContent {
public:
    explicit LinkContent(const std::string& path) {
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return;
        }
        char target[kLinkTargetLimit];
        ssize_t length = readlink(path.c_str(), target, sizeof target);
        if (length < 0 || static_cast<size_t>(length) >= sizeof target) {
            return;
        }
        target[length] = '\0';
        tempPath = LFileCreateTempName(LTempRoot());
        if (tempPath.empty()) {
            return;
        }
        LFileDescriptor out(open(tempPath.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
        LWriteFileRef writer(out.Get());
        isLink = out.IsOpen() && writer.Write(target, static_cast<size_t>(length) + 1);
    }
    ~LinkContent() {
        if (!tempPath.empty()) {
            unlink(tempPath.c_str());
        }
    }
    LinkContent(const LinkContent&) = delete;
    LinkContent& operator=(const LinkContent&) = delete;

    bool IsLink() const { return isLink; }
    const std::string& Path() const { return tempPath; }

private:
    std::string tempPath;
    bool isLink = false;
};

// Fills block from fd until it is full or the file ends. Returns the bytes read, -1 on error.
ssize_t ReadBlock(int fd, unsigned char* block) {
    size_t filled = 0;
    while (filled < kContainerBlockSize) {
        ssize_t n = read(fd, block + filled, kContainerBlockSize - filled);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return -1;
        }
        if (n == 0) {
            break;
        }
        filled += static_cast<size_t>(n);
    }
    return static_cast<ssize_t>(filled);
}

struct ContentCopy {
    uint64_t bytesRead = 0;
    uint64_t dataLength = 0;
    bool readError = false;
    bool stopped = false;
    bool writeFailed = false;
};

ContentCopy CopyContent(LProcessInterface& process, int input, uint64_t size,
                        LContentCipher& cipher, LWriteFileRef& output, double progress,
                        double weight) {
    ContentCopy copy;
    unsigned char block[kContainerBlockSize];
    while (!(copy.stopped = process.IsToStop())) {
        ssize_t n = ReadBlock(input, block);
        if (n <= 0) {
            copy.readError = n < 0;
            break;
        }
        std::memset(block + n, 0, kContainerBlockSize - static_cast<size_t>(n));
        cipher.Encipher(block, kContainerBlockSize);
        if (!output.Write(block, sizeof block)) {
            copy.writeFailed = true;
            break;
        }
        copy.bytesRead += static_cast<uint64_t>(n);
        copy.dataLength += kContainerBlockSize;
        if (copy.dataLength % kProgressStep == 0 && size > 0) {
            double done = std::min(1.0, static_cast<double>(copy.dataLength) / size);
            process.SetProgress(progress + weight * done);
        }
    }
    return copy;
}

}  // namespace

LEncryptFileResult EncryptFile(LProcessInterface& process, const char* path, double& progress,
                               double weight, LWriteFileRef& output, int algorithm,
                               const char* password) {
    LContentCipher cipher(algorithm, password);
    return EncryptFile(process, path, progress, weight, output, cipher);
}

LEncryptFileResult EncryptFile(LProcessInterface& process, const char* path, double& progress,
                               double weight, LWriteFileRef& output, LContentCipher& cipher) {
    const std::string source = path ? path : "";
    LinkContent link(source);
    const std::string& readPath = link.IsLink() ? link.Path() : source;

    LFileDescriptor input(open(readPath.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!input.IsOpen()) {
        progress += weight;
        process.SetProgress(progress);
        return LEncryptFileUnreadable;
    }
    struct stat info {};
    uint64_t size = fstat(input.Get(), &info) == 0 ? static_cast<uint64_t>(info.st_size) : 0;

    LContainerEntryType type = link.IsLink() ? LContainerEntryLink : LContainerEntryFile;
    if (!LContainerWriteEntryHead(output, type, LEntryNameForPath(source))) {
        return LEncryptFileWriteFailed;
    }
    int64_t sizeAt = output.Position();
    if (sizeAt < 0 || !output.WriteUInt64(size) || !output.WriteUInt64(0)) {
        return LEncryptFileWriteFailed;
    }
    process.SetStatus(LEntryNameLastComponent(source).c_str(), 1);

    ContentCopy copy = CopyContent(process, input.Get(), size, cipher, output, progress, weight);
    // The size recorded is what was read, so a file that shrank restores as what was there.
    int64_t end = output.Position();
    bool fixed = !copy.writeFailed && end >= 0 && output.Seek(sizeAt) &&
                 output.WriteUInt64(copy.bytesRead) && output.WriteUInt64(copy.dataLength) &&
                 output.Seek(end);
    progress += weight;
    if (!fixed) {
        return LEncryptFileWriteFailed;
    }
    if (copy.stopped) {
        return LEncryptFileStopped;
    }
    return copy.readError || copy.bytesRead < size ? LEncryptFileIncomplete : LEncryptFileWritten;
}
