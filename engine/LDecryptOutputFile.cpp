#include "LDecryptOutputFile.h"

#include "LFileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <random>

namespace {

constexpr int kNameAttempts = 100;

// A hidden name in the pattern of the program's temporary files, ".0XXXXXX".
std::string TemporaryName() {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<size_t> pick(0, sizeof kLetters - 2);
    std::string name = ".0";
    for (int i = 0; i < 6; ++i) {
        name += kLetters[pick(generator)];
    }
    return name;
}

}  // namespace

bool LDecryptOutputFile::Create(int parent) {
    Discard();
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string name = TemporaryName();
        file.Reset(
            openat(parent, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (file.IsOpen()) {
            folder = parent;
            temporaryName = std::move(name);
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

bool LDecryptOutputFile::Write(const void* data, size_t length) {
    errno = 0;
    if (LFileWrite(file.Get(), data, length) == length) {
        return true;
    }
    if (errno == 0) {
        errno = EIO;
    }
    return false;
}

bool LDecryptOutputFile::Commit(const std::string& name, mode_t mode) {
    if (fchmod(file.Get(), mode) != 0 ||
        renameat(folder, temporaryName.c_str(), folder, name.c_str()) != 0) {
        const int error = errno;
        Discard();
        errno = error;
        return false;
    }
    temporaryName.clear();
    file.Reset();
    return true;
}

void LDecryptOutputFile::Discard() {
    file.Reset();
    if (!temporaryName.empty()) {
        unlinkat(folder, temporaryName.c_str(), 0);
        temporaryName.clear();
    }
}
